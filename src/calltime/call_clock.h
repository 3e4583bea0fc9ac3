#pragma once

// The call in progress. The link's coming up starts a call and its going
// closes it, appending one record to the call log. Where the system tells of
// the link's changes (rtnetlink on Linux) the call follows its messages;
// elsewhere a scan polls the probe. A tick once a second, while a call is
// timed or the date and time are on show, shows the date and time, the
// elapsed time and the running cost. The texts it shows are its state: the
// cost is worked out from the elapsed time shown, and the record carries the
// shown texts. The main window owns one and shows its texts.
//
// While a call is timed, a journal beside the log holds the record the log
// would get if the call ended now, so a call cut short by a crash, a kill or
// a power cut is logged at the next start.
//
// With the tariff's rules set, the running call is priced by them from its
// whole start, and its charge when it ends is kept beside the log, after its
// record, so the call is never priced again.
//
// Every call's bytes are counted by its bytes meter (call_bytes_meter.h),
// sampled at its start, at each tick and at its end. A call on a link billed
// by volume keeps them in the journal and beside the log after its charge,
// and, with a data tariff, its running cost and its kept charge are the
// meter's price of its bytes so far. Its record's fee stays the minute
// tariff's, as for any call. A call on a link billed by the minute writes
// nothing of its bytes.

#include "calltime/call_bytes_meter.h"
#include "calltime/inet_conn.h"
#include "calltime/link_billing.h"
#include "calltime/link_counters.h"
#include "calltime/tray_tip.h"
#include "common/clock.h"
#include "common/prompter.h"
#include "common/regional.h"
#include "tariff/data_price.h"
#include "tariff/tariff_source.h"

#include <QDateTime>
#include <QObject>
#include <QTime>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>
class QSocketNotifier;

inline constexpr char16_t kConnectedText[] = u"Connected";
inline constexpr char16_t kNotConnectedText[] = u"Not Connected";
inline constexpr int kConnectedColour = 255; // 0xBBGGRR: red
inline constexpr int kNotConnectedColour = 0; // black

class CallClock : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultScanInterval = 5000; // ms, until the settings say
    static constexpr int kTickInterval = 1000;        // ms

    // LblData: the bytes of a call on a link billed by volume; empty for others.
    enum class Field { LblStart, LblDiffTime, Label5, Label6, Label4, LblData };
    Q_ENUM(Field)

    struct Services
    {
        const Clock &clock;
        const Regional &regional;
        ConnectionProbe &probe;
        TrayTip &tray;
        Prompter &prompter;
        const TariffSource &tariff; // the fees and rules as they are now
        QString logPath;
        // How each link is billed; none: every call by the minute.
        const LinkBilling *billing = nullptr;
        // NetworkManager's word on a link, where it runs.
        MeteredLinks *metered = nullptr;
        // The bytes of the allowance used in the bill month that today lies in.
        std::function<qint64(const DataPricer &, QDate today)> dataUsed = {};
    };

    explicit CallClock(Services services, QObject *parent = nullptr);

    // From start() to stop() the clock follows the link: by the system's
    // messages where it sends them (no scan runs then), by the scan where it
    // does not, or once they fail. The tick runs meanwhile while a call is
    // timed or the date and time are shown, so an idle program hidden in the
    // tray does not wake. A call timed at stop() is dropped when the user
    // ends the program, and logged when the system does: the link goes down
    // with the machine.
    enum class CallAtStop { Drop, Log };
    void start();
    void stop(CallAtStop call = CallAtStop::Drop);

    // 0 stops the scan; any other interval (re)starts it while running and
    // scanning. With the system's messages it is kept for when they fail.
    void setScanInterval(int milliseconds);
    int scanInterval() const { return m_scanInterval; }
    bool isScanning() const { return Timer1.isActive(); }
    bool isListening() const { return m_linkNotifier != nullptr; }
    bool isTicking() const { return Timer2.isActive(); }

    // Whether Label4 is on the screen; shown again, it is brought up to date
    // at once.
    void setDateTimeShown(bool shown);

    // The fee in force now, as ticks through the idle time would have left
    // costnow: with rules by time, the fee a minute of the rule in force.
    double feeNow() const;

    // Start-up clears the flags.
    void clearFlags();

    bool inter = false;
    bool connect = false;
    bool non = false;
    QTime starttime;
    QString startday;
    QString startdate;
    double costnow = 0.0;

    QString text(Field field) const;
    int label6Colour() const { return m_label6Colour; }
    bool isTiming() const { return m_label6 == kConnectedText; }
    // What lblDiffTime and Label5 show, as numbers: the elapsed seconds of
    // the running or last call, and its charge in whole pence.
    qint64 shownElapsedSeconds() const { return m_elapsed; }
    qint64 shownChargePence() const { return m_shownCharge; }
    // When the running or last call began; none before the first.
    const QDateTime &startMoment() const { return m_startMoment; }
    // A call priced by the data tariff: that tariff, and the allowance its
    // bill month has used with this call's bytes so far, free data left out.
    const DataTariff *dataTariff() const { return m_meter.dataTariff(); }
    qint64 dataUsedWithThisCall() const;
    // The running or last call's bytes, and whether its link is billed by volume.
    const CallBytesMeter &bytesMeter() const { return m_meter; }
    const ByteCount &callBytes() const { return m_meter.bytes(); }
    // Its bytes so far as the data pricer's sessions, as its side record will hold them.
    std::vector<DataSession> dataSessions() const { return m_meter.sessions(dataSession(m_elapsed)); }
    bool isByVolume() const { return m_meter.isByVolume(); }

public Q_SLOTS:
    void Timer1_Timer();
    void cmdStart_Click();
    void Timer2_Timer();
    void SetTime();
    void UpdateTrayTip();

Q_SIGNALS:
    void textChanged(CallClock::Field field);
    // A call's record (and its side records) went to the log.
    void callLogged();

private:
    void linkSeen(bool up);
    // Whether the scan asks the probe: unless the system's messages come and
    // tell every change.
    bool polled() const;
    void listen();
    void stopListening();
    void linkMessages();
    void updateTicking();
    qint64 chargeOfShownTime() const;
    void showCharge(qint64 charge);
    void setText(Field field, const QString &text);
    void setLabel6(int colour, const QString &text);
    qint64 elapsedSeconds(const QDateTime &now);
    void beginCall(const QDateTime &start, bool journalNow = true);
    // Rules that are set price the running call and have its charge kept.
    bool rulesSet() const;
    const TariffTable &table() const { return m_services.tariff.tariff().table; }
    bool timeRulesSet() const;
    double tableFeeNow() const;
    double feeInForce(double tableFee) const;
    // The charge in whole pence under the rules of the call timed so far,
    // had it lasted this long.
    qint64 ruledCharge(qint64 seconds) const;
    // The bytes a call's link moved, counted from its start.
    void beginCount();
    void sampleBytes() { m_meter.sample(); }
    bool pricedByData() const { return m_meter.prices(); }
    DataSession dataSession(qint64 seconds) const;
    qint64 dataCharge(qint64 seconds) const { return m_meter.charge(dataSession(seconds)); }
    // The charge kept for a call of this length, if one is.
    std::optional<qint64> keptCharge(qint64 seconds) const;
    using KeptBytes = CallBytesMeter::KeptBytes;
    std::optional<KeptBytes> keptBytes() const { return m_meter.keptBytes(); }
    void showBytes();
    // A record, with a charge the line that keeps it, and with bytes theirs.
    QStringList journalLines(const QString &date, const QString &duration, const QString &start,
        double fee, std::optional<qint64> charge, std::optional<KeptBytes> bytes) const;
    bool appendRecord(const QString &date, const QString &duration, const QString &start,
        double fee, std::optional<qint64> charge, std::optional<KeptBytes> bytes,
        bool tellUser = true);
    void keepJournal();
    void splitLongCall(const QDateTime &now, qint64 elapsed);

    Services m_services;
    QTimer Timer1;
    QTimer Timer2;
    QSocketNotifier *m_linkNotifier = nullptr; // while the system's messages are read
    int m_scanInterval = kDefaultScanInterval;
    bool m_running = false;
    bool m_dateTimeShown = false;
    bool m_elapsedShown = false; // this call's elapsed time has been shown
    bool m_closingCall = false;
    QString m_journalPath;
    QString m_chargesPath;
    qint64 m_elapsed = 0;    // seconds, as lblDiffTime shows them
    qint64 m_journalAt = -1; // m_elapsed at the last journal write; -1: due now
    qint64 m_shownCharge = 0; // pence, as Label5 shows them
    double m_tableFee = 0.0; // the lookup's fee, when rules by time set costnow

    QString m_lblStart;
    QString m_lblDiffTime;
    QString m_label5;
    QString m_label6 = QString::fromUtf16(kNotConnectedText);
    int m_label6Colour = kNotConnectedColour;
    QString m_label4;
    QString m_lblData;

    CallBytesMeter m_meter;

    // The whole start and how far the clock was set back during the call,
    // so an elapsed time never runs backwards or wraps at 24 hours.
    QDateTime m_startMoment;
    QDateTime m_lastSeen;
    qint64 m_setBackSeconds = 0;
};
