#include "calltime/call_clock.h"

// The clock's side of a call's bytes: the meter counts and prices them, the
// clock gives it the call's start and length and shows what it counted.

#include <QCoreApplication>

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
    setText(Field::LblData,
        QCoreApplication::translate("CallClock", "%1 MB")
            .arg(m_services.regional.locale().toString(m_meter.megabytes(), 'f', 1)));
}
