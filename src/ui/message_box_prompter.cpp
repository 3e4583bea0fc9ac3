#include "ui/message_box_prompter.h"

#include <QMessageBox>

void MessageBoxPrompter::showMessage(const QString &text)
{
    QMessageBox::information(nullptr, QString::fromUtf16(kProgramTitle), text, QMessageBox::Ok);
}

bool MessageBoxPrompter::confirm(const QString &question)
{
    return QMessageBox::question(nullptr, QString::fromUtf16(kProgramTitle), question,
                                 QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::No;
}
