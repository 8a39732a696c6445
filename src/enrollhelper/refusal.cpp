#include "enrollhelper/refusal.h"

#include "contract/agentcontract.h"

#include <cstdio>

std::string describe(const Refusal &refusal)
{
    const std::string &what = refusal.subject;
    const std::string &detail = refusal.detail;
    const std::string agent(AgentContract::agentStem);
    switch (refusal.reason) {
    case Refusal::Reason::NotRoot:
        return "the helper runs the agent as root only, not as user " + detail;
    case Refusal::Reason::NoOwnFile:
        return "the helper cannot name its own file";
    case Refusal::Reason::InputTimeout:
        return "the command line did not arrive within " + detail + " seconds";
    case Refusal::Reason::InputUnreadable:
        return "cannot read the command line: " + detail;
    case Refusal::Reason::CallerGone:
        return "the program that asked for the enrollment has ended";
    case Refusal::Reason::AgentBusy:
        return std::string(AgentContract::busyReason);
    case Refusal::Reason::CannotPrepare:
        return "cannot prepare the agent's process: " + detail;
    case Refusal::Reason::CannotStart:
        return what + " cannot be started: " + detail;
    case Refusal::Reason::Internal:
        return "internal error: " + detail;
    case Refusal::Reason::LineTooLong:
        return "the command line is longer than " +
               std::to_string(AgentContract::maxCommandLineBytes) + " bytes";
    case Refusal::Reason::NulByte:
        return "the command line holds a NUL byte";
    case Refusal::Reason::NoQuotedPath:
        return "the command line does not start with the agent's quoted path";
    case Refusal::Reason::ExpectedFlag:
        return "expected " + what + " as word " + detail;
    case Refusal::Reason::ExpectedValue:
        return "expected one single-quoted value after " + what;
    case Refusal::Reason::TrailingText:
        return "unexpected text after the last word";
    case Refusal::Reason::NotAnAgentHere:
        return "the program is not an " + agent + " in " + what;
    case Refusal::Reason::NotAbsolute:
        return what + " is not an absolute path";
    case Refusal::Reason::NoConfiguratorBeside:
        return "no " + std::string(AgentContract::applicationPrefix) + " beside " + what +
               " drives it";
    case Refusal::Reason::CannotExamine:
        return what + " cannot be examined: " + detail;
    case Refusal::Reason::SymbolicLink:
        return what + " is a symbolic link";
    case Refusal::Reason::NotExecutableFile:
        return what + " is not an executable file";
    case Refusal::Reason::WrongOwner:
        return what + " is owned by user " + detail + ", not by the helper's owner";
    case Refusal::Reason::WritableByOthers:
        return what + " may be changed by users other than its owner";
    case Refusal::Reason::NotAFolder:
        return what + " is not a folder";
    case Refusal::Reason::FolderWrongOwner:
        return what + " is owned by user " + detail;
    case Refusal::Reason::FolderLetsOthersReplace:
        return what + " lets other users replace " + detail;
    }
    return "refused";
}

int report(const Refusal &refusal)
{
    const std::string line = std::string(AgentContract::refusalPrefix) + describe(refusal) + '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    return AgentContract::refusedStatus;
}
