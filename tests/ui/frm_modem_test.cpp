#include "ui_rig.h"

#include "settings/c_registry.h"

#include <QLineEdit>

namespace {

class SettingsWindowTest : public UiRigTest
{
protected:
    void open(int interval)
    {
        callClock.setScanInterval(interval);
        window = new frmModem(settings, callClock, dir.file("settings.ini"), autoRun, prompter);
        window->show();
    }
    template <typename T> T *control(const char *name) { return child<T>(window, name); }
    std::string runEntry()
    {
        cRegistry registry({ store, "callwise", [](const std::string &) {} });
        registry.ClassKey(kHkeyLocalMachine);
        registry.SectionKey(kRunKeyPath);
        registry.ValueKey(kRunValueName);
        registry.Default("<none>");
        return registry.Value();
    }

    Settings settings;
    QPointer<frmModem> window;
};

TEST_F(SettingsWindowTest, OpeningRewritesTheRunEntryAtOnceAndTheChecksSetTheFlags)
{
    settings.AutoRunOnStart = 1;
    settings.SplashOnStart = 2;
    open(5000);
    EXPECT_FALSE(
        window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(control<QCheckBox>("Check3")->checkState(), Qt::Checked);
    // Before the user touches anything.
    EXPECT_EQ(runEntry(), dir.path().toStdString() + "\\CALLWISE.exe");
    EXPECT_TRUE(dir.exists("autostart/callwise.desktop"));
    EXPECT_TRUE(prompter.messages.isEmpty());

    auto *check1 = control<QCheckBox>("Check1");
    EXPECT_EQ(check1->checkState(), Qt::PartiallyChecked);
    check1->click();
    EXPECT_EQ(settings.SplashOnStart, 1);
    check1->click();
    EXPECT_EQ(settings.SplashOnStart, 0); // clicks never make it partly checked again

    control<QCheckBox>("Check3")->click();
    EXPECT_EQ(settings.AutoRunOnStart, 0);
    EXPECT_EQ(runEntry(), "");
    EXPECT_FALSE(dir.exists("autostart/callwise.desktop"));
}

TEST_F(SettingsWindowTest, TheIntervalPicksItsOptionAndEachOptionSetsItsInterval)
{
    const std::tuple<int, const char *, int> shownAs[]
        = { { 5000, "Option6", 5000 }, { 20000, "Option7", 20000 }, { 1000, "Option8", 1000 },
              { 3000, "Option6", 3000 } }; // any other shows 5 seconds and runs on until a click
    for (const auto &[interval, option, running] : shownAs) {
        open(interval);
        EXPECT_TRUE(control<QRadioButton>(option)->isChecked()) << interval;
        EXPECT_EQ(callClock.scanInterval(), running);
        delete window;
    }
    open(3000);
    EXPECT_EQ(runEntry(), "<none>"); // auto-run off at load writes nothing
    for (const auto &[interval, option, running] : { shownAs[1], shownAs[2], shownAs[0] }) {
        control<QRadioButton>(option)->click();
        EXPECT_EQ(callClock.scanInterval(), interval) << option;
    }
}

// Only a change is saved; a pattern that is no link name's is refused.
TEST_F(SettingsWindowTest, TheLinksBilledByVolumeAreSavedWhenChanged)
{
    LinkBilling billing;
    const QString path = dir.file("netlinks.ini");
    for (const auto &[typed, file, message] : { std::tuple { "wwan*  wwp* ", "", false },
             { "ppp1 wwan*", "ppp1  ,  volume\r\nwwan*  ,  volume\r\n", false },
             { "ppp1 a,b", "ppp1  ,  volume\r\nwwan*  ,  volume\r\n", true } }) {
        open(5000);
        window->setLinkBilling(&billing, path);
        auto *edit = control<QLineEdit>("txtVolumeLinks");
        EXPECT_EQ(edit->text(), billing.volumePatterns().join(' '));
        edit->setText(typed);
        window->close();
        EXPECT_EQ(dir.exists("netlinks.ini") ? dir.read("netlinks.ini") : "", file) << typed;
        EXPECT_EQ(!prompter.messages.isEmpty(), message) << typed;
        EXPECT_EQ(billing, LoadLinkBilling(path).billing) << typed;
    }
}

} // namespace
