// The privileged host on Linux: polkit's pkexec runs our root helper, and
// the command line travels on the helper's standard input, never on an
// argument list, so it reaches neither the system log, nor the
// authentication dialog, nor other users' process listings.
#pragma once

#include "agent/privilegedhost.h"

class PkexecHost final : public PrivilegedHost
{
public:
    // The helper is named on pkexec's command line and nothing else is.
    PkexecHost(QString pkexecProgram, QString helperProgram);

    HostOutcome::Outcome run(const QString &commandLine) const override;

    // What pkexec's end and error output mean: its own conditions (a
    // dismissed or refused prompt, no way to prompt), the helper's refusal,
    // or else the agent's own end.
    static HostOutcome::Outcome outcomeFor(HostOutcome::Termination termination,
                                           const QString &errorOutput);

private:
    QString m_pkexec;
    QString m_helper;
};
