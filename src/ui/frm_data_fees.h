#pragma once

#include "common/prompter.h"
#include "tariff/data_tariff_file.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The data tariff: what the operator charges for the bytes of a link billed
// by the MB (netdata.ini, data_tariff_file.h). Each day's four bands of a
// start and pence a MB, the allowance, the bundle's monthly fee, the day the
// bill starts, the price beyond the allowance, the MB and each session's
// rounding. OK checks the boxes as the file is read and saves; Cancel,
// Escape and the close box drop what was typed. Without "Price data by
// volume" OK removes the tariff. Built afresh at each opening, from the file.
class frmDataFees : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBoxCount = 7 * 4 * 2 + 6; // the file's lines, in its order

    // read: the file as the program read it, shown; OK saves to the path.
    // billStartDay: the alerts' bill month start day, which a new tariff
    // starts from so that both bill months agree.
    frmDataFees(const DataTariffLoad &read, QString dataTariffPath, int billStartDay,
        Prompter &prompter, QWidget *parent = nullptr);

Q_SIGNALS:
    // The file now holds the tariff in the window, or none.
    void dataTariffSaved();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private Q_SLOTS:
    void cmdOK_Click();

private:
    void buildControls();
    void Form_Load(const DataTariffLoad &load, int billStartDay);
    void tariffToggled(bool on);
    // The boxes' texts as the file's lines.
    QStringList lines() const;

    QString m_path;
    Prompter &m_prompter;
    QCheckBox *chkTariff = nullptr;
    // The boxes in the file's order; the MB's line is cboMb.
    std::array<QWidget *, kBoxCount> m_boxes {};
    QComboBox *cboMb = nullptr;
};
