#include "agentpaths.h"

#include "contractstrings.h"
#include "ownprocess.h"
#include "strictutf8.h"

#include <QCoreApplication>

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
    if (!stem.startsWith(AgentContract::latin1(AgentContract::applicationPrefix),
                         Qt::CaseSensitive)) {
        return {};
    }
    return stem.mid(AgentContract::latin1(AgentContract::applicationPrefix).size());
}

QString agentBinary(const QString &bundleLocation)
{
    return appendingComponent(deletingLastComponent(bundleLocation),
                              AgentContract::latin1(AgentContract::agentStem) +
                                  instanceSuffix(bundleLocation));
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

std::optional<QString> bundleLocation()
{
#ifdef Q_OS_LINUX
    const std::optional<std::string> executable = OwnProcess::executablePath();
    if (!executable) {
        return std::nullopt;
    }
    return decodeUtf8Strictly(QByteArray::fromStdString(*executable));
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
