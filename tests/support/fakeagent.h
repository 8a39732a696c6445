// An agent whose answers a test sets, which notes every call and can hold a
// configure run until the test lets it go. Called from worker threads.
#pragma once

#include "agent/configureerror.h" // what a test has configure throw
#include "state/agentinterface.h"

#include <QMutex>
#include <QSemaphore>
#include <QStringList>

#include <functional>

class FakeAgent final : public AgentInterface
{
public:
    bool hasConfig(const std::atomic_bool &) const override
    {
        const QMutexLocker lock(&m_mutex);
        ++m_probes;
        return m_configured;
    }
    void configure(const QString &token, const QString &baseURL,
                   const QString &upnOverride) const override
    {
        m_mutex.lock();
        m_configureCalls.append(QStringList{token, baseURL, upnOverride});
        m_mutex.unlock();
        if (m_holdConfigure) {
            m_release.acquire();
        }
        if (m_failure) {
            m_failure();
        }
    }

    void setConfigured(bool configured) { m_configured = configured; }
    // Called by configure; it throws what the run should.
    void setFailure(std::function<void()> failure) { m_failure = std::move(failure); }
    void holdConfigure() { m_holdConfigure = true; }
    void release() const { m_release.release(); }

    int probes() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_probes;
    }
    QList<QStringList> configureCalls() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_configureCalls;
    }

private:
    bool m_configured = false;
    bool m_holdConfigure = false;
    std::function<void()> m_failure;
    mutable QSemaphore m_release;
    mutable QMutex m_mutex;
    mutable int m_probes = 0;
    mutable QList<QStringList> m_configureCalls;
};
