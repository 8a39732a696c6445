// Window texts in the user's language, where a translation exists; the
// built-in English otherwise.
#pragma once

class QCoreApplication;
class QLocale;
class QString;

namespace Translations {

// Installs ours and Qt's own (for standard texts such as a context menu's)
// for that locale. A file serves every territory of its language
// ("_fr" for fr_CA); Portuguese and Chinese are chosen by territory
// ("_pt_BR", "_zh_CN", "_zh_TW"), and Chinese falls back to the file of its
// script (zh_HK to zh_TW). The translators belong to the application.
void install(QCoreApplication &application, const QLocale &locale);

// Installs a translation of ours from a .qm file, as install() would: a
// language being tried.
bool installFile(QCoreApplication &application, const QString &path);

// The English text our installed translation turned into `shown`, or
// `shown` itself where none did.
QString sourceOf(const QString &shown);

} // namespace Translations
