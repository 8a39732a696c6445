// Trimming with one character set for every caller: the error output, the
// submitted values and the save button's enabled state must agree on what
// counts as blank.
#pragma once

#include <QString>

// Zs, U+0009..U+000D, U+0085, U+2028 and U+2029; nothing else.
bool isTrimmedWhitespace(QChar c);

// Removes those characters from both ends; the inside is left alone.
QString trimWhitespace(const QString &text);
