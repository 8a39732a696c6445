// Alt+letter access keys chosen at run time, as a KDE window gets them: the
// texts in the source and the translations carry no "&", so they read the
// same everywhere, and each language gets letters that occur in its words.
#pragma once

class QWidget;

namespace AccessKeys {

// Gives every push button and every label with a buddy below `container` a
// Latin letter, unique within the container: a word's first letter of its
// own text where one is free, else any of its Latin letters. A text with
// none free (Japanese, Chinese, Korean, Arabic, Hebrew) gets one in
// parentheses after it, as these desktops write it, "保存(S)": the English
// text's, so the key is the same in each such language, else the first
// free one. The names told to assistive technology stay the plain texts.
void assign(QWidget *container);

} // namespace AccessKeys
