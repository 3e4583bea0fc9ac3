#include "ui/frm_days.h"

#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include "tariff/fee_file.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

// Key by key, as the user types, so the boxes' own limits apply.
void type(QLineEdit *box, const QString &text)
{
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
    }
}

QWidget *nextTabStop(QWidget *widget)
{
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

class TariffEditorTest : public testing::Test
{
protected:
    // As the main window does: the table is loaded before the editor is built.
    frmDays &open(const QString &feePath = {})
    {
        const QString at = feePath.isEmpty() ? path() : feePath;
        LoadFees(table, at);
        window = std::make_unique<frmDays>(table, at, prompter);
        return *window;
    }

    QString path() const { return dir.file("netfees.ini"); }

    // An element of a control array: its name and index.
    template <typename T = QLineEdit> T *element(const char *name, int index) const
    {
        for (T *child : window->findChildren<T *>(QLatin1String(name))) {
            if (child->property("index").toInt() == index)
                return child;
        }
        ADD_FAILURE() << name << "(" << index << ") missing";
        return nullptr;
    }

    QLineEdit *Text8() const { return window->findChild<QLineEdit *>("Text8"); }
    void clickOk() const { window->findChild<QPushButton *>("cmdReturn")->click(); }

    TempProgramDir dir;
    TariffTable table;
    ScriptedPrompter prompter;
    std::unique_ptr<frmDays> window;
};

TEST_F(TariffEditorTest, SevenRowsOfEightSixCharacterBoxesAndTabFromStartToFee)
{
    open();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(
        window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}) {
        ASSERT_EQ(window->findChildren<QLineEdit *>(name).size(), 8) << name;
        for (int index = 0; index < 8; ++index) {
            EXPECT_EQ(element(name, index)->maxLength(), 6);
            EXPECT_TRUE(element(name, index)->text().isEmpty());
        }
    }
    EXPECT_EQ(Text8()->text(), "3");
    EXPECT_EQ(nextTabStop(element("Text1", 0)), element("Text1", 4));
    EXPECT_EQ(nextTabStop(element("Text1", 4)), element("Text1", 1));
    EXPECT_EQ(nextTabStop(element("Text7", 7)), Text8());
}

TEST_F(TariffEditorTest, TypingChangesTheTableAtOnceAndOpeningShowsTheFile)
{
    TariffTable saved;
    saved.setFee(0, 0, "1.00");
    ASSERT_TRUE(SaveFees(saved, path()).ok);
    open();
    EXPECT_EQ(element("Text1", 4)->text(), "1.00");

    element("Text1", 4)->clear();
    type(element("Text1", 4), "9.99");
    type(element("Text7", 3), "23:00x7");
    EXPECT_EQ(table.band(0, 0).fee, "9.99");
    EXPECT_EQ(table.band(6, 3).bandStart, "23:00x");

    // Text8 takes one character only.
    Text8()->clear();
    type(Text8(), "45");
    EXPECT_EQ(Text8()->text(), "4");
    EXPECT_EQ(table.minConnectTime(), "4");

    window->reloadAndShow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(element("Text1", 4)->text(), "1.00");
    EXPECT_EQ(element("Text7", 3)->text(), "");
    EXPECT_EQ(Text8()->text(), "3");
}

TEST_F(TariffEditorTest, OkSavesTheNormalFormsShowsThemAndHides)
{
    open().reloadAndShow();
    type(element("Text1", 0), "8:5");
    type(element("Text1", 4), "1.5");
    type(element("Text2", 1), "0.5");
    type(element("Text3", 5), "abc");
    clickOk();

    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(element("Text1", 0)->text(), "08:05");
    EXPECT_EQ(element("Text1", 4)->text(), "1.50");
    EXPECT_EQ(element("Text2", 1)->text(), "12:00");
    EXPECT_EQ(element("Text3", 5)->text(), "abc");
    EXPECT_EQ(table.band(0, 0).bandStart, "08:05");

    TariffTable saved;
    LoadFees(saved, path());
    EXPECT_EQ(saved, table);
}

TEST_F(TariffEditorTest, FailedSaveSaysSoStaysOpenAndKeepsTheTexts)
{
    open(dir.file("missing/netfees.ini")).reloadAndShow();
    type(element("Text1", 0), "8:5");
    clickOk();
    EXPECT_EQ(prompter.messages, QStringList { "File Save ERROR" });
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(element("Text1", 0)->text(), "8:5");
    EXPECT_EQ(table.band(0, 0).bandStart, "8:5");
}

TEST_F(TariffEditorTest, CloseBoxDropsUnsavedEditsAtOnce)
{
    TariffTable saved;
    saved.setFee(0, 0, "1.00");
    saved.setMinConnectTime("5");
    ASSERT_TRUE(SaveFees(saved, path()).ok);
    open().reloadAndShow();
    element("Text1", 4)->clear();
    type(element("Text1", 4), "9.99");

    // A cell the file no longer holds goes back to its default, not to what was typed.
    dir.write("netfees.ini", encodeLines({ "", "1.00" }));
    type(element("Text2", 0), "07:00");
    window->close();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(table.band(0, 0).fee, "1.00");
    EXPECT_EQ(table.band(1, 0).bandStart, "");
    EXPECT_EQ(table.minConnectTime(), "3");
    EXPECT_EQ(element("Text1", 4)->text(), "1.00");
    EXPECT_EQ(element("Text2", 0)->text(), "");

    window->reloadAndShow(); // the same window opens again
    EXPECT_TRUE(window->isVisible());
}

} // namespace
