#include "calltime/call_clock.h"

// The clock's side of a call's bytes: the meter counts and prices them, the
// clock gives it the call's start and length and shows what it counted.

void CallClock::beginCount()
{
    m_meter.begin(m_services.tariff.tariff(), m_services.clock.now().date());
    showBytes();
}

DataSession CallClock::dataSession(qint64 seconds) const
{
    return m_meter.session(
        m_startMoment.date(), int(starttime.msecsSinceStartOfDay() / 1000), seconds);
}

qint64 CallClock::dataUsedWithThisCall() const
{
    return pricedByData() ? m_meter.usedAfter(dataSession(m_elapsed)) : 0;
}

// "12.3 MB", in the data tariff's MB where there is one.
void CallClock::showBytes()
{
    if (!isByVolume()) {
        setText(Field::LblData, QString());
        return;
    }
    const DataTariff *data = m_meter.dataTariff();
    setText(Field::LblData, m_services.regional.volume(
        qint64(m_meter.bytes().received() + m_meter.bytes().sent()), data ? data->mbBytes : kDecimalMb));
}
