#include "hostprocess.h"

#include <QProcess>

namespace {

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

HostAnswer finish(QProcess &process)
{
    QByteArray errorOutput;
    const auto keep = [&] {
        const QByteArray chunk = process.readAllStandardError();
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

    HostAnswer answer;
    answer.errorOutput = keptStart(errorOutput);
    if (process.exitStatus() == QProcess::CrashExit) {
        answer.exitStatus = 128 + process.exitCode(); // as a shell reports it
    } else {
        answer.exitStatus = process.exitCode();
    }
    return answer;
}

} // namespace HostProcess
