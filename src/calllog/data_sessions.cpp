#include "calllog/data_sessions.h"

#include "common/text_file.h"

namespace {

// "hh:mm:ss", the hours up to 99 as a duration holds them.
qint64 secondsOf(const QString &text)
{
    const QStringList parts = text.split(u':');
    if (text.size() != 8 || parts.size() != 3)
        return -1;
    qint64 seconds = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const int value = parts[i].toInt(&ok);
        if (!ok || value < 0 || (i > 0 && value > 59))
            return -1;
        seconds = seconds * 60 + value;
    }
    return seconds;
}

// "dd:mm:yyyy  ,  hh:mm:ss  ,  hh:mm:ss  ,  received  ,  sent#".
std::optional<DataSession> sessionOf(const QString &line)
{
    if (!line.endsWith(u'#'))
        return std::nullopt;
    const QStringList fields = line.chopped(1).split(QStringLiteral("  ,  "));
    if (fields.size() != 5)
        return std::nullopt;
    DataSession session;
    session.startDate = QDate::fromString(fields[0], u"dd:MM:yyyy");
    session.startSecond = int(secondsOf(fields[1]));
    session.seconds = secondsOf(fields[2]);
    bool receivedOk = false;
    bool sentOk = false;
    session.received = fields[3].toLongLong(&receivedOk);
    session.sent = fields[4].toLongLong(&sentOk);
    if (!session.startDate.isValid() || session.startSecond < 0 || session.seconds < 0
        || !receivedOk || !sentOk || session.received < 0 || session.sent < 0)
        return std::nullopt;
    return session;
}

} // namespace

std::vector<DataSession> LoadDataSessions(const QString &bytesPath)
{
    std::vector<DataSession> sessions;
    for (const QString &line : readLines(bytesPath).value_or(QStringList())) {
        if (const std::optional<DataSession> session = sessionOf(line))
            sessions.push_back(*session);
    }
    return sessions;
}
