// The root helper's parser and trust check, under libFuzzer. Every input
// ends in a verdict; a line the parser accepts, quoted again word by word,
// is the same line, and its words are the agent's path and the seven words
// in their order.
#include "contract/agentcontract.h"
#include "enrollhelper/enrollcommand.h"
#include "ownprocess/pathparts.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

constexpr std::string_view folder = "/opt/ovata";

std::string quoted(const std::string &word)
{
    std::string out = "'";
    for (const char c : word) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const auto verdict = EnrollCommand::parse(input, folder);
    if (const auto *accepted = std::get_if<EnrollCommand::Accepted>(&verdict)) {
        const auto words = accepted->arguments();
        const std::string again = quoted(words[0]) + ' ' + words[1] + ' ' + words[2] + ' ' +
                                  quoted(words[3]) + ' ' + words[4] + ' ' + quoted(words[5]) + ' ' +
                                  words[6] + ' ' + quoted(words[7]);
        if (again != input || words.size() != 8 || words[0] != accepted->agentPath ||
            words[1] != AgentContract::configureFlag || words[2] != AgentContract::tokenFlag ||
            words[4] != AgentContract::baseUrlFlag || words[6] != AgentContract::upnOverrideFlag ||
            PathParts::directory(words[0]) != folder) {
            std::abort();
        }
    }
    // The trust check ends for any path, relative, absolute or odd.
    if (input.find('\0') == std::string::npos) {
        (void)EnrollCommand::untrustedAgent(input, getuid());
        (void)EnrollCommand::untrustedAgent("/" + input, getuid());
        (void)EnrollCommand::check(input, "/" + input.substr(0, input.find('/')), getuid());
    }
    return 0;
}
