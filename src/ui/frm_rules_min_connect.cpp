// A bill check's suggested min connect time, which the rules window puts into
// the weekly table for its OK to save with the rules, or its Cancel to take
// back: the suggestion is taken whole or not at all.

#include "ui/frm_rules.h"

#include "tariff/fee_file.h"

#include <utility>

void frmRules::showMinConnectTime(const QString &minutes)
{
    if (!m_table)
        return;
    if (!m_minConnect)
        m_minConnect = SuggestedMinConnect { m_table->minConnectTime(), {} };
    m_minConnect->suggested = minutes;
    m_table->setMinConnectTime(minutes);
    Q_EMIT tableChanged();
}

void frmRules::dropSuggestedMinConnect()
{
    const std::optional<SuggestedMinConnect> dropped = std::exchange(m_minConnect, std::nullopt);
    if (!dropped || m_table->minConnectTime() != dropped->suggested)
        return;
    m_table->setMinConnectTime(dropped->before);
    Q_EMIT tableChanged();
}

std::optional<TariffTable> frmRules::feesToSave() const
{
    if (m_tableImported)
        return *m_table;
    if (!m_minConnect)
        return std::nullopt;
    // The editor's other cells are for its own OK to save, or its close to drop.
    TariffTable fees;
    LoadFees(fees, m_feePath);
    fees.setMinConnectTime(m_table->minConnectTime());
    return fees;
}
