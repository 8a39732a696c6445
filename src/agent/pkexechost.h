// The privileged host where the system has no scripting host: polkit's
// pkexec runs our root helper, and the command line travels on the helper's
// standard input, never on an argument list, so it reaches neither the
// system log, nor the authentication dialog, nor other users' process
// listings. Its answers read as the system scripting host's do, so the
// configure command's texts are the same everywhere.
#pragma once

#include "privilegedhost.h"

class PkexecHost final : public PrivilegedHost
{
public:
    // The helper is named on pkexec's command line and nothing else is.
    PkexecHost(QString pkexecProgram, QString helperProgram);

    // The script must be of the one form privilegedScript writes.
    HostAnswer run(const QString &script) const override;

    // Words pkexec's outcome as the scripting host would: a dismissed dialog
    // is "User canceled. (-128)"; a failure a user can act on says what to
    // do; anything else carries the trimmed error output and the status.
    static HostAnswer answerFor(int status, const QByteArray &errorOutput);

private:
    QString m_pkexec;
    QString m_helper;
};
