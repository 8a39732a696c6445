// What a process of ours knows of itself, for the application, its root
// helper and the stand-in agent alike. Plain C++.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace OwnProcess {

// The running executable's path from the kernel's link to it. A program
// replaced by rename while it runs (a package upgrade) is linked as
// "<path> (deleted)"; the path is where its new version lies, unless the
// file really is named so (`linkIsThisFile`).
std::string pathFromLink(std::string_view link, bool linkIsThisFile);

// The running executable's path, as raw bytes; nothing when it cannot be
// read. Read afresh each time, safe from any thread.
std::optional<std::string> executablePath();

// The process holds secrets (the token): a crash writes no core file, and
// other processes of the same user cannot read its memory.
void keepMemoryPrivate();

} // namespace OwnProcess
