#include "ui/message_box_prompter.h"

#include "common/translations.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

// A plain box: the text and its buttons, with no icon beside the text and
// none on the buttons, whatever the desktop's style would add.
QMessageBox::StandardButton askInBox(const QString &text, QMessageBox::StandardButtons buttons)
{
    installQtTranslation(); // the buttons' texts
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(kProgramTitle), text, buttons);
    box.setObjectName(QStringLiteral("messageBox"));
    for (QAbstractButton *button : box.buttons())
        button->setIcon(QIcon());
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void MessageBoxPrompter::showMessage(const QString &text)
{
    askInBox(text, QMessageBox::Ok);
}

bool MessageBoxPrompter::confirm(const QString &question)
{
    return askInBox(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
}

Prompter::Answer MessageBoxPrompter::ask(const QString &question)
{
    switch (askInBox(question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
