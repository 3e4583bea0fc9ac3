#pragma once

// CSV as spreadsheets and operators write it, read tolerantly: fields
// separated by one character, a field in double quotes may hold the
// separator, line breaks and quotes written twice (""). A quote that is never
// closed ends with its line, so one stray quote cannot swallow the rest of a
// file.

#include <QByteArray>
#include <QString>
#include <QStringList>

// A file's bytes as text: UTF-16 or UTF-32 by their byte-order mark, UTF-8
// (its mark dropped) when the bytes are valid UTF-8, otherwise Latin-1, which
// every byte is.
QString decodeText(const QByteArray &bytes);

struct CsvRecord
{
    int firstLine = 0; // of the text, from 1
    int lastLine = 0; // later than firstLine when a quoted field held line breaks
    QStringList fields;
};

class CsvReader
{
public:
    CsvReader(QStringView text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    { }

    // The next record; false at the end of the text.
    bool next(CsvRecord &record);

private:
    QString quotedField(qsizetype &at);

    QStringView m_text;
    QChar m_separator;
    qsizetype m_at = 0;
    int m_line = 1;
};
