// The contract's words as Qt strings.
#pragma once

#include "contract/agentcontract.h"

#include <QLatin1String>

namespace AgentContract {

constexpr QLatin1String latin1(std::string_view word)
{
    return QLatin1String(word.data(), qsizetype(word.size()));
}

} // namespace AgentContract
