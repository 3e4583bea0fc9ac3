#include "statement/csv_records.h"

#include <QStringDecoder>

namespace {

// No bill has nearly so many columns; past them the rest of a line is one
// field, so a line of separators alone cannot take the memory.
constexpr qsizetype kMostFields = 1000;

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    static constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
    const std::optional<QStringConverter::Encoding> marked
        = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8 && *marked != QStringConverter::Latin1) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.startsWith(kUtf8Mark) ? bytes.mid(3) : bytes);
}

bool CsvReader::next(CsvRecord &record)
{
    if (m_at >= m_text.size())
        return false;
    record.firstLine = m_line;
    record.fields.clear();
    QString field;
    while (true) {
        if (m_at >= m_text.size()) {
            record.fields << field;
            break;
        }
        const QChar c = m_text[m_at];
        if (isLineEnd(c)) {
            record.fields << field;
            // CR LF, a lone LF or a lone CR ends a record.
            m_at += c == u'\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == u'\n' ? 2 : 1;
            record.lastLine = m_line++;
            return true;
        }
        if (c == m_separator && record.fields.size() < kMostFields - 1) {
            record.fields << field;
            field.clear();
            ++m_at;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            // Blanks before the opening quote are the writer's padding.
            field = quotedField(m_at);
        } else {
            field += c;
            ++m_at;
        }
    }
    record.lastLine = m_line;
    return true;
}

// From the opening quote at `at` to its closing one, or to the end of its
// line when none closes it before the text ends.
QString CsvReader::quotedField(qsizetype &at)
{
    bool closed = false;
    for (qsizetype k = at + 1; k < m_text.size(); ++k) {
        if (m_text[k] == u'"') {
            if (k + 1 < m_text.size() && m_text[k + 1] == u'"') {
                ++k;
                continue;
            }
            closed = true;
            break;
        }
    }
    QString field;
    ++at;
    while (at < m_text.size()) {
        const QChar c = m_text[at];
        if (c == u'"') {
            if (at + 1 < m_text.size() && m_text[at + 1] == u'"') {
                field += u'"';
                at += 2;
                continue;
            }
            ++at;
            break;
        }
        if (isLineEnd(c)) {
            if (!closed)
                break;
            // CR LF inside quotes is one line break, as elsewhere.
            if (c == u'\n' || at + 1 >= m_text.size() || m_text[at + 1] != u'\n')
                ++m_line;
        }
        field += c;
        ++at;
    }
    return field;
}
