// Text from bytes that must be UTF-8 (a host's error output, a file path):
// anything else gives nothing rather than a lossy text.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Nothing when the bytes are not valid UTF-8, an unfinished sequence at the
// end included.
std::optional<QString> decodeUtf8Strictly(const QByteArray &bytes);
