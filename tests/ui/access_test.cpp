// What a screen reader and the keyboard find in each window: every control
// named for what it holds, never by its objectName, and Enter pressing the
// focused button where a plain window would ignore it.

#include "ui_rig.h"

#include "ui/frm_bill_check.h"

#include <QAbstractItemView>
#include <QAccessible>

#include <functional>
#include <memory>

namespace {

struct Windows : UiRig
{
    frmCallwise main { { clock, regional, probe, prompter, dir.path(), autoRun } };
    Settings settings;
    frmCosts costs { clock, regional, prompter, source, dir.file("netcosts.ini") };
    frmDays days { tariff, dir.file("netfees.ini"), prompter };
    frmModem modem { settings, main.callClock(), dir.file("settings.ini"), autoRun, prompter };
    frmAbout about;
    frmAlerts alertsWindow { alerts, coach, regional, prompter };
    frmChart chart { clock, regional, prompter, source, dir.file("netcosts.ini"),
        [] { return BillTerms(); } };
    frmBillCheck billCheck { Tariff { tariff, {}, {}, {} }, dir.file("netcosts.ini"), regional };
};

// The name a screen reader gives a control, with what is wrong with it.
QString nameFault(QWidget *control)
{
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(control);
    const QString name = access ? access->text(QAccessible::Name) : QString();
    const QString element = QStringLiteral("%1(%2)")
                                .arg(control->objectName())
                                .arg(control->property("index").toInt());
    if (name.isEmpty())
        return QStringLiteral("unnamed");
    if (name == control->objectName() || name == element)
        return QStringLiteral("named by its objectName: ") + name;
    // A list is read by its entry; only a buddy caption says what it is.
    if (qobject_cast<QComboBox *>(control)
        && std::ranges::none_of(control->window()->findChildren<QLabel *>(),
            [control](QLabel *label) { return label->buddy() == control; }))
        return QStringLiteral("a list with no caption");
    return {};
}

TEST(Access, EveryControlIsNamedForWhatItHolds)
{
    Windows windows;
    for (QWidget *window : std::initializer_list<QWidget *> { &windows.main, &windows.costs,
             &windows.days, &windows.modem, &windows.about, &windows.alertsWindow, &windows.chart,
             &windows.billCheck }) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const bool isControl = qobject_cast<QAbstractButton *>(control)
                || qobject_cast<QComboBox *>(control)
                || (qobject_cast<QLineEdit *>(control) && control->parent() == window)
                || qobject_cast<QAbstractItemView *>(control);
            if (isControl && !control->isHidden() && control->window() == window) {
                EXPECT_EQ(nameFault(control).toStdString(), "")
                    << window->objectName().toStdString() << "."
                    << control->objectName().toStdString();
            }
        }
    }
    auto *fee = child<QLineEdit>(&windows.days, "Text3(6)");
    EXPECT_EQ(fee->accessibleName(), "Wednesday, band 3, pence a minute");
}

struct EnterCase
{
    const char *button;
    std::function<QWidget *(Windows &)> window;
};

TEST(Access, EnterPressesTheFocusedButton)
{
    const EnterCase cases[] = {
        { "cmdTest", [](Windows &w) { return &w.alertsWindow; } },
        { "cmdCompare", [](Windows &w) { return &w.chart; } },
        { "Command1", [](Windows &w) { return &w.chart; } },
        { "cmdClose", [](Windows &w) { return &w.billCheck; } },
    };
    for (const EnterCase &c : cases) {
        Windows windows;
        windows.chart.setFeeFileChooser([] { return QString(); });
        QWidget *window = c.window(windows);
        auto *button = child<QPushButton>(window, c.button);
        ASSERT_TRUE(button);
        button->setEnabled(true);
        button->setFocus();
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        for (int key : { Qt::Key_Return, Qt::Key_Enter })
            press(button, key);
        EXPECT_EQ(clicks, 2) << c.button;
    }
}

} // namespace
