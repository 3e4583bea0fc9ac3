#include "ui/frm_rules.h"

#include "common/number_reader.h"
#include "tariff/rule_words.h"
#include "tariff/time_rules.h"
#include "ui/enter_presses_button.h"
#include "ui/fixed_window.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// The first size, a column of settings over the two lists, the rules by time
// taking most of the height; the window then grows and shrinks as the user likes.
constexpr int kFirstWidth = 7200, kFirstHeight = 9000;
constexpr int kBoxWidth = 1920;
constexpr int kButtonWidth = 1095;
// Rule lines the list shows at the first size whatever the font: an
// operator's ruleset runs to twenty or so.
constexpr int kShownRuleLines = 12;

template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

// A line under a box or a list saying what is wrong with it: room kept for
// it, so the window does not jump as the user types.
QLabel *problemLabel(QWidget *parent, const char *name, int lines)
{
    auto *label = named(new QLabel(parent), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(lines * label->fontMetrics().lineSpacing());
    return label;
}

// Pence with the decimal separator of the rules' words, "6,67" in French:
// two places, or as many as the amount was written with.
QString penceText(const ExactNumber &pence)
{
    return pence > 0 ? pence.toText(2).replace(u'.', RuleWords::translated().decimal) : QString();
}

// What a holiday line is: kEnglandAndWales in any case counts as that choice.
bool isEnglandAndWales(const QString &line)
{
    const std::optional<HolidayDay> day
        = readHoliday(englishHolidayLine(line, RuleWords::translated()));
    return day && day->kind == HolidayDay::Kind::EnglandAndWales;
}

bool isLatin1(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() <= 0xff; });
}

QString holidayProblem(const QString &line)
{
    return readHoliday(englishHolidayLine(line, RuleWords::translated()))
        ? QString()
        : QCoreApplication::translate("RulesFile", kNoHoliday);
}

QString timeRuleProblem(const QString &line)
{
    const TimeRuleRead read = readTimeRule(englishRuleLine(line, RuleWords::translated()));
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

// What is wrong with a box or a list under it, told to a screen reader as it changes.
void showProblem(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    label->setAccessibleName(text);
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

// A list's first bad line under it.
void showLineProblem(QLabel *label, const std::optional<RulesLine> &bad)
{
    showProblem(label, bad ? bad->message() : QString());
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
        Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint
            | Qt::WindowMaximizeButtonHint)
    , m_rules(rules)
    , m_rulesPath(std::move(rulesPath))
    , m_file(file)
    , m_prompter(prompter)
{
    setUpWindow(this, "frmRules", tr(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls(!m_file.ok);
    setFirstSize();
    pressFocusedButtonOnEnter(this);
    Form_Load();
}

void frmRules::buildControls(bool withProblem)
{
    auto *column = new QVBoxLayout(this);
    const int gap = twipsToPixels(120);
    column->setContentsMargins(gap, gap, gap, gap);
    if (withProblem) {
        lblProblem = named(new QLabel(tr("The rules file could not be used, so calls are priced by "
                                         "the fees alone. %1.")
                                          .arg(m_file.why),
                               this),
            "lblProblem");
        lblProblem->setWordWrap(true);
        lblProblem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        column->addWidget(lblProblem);
        column->addSpacing(gap);
    }

    // Captions at the left, each naming the box at its right, its buddy: a
    // screen reader reads a combo box by its caption only through its buddy,
    // and the caption's access key takes the box.
    auto *settings = new QGridLayout;
    settings->setColumnStretch(2, 1); // the boxes keep their width
    column->addLayout(settings);
    auto captioned = [this, settings](const char *label, QWidget *box, const char *name,
                         const QString &caption) {
        const int row = settings->rowCount();
        auto *text = named(new QLabel(caption, this), label);
        named(box, name)->setMinimumWidth(twipsToPixels(kBoxWidth));
        settings->addWidget(text, row, 0);
        settings->addWidget(box, row, 1);
        text->setBuddy(box);
        box->setAccessibleName(QString(caption).remove(u'&'));
    };
    txtFeePerCall = new QLineEdit(this);
    captioned("lblFeePerCall", txtFeePerCall, "txtFeePerCall", tr("&Fee per call (pence)"));
    // The usual units to choose, or any the operator writes, typed.
    cboUnits = new QComboBox(this);
    cboUnits->setEditable(true);
    cboUnits->setInsertPolicy(QComboBox::NoInsert);
    captioned("lblUnits", cboUnits, "cboUnits", tr("Time &charged (first/unit seconds)"));
    cboUnits->addItem(tr(kEveryMinuteBegun));
    for (const ChargeUnits &units : kOfferedUnits)
        cboUnits->addItem(unitsText(units.firstMs, units.unitMs));
    lblUnitsProblem = problemLabel(this, "lblUnitsProblem", 1);
    settings->addWidget(lblUnitsProblem, settings->rowCount(), 0, 1, 3);
    txtFirstCharge = new QLineEdit(this);
    captioned("lblFirstCharge", txtFirstCharge, "txtFirstCharge", tr("Fi&rst charge (pence)"));
    txtFirstCharge->setPlaceholderText(tr("the units' share"));
    txtMinimumCharge = new QLineEdit(this);
    captioned("lblMinimumCharge", txtMinimumCharge, "txtMinimumCharge",
        tr("&Minimum charge per call (pence)"));

    chkOwnRate = named(new QCheckBox(tr("Each &unit at its own rate"), this), "chkOwnRate");
    chkOwnRate->setAccessibleName(QString(chkOwnRate->text()).remove(u'&'));
    column->addWidget(chkOwnRate);
    column->addSpacing(gap);

    // A list under its caption, the forms it takes and the first of its
    // lines that cannot be saved; the rules by time take most of the room.
    auto list
        = [this, column](const char *name, QLabel *caption, const QString &accessibleName,
              const QString &forms, const char *formsName, const char *problemName, int stretch) {
              column->addWidget(caption);
              auto *lines = named(new QPlainTextEdit(this), name);
              caption->setBuddy(lines);
              lines->setAccessibleName(accessibleName);
              lines->setTabChangesFocus(true);
              lines->setLineWrapMode(QPlainTextEdit::NoWrap);
              lines->setMinimumHeight(4 * lines->fontMetrics().lineSpacing());
              column->addWidget(lines, stretch);
              auto *hint = named(new QLabel(forms, this), formsName);
              hint->setWordWrap(true);
              column->addWidget(hint);
              QLabel *problem = problemLabel(this, problemName, 2);
              column->addWidget(problem);
              return std::pair { lines, problem };
          };
    const QString holidaysCaption = tr("&Holidays priced as Sundays, one a line:");
    auto *lblHolidays = named(new QLabel(holidaysCaption, this), "lblHolidays");
    chkEnglandAndWales = named(
        new QCheckBox(tr("The bank holidays of &England and Wales"), this), "chkEnglandAndWales");
    chkEnglandAndWales->setAccessibleName(QString(chkEnglandAndWales->text()).remove(u'&'));
    std::tie(txtHolidays, lblHolidayProblem)
        = list("txtHolidays", lblHolidays, QString(holidaysCaption).remove(u'&'),
            tr("Such as 25/12, 27/12/2027, Easter-2 or Easter+1"), "lblHolidayForms",
            "lblHolidayProblem", 1);
    column->insertWidget(column->indexOf(txtHolidays), chkEnglandAndWales);

    auto *lblTimeRules = named(new QLabel(tr("Rules by &time, one a line:"), this), "lblTimeRules");
    std::tie(txtTimeRules, lblTimeRuleProblem)
        = list("txtTimeRules", lblTimeRules, tr("Rules by time, one a line"),
            tr("Such as Mon-Fri 08:00-17:59 4.20 a minute, or Sat-Sun 00:00-23:59 10 per 90 s"),
            "lblTimeRuleForms", "lblTimeRuleProblem", 4);

    auto *buttons = new QHBoxLayout;
    column->addLayout(buttons);
    auto button = [this, buttons](const char *name, const QString &caption) {
        auto *push = named(new QPushButton(caption, this), name);
        push->setMinimumWidth(twipsToPixels(kButtonWidth));
        buttons->addWidget(push);
        return push;
    };
    cmdCheckBill = button("cmdCheckBill", tr("Check a &bill..."));
    cmdImport = button("cmdImport", tr("&Import..."));
    cmdImport->setEnabled(false); // until there is a table to import into
    buttons->addStretch(1);
    cmdOK = button("cmdOK", tr("OK"));
    cmdCancel = button("cmdCancel", tr("Cancel"));
    cmdOK->setDefault(true);

    connect(cboUnits, &QComboBox::currentTextChanged, this, &frmRules::unitsEdited);
    connect(chkEnglandAndWales, &QCheckBox::toggled, this, &frmRules::englandAndWalesToggled);
    connect(txtHolidays, &QPlainTextEdit::textChanged, this, &frmRules::holidaysEdited);
    connect(txtTimeRules, &QPlainTextEdit::textChanged, this, &frmRules::timeRulesEdited);
    connect(cmdCheckBill, &QPushButton::clicked, this, &frmRules::checkBillRequested);
    connect(cmdImport, &QPushButton::clicked, this, &frmRules::cmdImport_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmRules::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmRules::setFirstSize()
{
    resize(twipsToPixels(kFirstWidth), twipsToPixels(kFirstHeight));
    layout()->activate();
    // A larger font than the twips were measured for takes the height it
    // needs, with room for the scroll bar a long line brings.
    const int wanted = kShownRuleLines * txtTimeRules->fontMetrics().lineSpacing()
        + 2 * qCeil(txtTimeRules->document()->documentMargin()) + 2 * txtTimeRules->frameWidth()
        + txtTimeRules->horizontalScrollBar()->sizeHint().height();
    const int missing = wanted - txtTimeRules->height();
    resize(size().expandedTo(minimumSizeHint()) + QSize(0, std::max(missing, 0)));
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
    // The file's English lines in the user's words.
    const RuleWords words = RuleWords::translated();
    QStringList holidays, timeRules;
    for (const HolidayDay &day : rules.holidays)
        holidays << localHolidayLine(holidayText(day), words);
    for (const TimeRule &rule : rules.timeRules)
        timeRules << localRuleLine(timeRuleText(rule), words);
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
        cboUnits->setCurrentText(units.isEmpty() ? tr(kEveryMinuteBegun) : units);
    }
    if (which.testFlag(RuleSetting::FirstCharge))
        txtFirstCharge->setText(rules.firstChargePence && rules.usesUnits()
                ? rules.firstChargePence->toText(2).replace(u'.', RuleWords::translated().decimal)
                : QString());
    if (which.testFlag(RuleSetting::MinimumCharge))
        txtMinimumCharge->setText(penceText(rules.minimumChargePence));
    if (which.testFlag(RuleSetting::OwnRate))
        chkOwnRate->setChecked(rules.unitsAtOwnRate);
    if (which.testFlag(RuleSetting::Holidays))
        chkEnglandAndWales->setChecked(
            rules.holidays.contains(kEnglandAndWalesDays));
    unitsEdited();
}

std::optional<frmRules::TypedUnits> frmRules::typedUnits() const
{
    const QString typed = cboUnits->currentText().trimmed();
    if (typed.isEmpty() || typed == tr(kEveryMinuteBegun))
        return TypedUnits {};
    // As the rules file reads them, so the window takes what the file can hold.
    if (const std::optional<ChargeUnits> units = readUnits(typed))
        return TypedUnits { units };
    return std::nullopt;
}

void frmRules::unitsEdited()
{
    const std::optional<TypedUnits> units = typedUnits();
    // A flat first charge belongs to charge units: every minute begun has none.
    txtFirstCharge->setEnabled(!units || units->units);
    showProblem(lblUnitsProblem,
        units ? QString()
              : tr("\"%1\" is not charge units such as 60/1 or 12/12.")
                    .arg(cboUnits->currentText().trimmed()));
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
        lines << localHolidayLine(QString::fromUtf16(kEnglandAndWales), RuleWords::translated());
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
    // "1,5" as the user's language writes it, or "1.5".
    text.replace(RuleWords::translated().decimal, u'.');
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

    const std::optional<TypedUnits> typed = typedUnits();
    if (!typed) {
        m_prompter.showMessage(tr("Please enter the time charged as first/unit seconds, such as "
                                  "60/1 or 12/12, or choose every minute begun."));
        cboUnits->setFocus();
        cboUnits->lineEdit()->selectAll();
        return std::nullopt;
    }
    if (const std::optional<ChargeUnits> units = typed->units) {
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

    // The file keeps the English lines, whichever words they were typed in.
    const RuleWords words = RuleWords::translated();
    const QStringList lines = txtHolidays->toPlainText().split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const std::optional<HolidayDay> day = readHoliday(englishHolidayLine(line, words));
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
        if (const TimeRuleRead read = readTimeRule(englishRuleLine(line.trimmed(), words)); read.rule)
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
