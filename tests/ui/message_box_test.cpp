#include "ui/message_box_prompter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Message boxes are plain: the program's title, the text and the buttons,
// with no icon beside the text and none on the buttons.
TEST(MessageBoxes, ArePlainAndAnswerAsAsked)
{
    MessageBoxPrompter prompter;
    QStringList seen;
    auto answer = [&seen](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [&seen, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            seen << box->windowTitle() + u'|' + box->text();
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            for (QAbstractButton *b : box->buttons())
                EXPECT_TRUE(b->icon().isNull()) << b->text().toStdString();
            box->button(button)->click();
        });
    };
    answer(QMessageBox::Ok);
    prompter.showMessage("File Save ERROR");
    answer(QMessageBox::No);
    EXPECT_FALSE(prompter.confirm("Are You SURE?"));
    answer(QMessageBox::Yes);
    EXPECT_TRUE(prompter.confirm("Are You SURE?"));
    EXPECT_EQ(seen, QStringList({"Callwise|File Save ERROR", "Callwise|Are You SURE?",
                                 "Callwise|Are You SURE?"}));
}
