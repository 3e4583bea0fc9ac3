#pragma once

#include <QStringList>
#include <QtPlugin>

// The program's own plugin for printing, so that start-up does not relocate
// Qt PrintSupport for a summary that is seldom printed: it is loaded with the
// first "Print".
class PrintPlugin
{
public:
    virtual ~PrintPlugin() = default;

    // Prints the lines as one document on the system's default printer, or
    // into the PDF file when one is named (tests). False on any failure, the
    // job then aborted so no part of it prints.
    virtual bool printLines(const QStringList &lines, const QString &pdfFile) = 0;
};

#define PrintPlugin_iid "org.callwise.PrintPlugin/1"
Q_DECLARE_INTERFACE(PrintPlugin, PrintPlugin_iid)
