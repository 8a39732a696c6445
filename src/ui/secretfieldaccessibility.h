// Keeps a masked field's characters off the accessibility bus. Qt reports
// every insertion and removal in a password field with the real characters,
// which screen readers speak and any program on the bus can read; here each
// character is reported as U+25CF, as GTK's password entries do, so a
// screen-reader user still hears every keystroke. Text and caret events of a
// field not yet shown are dropped: they would reach a screen reader before
// the field's focus does.
#pragma once

#include <QString>

namespace SecretFieldAccessibility {

// Installs the rewriting once for the application, in front of whatever
// handler was installed before; every other event passes unchanged.
void install();

// What a masked field reports for text: one U+25CF per character.
QString masked(const QString &text);

} // namespace SecretFieldAccessibility
