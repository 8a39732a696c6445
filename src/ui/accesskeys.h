// Alt+letter access keys chosen at run time, as a KDE window gets them: the
// texts in the source and the translations carry no "&", so they read the
// same everywhere, and each language gets letters that occur in its words.
#pragma once

class QWidget;

namespace AccessKeys {

// Gives every push button and every label with a buddy below `container` a
// letter of its own text, unique within the container: a word's first
// letter where one is free, else any letter. The names told to assistive
// technology stay the plain texts.
void assign(QWidget *container);

} // namespace AccessKeys
