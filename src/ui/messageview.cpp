#include "ui/messageview.h"

#include "ui/textstyles.h"

#include <QScrollBar>
#include <QTextDocument>

#include <memory>

MessageView::MessageView(const QString &message, QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setPlainText(message);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Reachable with Tab, so a long message can be read to its end with the
    // arrow and page keys.
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    document()->setDocumentMargin(0);
    viewport()->setAutoFillBackground(false);
    TextStyles::applySecondary(this);
    // A short name, and the whole message as the description, so a screen
    // reader reads it all when the view gets focus, not its first line.
    setAccessibleName(tr("Error details"));
    setAccessibleDescription(message);
    // Without a frame of its own, it shows where the focus is.
    setStyleSheet(QStringLiteral("MessageView { border: 1px solid transparent; }"
                                 "MessageView:focus { border: 1px solid palette(highlight); }"));
}

int MessageView::heightForWidth(int width) const
{
    const int margins = contentsMargins().left() + contentsMargins().right();
    // Laid out on a copy: the shown document keeps the width it has.
    const std::unique_ptr<QTextDocument> layoutCopy(document()->clone());
    layoutCopy->setTextWidth(width - margins);
    const int textHeight = qCeil(layoutCopy->size().height());
    const int cap = maximumLines * fontMetrics().lineSpacing();
    return qMin(textHeight, cap) + contentsMargins().top() + contentsMargins().bottom();
}

QSize MessageView::sizeHint() const
{
    const int width = QTextEdit::sizeHint().width();
    return {width, heightForWidth(width)};
}

QSize MessageView::minimumSizeHint() const
{
    return {0, fontMetrics().lineSpacing()};
}

void MessageView::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    // The window fits itself to the message; a long one is read from its start.
    verticalScrollBar()->setValue(0);
}
