// A run-time message shown as it stands: plain text, its line breaks kept,
// wrapped within the column even where a word is longer than the line, and
// selectable for copying. Grows with the text up to a cap, then scrolls, so a
// long error output cannot push the window off the screen.
#pragma once

#include <QTextEdit>

class MessageView : public QTextEdit
{
    Q_OBJECT

public:
    static constexpr int maximumLines = 16;

    explicit MessageView(const QString &message, QWidget *parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
};
