// The platform's privileged host: it runs one script as root after the
// system's administrator prompt. It reports only what happened; turning that
// into ConfigureError and its texts is the configure command's job, the same
// on every platform.
#pragma once

#include <QByteArray>
#include <QString>

// The host's exit status (never 0 for a failure; a host killed by a signal
// reports 128 + the signal) and its error output, raw and bounded.
struct HostAnswer
{
    int exitStatus = 0;
    QByteArray errorOutput;
};

class PrivilegedHost
{
public:
    virtual ~PrivilegedHost();

    // Blocks until the run has ended, prompt and agent included. Throws
    // HostLaunchError when the host itself cannot be started.
    virtual HostAnswer run(const QString &script) const = 0;
};

// The system scripting host, started with "-e" and the script.
class OsascriptHost final : public PrivilegedHost
{
public:
    explicit OsascriptHost(QString program = QStringLiteral("/usr/bin/osascript"));
    HostAnswer run(const QString &script) const override;

private:
    QString m_program;
};
