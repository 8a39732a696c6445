#include "agent/agentpaths.h"

#include "agent/contractstrings.h"
#include "ownprocess/pathparts.h"

// bundleLocation() is the platform's, in agentplatform_<platform>.cpp.

namespace {

// The plain splitting works on UTF-8, where '/' and '.' cut no character.
std::string_view bytes(const QByteArray &utf8)
{
    return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString lastComponent(const QString &path)
{
    return text(PathParts::lastComponent(bytes(path.toUtf8())));
}

QString directory(const QString &path)
{
    return text(PathParts::directory(bytes(path.toUtf8())));
}

// A bundle not named after the application drives the plain agent.
std::string_view suffixOf(std::string_view bundleLocation)
{
    return AgentContract::instanceSuffix(PathParts::lastComponent(bundleLocation))
        .value_or(std::string_view());
}

} // namespace

namespace AgentPaths {

QString instanceSuffix(const QString &bundleLocation)
{
    return text(suffixOf(bytes(bundleLocation.toUtf8())));
}

QString agentBinary(const QString &bundleLocation)
{
    const QByteArray location = bundleLocation.toUtf8();
    const std::string name =
        std::string(AgentContract::agentStem).append(suffixOf(bytes(location)));
    return text(PathParts::appending(PathParts::directory(bytes(location)), name));
}

std::optional<QString> enclosingAppBundle(const QString &executablePath)
{
    const QString macOSDir = directory(executablePath);
    const QString contentsDir = directory(macOSDir);
    const QString bundle = directory(contentsDir);
    if (lastComponent(macOSDir) != QLatin1String("MacOS") ||
        lastComponent(contentsDir) != QLatin1String("Contents") ||
        !lastComponent(bundle).endsWith(QLatin1String(".app"))) {
        return std::nullopt;
    }
    return bundle;
}

} // namespace AgentPaths
