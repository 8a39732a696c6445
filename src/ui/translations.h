// Window texts in the user's language, where a translation exists; the
// built-in English otherwise.
#pragma once

class QCoreApplication;
class QLocale;

namespace Translations {

// Installs ours and Qt's own (for standard texts such as a context menu's)
// for that locale. The translators belong to the application.
void install(QCoreApplication &application, const QLocale &locale);

} // namespace Translations
