#include "ui_rig.h"

#include "tariff/fee_file.h"

namespace {

class TariffEditorTest : public UiRigTest
{
protected:
    // As the main window does: the tariff is loaded before the editor is built.
    frmDays &open(const QString &feePath = {})
    {
        const QString at = feePath.isEmpty() ? path() : feePath;
        LoadFees(tariff, at);
        window = std::make_unique<frmDays>(tariff, at, prompter);
        return *window;
    }
    QString path() const { return dir.file("netfees.ini"); }
    QLineEdit *element(const char *name, int index) const
    {
        return child<QLineEdit>(window.get(), QStringLiteral("%1(%2)").arg(name).arg(index));
    }
    QLineEdit *Text8() const { return child<QLineEdit>(window.get(), "Text8"); }
    void clickOk() const { child<QPushButton>(window.get(), "cmdReturn")->click(); }

    std::unique_ptr<frmDays> window;
};

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
    EXPECT_EQ(tariff.band(0, 0).bandStart, "08:05");

    TariffTable saved;
    LoadFees(saved, path());
    EXPECT_EQ(saved, tariff);
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
    prompter.answer(ScriptedPrompter::Answer::No);
    window->close();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(tariff.band(0, 0).fee, "1.00");
    EXPECT_EQ(tariff.band(1, 0).bandStart, "");
    EXPECT_EQ(tariff.minConnectTime(), "3");
    EXPECT_EQ(element("Text1", 4)->text(), "1.00");
    EXPECT_EQ(element("Text2", 0)->text(), "");

    window->reloadAndShow(); // the same window opens again
    EXPECT_TRUE(window->isVisible());
}

struct CloseCase
{
    bool escape; // or the close box
    const char *typed; // Monday's first fee
    std::optional<Prompter::Answer> answer; // none: nothing is asked
    bool open; // after
    const char *saved; // the file's Monday fee after
};

const CloseCase kCloses[] = {
    { false, "1.00", std::nullopt, false, "1.00" }, // nothing changed
    { false, "2.5", Prompter::Answer::Yes, false, "2.50" },
    { false, "2.5", Prompter::Answer::No, false, "1.00" },
    { false, "2.5", Prompter::Answer::Cancel, true, "1.00" },
    { true, "1.00", std::nullopt, false, "1.00" },
    { true, "2.5", Prompter::Answer::Yes, false, "2.50" },
    { true, "2.5", Prompter::Answer::No, false, "1.00" },
    { true, "2.5", Prompter::Answer::Cancel, true, "1.00" },
};

// The close box and Escape ask before dropping what was typed: Yes saves as
// OK does, No drops, Cancel goes back to the window with the typing kept.
TEST_F(TariffEditorTest, CloseBoxAndEscapeAskBeforeDroppingTypedFees)
{
    for (const CloseCase &c : kCloses) {
        SCOPED_TRACE(testing::Message() << c.escape << c.typed << c.open);
        TariffTable saved;
        saved.setFee(0, 0, "1.00");
        ASSERT_TRUE(SaveFees(saved, path()).ok);
        prompter.questions.clear();
        open().reloadAndShow();
        element("Text1", 4)->setText(c.typed);
        if (c.answer)
            prompter.answer(*c.answer);
        if (c.escape)
            press(element("Text2", 0), Qt::Key_Escape);
        else
            window->close();
        EXPECT_EQ(prompter.questions,
            c.answer ? QStringList { "Save your changes to the fees and the min connect time?" }
                     : QStringList());
        EXPECT_EQ(window->isVisible(), c.open);
        LoadFees(saved, path());
        EXPECT_EQ(saved.band(0, 0).fee, c.saved);
        EXPECT_EQ(element("Text1", 4)->text(), c.open ? c.typed : c.saved);
    }
}

} // namespace
