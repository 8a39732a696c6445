// Errors of the configure command. ConfigureError carries raw facts only; its
// description is the one place where they are worded for the user.
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <stdexcept>
#include <variant>

class ConfigureError : public std::exception
{
public:
    // The scripting host exited non-zero; a dismissed prompt included.
    struct OsascriptFailed
    {
        qint32 code;
        QString standardError; // decoded and trimmed, may be empty
    };
    // The agent is missing or not executable by the user.
    struct BinaryMissing
    {
        QString path;
    };
    using Reason = std::variant<OsascriptFailed, BinaryMissing>;

    static ConfigureError osascriptFailed(qint32 code, const QString &standardError);
    static ConfigureError binaryMissing(const QString &path);

    const Reason &reason() const { return m_reason; }

    // The text the failure panel shows.
    QString errorDescription() const;
    // The same text, UTF-8.
    const char *what() const noexcept override;

private:
    explicit ConfigureError(Reason reason);

    Reason m_reason;
    QByteArray m_what;
};

// Errors that carry a finished message of their own, shown as it stands.
class MessageError : public std::runtime_error
{
public:
    explicit MessageError(const QString &message);
    QString message() const;
};

// The scripting host could not be started; the message is the platform's.
class HostLaunchError : public MessageError
{
public:
    using MessageError::MessageError;
};

// A value that cannot travel as a process argument (it holds U+0000, which
// would cut it short without a word).
class UnsendableValueError : public MessageError
{
public:
    using MessageError::MessageError;
};
