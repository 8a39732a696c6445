// Asks the agent whether it already holds a configuration.
#pragma once

#include <atomic>

struct AgentPlatform;

// True only when the agent, run with "--has-config", exits with status 0.
// Every failure (missing, not startable, non-zero, killed, not done within
// the platform's probe timeout) is false, silently. Blocks the caller; once
// `cancelled` is set the agent is stopped and the answer is false.
bool agentHasConfig(const AgentPlatform &platform, const std::atomic_bool *cancelled = nullptr);
