// What a one-line field tells assistive technology about the pieces of its
// text: the character, word, sentence or line at, before or after an offset,
// and the runs of its attributes. Every answer comes from one pass over the
// text's boundaries, so no question can keep the window from its events:
// Qt's own search (QAccessibleTextInterface's defaults, which its line edit
// uses) loops for ever at some words' and sentences' edges.
#pragma once

#include <QAccessible>
#include <QList>

class OneLineText : public QAccessibleTextInterface
{
public:
    // An offset of -2 is the caret and -1 the end, as Qt's bridges ask. At
    // the end, the piece that ends there, but no character; a line is the
    // whole text at every offset. Where there is no piece, or the offset is
    // outside the text: an empty text from -1 to -1, as Qt answers.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const final;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                             int *end) const final;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                            int *end) const final;
    // The whole text is one run with no attributes of its own: a screen
    // reader that assembles a line run by run (Orca 43 does) reads it whole.
    QString attributes(int offset, int *start, int *end) const final;

protected:
    // Where the text, as text() and characterCount() tell it, divides into
    // pieces at `boundary`: ascending offsets from 0 to characterCount().
    virtual QList<int> cuts(QAccessible::TextBoundaryType boundary) const = 0;

    // The cuts of `text`, in UTF-16 units, where Qt's boundary finder puts
    // them: graphemes; words and each gap between them; sentences. A line, a
    // paragraph, or no boundary at all: the whole text.
    static QList<int> cutsOf(const QString &text, QAccessible::TextBoundaryType boundary);

private:
    enum class Side { Before, At, After };
    QString piece(Side side, int offset, QAccessible::TextBoundaryType boundary, int *start,
                  int *end) const;
};
