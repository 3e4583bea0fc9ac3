#include "ui/message_box_prompter.h"

#include "common/translations.h"

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
    using Answer = Prompter::Answer;
    for (const auto &[button, answer] : { std::pair { QMessageBox::Yes, Answer::Yes },
             { QMessageBox::No, Answer::No }, { QMessageBox::Cancel, Answer::Cancel } }) {
        answerWith(button);
        EXPECT_EQ(prompter.ask("Save your changes?"), answer);
    }
}

// Qt's own translation comes with the first box (or window), not at
// start-up, and its buttons then read in the user's language.
TEST(MessageBoxes, ReadQtsOwnTextsInTheUsersLanguage)
{
    const auto qtNo = [] { return QCoreApplication::translate("QPlatformTheme", "&No"); };
    installTranslations({ QStringLiteral("fr-FR") });
    EXPECT_EQ(qtNo(), "&No");
    QString no;
    QTimer::singleShot(0, [&no] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        no = box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
    });
    MessageBoxPrompter().confirm(QStringLiteral("Are You SURE?"));
    EXPECT_EQ(no, qtNo());
    EXPECT_NE(no, "&No");
    installTranslations({ QStringLiteral("en-GB") });
    EXPECT_EQ(qtNo(), "&No");
}
