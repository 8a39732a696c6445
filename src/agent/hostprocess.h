// Waiting for a privileged host: its error output is read while it runs, so
// a full pipe never stalls it, and only the start is kept, so a flood costs
// no memory. Its standard output is never wanted.
#pragma once

#include "privilegedhost.h"

#include <QByteArray>

#include <optional>

class QProcess;
class QString;

namespace HostProcess {

inline constexpr qsizetype errorOutputLimit = 64 * 1024;

// The first `limit` bytes, cut back to a UTF-8 character boundary.
QByteArray keptStart(const QByteArray &bytes, qsizetype limit = errorOutputLimit);

// Waits for the started process to exit and gives its answer. Its standard
// output must already go to the null device.
HostAnswer finish(QProcess &process);

// The bytes as UTF-8, or nothing when they are not valid UTF-8, an
// unfinished sequence at the end included.
std::optional<QString> decodeUtf8Strictly(const QByteArray &bytes);

} // namespace HostProcess
