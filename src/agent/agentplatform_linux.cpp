#include "agentpaths.h"
#include "agentplatform.h"
#include "contractstrings.h"
#include "ownprocess.h"
#include "pkexechost.h"
#include "strictutf8.h"

#include <QCoreApplication>

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
    platform.privilegedHost = std::make_shared<PkexecHost>(
        QStringLiteral(OVATA_PKEXEC), QCoreApplication::applicationDirPath() + u'/' +
                                          AgentContract::latin1(AgentContract::helperName));
    return platform;
}
