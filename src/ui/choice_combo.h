#pragma once

#include <QComboBox>

// An editable combo box whose typed text never counts as a choice, even
// when it matches an entry: only the list, opened or stepped through with the
// arrow keys or the wheel, chooses.
class ChoiceCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceCombo(QWidget *parent = nullptr);

Q_SIGNALS:
    void chosen(int index);

protected:
    void showPopup() override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_typed = false; // the text was typed since the last choice
};
