#include "agent/privilegedcommand.h"

#include "agent/contractstrings.h"

namespace PrivilegedCommand {

QString shellQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QLatin1String("'\\''"));
    return u'\'' + quoted + u'\'';
}

QStringList configureWords(const QString &agentPath, const QString &token, const QString &baseURL,
                           const QString &upnOverride)
{
    using AgentContract::latin1;
    return {shellQuoted(agentPath),
            latin1(AgentContract::configureFlag),
            latin1(AgentContract::tokenFlag),
            shellQuoted(token),
            latin1(AgentContract::baseUrlFlag),
            shellQuoted(baseURL),
            latin1(AgentContract::upnOverrideFlag),
            shellQuoted(upnOverride)};
}

QString configureCommandLine(const QString &agentPath, const QString &token, const QString &baseURL,
                             const QString &upnOverride)
{
    return configureWords(agentPath, token, baseURL, upnOverride).join(u' ');
}

} // namespace PrivilegedCommand
