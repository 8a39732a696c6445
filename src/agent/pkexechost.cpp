#include "agent/pkexechost.h"

#include "agent/contractstrings.h"
#include "agent/hostprocess.h"

#include <QFileInfo>
#include <QProcess>

using HostOutcome::PromptUnavailable;

PkexecHost::PkexecHost(QString pkexecProgram, QString helperProgram)
    : m_pkexec(std::move(pkexecProgram))
    , m_helper(std::move(helperProgram))
{}

HostOutcome::Outcome PkexecHost::outcomeFor(HostOutcome::Termination termination,
                                            const QString &errorOutput)
{
    if (termination.succeeded()) {
        return HostOutcome::Succeeded{};
    }
    // pkexec's own failures are 126 and 127 with its words; the agent may
    // end so too, with other words.
    const auto exited = [&termination](int status) {
        return !termination.bySignal && termination.number == status;
    };
    const QLatin1String pkexecSays("Error executing command as another user: ");
    const auto unavailable = [&](PromptUnavailable::Why why) {
        return PromptUnavailable{why, errorOutput};
    };
    if (exited(126) && errorOutput.startsWith(pkexecSays + QLatin1String("Request dismissed"))) {
        return HostOutcome::PromptDismissed{};
    }
    if (exited(127) && errorOutput.startsWith(pkexecSays + QLatin1String("Not authorized"))) {
        return HostOutcome::NotAuthorized{};
    }
    if (exited(127) &&
        (errorOutput.startsWith(pkexecSays + QLatin1String("No authentication agent found")) ||
         errorOutput.startsWith(QLatin1String("Error creating textual authentication agent")))) {
        return unavailable(PromptUnavailable::Why::NoAuthenticationAgent);
    }
    if (exited(127) && errorOutput.startsWith(QLatin1String("Error getting authority"))) {
        return unavailable(PromptUnavailable::Why::PolkitUnreachable);
    }
    if (exited(127) && errorOutput.startsWith(QLatin1String("pkexec must be setuid root"))) {
        return unavailable(PromptUnavailable::Why::PkexecNotSetuid);
    }
    const QLatin1String refusal = AgentContract::latin1(AgentContract::refusalPrefix);
    if (exited(AgentContract::refusedStatus) && errorOutput.startsWith(refusal) &&
        !errorOutput.contains(u'\n')) {
        const QString reason = errorOutput.mid(refusal.size());
        if (reason == AgentContract::latin1(AgentContract::busyReason)) {
            return PromptUnavailable{PromptUnavailable::Why::HelperBusy, {}};
        }
        return PromptUnavailable{PromptUnavailable::Why::HelperRefused, reason};
    }
    return HostOutcome::CommandFailed{termination, errorOutput};
}

HostOutcome::Outcome PkexecHost::run(const QString &commandLine) const
{
    // Before any prompt: a prompt for a helper that is not there helps nobody.
    const QFileInfo helper(m_helper);
    if (!helper.isFile() || !helper.isExecutable()) {
        return PromptUnavailable{PromptUnavailable::Why::HelperMissing, m_helper};
    }

    QProcess pkexec;
    pkexec.setProgram(m_pkexec);
    pkexec.setArguments({m_helper});
    pkexec.setStandardOutputFile(QProcess::nullDevice());
    pkexec.start();
    if (!pkexec.waitForStarted(-1)) {
        return PromptUnavailable{PromptUnavailable::Why::PkexecMissing,
                                 m_pkexec + QLatin1String(": ") + pkexec.errorString()};
    }
    pkexec.write(commandLine.toUtf8());
    pkexec.closeWriteChannel();
    const HostProcess::Finished finished = HostProcess::finish(pkexec);
    return outcomeFor(finished.termination, finished.errorOutput);
}
