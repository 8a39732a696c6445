#include "enrollcommand.h"

#include "agentcontract.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include <sys/stat.h>

namespace {

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

bool writableByOthers(const struct stat &info)
{
    return (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

bool trustedOwner(const struct stat &info, uid_t owner)
{
    return info.st_uid == 0 || info.st_uid == owner;
}

std::string parentOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

namespace EnrollCommand {

std::vector<std::string> Accepted::arguments() const
{
    return {agentPath,
            std::string(AgentContract::configureFlag),
            std::string(AgentContract::tokenFlag),
            values[0],
            std::string(AgentContract::baseUrlFlag),
            values[1],
            std::string(AgentContract::upnOverrideFlag),
            values[2]};
}

Verdict parse(std::string_view line, std::string_view helperDirectory)
{
    if (line.size() > AgentContract::maxCommandLineBytes) {
        return refused("the command line is longer than " +
                       std::to_string(AgentContract::maxCommandLineBytes) + " bytes");
    }
    if (line.find('\0') != std::string_view::npos) {
        return refused("the command line holds a NUL byte");
    }
    Accepted accepted;
    const auto agentPath = takeQuotedWord(line);
    if (!agentPath) {
        return refused("the command line does not start with the agent's quoted path");
    }
    accepted.agentPath = *agentPath;
    constexpr std::array<std::string_view, 4> flags{
        AgentContract::configureFlag, AgentContract::tokenFlag, AgentContract::baseUrlFlag,
        AgentContract::upnOverrideFlag};
    for (std::size_t n = 0; n < flags.size(); ++n) {
        if (!takeLiteral(line, " ") || !takeLiteral(line, flags[n])) {
            // The path is word 1, --configure word 2, then a flag and its value each.
            return refused("expected " + std::string(flags[n]) + " as word " +
                           std::to_string(n == 0 ? 2 : 2 * n + 1));
        }
        if (n == 0) {
            continue; // --configure takes no value
        }
        std::optional<std::string> value;
        if (!takeLiteral(line, " ") || !(value = takeQuotedWord(line))) {
            return refused("expected one single-quoted value after " + std::string(flags[n]));
        }
        accepted.values[n - 1] = std::move(*value);
    }
    if (!line.empty()) {
        return refused("unexpected text after the last word");
    }

    const std::size_t slash = accepted.agentPath.rfind('/');
    const std::string_view path(accepted.agentPath);
    const std::string_view directory =
        slash == std::string::npos ? std::string_view() : path.substr(0, slash);
    const std::string_view name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (helperDirectory.empty() || directory != helperDirectory ||
        name.substr(0, AgentContract::agentStem.size()) != AgentContract::agentStem) {
        return refused("the program is not an " + std::string(AgentContract::agentStem) + " in " +
                       (helperDirectory.empty() ? std::string("the helper's own folder")
                                                : std::string(helperDirectory)));
    }
    return accepted;
}

std::optional<Refused> untrustedAgent(const std::string &agentPath, uid_t owner)
{
    struct stat info
    {};
    if (lstat(agentPath.c_str(), &info) != 0) {
        return refused(agentPath + " cannot be examined: " + std::strerror(errno));
    }
    if (S_ISLNK(info.st_mode)) {
        return refused(agentPath + " is a symbolic link");
    }
    if (!S_ISREG(info.st_mode) || (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0) {
        return refused(agentPath + " is not an executable file");
    }
    if (info.st_uid != owner) {
        return refused(agentPath + " is owned by user " + std::to_string(info.st_uid) +
                       ", not by the helper's owner " + std::to_string(owner));
    }
    if (writableByOthers(info)) {
        return refused(agentPath + " may be changed by users other than its owner");
    }
    // Up to the root: nobody else may rename or replace anything on the way.
    std::string entry = agentPath;
    struct stat entryInfo = info;
    do {
        const std::string folder = parentOf(entry);
        if (lstat(folder.c_str(), &info) != 0) {
            return refused(folder + " cannot be examined: " + std::strerror(errno));
        }
        if (!S_ISDIR(info.st_mode)) {
            return refused(folder + " is not a folder");
        }
        if (!trustedOwner(info, owner)) {
            return refused(folder + " is owned by user " + std::to_string(info.st_uid));
        }
        if (writableByOthers(info) &&
            ((info.st_mode & S_ISVTX) == 0 || !trustedOwner(entryInfo, owner))) {
            return refused(folder + " lets other users replace " + entry);
        }
        entry = folder;
        entryInfo = info;
    } while (entry != "/");
    return std::nullopt;
}

Verdict check(std::string_view line, std::string_view helperDirectory, uid_t trustedOwner)
{
    Verdict verdict = parse(line, helperDirectory);
    if (const auto *accepted = std::get_if<Accepted>(&verdict)) {
        if (auto refusal = untrustedAgent(accepted->agentPath, trustedOwner)) {
            return *refusal;
        }
    }
    return verdict;
}

} // namespace EnrollCommand
