#include "whitespace.h"

bool isTrimmedWhitespace(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= 0x09 && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029) {
        return true;
    }
    // All members of Zs lie in the basic plane, so a surrogate never matches.
    return c.category() == QChar::Separator_Space;
}

QString trimWhitespace(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmedWhitespace(text.at(begin))) {
        ++begin;
    }
    while (end > begin && isTrimmedWhitespace(text.at(end - 1))) {
        --end;
    }
    return text.mid(begin, end - begin);
}
