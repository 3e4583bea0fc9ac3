#include "ui/message_box_prompter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Plain boxes: the program's title, the text and the buttons, no icons.
TEST(MessageBoxes, ArePlainAndAnswerAsAsked)
{
    MessageBoxPrompter prompter;
    auto answerWith = [](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            EXPECT_EQ(box->windowTitle(), "Callwise");
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            for (QAbstractButton *each : box->buttons())
                EXPECT_TRUE(each->icon().isNull());
            box->button(button)->click();
        });
    };
    answerWith(QMessageBox::Ok);
    prompter.showMessage("File Save ERROR");
    answerWith(QMessageBox::No);
    EXPECT_FALSE(prompter.confirm("Are You SURE?"));
    answerWith(QMessageBox::Yes);
    EXPECT_TRUE(prompter.confirm("Are You SURE?"));
}
