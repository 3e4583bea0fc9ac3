#include "ui/open_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString &lastFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString chooseFileToOpen(QWidget *parent, const QString &caption, const QString &filter)
{
    const QString start = lastFolder().isEmpty() ? QDir::homePath() : lastFolder();
    const QString path = QFileDialog::getOpenFileName(parent, caption, start, filter);
    if (!path.isEmpty())
        lastFolder() = QFileInfo(path).absolutePath();
    return path;
}
