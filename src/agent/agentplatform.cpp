#include "agentplatform.h"

#include "agentpaths.h"

#include <QCoreApplication>

AgentPlatform AgentPlatform::system()
{
    AgentPlatform platform;
    platform.bundleLocation = &AgentPaths::bundleLocation;
#ifdef Q_OS_MACOS
    platform.scriptHost = QStringLiteral("/usr/bin/osascript");
#else
    platform.scriptHost =
        QCoreApplication::applicationDirPath() + u'/' + QLatin1String(OVATA_SCRIPTHOST_NAME);
#endif
    return platform;
}
