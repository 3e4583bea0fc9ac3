#include "ui/summary_list_model.h"

void SummaryListModel::setSummary(Summary summary)
{
    beginResetModel();
    m_summary = std::move(summary);
    endResetModel();
}

int SummaryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_summary.calls.size());
}

QVariant SummaryListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return m_summary.line(size_t(index.row()));
}

QString SummaryListModel::longestLine() const
{
    QString longest;
    for (size_t call = 0; call < m_summary.calls.size(); ++call) {
        QString line = m_summary.line(call);
        if (line.size() > longest.size())
            longest = std::move(line);
    }
    return longest;
}
