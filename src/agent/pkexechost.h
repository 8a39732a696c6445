// Our stand-in for the system scripting host where there is none: it accepts
// one script form, do shell script "<literal>" with administrator privileges,
// runs the command line as root through polkit's pkexec and answers as the
// system host does, so the configure command and its error texts are the
// same on every platform.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace PkexecHost {

// What the host ends with: its exit status and what it writes to its error
// stream (nothing on success).
struct Answer
{
    int exitCode = 0;
    QByteArray errorOutput;
};

// The answer for pkexec's outcome: 0 passes; a dismissed dialog (126 with
// "Request dismissed") is the host's "User canceled. (-128)"; any other
// status carries the command's trimmed error output and that status.
Answer answerFor(int status, const QByteArray &errorOutput);

// The whole host: checks the arguments ("-e" and a script of the one form),
// runs `pkexecProgram /bin/sh -c <command line>` with the caller's standard
// input and output, and answers.
Answer run(const QStringList &arguments, const QString &pkexecProgram);

} // namespace PkexecHost
