#include "ownprocess/ownprocess.h"

#include <sys/resource.h>

namespace OwnProcess {

std::optional<std::string> executablePath()
{
    return std::nullopt; // the application asks Qt for its bundle instead
}

void keepMemoryPrivate()
{
    // No core file; reading a process's memory is the system's own to guard.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
}

} // namespace OwnProcess
