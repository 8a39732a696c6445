#include "secretfieldaccessibility.h"

#include <QAccessible>
#include <QLineEdit>

namespace {

QAccessible::UpdateHandler previous = nullptr;

void rewrite(QAccessibleEvent *event);

void forward(QAccessibleEvent *event)
{
    if (previous) {
        previous(event);
        return;
    }
    // Qt's own delivery, reached by stepping aside for this one event.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&rewrite);
}

bool isSecret(QObject *object)
{
    const auto *field = qobject_cast<QLineEdit *>(object);
    return field && field->echoMode() != QLineEdit::Normal;
}

bool isTextEvent(QAccessible::Event type)
{
    return type == QAccessible::TextInserted || type == QAccessible::TextRemoved ||
           type == QAccessible::TextUpdated || type == QAccessible::TextCaretMoved ||
           type == QAccessible::TextSelectionChanged;
}

void rewrite(QAccessibleEvent *event)
{
    QObject *object = event->object();
    // A field being built reports its caret before it is shown and focused;
    // a screen reader that hears the caret first may pass the field over.
    if (const auto *field = qobject_cast<QLineEdit *>(object);
        field && !field->isVisible() && isTextEvent(event->type())) {
        return;
    }
    if (!isSecret(object)) {
        forward(event);
        return;
    }
    using SecretFieldAccessibility::masked;
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto *insert = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent safe(object, insert->changePosition(),
                                        masked(insert->textInserted()));
        safe.setCursorPosition(insert->cursorPosition());
        forward(&safe);
        return;
    }
    case QAccessible::TextRemoved: {
        const auto *remove = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent safe(object, remove->changePosition(),
                                        masked(remove->textRemoved()));
        safe.setCursorPosition(remove->cursorPosition());
        forward(&safe);
        return;
    }
    case QAccessible::TextUpdated: {
        const auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent safe(object, update->changePosition(),
                                        masked(update->textRemoved()),
                                        masked(update->textInserted()));
        safe.setCursorPosition(update->cursorPosition());
        forward(&safe);
        return;
    }
    case QAccessible::ValueChanged:
        return; // would carry the value itself
    default:
        forward(event);
    }
}

} // namespace

namespace SecretFieldAccessibility {

void install()
{
    static const bool installed = [] {
        previous = QAccessible::installUpdateHandler(&rewrite);
        return true;
    }();
    Q_UNUSED(installed);
}

QString masked(const QString &text)
{
    // Characters, not UTF-16 units: one bullet for an emoji as for a letter.
    return QString(text.toUcs4().size(), QChar(0x25CF));
}

} // namespace SecretFieldAccessibility
