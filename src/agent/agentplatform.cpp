#include "agentplatform.h"

#include "agentpaths.h"
#include "contractstrings.h"
#include "osascripthost.h"
#include "pkexechost.h"

#include <QCoreApplication>

AgentPlatform AgentPlatform::system()
{
    AgentPlatform platform;
    platform.bundleLocation = &AgentPaths::bundleLocation;
#ifdef Q_OS_MACOS
    platform.privilegedHost = std::make_shared<OsascriptHost>();
#else
    platform.privilegedHost = std::make_shared<PkexecHost>(
        QStringLiteral("/usr/bin/pkexec"), QCoreApplication::applicationDirPath() + u'/' +
                                               AgentContract::latin1(AgentContract::helperName));
#endif
    return platform;
}
