// The errors of the configure command. ConfigureError carries raw facts only;
// its description is the one place where they are worded for the user.
#pragma once

#include "agent/hostoutcome.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <exception>
#include <optional>
#include <stdexcept>
#include <variant>

class ConfigureError : public std::exception
{
    Q_DECLARE_TR_FUNCTIONS(ConfigureError)

public:
    // The system scripting host exited non-zero; a dismissed prompt included.
    using OsascriptFailed = HostOutcome::ScriptFailed;
    // The agent is missing or not executable by the user.
    struct BinaryMissing
    {
        QString path;
    };
    // A value that cannot reach the agent whole; nothing was started.
    struct ValueUnsendable
    {
        enum class Field { Token, BaseURL, UpnOverride };
        enum class Why {
            HoldsNul, // it would end the value early
            TooLong,  // the system would refuse the agent's arguments
        };
        Field field;
        Why why;
    };
    // The application's folder has a name that is not UTF-8, so the agent
    // beside it cannot be named.
    struct FolderUnnamed
    {};
    using Reason = std::variant<OsascriptFailed, BinaryMissing, HostOutcome::CommandFailed,
                                HostOutcome::PromptDismissed, HostOutcome::NotAuthorized,
                                HostOutcome::PromptUnavailable, ValueUnsendable, FolderUnnamed>;

    explicit ConfigureError(Reason reason);
    static ConfigureError binaryMissing(const QString &path);
    // The error a host's outcome amounts to; none for success.
    static std::optional<ConfigureError> fromHost(const HostOutcome::Outcome &outcome);

    // The text the failure panel shows. The system scripting host's failures
    // read exactly as on macOS, and so does a missing agent there; the texts
    // of the other failures are translated when the error is made. What a host or the agent wrote
    // stands in them verbatim.
    QString errorDescription() const;
    // The same text, UTF-8.
    const char *what() const noexcept override;

private:
    Reason m_reason;
    QString m_description;
    QByteArray m_what;
};

// The privileged host could not be started; the message is the platform's.
class HostLaunchError : public std::runtime_error
{
public:
    explicit HostLaunchError(const QString &message);
};
