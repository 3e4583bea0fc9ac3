#include "ui/choice_combo.h"

#include <QKeyEvent>
#include <QLineEdit>

ChoiceCombo::ChoiceCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typed = true; });
    // The box itself turns Enter, and leaving it, into a choice of the entry
    // that the typed text matches.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_typed)
            Q_EMIT chosen(index);
    });
}

void ChoiceCombo::showPopup()
{
    m_typed = false;
    QComboBox::showPopup();
}

void ChoiceCombo::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        m_typed = false;
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void ChoiceCombo::wheelEvent(QWheelEvent *event)
{
    m_typed = false;
    QComboBox::wheelEvent(event);
}
