#pragma once

// Printing a summary: plain lines of text, one document, on A4 paper with the
// printer's own font and margins, running on to a new page when one is full.

#include <QPrinter>
#include <QStringList>

#include <functional>
#include <memory>

inline constexpr char16_t kPrintProblem[] = u"There was a problem printing to your printer.";

// Where a printed summary goes. The program prints on the system's default
// printer; tests print to a PDF file through the same code.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

// The system's default printer, or nothing when the system has none.
std::unique_ptr<QPrinter> defaultSystemPrinter();

// Prints the lines as one document. On any failure the job is aborted, so no
// part of it is left to print, and false is returned.
bool printLines(QPrinter &printer, const QStringList &lines);
