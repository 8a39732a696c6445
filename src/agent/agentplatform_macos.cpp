#include "agent/agentpaths.h"
#include "agent/agentplatform.h"
#include "agent/osascripthost.h"

#include <QCoreApplication>

namespace AgentPaths {

std::optional<QString> bundleLocation()
{
    const QString executable = QCoreApplication::applicationFilePath();
    return enclosingAppBundle(executable).value_or(executable);
}

} // namespace AgentPaths

AgentPlatform AgentPlatform::system()
{
    AgentPlatform platform;
    platform.bundleLocation = &AgentPaths::bundleLocation;
    platform.privilegedHost = std::make_shared<OsascriptHost>();
    return platform;
}
