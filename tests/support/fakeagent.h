// An agent whose answers a test sets, and which notes every call. Called from
// worker threads.
#pragma once

#include "agent/configureerror.h" // what a test has configure throw
#include "state/agentinterface.h"

#include <QMutex>
#include <QStringList>

#include <functional>

class FakeAgent final : public AgentInterface
{
public:
    bool hasConfig(const std::atomic_bool &) const override { return m_configured; }
    void configure(const QString &token, const QString &baseURL,
                   const QString &upnOverride) const override
    {
        m_mutex.lock();
        m_configureCalls.append(QStringList{token, baseURL, upnOverride});
        m_mutex.unlock();
        if (m_failure) {
            m_failure();
        }
    }

    void setConfigured(bool configured) { m_configured = configured; }
    // Called by configure once the call is noted; it throws what the run
    // should, or holds the run until the test lets it go.
    void setFailure(std::function<void()> failure) { m_failure = std::move(failure); }

    QList<QStringList> configureCalls() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_configureCalls;
    }

private:
    bool m_configured = false;
    std::function<void()> m_failure;
    mutable QMutex m_mutex;
    mutable QList<QStringList> m_configureCalls;
};
