#include "ui/translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
#include <QTranslator>

#include <memory>

namespace {

// Qt lays the window out right to left where a translation says so. Qt's
// own translations say it, and ours too, for a system without Qt's.
[[maybe_unused]] const struct
{
    const char *source;
    const char *comment;
} layoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

// Notes the English text of each translation it gives, so that an access
// key can take its letter from the English. Texts are also translated on
// worker threads.
class SourceNotingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        QString shown = QTranslator::translate(context, source, disambiguation, n);
        if (!shown.isEmpty()) {
            const QMutexLocker lock(&m_mutex);
            m_sources.insert(shown, QString::fromUtf8(source));
        }
        return shown;
    }

    QString sourceOf(const QString &shown) const
    {
        const QMutexLocker lock(&m_mutex);
        return m_sources.value(shown, shown);
    }

private:
    mutable QMutex m_mutex;
    mutable QHash<QString, QString> m_sources;
};

// Chinese is read by script: Hong Kong and Macau read the file of Taiwan,
// Singapore that of China.
QList<QLocale> candidates(const QLocale &locale)
{
    QList<QLocale> locales{locale};
    if (locale.language() == QLocale::Chinese) {
        locales.append(QLocale(QLocale::Chinese, locale.script(), QLocale::AnyTerritory));
    }
    return locales;
}

template<typename Load>
bool installIfLoaded(QCoreApplication &application, std::unique_ptr<QTranslator> translator,
                     Load load)
{
    if (!load(*translator) || translator->isEmpty()) {
        return false;
    }
    translator->setParent(&application);
    QCoreApplication::installTranslator(translator.release());
    return true;
}

void installFor(QCoreApplication &application, std::unique_ptr<QTranslator> translator,
                const QLocale &locale, const QString &name, const QString &directory)
{
    installIfLoaded(application, std::move(translator), [&](QTranslator &t) {
        for (const QLocale &candidate : candidates(locale)) {
            if (t.load(candidate, name, QStringLiteral("_"), directory)) {
                return true;
            }
        }
        return false;
    });
}

} // namespace

namespace Translations {

void install(QCoreApplication &application, const QLocale &locale)
{
    installFor(application, std::make_unique<QTranslator>(), locale, QStringLiteral("qtbase"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installFor(application, std::make_unique<SourceNotingTranslator>(), locale,
               QStringLiteral("ovataagentconfigurator"), QStringLiteral(":/i18n"));
}

bool installFile(QCoreApplication &application, const QString &path)
{
    return installIfLoaded(application, std::make_unique<SourceNotingTranslator>(),
                           [&path](QTranslator &t) { return t.load(path); });
}

QString sourceOf(const QString &shown)
{
    const auto *application = QCoreApplication::instance();
    for (const auto *translator : application->findChildren<QTranslator *>()) {
        if (const auto *ours = dynamic_cast<const SourceNotingTranslator *>(translator)) {
            return ours->sourceOf(shown);
        }
    }
    return shown;
}

} // namespace Translations
