// Keeps the start of a child's error output and drops the rest, so a child
// that floods its error stream costs no memory, and reads it while the child
// runs, so a full pipe never stalls the child or the wait.
#pragma once

#include <QByteArray>

#include <optional>

class QProcess;
class QString;

class BoundedCapture
{
public:
    static constexpr qsizetype defaultLimit = 64 * 1024;

    explicit BoundedCapture(qsizetype limit = defaultLimit);

    void append(const QByteArray &chunk);
    // What was kept; when the output was cut, the cut falls on a UTF-8
    // character boundary.
    QByteArray bytes() const;
    bool truncated() const { return m_truncated; }

private:
    qsizetype m_limit;
    QByteArray m_data;
    bool m_truncated = false;
};

// Waits until the started process has exited, capturing its error output.
void captureStandardErrorUntilExit(QProcess &process, BoundedCapture &capture);

// The bytes as UTF-8, or nothing when they are not valid UTF-8.
std::optional<QString> decodeUtf8Strictly(const QByteArray &bytes);
