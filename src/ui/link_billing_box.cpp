#include "ui/link_billing_box.h"

#include "ui/fixed_window.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>

namespace {

constexpr int kPatternColumn = 0;
constexpr int kBillColumn = 1;

// A pattern is typed as the file takes it: what cannot be saved cannot be typed.
class PatternDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setValidator(new QRegularExpressionValidator(linkPatternExpression(), line));
            line->setAccessibleName(LinkBillingBox::tr("Link name or pattern"));
        }
        return editor;
    }
};

QString billText(int bill)
{
    if (bill == 1)
        return LinkBillingBox::tr("by volume");
    return LinkBillingBox::tr("by the minute");
}

// How a link is billed is picked from a list while the cell is edited; the
// cell reads as its choice, which it keeps as 0 (minute) or 1 (volume).
class BillDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *bill = new QComboBox(parent);
        bill->addItems({ billText(0), billText(1) });
        bill->setAccessibleName(LinkBillingBox::tr("Billed"));
        return bill;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<QComboBox *>(editor)->setCurrentIndex(index.data(Qt::UserRole).toInt());
    }
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const int bill = static_cast<QComboBox *>(editor)->currentIndex();
        model->setData(index, bill, Qt::UserRole);
        model->setData(index, billText(bill), Qt::DisplayRole);
    }
};

} // namespace

LinkBillingBox::LinkBillingBox(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("links"));
    placeInTwips(this, kPlace.x(), kPlace.y(), kPlace.width(), kPlace.height());
    lblLinks = addControl<QLabel>(this, "lblLinks", tr("How &links are billed:"),
        { 60, 120, 3720, 252 });
    // A view on a model of its own: the lean Qt of the Windows build has no
    // QTableWidget.
    tblLinks = placeControl(new QTableView(this), "tblLinks", { 60, 420, 2400, 2640 });
    m_links = new QStandardItemModel(0, 2, tblLinks);
    m_links->setHorizontalHeaderLabels({ tr("Link"), tr("Billed") });
    tblLinks->setModel(m_links);
    // No row numbers, and so no corner button to select all rows with.
    tblLinks->verticalHeader()->hide();
    if (auto *corner = tblLinks->findChild<QAbstractButton *>())
        corner->hide();
    // The last column takes what the first leaves: nothing to scroll to.
    tblLinks->horizontalHeader()->setStretchLastSection(true);
    tblLinks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblLinks->setColumnWidth(kPatternColumn, twipsToPixels(1000));
    tblLinks->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblLinks->setSelectionMode(QAbstractItemView::SingleSelection);
    tblLinks->setItemDelegateForColumn(kPatternColumn, new PatternDelegate(tblLinks));
    tblLinks->setItemDelegateForColumn(kBillColumn, new BillDelegate(tblLinks));
    tblLinks->horizontalHeader()->setAccessibleName(tr("Columns"));
    tblLinks->setAccessibleName(tr("How links are billed"));
    tblLinks->setToolTip(tr("Link names or patterns such as wwan*, in order: the first that "
                            "matches a link decides, and a link none matches is billed by the "
                            "minute."));
    lblLinks->setBuddy(tblLinks);
    lblLinksProblem = addControl<QLabel>(this, "lblLinksProblem", QString(),
        { 60, 420, 3720, 2640 });
    lblLinksProblem->setWordWrap(true);
    lblLinksProblem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblLinksProblem->hide();

    cmdAddLink = addControl<QPushButton>(this, "cmdAddLink", tr("&Add"), { 2580, 420, 1200, 330 });
    cmdRemoveLink
        = addControl<QPushButton>(this, "cmdRemoveLink", tr("&Remove"), { 2580, 780, 1200, 330 });
    cmdLinkUp = addControl<QPushButton>(this, "cmdLinkUp", tr("&Up"), { 2580, 1140, 1200, 330 });
    cmdLinkDown
        = addControl<QPushButton>(this, "cmdLinkDown", tr("Do&wn"), { 2580, 1500, 1200, 330 });
    growToFit(this, { cmdAddLink, cmdRemoveLink, cmdLinkUp, cmdLinkDown });
    connect(cmdAddLink, &QPushButton::clicked, this, &LinkBillingBox::addLink);
    connect(cmdRemoveLink, &QPushButton::clicked, this, &LinkBillingBox::removeLink);
    connect(cmdLinkUp, &QPushButton::clicked, this, [this] { moveLink(-1); });
    connect(cmdLinkDown, &QPushButton::clicked, this, [this] { moveLink(1); });
    setTabOrder(tblLinks, cmdAddLink);
    setTabOrder(cmdAddLink, cmdRemoveLink);
    setTabOrder(cmdRemoveLink, cmdLinkUp);
    setTabOrder(cmdLinkUp, cmdLinkDown);
}

QWidget *LinkBillingBox::firstControl() const
{
    return tblLinks;
}

QWidget *LinkBillingBox::lastControl() const
{
    return cmdLinkDown;
}

void LinkBillingBox::showLoad(const LinkBillingLoad &load)
{
    m_readWhole = load.ok;
    lblLinksProblem->setText(load.ok ? QString()
                                     : tr("%1. The links are billed as Callwise bills them by "
                                          "default until the file is put right by hand.")
                                           .arg(load.why));
    lblLinksProblem->setVisible(!load.ok);
    for (QWidget *control : std::initializer_list<QWidget *> {
             tblLinks, cmdAddLink, cmdRemoveLink, cmdLinkUp, cmdLinkDown })
        control->setVisible(load.ok);
    showRows(load.ok ? load.billing.patterns() : std::vector<LinkPattern>(), 0);
}

std::optional<std::vector<LinkPattern>> LinkBillingBox::patterns() const
{
    if (!m_readWhole)
        return std::nullopt;
    std::vector<LinkPattern> kept;
    for (const LinkPattern &row : rows()) {
        if (!row.pattern.isEmpty())
            kept.push_back(row);
    }
    return kept;
}

std::vector<LinkPattern> LinkBillingBox::rows() const
{
    std::vector<LinkPattern> rows;
    for (int row = 0; row < m_links->rowCount(); ++row) {
        const QStandardItem *item = m_links->item(row, kPatternColumn);
        const QStandardItem *bill = m_links->item(row, kBillColumn);
        rows.push_back({ item ? item->text().trimmed() : QString(),
            bill && bill->data(Qt::UserRole).toInt() == 1 ? LinkBill::Volume : LinkBill::Minute });
    }
    return rows;
}

void LinkBillingBox::showRows(const std::vector<LinkPattern> &rows, int current)
{
    m_links->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        m_links->setItem(row, kPatternColumn, new QStandardItem(rows[size_t(row)].pattern));
        const int bill = rows[size_t(row)].bill == LinkBill::Volume ? 1 : 0;
        auto *item = new QStandardItem(billText(bill));
        item->setData(bill, Qt::UserRole);
        m_links->setItem(row, kBillColumn, item);
    }
    if (!rows.empty())
        tblLinks->setCurrentIndex(
            m_links->index(std::clamp(current, 0, int(rows.size()) - 1), kPatternColumn));
}

void LinkBillingBox::addLink()
{
    std::vector<LinkPattern> shown = rows();
    shown.push_back({ QString(), LinkBill::Volume });
    showRows(shown, int(shown.size()) - 1);
    tblLinks->edit(m_links->index(int(shown.size()) - 1, kPatternColumn));
}

void LinkBillingBox::removeLink()
{
    std::vector<LinkPattern> shown = rows();
    const int current = tblLinks->currentIndex().row();
    if (current < 0 || current >= int(shown.size()))
        return;
    shown.erase(shown.begin() + current);
    showRows(shown, current);
}

void LinkBillingBox::moveLink(int by)
{
    std::vector<LinkPattern> shown = rows();
    const int current = tblLinks->currentIndex().row();
    const int to = current + by;
    if (current < 0 || to < 0 || to >= int(shown.size()))
        return;
    std::swap(shown[size_t(current)], shown[size_t(to)]);
    showRows(shown, to);
}
