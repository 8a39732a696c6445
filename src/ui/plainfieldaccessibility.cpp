#include "ui/plainfieldaccessibility.h"

#include "ui/onelinetext.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QValidator>

namespace {

// Qt's line edit interface is private; this one answers as it does, but for
// the pieces of the text.
class PlainFieldAccessible final : public QAccessibleWidget,
                                   public OneLineText,
                                   public QAccessibleEditableTextInterface
{
public:
    explicit PlainFieldAccessible(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface *>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = field()->isReadOnly();
        state.passwordEdit = field()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text type) const override
    {
        QString told = type == QAccessible::Value ? field()->displayText() : QString();
        if (told.isEmpty()) {
            told = QAccessibleWidget::text(type);
        }
        if (told.isEmpty() && type == QAccessible::Description) {
            told = field()->placeholderText();
        }
        return told;
    }
    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type != QAccessible::Value) {
            QAccessibleWidget::setText(type, text);
            return;
        }
        QString value = text;
        int position = 0;
        if (!field()->validator() ||
            field()->validator()->validate(value, position) == QValidator::Acceptable) {
            field()->setText(value);
        }
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = field()->selectionEnd();
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0) {
            field()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0) {
            field()->setSelection(start, end - start);
        }
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return start > end ? QString() : field()->displayText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(field()->displayText().size()); }
    // Measured from the caret, the one place in the text Qt tells.
    QRect characterRect(int offset) const override
    {
        const QString shown = field()->displayText();
        const QString character = shown.mid(offset, 1);
        if (character.isEmpty()) {
            return {};
        }
        const QFontMetrics metrics = field()->fontMetrics();
        const QRect caret = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.x() + metrics.horizontalAdvance(shown.left(offset)) -
                      metrics.horizontalAdvance(shown.left(field()->cursorPosition()));
        return {field()->mapToGlobal(QPoint(x, caret.y())),
                QSize(metrics.horizontalAdvance(character), caret.height())};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override
    {
        field()->setText(field()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString &text) override
    {
        field()->setText(field()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString &text) override
    {
        field()->setText(field()->text().replace(start, end - start, text));
    }

protected:
    QList<int> cuts(QAccessible::TextBoundaryType boundary) const override
    {
        return cutsOf(field()->displayText(), boundary);
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
};

} // namespace

namespace PlainFieldAccessibility {

QAccessibleInterface *interfaceFor(QLineEdit *field)
{
    return new PlainFieldAccessible(field);
}

} // namespace PlainFieldAccessibility
