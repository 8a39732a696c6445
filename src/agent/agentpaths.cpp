#include "agentpaths.h"

#include "agentcontract.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString withoutTrailingSlashes(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/')) {
        path.chop(1);
    }
    return path;
}

QString lastComponent(const QString &path)
{
    const QString clean = withoutTrailingSlashes(path);
    return clean.mid(clean.lastIndexOf(u'/') + 1);
}

QString deletingLastComponent(const QString &path)
{
    const QString clean = withoutTrailingSlashes(path);
    const qsizetype slash = clean.lastIndexOf(u'/');
    if (slash < 0) {
        // Keep a directory part so that the result is never searched in PATH.
        return QStringLiteral(".");
    }
    return slash == 0 ? QStringLiteral("/") : clean.left(slash);
}

QString deletingExtension(const QString &component)
{
    // A leading dot names a hidden file, not an extension.
    const qsizetype dot = component.lastIndexOf(u'.');
    return dot > 0 ? component.left(dot) : component;
}

QString appendingComponent(const QString &directory, const QString &name)
{
    return directory.endsWith(u'/') ? directory + name : directory + u'/' + name;
}

} // namespace

namespace AgentPaths {

QString instanceSuffix(const QString &bundleLocation)
{
    const QString stem = deletingExtension(lastComponent(bundleLocation));
    if (!stem.startsWith(AgentContract::applicationPrefix, Qt::CaseSensitive)) {
        return {};
    }
    return stem.mid(AgentContract::applicationPrefix.size());
}

QString agentBinary(const QString &bundleLocation)
{
    return appendingComponent(deletingLastComponent(bundleLocation),
                              AgentContract::agentStem + instanceSuffix(bundleLocation));
}

std::optional<QString> enclosingAppBundle(const QString &executablePath)
{
    const QString macOSDir = deletingLastComponent(executablePath);
    const QString contentsDir = deletingLastComponent(macOSDir);
    const QString bundle = deletingLastComponent(contentsDir);
    if (lastComponent(macOSDir) != QLatin1String("MacOS") ||
        lastComponent(contentsDir) != QLatin1String("Contents") ||
        !lastComponent(bundle).endsWith(QLatin1String(".app"))) {
        return std::nullopt;
    }
    return bundle;
}

QString bundleLocation()
{
#ifdef Q_OS_LINUX
    // Read afresh from the kernel; safe from any thread, unlike Qt's cache.
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
#else
    const QString executable = QCoreApplication::applicationFilePath();
#endif
#ifdef Q_OS_MACOS
    return enclosingAppBundle(executable).value_or(executable);
#else
    return executable;
#endif
}

} // namespace AgentPaths
