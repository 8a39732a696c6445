#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void installOne(QCoreApplication &application, const QLocale &locale, const QString &name,
                const QString &directory)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), directory) && !translator->isEmpty()) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

namespace Translations {

void install(QCoreApplication &application, const QLocale &locale)
{
    installOne(application, locale, QStringLiteral("qtbase"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installOne(application, locale, QStringLiteral("ovataagentconfigurator"),
               QStringLiteral(":/i18n"));
}

} // namespace Translations
