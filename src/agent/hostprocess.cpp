#include "agent/hostprocess.h"

#include "agent/strictutf8.h"

#include <QProcess>

#include <algorithm>
#include <csignal>
#include <mutex>
#include <set>

namespace {

std::mutex runningMutex;
std::set<qint64> running; // the hosts finish() waits for

// A host on the list for as long as it is waited for.
class Registered
{
public:
    explicit Registered(qint64 pid)
        : m_pid(pid)
    {
        const std::lock_guard lock(runningMutex);
        running.insert(m_pid);
    }
    ~Registered()
    {
        const std::lock_guard lock(runningMutex);
        running.erase(m_pid);
    }
    Registered(const Registered &) = delete;
    Registered &operator=(const Registered &) = delete;

private:
    qint64 m_pid;
};

constexpr qsizetype errorOutputLimit = 64 * 1024;

// The first `errorOutputLimit` bytes, cut back to a character boundary.
QByteArray keptStart(const QByteArray &bytes)
{
    if (bytes.size() <= errorOutputLimit) {
        return bytes;
    }
    qsizetype end = errorOutputLimit;
    // Back up over continuation bytes to the start of the cut character.
    while (end > 0 && (static_cast<unsigned char>(bytes.at(end)) & 0xC0) == 0x80) {
        --end;
    }
    return bytes.left(end);
}

} // namespace

namespace HostProcess {

Finished finish(QProcess &process, std::span<const std::string_view> marks)
{
    const Registered registered(process.processId());
    QByteArray errorOutput;
    bool markSeen = false;
    qsizetype longestMark = 0;
    for (const std::string_view mark : marks) {
        longestMark = std::max(longestMark, qsizetype(mark.size()));
    }
    QByteArray carried; // what may begin a mark the next chunk ends
    const auto keep = [&] {
        const QByteArray chunk = process.readAllStandardError();
        if (!markSeen && longestMark > 0) {
            const QByteArray window = carried + chunk;
            for (const std::string_view mark : marks) {
                markSeen = markSeen ||
                           window.contains(QByteArrayView(mark.data(), qsizetype(mark.size())));
            }
            carried = window.right(longestMark - 1);
        }
        // One byte past the limit tells keptStart whether a character was cut.
        errorOutput.append(chunk.left(errorOutputLimit + 1 - errorOutput.size()));
    };
    process.setReadChannel(QProcess::StandardError);
    while (process.state() != QProcess::NotRunning) {
        if (!process.waitForReadyRead(-1) && process.state() != QProcess::NotRunning) {
            // The child closed its error stream but lives on.
            process.waitForFinished(50);
        }
        keep();
    }
    keep();

    Finished finished;
    finished.markSeen = markSeen;
    finished.errorOutput = decodeUtf8Strictly(keptStart(errorOutput)).value_or(QString()).trimmed();
    // A crash's exit code is the signal's number.
    finished.termination = {process.exitStatus() == QProcess::CrashExit, process.exitCode()};
    return finished;
}

void endRunning()
{
    const std::lock_guard lock(runningMutex);
    for (const qint64 pid : running) {
        ::kill(static_cast<pid_t>(pid), SIGTERM);
    }
}

} // namespace HostProcess
