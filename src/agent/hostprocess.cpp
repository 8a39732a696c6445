#include "hostprocess.h"

#include "strictutf8.h"

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

Finished finish(QProcess &process)
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

    Finished finished;
    finished.errorOutput = decodeUtf8Strictly(keptStart(errorOutput)).value_or(QString()).trimmed();
    // A crash's exit code is the signal's number.
    finished.termination = {process.exitStatus() == QProcess::CrashExit, process.exitCode()};
    return finished;
}

} // namespace HostProcess
