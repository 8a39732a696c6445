#include "agentpaths.h"

#include "agentcontract.h"
#include "strictutf8.h"

#include <QCoreApplication>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#include <unistd.h>
#endif

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

std::optional<QString> executableFromLink(const QByteArray &linkTarget, bool linkTargetIsThisFile)
{
    static constexpr QByteArrayView replaced(" (deleted)");
    QByteArray path = linkTarget;
    if (!linkTargetIsThisFile && path.endsWith(replaced)) {
        path.chop(replaced.size());
    }
    return decodeUtf8Strictly(path);
}

std::optional<QString> bundleLocation()
{
#ifdef Q_OS_LINUX
    // Read afresh from the kernel; safe from any thread, unlike Qt's cache.
    char target[4096];
    const ssize_t n = readlink("/proc/self/exe", target, sizeof target);
    if (n <= 0 || n == ssize_t(sizeof target)) {
        return std::nullopt;
    }
    const QByteArray link(target, n);
    struct stat running
    {};
    struct stat named
    {};
    const bool same = stat("/proc/self/exe", &running) == 0 &&
                      stat(link.constData(), &named) == 0 && running.st_dev == named.st_dev &&
                      running.st_ino == named.st_ino;
    return executableFromLink(link, same);
#else
    const QString executable = QCoreApplication::applicationFilePath();
#ifdef Q_OS_MACOS
    return enclosingAppBundle(executable).value_or(executable);
#else
    return executable;
#endif
#endif
}

} // namespace AgentPaths
