#pragma once

#include "common/prompter.h"
#include "tariff/tariff_table.h"

#include <QWidget>

#include <array>

class QLineEdit;

// The tariff editor. Its boxes are the tariff table's cells: typing changes
// the table at once, so the fee lookup prices with what is typed before OK.
// OK saves and reloads (the reload shows the normalised texts). The close
// box and Escape ask whether to save what differs from the fee file, and
// drop it on No; the program's exit drops it. It lives hidden from
// start-up to exit. Its "&Rules..." button asks its owner for the rules
// window, which edits the rules the owner keeps, and its "&Data..." button
// for the data tariff's window.
class frmDays : public QWidget
{
    Q_OBJECT

public:
    static constexpr char kCaption[] = QT_TR_NOOP("Days and Fees");

    // The boxes show the table as its owner has loaded it.
    frmDays(TariffTable &table, QString feeFilePath, Prompter &prompter, QWidget *parent = nullptr);

    // The menu entry: the file's texts replace any unsaved ones, then the
    // window shows, modeless.
    void reloadAndShow();

    // The program's exit: closes, dropping what was typed without asking.
    void unload();

    // Puts the table's texts into the boxes, after the table was loaded.
    void refreshBoxes();

Q_SIGNALS:
    void rulesRequested();
    void dataTariffRequested();
    // A box's text changed the table.
    void tableEdited();
    // OK wrote the fee file.
    void feesSaved();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void cmdReturn_Click();

private:
    void buildControls();
    // Whether the window may close: nothing unsaved, or the user saved it or
    // chose to drop it.
    bool mayClose();
    void addDay(int day, int left, int top);
    QLineEdit *addBox(int cell, int maxLength, int left, int top, int width);

    TariffTable &m_table;
    QString m_feePath;
    Prompter &m_prompter;
    bool m_unloading = false;
    std::array<QLineEdit *, TariffTable::kCellCount> m_boxes {}; // in the table's cell order
};
