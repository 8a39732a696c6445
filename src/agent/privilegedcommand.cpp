#include "privilegedcommand.h"

#include "agentcontract.h"

namespace {

constexpr QLatin1String scriptHead("do shell script \"");
constexpr QLatin1String scriptTail("\" with administrator privileges");

} // namespace

namespace PrivilegedCommand {

QString shellQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QLatin1String("'\\''"));
    return u'\'' + quoted + u'\'';
}

QString appleScriptEscaped(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QLatin1String("\\\\"));
    escaped.replace(u'"', QLatin1String("\\\""));
    return escaped;
}

QStringList configureWords(const QString &agentPath, const QString &token, const QString &baseURL,
                           const QString &upnOverride)
{
    return {shellQuoted(agentPath),
            QString(AgentContract::configureFlag),
            QString(AgentContract::tokenFlag),
            shellQuoted(token),
            QString(AgentContract::baseUrlFlag),
            shellQuoted(baseURL),
            QString(AgentContract::upnOverrideFlag),
            shellQuoted(upnOverride)};
}

QString configureCommandLine(const QString &agentPath, const QString &token, const QString &baseURL,
                             const QString &upnOverride)
{
    return configureWords(agentPath, token, baseURL, upnOverride).join(u' ');
}

QString privilegedScript(const QString &commandLine)
{
    return scriptHead + appleScriptEscaped(commandLine) + scriptTail;
}

std::optional<QString> commandLineFromScript(const QString &script)
{
    if (script.size() < scriptHead.size() + scriptTail.size() || !script.startsWith(scriptHead) ||
        !script.endsWith(scriptTail)) {
        return std::nullopt;
    }
    const QStringView literal = QStringView(script).mid(
        scriptHead.size(), script.size() - scriptHead.size() - scriptTail.size());

    QString decoded;
    decoded.reserve(literal.size());
    for (qsizetype i = 0; i < literal.size(); ++i) {
        const QChar c = literal.at(i);
        if (c == u'"') {
            return std::nullopt; // an unescaped quote would end the literal early
        }
        if (c != u'\\') {
            decoded.append(c);
            continue;
        }
        if (++i == literal.size()) {
            return std::nullopt;
        }
        switch (literal.at(i).unicode()) {
        case u'\\':
            decoded.append(u'\\');
            break;
        case u'"':
            decoded.append(u'"');
            break;
        default:
            return std::nullopt;
        }
    }
    return decoded;
}

} // namespace PrivilegedCommand
