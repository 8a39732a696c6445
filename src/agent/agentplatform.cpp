#include "agentplatform.h"

#include "agentpaths.h"
#include "pkexechost.h"
#include "privilegedhost.h"

#include <QCoreApplication>

AgentPlatform AgentPlatform::system()
{
    AgentPlatform platform;
    platform.bundleLocation = &AgentPaths::bundleLocation;
#ifdef Q_OS_MACOS
    platform.privilegedHost = std::make_shared<OsascriptHost>();
#else
    platform.privilegedHost = std::make_shared<PkexecHost>(
        QStringLiteral("/usr/bin/pkexec"),
        QCoreApplication::applicationDirPath() + u'/' + QLatin1String(OVATA_HELPER_NAME));
#endif
    return platform;
}
