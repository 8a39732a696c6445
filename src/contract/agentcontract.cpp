#include "contract/agentcontract.h"

#include "ownprocess/pathparts.h"

namespace AgentContract {

std::optional<std::string_view> instanceSuffix(std::string_view applicationName)
{
    const std::string_view stem = PathParts::withoutExtension(applicationName);
    if (stem.substr(0, applicationPrefix.size()) != applicationPrefix) {
        return std::nullopt;
    }
    return stem.substr(applicationPrefix.size());
}

} // namespace AgentContract
