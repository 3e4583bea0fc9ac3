#pragma once

#include "calllog/summary.h"

#include <QAbstractListModel>

// The costs window's list: one row per call of a summary, each line written
// only when the view shows it, so a year of calls lists as quickly as a day's.
class SummaryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setSummary(Summary summary);
    void clear() { setSummary({}); }
    // Every line, first to last, as the list shows them.
    QStringList lines() const { return m_summary.lines(); }
    // The line of the most characters; empty without lines.
    QString longestLine() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    Summary m_summary;
};
