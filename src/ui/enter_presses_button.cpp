#include "ui/enter_presses_button.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterPressesButton final : public QObject
{
public:
    explicit EnterPressesButton(QWidget *window)
        : QObject(window)
        , m_window(window)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(m_window->focusWidget());
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }

private:
    QWidget *m_window;
};

} // namespace

void pressFocusedButtonOnEnter(QWidget *window)
{
    window->installEventFilter(new EnterPressesButton(window));
}

bool takeDialogKey(QWidget *window, QKeyEvent *event, const std::function<void()> &ok)
{
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Escape:
        window->close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (qobject_cast<QAbstractButton *>(window->focusWidget()))
            return false;
        ok();
        return true;
    default:
        return false;
    }
}
