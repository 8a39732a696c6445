// The system scripting host of macOS: the command line, escaped into
// "do shell script" with administrator privileges, for /usr/bin/osascript.
#pragma once

#include "agent/privilegedhost.h"

namespace AppleScript {

// Escaped for a string literal: \ doubled first, then " as \".
QString escaped(const QString &text);

// do shell script "<escaped command line>" with administrator privileges
QString privilegedScript(const QString &commandLine);

} // namespace AppleScript

class OsascriptHost final : public PrivilegedHost
{
public:
    explicit OsascriptHost(QString program = QStringLiteral("/usr/bin/osascript"));

    // Starts the host with exactly "-e" and the script. Any non-zero end is
    // ScriptFailed with the host's own words.
    HostOutcome::Outcome run(const QString &commandLine) const override;

private:
    QString m_program;
};
