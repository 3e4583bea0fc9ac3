#pragma once

#include "ui/frm_about.h"
#include "ui/frm_alerts.h"
#include "ui/frm_blt.h"
#include "ui/frm_callwise.h"
#include "ui/frm_chart.h"
#include "ui/frm_costs.h"
#include "ui/frm_days.h"
#include "ui/frm_modem.h"
#include "ui/frm_rules.h"

#include "settings/file_registry_store.h"
#include "support/call_rig.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

// A control by name, or an element of a control array as "Name(index)".
template <typename T = QWidget> T *child(const QObject *window, const QString &wanted)
{
    const qsizetype open = wanted.indexOf(u'(');
    for (T *each : window->findChildren<T *>(wanted.left(open))) {
        if (open < 0 || each->property("index").toInt() == wanted.mid(open + 1).chopped(1).toInt())
            return each;
    }
    ADD_FAILURE() << "no control " << wanted.toStdString();
    return nullptr;
}

inline void press(QWidget *widget, int key, const QString &text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &event);
}

// Key by key, as the user types, so the boxes' own limits apply.
inline void type(QWidget *box, const QString &text)
{
    for (QChar ch : text)
        press(box, 0, ch);
}

// A machine without a sound output.
struct NoChime final : Chime
{
    bool isAvailable() override { return false; }
    void play() override { }
};

// The call rig with a registry and an autostart folder in its directory,
// and a hang-up coach.
struct UiRig : CallRig
{
    NoChime chime;
    CallCoach coach { { clock, regional, source, chime, speaker,
                          [this](const QString &t) { balloons << t; }, [] { return false; } },
        callClock };
    FileRegistryStore store { dir.file("registry").toStdString(), [](const std::string &) {} };
    AutoRunPlace autoRun { store, prompter, dir.path(), dir.file("callwise"),
        dir.file("autostart") };
};

struct UiRigTest : testing::Test, UiRig
{
};
