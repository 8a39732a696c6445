// Why the root helper runs nothing: a code for each reason, with the path or
// detail it concerns, worded in one place. Tests compare codes.
#pragma once

#include <string>

struct Refusal
{
    enum class Reason {
        // The helper's own conditions.
        NotRoot,
        NoOwnFile,
        InputTimeout,
        InputUnreadable,
        CallerGone,
        AgentBusy,
        CannotPrepare,
        CannotStart,
        Internal,
        // The command line.
        LineTooLong,
        NulByte,
        NoQuotedPath,
        ExpectedFlag,
        ExpectedValue,
        TrailingText,
        NotAnAgentHere,
        // The agent and what lies on its path.
        NotAbsolute,
        NoConfiguratorBeside,
        CannotExamine,
        SymbolicLink,
        NotExecutableFile,
        WrongOwner,
        WritableByOthers,
        NotAFolder,
        FolderWrongOwner,
        FolderLetsOthersReplace,
    };

    Reason reason;
    std::string subject = {}; // the path, flag or folder concerned
    std::string detail = {};  // a user id, an error's words
};

// The one line the helper prints after its prefix.
std::string describe(const Refusal &refusal);

// Prints the refusal as the helper's one line on standard error; returns the
// helper's status for it.
int report(const Refusal &refusal);
