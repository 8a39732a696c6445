#include "state/configstate.h"

#include "agent/configureerror.h"
#include "agent/contractstrings.h"
#include "state/agentinterface.h"

#include <system_error>

namespace {

ConfigState::Phase configureOutcome(const AgentInterface &agent, const QString &token,
                                    const QString &baseURL, const QString &upnOverride)
{
    try {
        agent.configure(token, baseURL, upnOverride);
        return ConfigState::Success{};
    } catch (const ConfigureError &error) {
        return ConfigState::Failure{error.errorDescription()};
    } catch (const std::exception &error) {
        return ConfigState::Failure{QString::fromUtf8(error.what())};
    } catch (...) {
        return ConfigState::Failure{ConfigState::tr("The configuration command failed.")};
    }
}

} // namespace

std::shared_ptr<ConfigState> ConfigState::create(std::shared_ptr<const AgentInterface> agent,
                                                 BackgroundJobs::Starter startJob)
{
    return std::make_shared<ConfigState>(Key(), std::move(agent), std::move(startJob));
}

ConfigState::ConfigState(Key, std::shared_ptr<const AgentInterface> agent,
                         BackgroundJobs::Starter startJob)
    : m_agent(std::move(agent))
    , m_startJob(std::move(startJob))
    , m_baseURL(AgentContract::latin1(AgentContract::defaultCloudServiceUrl))
{}

ConfigState::~ConfigState()
{
    *m_probeCancelled = true;
}

void ConfigState::setPhase(const Phase &phase)
{
    Q_EMIT objectWillChange();
    m_phase = phase;
}

void ConfigState::setToken(const QString &token)
{
    Q_EMIT objectWillChange();
    m_token = token;
}

void ConfigState::setBaseURL(const QString &baseURL)
{
    Q_EMIT objectWillChange();
    m_baseURL = baseURL;
}

void ConfigState::setUpnOverride(const QString &upnOverride)
{
    Q_EMIT objectWillChange();
    m_upnOverride = upnOverride;
}

void ConfigState::probe()
{
    auto job = [weak = weak_from_this(), agent = m_agent, cancelled = m_probeCancelled] {
        const bool configured = agent->hasConfig(*cancelled);
        BackgroundJobs::post([weak, configured] {
            if (const auto self = weak.lock()) {
                self->setPhase(configured ? Phase(AlreadyConfigured{}) : Form{});
            }
        });
    };
    m_probeStarted = true;
    try {
        m_startJob(std::move(job));
    } catch (const std::system_error &) {
        setPhase(Form{}); // as for any probe that cannot run
    }
}

void ConfigState::submit()
{
    if (std::holds_alternative<Submitting>(m_phase)) {
        return;
    }
    const QString token = m_token.trimmed();
    QString baseURL = m_baseURL.trimmed();
    if (baseURL.isEmpty()) {
        baseURL = AgentContract::latin1(AgentContract::defaultCloudServiceUrl);
    }
    const QString upnOverride = m_upnOverride.trimmed();

    if (token.isEmpty()) {
        setPhase(Failure{tr("Enrollment token is required.")});
        return;
    }
    setPhase(Submitting{});
    try {
        m_startJob(
            [self = shared_from_this(), agent = m_agent, token, baseURL, upnOverride]() mutable {
                postPhase(std::move(self), configureOutcome(*agent, token, baseURL, upnOverride));
            });
    } catch (const std::system_error &error) {
        setPhase(Failure{tr("The configuration could not be started: %1")
                             .arg(QString::fromLocal8Bit(error.what()))});
    }
}

void ConfigState::reconfigure()
{
    setToken(QString());
    setUpnOverride(QString());
    setPhase(Form{});
}

void ConfigState::postPhase(std::shared_ptr<ConfigState> &&state, Phase phase)
{
    BackgroundJobs::post(
        [state = std::move(state), phase = std::move(phase)] { state->setPhase(phase); });
}
