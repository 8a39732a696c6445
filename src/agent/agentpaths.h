// Where the agent lies: beside the application bundle, named after it.
// Pure functions over a bundle location, plus the platform's own location.
// Nothing is cached; callers ask again on every use.
#pragma once

#include <QString>

#include <optional>

namespace AgentPaths {

// The text after "OvataAgentConfigurator" in the bundle's stem (its last
// component without the last extension), or empty when the stem does not
// start with that name.
QString instanceSuffix(const QString &bundleLocation);

// The agent executable in the directory that holds the bundle. Does not look
// at the file system.
QString agentBinary(const QString &bundleLocation);

// The "X.app" directory when the executable lies in X.app/Contents/MacOS.
std::optional<QString> enclosingAppBundle(const QString &executablePath);

// This process's bundle location: the application bundle on macOS; elsewhere
// the running executable's own path stands for it, where a package upgrade
// puts its new version. Nothing when it cannot be named, or when its bytes
// are not UTF-8: a lossy path would name another file. On macOS it needs
// the application object; elsewhere it does not.
std::optional<QString> bundleLocation();

} // namespace AgentPaths
