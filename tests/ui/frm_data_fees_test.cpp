#include "ui_rig.h"

#include "tariff/data_tariff_file.h"
#include "ui/frm_data_fees.h"

namespace {

class DataFeesWindowTest : public UiRigTest
{
protected:
    QString path() const { return dir.file(QStringLiteral("netdata.ini")); }
    // A window as the tariff editor opens it, deleted when closed.
    frmDataFees *open(int billStartDay = 15)
    {
        window = new frmDataFees(LoadDataTariff(path()), path(), billStartDay, prompter);
        window->show();
        return window;
    }
    template <typename T = QLineEdit> T *control(const QString &name) const
    {
        return child<T>(window.data(), name);
    }
    void set(const QString &box, const QString &text) { control(box)->setText(text); }

    QPointer<frmDataFees> window;
};

TEST_F(DataFeesWindowTest, OkSavesTheBoxesAsTheFileAndCancelOrUntickingDrops)
{
    open();
    EXPECT_FALSE(control<QCheckBox>("chkTariff")->isChecked());
    EXPECT_FALSE(control("txtAllowance")->isEnabled());
    EXPECT_EQ(control("txtStartDay")->text(), "15")
        << "a new tariff's bill starts on the alerts' day";
    control<QCheckBox>("chkTariff")->setChecked(true);
    set("txtStart0_0", "07:59");
    set("txtPrice0_0", "1.5");
    set("txtPrice5_3", "0");
    set("txtAllowance", "2048");
    set("txtBeyond", "0.25");
    control<QComboBox>("cboMb")->setCurrentIndex(1);
    set("txtRounding", "102400");
    press(control("txtRounding"), Qt::Key_Return); // Enter in a box is OK
    EXPECT_FALSE(window->isVisible());
    const DataTariffLoad saved = LoadDataTariff(path());
    ASSERT_TRUE(saved.tariff) << saved.why.toStdString();
    EXPECT_EQ(saved.tariff->bands[0][0], (DataBand { QStringLiteral("07:59"), 1.5 }));
    EXPECT_EQ(saved.tariff->bands[5][3].pencePerMb, 0.0);
    EXPECT_EQ(saved.tariff->allowanceMb, 2048);
    EXPECT_EQ(saved.tariff->billStartDay, 15);
    EXPECT_EQ(saved.tariff->beyondPencePerMb, 0.25);
    EXPECT_EQ(saved.tariff->mbBytes, kBinaryMb);
    EXPECT_EQ(saved.tariff->roundingBytes, 102400);

    // Reopened from the file; typing then Cancel or Escape saves nothing.
    const QByteArray before = dir.read(QStringLiteral("netdata.ini"));
    open();
    EXPECT_EQ(control("txtPrice0_0")->text(), "1.50");
    set("txtAllowance", "1");
    control<QPushButton>("cmdCancel")->click();
    open();
    set("txtAllowance", "1");
    press(window, Qt::Key_Escape);
    EXPECT_EQ(dir.read(QStringLiteral("netdata.ini")), before);

    // Unticked, OK removes the tariff.
    open();
    control<QCheckBox>("chkTariff")->setChecked(false);
    control<QPushButton>("cmdOK")->click();
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(DataFeesWindowTest, ABadBoxIsNamedFocusedAndNothingIsSaved)
{
    const struct
    {
        const char *box;
        const char *text;
        const char *message;
    } cases[] = {
        { "txtStart2_1", "7:60",
            "Wednesday, band 2, from: \"7:60\" is not a time of day \"hh:mm\"." },
        { "txtPrice6_3", "-1", "Sunday, band 4, pence a MB: \"-1\" is not pence a MB." },
        { "txtAllowance", "1.5", "Allowance (MB): \"1.5\" is not an allowance in whole MB." },
        { "txtStartDay", "29", "Bill starts on day (1 to 28): \"29\" is not a day from 1 to 28." },
    };
    for (const auto &c : cases) {
        open();
        control<QCheckBox>("chkTariff")->setChecked(true);
        set(c.box, c.text);
        prompter.messages.clear();
        control<QPushButton>("cmdOK")->click();
        EXPECT_EQ(prompter.messages, QStringList { c.message });
        EXPECT_EQ(window->focusWidget(), control(c.box)) << c.box;
        EXPECT_FALSE(QFileInfo::exists(path()));
        window->close();
    }
}

TEST_F(DataFeesWindowTest, EveryBoxIsNamedForAScreenReaderAndTheSettingsByTheirCaptions)
{
    open();
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
    EXPECT_EQ(control("txtPrice0_0")->accessibleName(), "Monday, band 1, pence a MB");
    EXPECT_EQ(control<QLabel>("lblMb")->buddy(), control<QComboBox>("cboMb"));
}

} // namespace
