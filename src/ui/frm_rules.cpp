#include "ui/frm_rules.h"

#include "common/number_reader.h"
#include "tariff/time_rules.h"
#include "ui/enter_presses_button.h"
#include "ui/fixed_window.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include <algorithm>
#include <cmath>

namespace {

// The window is a column of rows, each a caption at the left with its box
// at the right, or one control across; the buttons go below the last row.
// The rules file's problem, when there is one, takes the top rows.
enum Row {
    ProblemRow,
    FeePerCallRow,
    UnitsRow,
    FirstChargeRow,
    MinimumChargeRow,
    OwnRateRow,
    HolidaysRow,
    EnglandAndWalesRow,
    HolidayListRow,
    HolidayHintRow,
    HolidayProblemRow,
    TimeRulesRow,
    TimeRuleListRow,
    TimeRuleHintRow,
    TimeRuleProblemRow,
    RowCount
};
// Wide enough for a rule by time and what is wrong with one on a line or two.
constexpr int kLeft = 120, kWidth = 6600, kRowHeight = 400, kBoxLeft = 3120, kBoxWidth = 1920;
constexpr int kProblemHeight = 900;
constexpr int kListHeight = 1320;
constexpr int kLineProblemHeight = 480;
constexpr int kButtonHeight = 375;

struct Layout
{
    bool withProblem = false;

    int height(Row row) const
    {
        switch (row) {
        case ProblemRow:
            return withProblem ? kProblemHeight : 0;
        case HolidayListRow:
        case TimeRuleListRow:
            return kListHeight;
        case HolidayProblemRow:
        case TimeRuleProblemRow:
            return kLineProblemHeight;
        default:
            return kRowHeight;
        }
    }
    int top(Row row) const
    {
        int top = 120;
        for (int before = 0; before < row; ++before)
            top += height(Row(before));
        return top;
    }
    int buttonsTop() const { return top(RowCount) + 120; }
    int windowHeight() const { return buttonsTop() + kButtonHeight + 165; }

    // A caption or a line of text, set a little lower than a box beside it.
    QRect text(Row row, int width = kWidth) const { return { kLeft, top(row) + 60, width, 252 }; }
    QRect box(Row row) const { return { kBoxLeft, top(row), kBoxWidth, 315 }; }
    QRect across(Row row) const { return { kLeft, top(row), kWidth, height(row) - 80 }; }
};

// Two places, or as many as the amount was written with.
QString penceText(const ExactNumber &pence)
{
    return pence > 0 ? pence.toText(2) : QString();
}

// What a holiday line is: kEnglandAndWales in any case counts as that choice.
bool isEnglandAndWales(const QString &line)
{
    const std::optional<HolidayDay> day = readHoliday(line);
    return day && day->kind == HolidayDay::Kind::EnglandAndWales;
}

bool isLatin1(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() <= 0xff; });
}

QString holidayProblem(const QString &line)
{
    return readHoliday(line) ? QString() : QCoreApplication::translate("RulesFile", kNoHoliday);
}

QString timeRuleProblem(const QString &line)
{
    const TimeRuleRead read = readTimeRule(line);
    return read.rule ? QString() : read.why;
}

// The first line of a list that cannot be saved, named as the rules file
// names its lines.
std::optional<RulesLine> firstBadLine(
    const QPlainTextEdit *list, QString (*problem)(const QString &))
{
    const QStringList lines = list->toPlainText().split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const QString why = isLatin1(line) ? problem(line)
                                           : frmRules::tr("a character the rules file cannot hold");
        if (!why.isEmpty())
            return RulesLine { i + 1, line, why };
    }
    return std::nullopt;
}

// A list's first bad line under it, told to a screen reader as it changes.
void showLineProblem(QLabel *label, const std::optional<RulesLine> &bad)
{
    const QString text = bad ? bad->message() : QString();
    if (label->text() == text)
        return;
    label->setText(text);
    label->setAccessibleName(text);
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void putCursorOnLine(QPlainTextEdit *list, int line)
{
    list->setFocus();
    list->setTextCursor(QTextCursor(list->document()->findBlockByNumber(line - 1)));
}

} // namespace

frmRules::frmRules(TariffRules &rules, QString rulesPath, const RulesLoad &file, Prompter &prompter,
    QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_rules(rules)
    , m_rulesPath(std::move(rulesPath))
    , m_file(file)
    , m_prompter(prompter)
{
    const Layout layout { !m_file.ok };
    setUpFixedWindow(this, "frmRules", tr(kCaption), kLeft + kWidth + kLeft, layout.windowHeight());
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls(layout.withProblem);
    pressFocusedButtonOnEnter(this);
    Form_Load();
}

void frmRules::buildControls(bool withProblem)
{
    const Layout layout { withProblem };
    if (withProblem) {
        lblProblem = addControl<QLabel>(this, "lblProblem",
            tr("The rules file could not be used, so calls are priced by the fees "
               "alone. %1.")
                .arg(m_file.why),
            layout.across(ProblemRow));
        lblProblem->setWordWrap(true);
        lblProblem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    // A caption at the left naming the box at the right, its buddy: a screen
    // reader reads a combo box by its caption only through its buddy, and the
    // caption's access key takes the box.
    auto captioned = [this, &layout](Row row, const char *label, QWidget *box, const char *name,
                         const QString &caption) {
        auto *text = addControl<QLabel>(this, label, caption, layout.text(row, kBoxLeft - kLeft));
        placeControl(box, name, layout.box(row));
        text->setBuddy(box);
        box->setAccessibleName(QString(caption).remove(u'&'));
    };
    txtFeePerCall = new QLineEdit(this);
    captioned(FeePerCallRow, "lblFeePerCall", txtFeePerCall, "txtFeePerCall",
        tr("&Fee per call (pence)"));
    cboUnits = new QComboBox(this);
    captioned(UnitsRow, "lblUnits", cboUnits, "cboUnits", tr("Time &charged (first/unit seconds)"));
    cboUnits->addItem(tr(kEveryMinuteBegun), QString());
    for (const ChargeUnits &units : kOfferedUnits) {
        const QString text = unitsText(units.firstMs, units.unitMs);
        cboUnits->addItem(text, text);
    }
    txtFirstCharge = new QLineEdit(this);
    captioned(FirstChargeRow, "lblFirstCharge", txtFirstCharge, "txtFirstCharge",
        tr("Fi&rst charge (pence)"));
    txtFirstCharge->setPlaceholderText(tr("the units' share"));
    txtMinimumCharge = new QLineEdit(this);
    captioned(MinimumChargeRow, "lblMinimumCharge", txtMinimumCharge, "txtMinimumCharge",
        tr("&Minimum charge per call (pence)"));

    chkOwnRate = addControl<QCheckBox>(
        this, "chkOwnRate", tr("Each &unit at its own rate"), layout.text(OwnRateRow));
    chkOwnRate->setAccessibleName(QString(chkOwnRate->text()).remove(u'&'));

    const QString holidaysCaption = tr("&Holidays priced as Sundays, one a line:");
    auto *lblHolidays
        = addControl<QLabel>(this, "lblHolidays", holidaysCaption, layout.text(HolidaysRow));
    chkEnglandAndWales = addControl<QCheckBox>(this, "chkEnglandAndWales",
        tr("The bank holidays of &England and Wales"), layout.text(EnglandAndWalesRow));
    chkEnglandAndWales->setAccessibleName(QString(chkEnglandAndWales->text()).remove(u'&'));
    txtHolidays
        = placeControl(new QPlainTextEdit(this), "txtHolidays", layout.across(HolidayListRow));
    lblHolidays->setBuddy(txtHolidays);
    txtHolidays->setAccessibleName(QString(holidaysCaption).remove(u'&'));
    txtHolidays->setTabChangesFocus(true);
    txtHolidays->setLineWrapMode(QPlainTextEdit::NoWrap);
    addControl<QLabel>(this, "lblHolidayForms",
        tr("Such as 25/12, 27/12/2027, Easter-2 or Easter+1"), layout.text(HolidayHintRow));
    lblHolidayProblem = addControl<QLabel>(
        this, "lblHolidayProblem", QString(), layout.across(HolidayProblemRow));

    auto *lblTimeRules = addControl<QLabel>(
        this, "lblTimeRules", tr("Rules by &time, one a line:"), layout.text(TimeRulesRow));
    txtTimeRules
        = placeControl(new QPlainTextEdit(this), "txtTimeRules", layout.across(TimeRuleListRow));
    lblTimeRules->setBuddy(txtTimeRules);
    txtTimeRules->setAccessibleName(tr("Rules by time, one a line"));
    txtTimeRules->setTabChangesFocus(true);
    txtTimeRules->setLineWrapMode(QPlainTextEdit::NoWrap);
    addControl<QLabel>(this, "lblTimeRuleForms",
        tr("Such as Mon-Fri 08:00-17:59 4.20 a minute, or Sat-Sun 00:00-23:59 10 per 90 s"),
        layout.text(TimeRuleHintRow));
    lblTimeRuleProblem = addControl<QLabel>(
        this, "lblTimeRuleProblem", QString(), layout.across(TimeRuleProblemRow));
    for (QLabel *problem : { lblHolidayProblem, lblTimeRuleProblem }) {
        problem->setWordWrap(true);
        problem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    const int buttonsTop = layout.buttonsTop();
    cmdCheckBill = addControl<QPushButton>(
        this, "cmdCheckBill", tr("Check a &bill..."), { kLeft, buttonsTop, 1500, kButtonHeight });
    cmdImport = addControl<QPushButton>(this, "cmdImport", tr("&Import..."),
        { kLeft + 1500 + 120, buttonsTop, 1095, kButtonHeight });
    fitButtonRow({ cmdCheckBill, cmdImport });
    cmdImport->setEnabled(false); // until there is a table to import into
    cmdOK = addControl<QPushButton>(this, "cmdOK", tr("OK"),
        { kLeft + kWidth - 1095 - 120 - 1095, buttonsTop, 1095, kButtonHeight });
    cmdCancel = addControl<QPushButton>(this, "cmdCancel", tr("Cancel"),
        { kLeft + kWidth - 1095, buttonsTop, 1095, kButtonHeight });
    cmdOK->setDefault(true);

    connect(cboUnits, &QComboBox::currentIndexChanged, this, &frmRules::unitsChosen);
    connect(chkEnglandAndWales, &QCheckBox::toggled, this, &frmRules::englandAndWalesToggled);
    connect(txtHolidays, &QPlainTextEdit::textChanged, this, &frmRules::holidaysEdited);
    connect(txtTimeRules, &QPlainTextEdit::textChanged, this, &frmRules::timeRulesEdited);
    connect(cmdCheckBill, &QPushButton::clicked, this, &frmRules::checkBillRequested);
    connect(cmdImport, &QPushButton::clicked, this, &frmRules::cmdImport_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmRules::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmRules::Form_Load()
{
    if (m_file.ok)
        return showRules(m_rules);
    // A file that could not be used shows what it still says, for
    // correcting, its lines as written.
    showRules(m_file.readable);
    txtHolidays->setPlainText(m_file.holidayLines.join(u'\n'));
    txtTimeRules->setPlainText(m_file.ruleLines.join(u'\n'));
    holidaysEdited();
}

void frmRules::showRules(const TariffRules &rules)
{
    showSettings(rules, ~RuleSettings(RuleSetting::Holidays));
    QStringList holidays;
    for (const HolidayDay &day : rules.holidays)
        holidays << holidayText(day);
    QStringList timeRules;
    for (const TimeRule &rule : rules.timeRules)
        timeRules << timeRuleText(rule);
    txtHolidays->setPlainText(holidays.join(u'\n'));
    txtTimeRules->setPlainText(timeRules.join(u'\n'));
    holidaysEdited();
}

void frmRules::showSettings(const TariffRules &rules, RuleSettings which)
{
    if (which.testFlag(RuleSetting::FeePerCall))
        txtFeePerCall->setText(penceText(rules.feePerCallPence));
    if (which.testFlag(RuleSetting::Units)) {
        const QString units = unitsText(rules.firstMs, rules.unitMs);
        // Units an operator set that the list does not offer stay as they are.
        if (cboUnits->findData(units) < 0)
            cboUnits->addItem(units, units);
        cboUnits->setCurrentIndex(cboUnits->findData(units));
    }
    if (which.testFlag(RuleSetting::FirstCharge))
        txtFirstCharge->setText(rules.firstChargePence && rules.usesUnits()
                ? rules.firstChargePence->toText(2)
                : QString());
    if (which.testFlag(RuleSetting::MinimumCharge))
        txtMinimumCharge->setText(penceText(rules.minimumChargePence));
    if (which.testFlag(RuleSetting::OwnRate))
        chkOwnRate->setChecked(rules.unitsAtOwnRate);
    if (which.testFlag(RuleSetting::Holidays))
        chkEnglandAndWales->setChecked(
            rules.holidays.contains(kEnglandAndWalesDays));
    unitsChosen();
}

void frmRules::unitsChosen()
{
    // A flat first charge belongs to charge units: every minute begun has none.
    txtFirstCharge->setEnabled(!cboUnits->currentData().toString().isEmpty());
}

// The check box stands for the holiday line of that name, which the list
// shows with the others: ticking it adds the line, clearing it takes it out.
void frmRules::englandAndWalesToggled(bool on)
{
    QStringList lines = txtHolidays->toPlainText().split(u'\n');
    const bool listed = std::any_of(lines.begin(), lines.end(), isEnglandAndWales);
    if (on == listed)
        return;
    if (on) {
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        lines << QString::fromUtf16(kEnglandAndWales);
    } else {
        lines.removeIf(isEnglandAndWales);
    }
    txtHolidays->setPlainText(lines.join(u'\n'));
}

void frmRules::holidaysEdited()
{
    const QStringList lines = txtHolidays->toPlainText().split(u'\n');
    const QSignalBlocker quiet(chkEnglandAndWales);
    chkEnglandAndWales->setChecked(std::any_of(lines.begin(), lines.end(), isEnglandAndWales));
    showLineProblem(lblHolidayProblem, firstBadLine(txtHolidays, holidayProblem));
}

void frmRules::timeRulesEdited()
{
    showLineProblem(lblTimeRuleProblem, firstBadLine(txtTimeRules, timeRuleProblem));
}

// Pence exactly as typed, as the rules file keeps them; an empty box is
// none. A "p" after the number is what the user would write on paper.
std::optional<ExactNumber> frmRules::typedPence(QLineEdit *box, const QString &complaint)
{
    QString text = box->text().trimmed();
    if (text.endsWith(u'p', Qt::CaseInsensitive))
        text.chop(1);
    if (text.trimmed().isEmpty())
        return ExactNumber();
    const std::optional<ExactNumber> pence = ExactNumber::fromText(text);
    if (pence && *pence >= 0 && *pence <= 1000000)
        return pence;
    m_prompter.showMessage(complaint);
    box->setFocus();
    box->selectAll();
    return std::nullopt;
}

std::optional<TariffRules> frmRules::typedRules()
{
    TariffRules rules;
    const std::optional<ExactNumber> perCall = typedPence(txtFeePerCall,
        tr("Please enter the fee per call in pence, such as 15 or 1.5, or leave it "
           "empty for none."));
    if (!perCall)
        return std::nullopt;
    rules.feePerCallPence = *perCall;

    if (const std::optional<ChargeUnits> units = readUnits(cboUnits->currentData().toString())) {
        rules.firstMs = units->firstMs;
        rules.unitMs = units->unitMs;
        if (!txtFirstCharge->text().trimmed().isEmpty()) {
            rules.firstChargePence = typedPence(txtFirstCharge,
                tr("Please enter the first charge in pence, such as 9.1, or leave "
                   "it empty for the units' share of the fee."));
            if (!rules.firstChargePence)
                return std::nullopt;
        }
    }

    const std::optional<ExactNumber> minimum = typedPence(txtMinimumCharge,
        tr("Please enter the minimum charge per call in pence, such as 20, or leave "
           "it empty for none."));
    if (!minimum)
        return std::nullopt;
    rules.minimumChargePence = *minimum;
    rules.unitsAtOwnRate = chkOwnRate->isChecked();

    const QStringList lines = txtHolidays->toPlainText().split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const std::optional<HolidayDay> day = readHoliday(line);
        if (!day || !isLatin1(line)) {
            m_prompter.showMessage(
                tr("Holiday line %1, \"%2\", is not a day Callwise knows. Please write "
                   "each as 25/12, 27/12/2027, Easter-2 or Easter+1.")
                    .arg(i + 1)
                    .arg(line));
            txtHolidays->setFocus();
            txtHolidays->setTextCursor(QTextCursor(txtHolidays->document()->findBlockByNumber(i)));
            return std::nullopt;
        }
        rules.holidays << *day;
    }
    if (const std::optional<RulesLine> bad = firstBadLine(txtTimeRules, timeRuleProblem)) {
        m_prompter.showMessage(
            tr("Rules by time, %1. Please correct the line or take it out.").arg(bad->message()));
        putCursorOnLine(txtTimeRules, bad->line);
        return std::nullopt;
    }
    for (const QString &line : txtTimeRules->toPlainText().split(u'\n')) {
        if (const TimeRuleRead read = readTimeRule(line); read.rule)
            rules.timeRules << *read.rule;
    }
    if (rulesLines(rules).size() > kMostRulesLines) {
        m_prompter.showMessage(tr("Please list at most %1 holidays and rules by time.")
                                   .arg(kMostRulesLines - rulesLines(TariffRules()).size()));
        txtHolidays->setFocus();
        return std::nullopt;
    }
    return rules;
}

void frmRules::cmdOK_Click()
{
    const std::optional<TariffRules> rules = typedRules();
    if (!rules || !saveRulesAndTable(*rules))
        return;
    m_rules = *rules;
    Q_EMIT rulesSaved();
    close();
}

void frmRules::keyPressEvent(QKeyEvent *event)
{
    // The lists keep Enter for their lines: the key never reaches the window.
    if (!takeDialogKey(this, event, [this] { cmdOK_Click(); }))
        QWidget::keyPressEvent(event);
}
