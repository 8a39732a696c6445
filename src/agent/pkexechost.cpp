#include "pkexechost.h"

#include "enrollcontract.h"
#include "hostprocess.h"
#include "privilegedcommand.h"

#include <QFileInfo>
#include <QProcess>

namespace {

HostAnswer executionError(int status, const QString &message)
{
    return {status,
            "execution error: " + message.toUtf8() + " (" + QByteArray::number(status) + ")\n"};
}

} // namespace

PkexecHost::PkexecHost(QString pkexecProgram, QString helperProgram)
    : m_pkexec(std::move(pkexecProgram))
    , m_helper(std::move(helperProgram))
{}

HostAnswer PkexecHost::answerFor(int status, const QByteArray &errorOutput)
{
    if (status == 0) {
        return {};
    }
    const QString output = QString::fromUtf8(errorOutput).trimmed();
    if (status == 126 && output.contains(QLatin1String("Request dismissed"))) {
        return {1, "execution error: User canceled. (-128)\n"};
    }
    if (status == 127 && output.contains(QLatin1String("No authentication agent found"))) {
        return executionError(
            status, QStringLiteral("No authentication agent is running, so the administrator "
                                   "prompt cannot be shown. Log in to a desktop session, or start "
                                   "a polkit authentication agent, and try again."));
    }
    if (status == 127 && output.startsWith(QLatin1String("Error getting authority"))) {
        return executionError(
            status, QStringLiteral("The polkit service cannot be reached (no system bus or no "
                                   "polkit daemon is running), so administrator rights cannot be "
                                   "requested. Start the system's polkit service and try again."));
    }
    if (status == 127 && output.contains(QLatin1String("must be setuid root"))) {
        return executionError(
            status, QStringLiteral("pkexec is not setuid root, so it cannot grant administrator "
                                   "rights. Reinstall polkit's pkexec package and try again."));
    }
    const QLatin1String refusal(EnrollContract::refusalPrefix.data(),
                                qsizetype(EnrollContract::refusalPrefix.size()));
    if (status == EnrollContract::refusedStatus && output.startsWith(refusal)) {
        return executionError(
            status, QStringLiteral("The enrollment helper refused the command (%1). Reinstall "
                                   "the package so that the application and its helper match, "
                                   "and try again.")
                        .arg(output.mid(refusal.size())));
    }
    return executionError(status, output.isEmpty() ? QStringLiteral("The command exited with a "
                                                                    "non-zero status.")
                                                   : output);
}

HostAnswer PkexecHost::run(const QString &script) const
{
    const auto commandLine = PrivilegedCommand::commandLineFromScript(script);
    if (!commandLine) {
        return {1, "syntax error: only do shell script \"…\" with administrator privileges is "
                   "supported (-2741)\n"};
    }
    // Before any prompt: a prompt for a helper that is not there helps nobody.
    const QFileInfo helper(m_helper);
    if (!helper.isFile() || !helper.isExecutable()) {
        return executionError(127, QStringLiteral("The enrollment helper is missing at %1. "
                                                  "Reinstall the package and try again.")
                                       .arg(m_helper));
    }

    QProcess pkexec;
    pkexec.setProgram(m_pkexec);
    pkexec.setArguments({m_helper});
    pkexec.setStandardOutputFile(QProcess::nullDevice());
    pkexec.start();
    if (!pkexec.waitForStarted(-1)) {
        return executionError(
            127, QStringLiteral("%1 could not be started (%2), so administrator rights cannot be "
                                "requested. Install polkit's pkexec package and try again.")
                     .arg(m_pkexec, pkexec.errorString()));
    }
    pkexec.write(commandLine->toUtf8());
    pkexec.closeWriteChannel();
    const HostAnswer answer = HostProcess::finish(pkexec);
    return answerFor(answer.exitStatus, answer.errorOutput);
}
