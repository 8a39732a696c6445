// Keeps a masked field's characters off the accessibility bus, and lets a
// screen-reader user hear that it holds them, as GTK's password entries do:
// asked for text, the field answers one U+25CF per character, with offsets
// and the caret counted in those characters and a word, a sentence or a
// line being the whole run of them; and it reports every insertion and
// removal that way, where Qt would report the real characters (which any
// program on the bus can read). While it holds text it is not described by
// its placeholder. Text and caret events of a field not yet shown are
// dropped: they would reach a screen reader before the field's focus does.
#pragma once

#include <QString>

class QAccessibleInterface;
class QLineEdit;

namespace SecretFieldAccessibility {

// Installs the rewriting of events once for the application, in front of
// whatever handler was installed before; every other event passes unchanged.
void install();

// What assistive technology is given for a masked field.
QAccessibleInterface *interfaceFor(QLineEdit *field);

// What a masked field reports for text: one U+25CF per character.
QString masked(const QString &text);

} // namespace SecretFieldAccessibility
