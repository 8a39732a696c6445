// The window's one state object: its phase and the three form values. Every
// write notifies observers first and then stores, equal values included.
// Touched only on the interface thread; background work gets copies and
// hands its outcome back through the event loop.
#pragma once

#include "state/backgroundjobs.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <variant>

class AgentInterface;

class ConfigState : public QObject, public std::enable_shared_from_this<ConfigState>
{
    Q_OBJECT

    struct Key
    {
        explicit Key() = default;
    };

public:
    struct Checking
    {};
    struct AlreadyConfigured
    {};
    struct Form
    {};
    struct Submitting
    {};
    struct Success
    {};
    struct Failure
    {
        QString message; // shown verbatim
    };
    using Phase = std::variant<Checking, AlreadyConfigured, Form, Submitting, Success, Failure>;

    // Phase checking, empty token and override, the default service URL.
    // Nothing is started. Background jobs share ownership, hence shared_ptr.
    static std::shared_ptr<ConfigState>
    create(std::shared_ptr<const AgentInterface> agent,
           BackgroundJobs::Starter startJob = &BackgroundJobs::start);
    ConfigState(Key, std::shared_ptr<const AgentInterface> agent, BackgroundJobs::Starter startJob);
    ~ConfigState() override;

    Phase phase() const { return m_phase; }
    QString token() const { return m_token; }
    QString baseURL() const { return m_baseURL; }
    QString upnOverride() const { return m_upnOverride; }

    void setPhase(const Phase &phase);
    void setToken(const QString &token);
    void setBaseURL(const QString &baseURL);
    void setUpnOverride(const QString &upnOverride);

    // Asks the agent off the interface thread whether it is enrolled and then
    // sets alreadyConfigured or form, whatever the phase is by then. Only
    // the state's owner waits for the answer: when the state goes first, the
    // agent is stopped. It may start before the application object exists:
    // the answer is applied once it does.
    void probe();
    bool probeStarted() const { return m_probeStarted; }

    // Trims copies of the values (the fields keep what was typed), refuses a
    // blank token, else goes to submitting and configures in the background;
    // the outcome arrives as success or failure. Does nothing while a run is
    // under way: there is at most one.
    void submit();

    // Empties the token and the override and returns to the form; the
    // service URL stays.
    void reconfigure();

Q_SIGNALS:
    // Sent before every store.
    void objectWillChange();

private:
    // Hands a phase computed on a worker back to the interface thread. The
    // task takes over the worker's reference, so the object is released
    // there and never on the worker.
    static void postPhase(std::shared_ptr<ConfigState> &&state, Phase phase);

    std::shared_ptr<const AgentInterface> m_agent;
    BackgroundJobs::Starter m_startJob;
    bool m_probeStarted = false;
    std::shared_ptr<std::atomic_bool> m_probeCancelled = std::make_shared<std::atomic_bool>(false);
    Phase m_phase = Checking{};
    QString m_token;
    QString m_baseURL;
    QString m_upnOverride;
};
