#include "pkexechost.h"

#include "boundedcapture.h"
#include "privilegedcommand.h"
#include "whitespace.h"

#include <QProcess>

namespace {

QByteArray executionError(const QString &message, int number)
{
    return QByteArray("execution error: ") + message.toUtf8() + " (" + QByteArray::number(number) +
           ")\n";
}

} // namespace

namespace PkexecHost {

Answer answerFor(int status, const QByteArray &errorOutput)
{
    if (status == 0) {
        return {};
    }
    if (status == 126 && errorOutput.contains("Request dismissed")) {
        return {1, executionError(QStringLiteral("User canceled."), -128)};
    }
    const QString message = trimWhitespace(QString::fromUtf8(errorOutput));
    // The system host's wording for a command that failed without a word.
    return {1, executionError(message.isEmpty()
                                  ? QStringLiteral("The command exited with a non-zero status.")
                                  : message,
                              status)};
}

Answer run(const QStringList &arguments, const QString &pkexecProgram)
{
    if (arguments.size() != 2 || arguments.at(0) != QLatin1String("-e")) {
        return {1, "usage: ovata-scripthost -e 'do shell script \"…\" with administrator "
                   "privileges'\n"};
    }
    const auto commandLine = PrivilegedCommand::commandLineFromScript(arguments.at(1));
    if (!commandLine) {
        return {1, "syntax error: only do shell script \"…\" with administrator privileges is "
                   "supported (-2741)\n"};
    }

    QProcess pkexec;
    pkexec.setProgram(pkexecProgram);
    pkexec.setArguments({QStringLiteral("/bin/sh"), QStringLiteral("-c"), *commandLine});
    pkexec.setInputChannelMode(QProcess::ForwardedInputChannel);
    pkexec.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    pkexec.start();
    if (!pkexec.waitForStarted(-1)) {
        return {1, executionError(pkexec.errorString(), -1)};
    }
    BoundedCapture errorOutput;
    captureStandardErrorUntilExit(pkexec, errorOutput);
    if (pkexec.exitStatus() == QProcess::CrashExit) {
        // pkexec itself died; 128 + signal is how a shell would report it.
        return answerFor(128 + pkexec.exitCode(), errorOutput.bytes());
    }
    return answerFor(pkexec.exitCode(), errorOutput.bytes());
}

} // namespace PkexecHost
