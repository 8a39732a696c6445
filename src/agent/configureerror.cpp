#include "agent/configureerror.h"

#include "agent/contractstrings.h"
#include "contract/agentcontract.h"

#include <algorithm>

namespace {

template<class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template<class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

QString orNoErrorOutput(const QString &output, const QString &none)
{
    return output.isEmpty() ? none : output;
}

QString fieldName(ConfigureError::ValueUnsendable::Field field)
{
    using Field = ConfigureError::ValueUnsendable::Field;
    switch (field) {
    case Field::Token:
        return ConfigureError::tr("The enrollment token");
    case Field::BaseURL:
        return ConfigureError::tr("The cloud service URL");
    case Field::UpnOverride:
        return ConfigureError::tr("The user UPN override");
    }
    return {};
}

QString unavailable(const HostOutcome::PromptUnavailable &why)
{
    using Why = HostOutcome::PromptUnavailable::Why;
    // pkexec's own words follow ours, for whoever has to mend it.
    const auto withDetail = [&why](const QString &text) {
        return why.detail.isEmpty() ? text : text + QLatin1String("\n\n") + why.detail;
    };
    switch (why.why) {
    case Why::NoAuthenticationAgent:
        return withDetail(
            ConfigureError::tr("The administrator prompt cannot be shown, because no polkit "
                               "authentication agent is running. Log in to a desktop session, or "
                               "start a polkit authentication agent, and try again."));
    case Why::PolkitUnreachable:
        return withDetail(
            ConfigureError::tr("Administrator rights cannot be requested, because the polkit "
                               "service cannot be reached (no system bus or no polkit daemon is "
                               "running). Start the system's polkit service and try again."));
    case Why::PkexecNotSetuid:
        return withDetail(
            ConfigureError::tr("Administrator rights cannot be requested, because pkexec is not "
                               "setuid root. Reinstall polkit's pkexec package and try again."));
    case Why::PkexecMissing:
        return ConfigureError::tr(
                   "Administrator rights cannot be requested, because pkexec cannot be started "
                   "(%1). Install polkit's pkexec package and try again.")
            .arg(why.detail);
    case Why::HelperMissing:
        return ConfigureError::tr(
                   "The enrollment helper is missing at %1. Reinstall the package and try again.")
            .arg(why.detail);
    case Why::HelperRefused:
        return ConfigureError::tr(
                   "The enrollment helper refused to run the agent: %1. Reinstall the package so "
                   "that the application, its helper and the agent match, and try again.")
            .arg(why.detail);
    case Why::HelperBusy:
        return ConfigureError::tr("Another enrollment of this computer is under way. Wait until "
                                  "it has ended, then try again.");
    }
    return {};
}

QString describe(const ConfigureError::Reason &reason)
{
    using namespace HostOutcome;
    return std::visit(
        Overloaded{
            [](const ConfigureError::BinaryMissing &missing) {
                // macOS has always shown these very words.
                if constexpr (OVATA_MACOS_WORDING) {
                    return QLatin1String("Agent binary not found at ") + missing.path +
                           QLatin1String(". Re-install the package and try again.");
                }
                return ConfigureError::tr(
                           "Agent binary not found at %1. Re-install the package and try again.")
                    .arg(missing.path);
            },
            [](const ConfigureError::OsascriptFailed &failed) {
                const QString &output = failed.standardError;
                const bool canceled =
                    failed.cancelMarked ||
                    std::any_of(HostOutcome::scriptCancelMarks.begin(),
                                HostOutcome::scriptCancelMarks.end(), [&](std::string_view mark) {
                                    return output.contains(AgentContract::latin1(mark));
                                });
                if (canceled) {
                    return QStringLiteral("Authorization canceled.");
                }
                return QLatin1String("Configuration command failed:\n") +
                       orNoErrorOutput(output, QStringLiteral("(no error output)"));
            },
            [](const CommandFailed &failed) {
                QString text =
                    ConfigureError::tr("Configuration command failed:\n") +
                    orNoErrorOutput(failed.errorOutput, ConfigureError::tr("(no error output)"));
                if (failed.termination.bySignal) {
                    text += u'\n' + ConfigureError::tr("The agent was stopped by signal %1.")
                                        .arg(failed.termination.number);
                }
                return text;
            },
            [](const PromptDismissed &) { return ConfigureError::tr("Authorization canceled."); },
            [](const NotAuthorized &) {
                return ConfigureError::tr(
                    "Administrator approval was not given: the prompt was canceled, the "
                    "password was not accepted, or this account may not enroll this "
                    "computer. Try again, or ask an administrator to enroll it.");
            },
            [](const PromptUnavailable &why) { return unavailable(why); },
            [](const ConfigureError::ValueUnsendable &value) {
                if (value.why == ConfigureError::ValueUnsendable::Why::HoldsNul) {
                    return ConfigureError::tr(
                               "%1 contains a NUL character (U+0000), which cannot be passed to "
                               "the agent. Remove it and try again.")
                        .arg(fieldName(value.field));
                }
                return ConfigureError::tr(
                           "%1 is too long to be passed to the agent: all values together may "
                           "hold at most %2 KiB. Shorten it and try again.")
                    .arg(fieldName(value.field))
                    .arg((AgentContract::maxCommandLineBytes + 1) / 1024);
            },
            [](const ConfigureError::FolderUnnamed &) {
                return ConfigureError::tr(
                    "The application's folder has a name that is not valid UTF-8, so the "
                    "agent beside it cannot be named. Install the application in a folder "
                    "with a UTF-8 name and try again.");
            },
        },
        reason);
}

} // namespace

ConfigureError::ConfigureError(Reason reason)
    : m_reason(std::move(reason))
    , m_description(describe(m_reason))
    , m_what(m_description.toUtf8())
{}

ConfigureError ConfigureError::binaryMissing(const QString &path)
{
    return ConfigureError(BinaryMissing{path});
}

std::optional<ConfigureError> ConfigureError::fromHost(const HostOutcome::Outcome &outcome)
{
    return std::visit(
        [](const auto &value) -> std::optional<ConfigureError> {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, HostOutcome::Succeeded>) {
                return std::nullopt;
            } else {
                return ConfigureError(value);
            }
        },
        outcome);
}

QString ConfigureError::errorDescription() const
{
    return m_description;
}

const char *ConfigureError::what() const noexcept
{
    return m_what.constData();
}

HostLaunchError::HostLaunchError(const QString &message)
    : std::runtime_error(message.toStdString())
{}
