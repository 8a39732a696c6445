#include "enrollhelper/enrollcommand.h"

#include "contract/agentcontract.h"
#include "ownprocess/pathparts.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

using Reason = Refusal::Reason;

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

bool writableByOthers(const struct stat &info)
{
    return (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

bool trustedOwner(const struct stat &info, uid_t owner)
{
    return info.st_uid == 0 || info.st_uid == owner;
}

Refusal examineFailed(const std::string &path)
{
    return {Reason::CannotExamine, path, std::strerror(errno)};
}

// The file itself: what an installer puts there and nobody else can change.
std::optional<Refusal> untrustedFile(const std::string &path, uid_t owner)
{
    struct stat info
    {};
    if (lstat(path.c_str(), &info) != 0) {
        return examineFailed(path);
    }
    if (S_ISLNK(info.st_mode)) {
        return Refusal{Reason::SymbolicLink, path};
    }
    if (!S_ISREG(info.st_mode) || (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0) {
        return Refusal{Reason::NotExecutableFile, path};
    }
    if (info.st_uid != owner) {
        return Refusal{Reason::WrongOwner, path, std::to_string(info.st_uid)};
    }
    if (writableByOthers(info)) {
        return Refusal{Reason::WritableByOthers, path};
    }
    return std::nullopt;
}

// From the root down: nobody else may rename or replace anything on the way.
// A folder others may write to is refused before what lies below it, so each
// clause decides on its own.
std::optional<Refusal> untrustedFolders(const std::string &path, uid_t owner)
{
    std::vector<std::string> chain{path};
    while (chain.back() != "/") {
        chain.emplace_back(PathParts::directory(chain.back()));
    }
    for (std::size_t i = chain.size() - 1; i > 0; --i) {
        const std::string &folder = chain[i];
        const std::string &entry = chain[i - 1];
        struct stat info
        {};
        struct stat entryInfo
        {};
        if (lstat(folder.c_str(), &info) != 0) {
            return examineFailed(folder);
        }
        if (!S_ISDIR(info.st_mode)) {
            return Refusal{Reason::NotAFolder, folder};
        }
        if (!trustedOwner(info, owner)) {
            return Refusal{Reason::FolderWrongOwner, folder, std::to_string(info.st_uid)};
        }
        if (lstat(entry.c_str(), &entryInfo) != 0) {
            return examineFailed(entry);
        }
        if (writableByOthers(info) &&
            ((info.st_mode & S_ISVTX) == 0 || !trustedOwner(entryInfo, owner))) {
            return Refusal{Reason::FolderLetsOthersReplace, folder, entry};
        }
    }
    return std::nullopt;
}

// A configurator beside the agent that drives exactly it, and is as
// trustworthy as the agent.
bool hasConfigurator(const std::string &agentPath, uid_t owner)
{
    const std::string folder(PathParts::directory(agentPath));
    std::string_view suffix = PathParts::lastComponent(agentPath);
    if (!suffix.starts_with(AgentContract::agentStem)) {
        return false; // no configurator's name maps to another program's
    }
    suffix.remove_prefix(AgentContract::agentStem.size());
    const std::unique_ptr<DIR, int (*)(DIR *)> entries(opendir(folder.c_str()), closedir);
    if (!entries) {
        return false;
    }
    while (const dirent *entry = readdir(entries.get())) {
        const std::string_view name = entry->d_name;
        if (AgentContract::instanceSuffix(name) == suffix &&
            !untrustedFile(folder + '/' + std::string(name), owner)) {
            return true;
        }
    }
    return false;
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
        return Refusal{Reason::LineTooLong};
    }
    if (line.find('\0') != std::string_view::npos) {
        return Refusal{Reason::NulByte};
    }
    Accepted accepted;
    const auto agentPath = takeQuotedWord(line);
    if (!agentPath) {
        return Refusal{Reason::NoQuotedPath};
    }
    accepted.agentPath = *agentPath;
    constexpr std::array<std::string_view, 4> flags{
        AgentContract::configureFlag, AgentContract::tokenFlag, AgentContract::baseUrlFlag,
        AgentContract::upnOverrideFlag};
    for (std::size_t n = 0; n < flags.size(); ++n) {
        if (!takeLiteral(line, " ") || !takeLiteral(line, flags[n])) {
            // The path is word 1, --configure word 2, then a flag and its value each.
            return Refusal{Reason::ExpectedFlag, std::string(flags[n]),
                           std::to_string(n == 0 ? 2 : 2 * n + 1)};
        }
        if (n == 0) {
            continue; // --configure takes no value
        }
        std::optional<std::string> value;
        if (!takeLiteral(line, " ") || !(value = takeQuotedWord(line))) {
            return Refusal{Reason::ExpectedValue, std::string(flags[n])};
        }
        accepted.values[n - 1] = std::move(*value);
    }
    if (!line.empty()) {
        return Refusal{Reason::TrailingText};
    }
    // Named exactly: no trailing slash for the splitting to pass over.
    if (helperDirectory.empty() || accepted.agentPath.ends_with('/') ||
        PathParts::directory(accepted.agentPath) != helperDirectory ||
        PathParts::lastComponent(accepted.agentPath).substr(0, AgentContract::agentStem.size()) !=
            AgentContract::agentStem) {
        return Refusal{Reason::NotAnAgentHere, std::string(helperDirectory)};
    }
    return accepted;
}

std::optional<Refusal> untrustedAgent(const std::string &agentPath, uid_t owner)
{
    if (agentPath.empty() || agentPath.front() != '/') {
        return Refusal{Reason::NotAbsolute, agentPath};
    }
    if (auto refusal = untrustedFile(agentPath, owner)) {
        return refusal;
    }
    if (!hasConfigurator(agentPath, owner)) {
        return Refusal{Reason::NoConfiguratorBeside, agentPath};
    }
    return untrustedFolders(agentPath, owner);
}

Verdict check(std::string_view line, std::string_view helperDirectory, uid_t trustedOwner)
{
    if (helperDirectory.empty() || helperDirectory.front() != '/') {
        return Refusal{Reason::NotAbsolute, std::string(helperDirectory)};
    }
    Verdict verdict = parse(line, helperDirectory);
    if (const auto *accepted = std::get_if<Accepted>(&verdict)) {
        if (auto refusal = untrustedAgent(accepted->agentPath, trustedOwner)) {
            return *refusal;
        }
    }
    return verdict;
}

} // namespace EnrollCommand
