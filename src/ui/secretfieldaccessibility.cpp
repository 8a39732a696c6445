#include "ui/secretfieldaccessibility.h"

#include "ui/onelinetext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

#include <numeric>

namespace {

using SecretFieldAccessibility::masked;

// Offsets in characters (what is told) from offsets in UTF-16 units (what
// QLineEdit counts), and back.
int characters(const QString &text, int units)
{
    return static_cast<int>(text.left(units).toUcs4().size());
}

int units(const QString &text, int characters)
{
    int at = 0;
    for (; characters > 0 && at < text.size(); --characters) {
        at += text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    }
    return at;
}

class SecretFieldAccessible final : public QAccessibleWidget, public OneLineText
{
public:
    explicit SecretFieldAccessible(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.passwordEdit = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value) {
            return masked(field()->text());
        }
        if (type == QAccessible::Description && !field()->text().isEmpty()) {
            return {}; // the placeholder describes an empty field only
        }
        return QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type == QAccessible::Value) {
            field()->setText(text);
        } else {
            QAccessibleWidget::setText(type, text);
        }
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            const QString text = field()->text();
            *start = characters(text, field()->selectionStart());
            *end = characters(text, field()->selectionEnd());
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override
    {
        const QString text = field()->text();
        const int from = units(text, start);
        field()->setSelection(from, units(text, end) - from);
    }
    int cursorPosition() const override
    {
        return characters(field()->text(), field()->cursorPosition());
    }
    void setCursorPosition(int position) override
    {
        field()->setCursorPosition(units(field()->text(), position));
    }
    QString text(int start, int end) const override
    {
        return masked(field()->text()).mid(start, end - start);
    }
    int characterCount() const override
    {
        return static_cast<int>(field()->text().toUcs4().size());
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}

protected:
    // Told from the bullets alone, never searched in: a character is a
    // bullet, and every other piece is the whole run of them.
    QList<int> cuts(QAccessible::TextBoundaryType boundary) const override
    {
        const int count = characterCount();
        if (boundary != QAccessible::CharBoundary) {
            return count > 0 ? QList<int>{0, count} : QList<int>{0};
        }
        QList<int> cuts(count + 1);
        std::iota(cuts.begin(), cuts.end(), 0);
        return cuts;
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
};

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

bool isTextEvent(QAccessible::Event type)
{
    return type == QAccessible::TextInserted || type == QAccessible::TextRemoved ||
           type == QAccessible::TextUpdated || type == QAccessible::TextCaretMoved ||
           type == QAccessible::TextSelectionChanged;
}

// The same event told in characters and bullets.
void forwardMasked(QAccessibleEvent *event, const QLineEdit &field)
{
    const QString text = field.text();
    const auto at = [&text](int position) { return characters(text, position); };
    QObject *object = event->object();
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto *insert = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent safe(object, at(insert->changePosition()),
                                        masked(insert->textInserted()));
        safe.setCursorPosition(at(insert->cursorPosition()));
        forward(&safe);
        return;
    }
    case QAccessible::TextRemoved: {
        const auto *remove = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent safe(object, at(remove->changePosition()),
                                        masked(remove->textRemoved()));
        safe.setCursorPosition(at(remove->cursorPosition()));
        forward(&safe);
        return;
    }
    case QAccessible::TextUpdated: {
        const auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent safe(object, at(update->changePosition()),
                                        masked(update->textRemoved()),
                                        masked(update->textInserted()));
        safe.setCursorPosition(at(update->cursorPosition()));
        forward(&safe);
        return;
    }
    case QAccessible::TextCaretMoved: {
        const auto *caret = static_cast<QAccessibleTextCursorEvent *>(event);
        QAccessibleTextCursorEvent safe(object, at(caret->cursorPosition()));
        forward(&safe);
        return;
    }
    case QAccessible::TextSelectionChanged: {
        const auto *selection = static_cast<QAccessibleTextSelectionEvent *>(event);
        QAccessibleTextSelectionEvent safe(object, at(selection->selectionStart()),
                                           at(selection->selectionEnd()));
        safe.setCursorPosition(at(selection->cursorPosition()));
        forward(&safe);
        return;
    }
    case QAccessible::ValueChanged:
        return; // would carry the value itself
    default:
        forward(event);
    }
}

void rewrite(QAccessibleEvent *event)
{
    const auto *field = qobject_cast<QLineEdit *>(event->object());
    // A field being built reports its caret before it is shown and focused;
    // a screen reader that hears the caret first may pass the field over.
    if (field && !field->isVisible() && isTextEvent(event->type())) {
        return;
    }
    if (!field || field->echoMode() == QLineEdit::Normal) {
        forward(event);
        return;
    }
    const auto type = event->type();
    forwardMasked(event, *field);
    // Filled or emptied: the description changes with it.
    if ((type == QAccessible::TextInserted || type == QAccessible::TextRemoved ||
         type == QAccessible::TextUpdated) &&
        (field->text().isEmpty() ||
         (type == QAccessible::TextInserted &&
          static_cast<QAccessibleTextInsertEvent *>(event)->textInserted().size() ==
              field->text().size()))) {
        QAccessibleEvent described(event->object(), QAccessible::DescriptionChanged);
        forward(&described);
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

QAccessibleInterface *interfaceFor(QLineEdit *field)
{
    return new SecretFieldAccessible(field);
}

QString masked(const QString &text)
{
    // Characters, not UTF-16 units: one bullet for an emoji as for a letter.
    return QString(text.toUcs4().size(), QChar(0x25CF));
}

} // namespace SecretFieldAccessibility
