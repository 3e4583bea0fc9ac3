#include "ui/frm_about.h"

#include "ui/app_resources.h"
#include "ui/fixed_window.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                 QRect twips)
{
    auto *label = addControl<QLabel>(parent, name, text, twips);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
{
    setUpFixedWindow(this, "frmAbout", tr("About Callwise V2.5"), 3750, 3090);

    addLabel(this, "lblName", QStringLiteral("Callwise"), uiFont(13.5, true),
             QRect(120, 90, 3510, 390));
    addLabel(
        this, "lblVersion", tr("Version 2.5"), uiFont(kDefaultPoints), QRect(120, 480, 3510, 252));
    addLabel(this, "lblDescription",
        tr("Times every call of your dial-up line, prices it live from "
           "your weekly tariff, logs it, and totals the calls of any period."),
        uiFont(kDefaultPoints), QRect(120, 840, 3510, 900));
    auto *contact = addLabel(this, "lblContact",
        tr("Maintainers: the Callwise team\n"
           "callwise-maintainers@lists.example.org"),
        uiFont(kDefaultPoints), QRect(120, 1800, 3510, 540));
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *ok = addControl<QPushButton>(this, "cmdOK", tr("&OK"), { 1268, 2520, 1215, 375 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}
