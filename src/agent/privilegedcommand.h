// The text that crosses into the privileged world: the agent's configure
// command line, quoted for the POSIX shell, and the scripting-host script
// that wraps it. Both directions live here so that they cannot drift apart.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace PrivilegedCommand {

// One shell word: every ' becomes '\'' and the whole is put in single quotes.
QString shellQuoted(const QString &text);

// Escaped for an AppleScript string literal: \ doubled first, then " as \".
QString appleScriptEscaped(const QString &text);

// The eight words: the four values quoted, the flags bare.
QStringList configureWords(const QString &agentPath, const QString &token, const QString &baseURL,
                           const QString &upnOverride);

// The words joined by single blanks.
QString configureCommandLine(const QString &agentPath, const QString &token, const QString &baseURL,
                             const QString &upnOverride);

// do shell script "<escaped command line>" with administrator privileges
QString privilegedScript(const QString &commandLine);

// The reverse of privilegedScript: the command line, or nothing when the
// script is not exactly of the form privilegedScript writes.
std::optional<QString> commandLineFromScript(const QString &script);

} // namespace PrivilegedCommand
