#include "agent/agentpaths.h"
#include "agent/agentplatform.h"
#include "agent/contractstrings.h"
#include "agent/pkexechost.h"
#include "agent/strictutf8.h"
#include "ownprocess/ownprocess.h"
#include "ownprocess/pathparts.h"

#include <QFile>

namespace AgentPaths {

std::optional<QString> bundleLocation()
{
    // Where a package upgrade puts the new version of the running program.
    const std::optional<std::string> executable = OwnProcess::executablePath();
    if (!executable) {
        return std::nullopt;
    }
    return decodeUtf8Strictly(QByteArray::fromStdString(*executable));
}

} // namespace AgentPaths

AgentPlatform AgentPlatform::system()
{
    AgentPlatform platform;
    platform.bundleLocation = &AgentPaths::bundleLocation;
    // Beside the program, named without the application object: the agent
    // may be asked before it exists.
    const std::string helper = PathParts::appending(
        PathParts::directory(OwnProcess::executablePath().value_or(std::string())),
        AgentContract::helperName);
    platform.privilegedHost = std::make_shared<PkexecHost>(
        QStringLiteral(OVATA_PKEXEC), QFile::decodeName(QByteArray::fromStdString(helper)));
    return platform;
}
