#pragma once

// Printing a summary: plain lines of text, one document, on A4 paper with the
// printer's own font and margins, running on to a new page when one is full.

#include <QPrinter>
#include <QStringList>

#include <memory>

// The system's default printer, or nothing when the system has none.
std::unique_ptr<QPrinter> defaultSystemPrinter();

// Prints the lines as one document. On any failure the job is aborted, so no
// part of it is left to print, and false is returned.
bool printLines(QPrinter &printer, const QStringList &lines);
