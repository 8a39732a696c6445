#include "straykeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

StrayKeys::StrayKeys(QWidget &window, bool altLettersAreKeys)
    : QObject(&window)
    , m_window(window)
    , m_altLettersAreKeys(altLettersAreKeys)
{
    // Key events go to the focused widget, so they are seen application-wide.
    qApp->installEventFilter(this);
}

bool StrayKeys::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || widget->window() != &m_window) {
        return false;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::KeyRelease) {
        m_releasedKey = key->key();
        m_releasedAt = key->timestamp();
    }
    const bool pressesButton =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
        (key->key() == Qt::Key_Space && qobject_cast<QAbstractButton *>(widget));
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
