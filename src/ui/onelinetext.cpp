#include "ui/onelinetext.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <optional>

// Works around Qt 6.4 (seen on 6.4.2, the version built against here; later
// versions are not checked, and these answers hold there too). Its default
// answers, which its line edit uses, never return for a word at offset 0 of
// a text that does not begin with a word character ("/x y", "#jane", a run
// of bullets), nor for a word or a sentence at the end of any text; and the
// word before offset 1 of "https://…" starts at -1.

QString OneLineText::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                                  int *end) const
{
    return piece(Side::At, offset, boundary, start, end);
}

QString OneLineText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                      int *start, int *end) const
{
    return piece(Side::Before, offset, boundary, start, end);
}

QString OneLineText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                                     int *end) const
{
    return piece(Side::After, offset, boundary, start, end);
}

QString OneLineText::attributes(int offset, int *start, int *end) const
{
    const int count = characterCount();
    const bool inside = offset >= 0 && offset <= count;
    *start = inside ? 0 : -1;
    *end = inside ? count : -1;
    return {};
}

QList<int> OneLineText::cutsOf(const QString &text, QAccessible::TextBoundaryType boundary)
{
    std::optional<QTextBoundaryFinder::BoundaryType> type;
    switch (boundary) {
    case QAccessible::CharBoundary:
        type = QTextBoundaryFinder::Grapheme;
        break;
    case QAccessible::WordBoundary:
        type = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        type = QTextBoundaryFinder::Sentence;
        break;
    default:
        break;
    }
    QList<int> cuts{0};
    if (type) {
        QTextBoundaryFinder finder(*type, text);
        // Each step moves on, to -1 once past the end.
        for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size();
             at = finder.toNextBoundary()) {
            // Between two signs, or two spaces, is no edge of a word.
            if (type != QTextBoundaryFinder::Word ||
                (finder.boundaryReasons() &
                 (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem))) {
                cuts.append(static_cast<int>(at));
            }
        }
    }
    if (!text.isEmpty()) {
        cuts.append(static_cast<int>(text.size()));
    }
    return cuts;
}

QString OneLineText::piece(Side side, int offset, QAccessible::TextBoundaryType boundary,
                           int *start, int *end) const
{
    *start = *end = -1;
    const int count = characterCount();
    if (offset == -2) {
        offset = cursorPosition();
    } else if (offset == -1) {
        offset = count;
    }
    if (offset < 0 || offset > count) {
        return {};
    }
    const QList<int> cuts = this->cuts(boundary);
    // The piece from cuts[at] to cuts[at + 1] holds the offset; the end is
    // in none, and belongs to the last but for a character.
    auto at = std::upper_bound(cuts.begin(), cuts.end(), offset) - cuts.begin() - 1;
    if (offset == count && boundary != QAccessible::CharBoundary) {
        --at;
    }
    at += side == Side::Before ? -1 : side == Side::After ? 1 : 0;
    if (at < 0 || at + 1 >= cuts.size()) {
        return {};
    }
    *start = cuts[at];
    *end = cuts[at + 1];
    return text(*start, *end);
}
