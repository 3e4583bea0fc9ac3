#include "ui/print_plugin.h"

#include "ui/print/summary_printer.h"

// The printing plugin: the only part of the program linked with Qt
// PrintSupport.
class SystemPrintPlugin final : public QObject, public PrintPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PrintPlugin_iid)
    Q_INTERFACES(PrintPlugin)

public:
    bool printLines(const QStringList &lines, const QString &pdfFile) override
    {
        std::unique_ptr<QPrinter> printer;
        if (pdfFile.isEmpty()) {
            printer = defaultSystemPrinter();
        } else {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfFile);
        }
        return printer && ::printLines(*printer, lines);
    }
};

#include "print_plugin.moc"
