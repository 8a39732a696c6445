#include "ownprocess/ownprocess.h"

// What differs by platform is in ownprocess_<platform>.cpp, chosen by CMake.

namespace OwnProcess {

std::string pathFromLink(std::string_view link, bool linkIsThisFile)
{
    constexpr std::string_view replaced = " (deleted)";
    if (!linkIsThisFile && link.size() >= replaced.size() &&
        link.substr(link.size() - replaced.size()) == replaced) {
        link.remove_suffix(replaced.size());
    }
    return std::string(link);
}

} // namespace OwnProcess
