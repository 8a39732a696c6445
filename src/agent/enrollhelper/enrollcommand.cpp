#include "enrollcommand.h"

#include "enrollcontract.h"

#include <array>
#include <optional>

#include <sys/stat.h>

namespace {

constexpr std::string_view agentStem = "OvataDeviceAgent";
constexpr std::string_view escapedQuote = "\\''";

// Reads one word in the form '…' with every ' inside written as '\'' and
// moves `line` past it; nothing when the line does not start with one.
std::optional<std::string> takeQuotedWord(std::string_view &line)
{
    if (line.empty() || line.front() != '\'') {
        return std::nullopt;
    }
    std::string word;
    std::size_t i = 1;
    for (;;) {
        const std::size_t quote = line.find('\'', i);
        if (quote == std::string_view::npos) {
            return std::nullopt;
        }
        word.append(line.substr(i, quote - i));
        if (line.substr(quote + 1, escapedQuote.size()) == escapedQuote) {
            word.push_back('\'');
            i = quote + 1 + escapedQuote.size();
            continue;
        }
        line.remove_prefix(quote + 1);
        return word;
    }
}

bool takeLiteral(std::string_view &line, std::string_view literal)
{
    if (line.substr(0, literal.size()) != literal) {
        return false;
    }
    line.remove_prefix(literal.size());
    return true;
}

EnrollCommand::Refused refused(std::string reason)
{
    return {std::move(reason)};
}

} // namespace

namespace EnrollCommand {

std::variant<Accepted, Refused> check(std::string_view line, std::string_view helperDirectory)
{
    if (line.size() > EnrollContract::maxCommandLineBytes) {
        return refused("the command line is longer than " +
                       std::to_string(EnrollContract::maxCommandLineBytes) + " bytes");
    }
    if (line.find('\0') != std::string_view::npos) {
        return refused("the command line holds a NUL byte");
    }
    const auto agentPath = takeQuotedWord(line);
    if (!agentPath) {
        return refused("the command line does not start with the agent's quoted path");
    }
    constexpr std::array<std::string_view, 4> flags{"--configure", "--token", "--base-url",
                                                    "--upn-override"};
    for (std::size_t n = 0; n < flags.size(); ++n) {
        if (!takeLiteral(line, " ") || !takeLiteral(line, flags[n])) {
            return refused("expected " + std::string(flags[n]) + " as word " +
                           std::to_string(2 * n + 2));
        }
        if (n == 0) {
            continue; // --configure takes no value
        }
        if (!takeLiteral(line, " ") || !takeQuotedWord(line)) {
            return refused("expected one single-quoted value after " + std::string(flags[n]));
        }
    }
    if (!line.empty()) {
        return refused("unexpected text after the last word");
    }

    const std::size_t slash = agentPath->rfind('/');
    const std::string_view directory = slash == std::string::npos
                                           ? std::string_view()
                                           : std::string_view(*agentPath).substr(0, slash);
    const std::string_view name =
        std::string_view(*agentPath).substr(slash == std::string::npos ? 0 : slash + 1);
    if (directory != helperDirectory || name.substr(0, agentStem.size()) != agentStem) {
        return refused("the program is not an " + std::string(agentStem) + " in " +
                       std::string(helperDirectory));
    }
    struct stat info
    {};
    if (stat(agentPath->c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0) {
        return refused(*agentPath + " is not an executable file");
    }
    return Accepted{*agentPath};
}

} // namespace EnrollCommand
