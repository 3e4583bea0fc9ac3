#pragma once

#include <QString>

#include <unordered_map>
#include <vector>

// Where each day's records stand in the log text, found in one pass, so a
// summary of many days does not search the whole text once per day.
class LogIndex
{
public:
    explicit LogIndex(const QString &logText);

    const QString &text() const { return m_text; }

    // Every place where the day key "dd:mm:yyyy" of the given day, month and
    // year stands in the text, in text order (overlapping places included).
    const std::vector<qsizetype> &keyPositions(int day, int month, int year) const;

    // The first "#" or "," at or after from, or -1.
    qsizetype nextHash(qsizetype from) const { return nextOf(m_hashes, from); }
    qsizetype nextComma(qsizetype from) const { return nextOf(m_commas, from); }

private:
    static qsizetype nextOf(const std::vector<qsizetype> &positions, qsizetype from);

    QString m_text;
    std::unordered_map<quint32, std::vector<qsizetype>> m_keys;
    std::vector<qsizetype> m_hashes;
    std::vector<qsizetype> m_commas;
};
