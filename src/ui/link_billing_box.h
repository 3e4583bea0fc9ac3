#pragma once

#include "calltime/link_billing.h"

#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

// The settings window's view of netlinks.ini: every line as a row, the link
// pattern and how it is billed, in the file's order (the first match
// decides). Rows are added, removed and moved up and down; a pattern takes
// only what a link's name can hold. A file that could not be read whole is
// shown by why, not as rows, so nothing the user wrote is lost by a save.
class LinkBillingBox : public QWidget
{
    Q_OBJECT

public:
    // Its place in the settings window, in twips: beside the other
    // controls, as high as they are.
    static constexpr QRect kPlace { 2040, 0, 3840, 3180 };

    explicit LinkBillingBox(QWidget *parent);

    void showLoad(const LinkBillingLoad &load);
    // The rows in order, a row without a pattern left out; nothing while a
    // file not read whole is shown.
    std::optional<std::vector<LinkPattern>> patterns() const;

    QWidget *firstControl() const;
    QWidget *lastControl() const;

private:
    void addLink();
    void removeLink();
    void moveLink(int by);
    // Every row as shown, empty patterns too.
    std::vector<LinkPattern> rows() const;
    void showRows(const std::vector<LinkPattern> &rows, int current);

    bool m_readWhole = true;
    QLabel *lblLinks = nullptr;
    QTableView *tblLinks = nullptr;
    QStandardItemModel *m_links = nullptr;
    QLabel *lblLinksProblem = nullptr;
    QPushButton *cmdAddLink = nullptr;
    QPushButton *cmdRemoveLink = nullptr;
    QPushButton *cmdLinkUp = nullptr;
    QPushButton *cmdLinkDown = nullptr;
};
