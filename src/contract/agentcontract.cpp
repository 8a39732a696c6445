#include "agentcontract.h"

namespace AgentContract {

std::optional<std::string_view> instanceSuffix(std::string_view applicationName)
{
    const std::size_t dot = applicationName.rfind('.');
    const std::string_view stem =
        dot != std::string_view::npos && dot > 0 ? applicationName.substr(0, dot) : applicationName;
    if (stem.substr(0, applicationPrefix.size()) != applicationPrefix) {
        return std::nullopt;
    }
    return stem.substr(applicationPrefix.size());
}

} // namespace AgentContract
