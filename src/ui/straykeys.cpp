#include "ui/straykeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>

StrayKeys::StrayKeys(QWidget &window, bool altLettersAreKeys)
    : QObject(&window)
    , m_window(window)
    , m_altLettersAreKeys(altLettersAreKeys)
{
    // Key events go to the focused widget, so they are seen application-wide.
    putFirst();
}

void StrayKeys::putFirst()
{
    // The filter installed last is asked first.
    qApp->installEventFilter(this);
}

bool StrayKeys::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    // Judged where the window system hands the key over, before anything
    // can hold it back, and again as it goes to the focused widget.
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget && object == m_window.windowHandle()) {
        widget = m_window.focusWidget() ? m_window.focusWidget() : &m_window;
    }
    if (!widget || widget->window() != &m_window) {
        return false;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    // A copy sent again (timestamp 0) was judged as the original.
    if (event->type() == QEvent::KeyRelease && key->timestamp() != 0) {
        m_releasedKey = key->key();
        m_releasedAt = key->timestamp();
    }
    const bool panelKey =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape;
    if (event->type() == QEvent::KeyPress && !panelKey && object == m_window.windowHandle()) {
        ++m_otherPresses;
    }
    const bool pressesButton =
        panelKey || (key->key() == Qt::Key_Space && qobject_cast<QAbstractButton *>(widget));
    const bool repeat =
        key->isAutoRepeat() || (event->type() == QEvent::KeyPress && key->key() == m_releasedKey &&
                                key->timestamp() != 0 && key->timestamp() == m_releasedAt);
    if (pressesButton && repeat) {
        return true;
    }
    // AltGr is not Alt: it types what the layout gives, "@" included.
    const auto modifiers = key->modifiers();
    return m_altLettersAreKeys && event->type() == QEvent::KeyPress &&
           qobject_cast<QLineEdit *>(widget) && (modifiers & Qt::AltModifier) &&
           !(modifiers & Qt::ControlModifier) && !key->text().isEmpty() &&
           key->text().at(0).isPrint();
}
