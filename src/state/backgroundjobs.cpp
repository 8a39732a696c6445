#include "state/backgroundjobs.h"

#include <QCoreApplication>

#include <condition_variable>
#include <list>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Every job's thread, owned here and joined before the application object
// and this file's statics go: a thread left running could still post to
// the one or lock the other.
class Threads
{
public:
    Threads() = default;
    Threads(const Threads &) = delete;
    Threads &operator=(const Threads &) = delete;
    ~Threads() { joinAll(); }

    void start(BackgroundJobs::Job job)
    {
        const std::lock_guard lock(m_mutex);
        joinEnded();
        Thread &entry = m_threads.emplace_back();
        try {
            entry.thread = std::thread([this, &entry, job = std::move(job)]() mutable {
                job();
                job = nullptr; // whatever it held goes before it counts as ended
                const std::lock_guard endLock(m_mutex);
                entry.ended = true;
                m_ended.notify_all();
            });
        } catch (...) {
            m_threads.pop_back();
            throw;
        }
    }

    // Waits for the running jobs, `between` each look, until none is left.
    template<class Between>
    void waitForAll(Between between)
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            joinEnded();
            if (m_threads.empty()) {
                return;
            }
            lock.unlock();
            between();
            lock.lock();
            m_ended.wait_for(lock, std::chrono::milliseconds(20));
        }
    }

    void joinAll()
    {
        waitForAll([] {});
    }

private:
    struct Thread
    {
        std::thread thread;
        bool ended = false;
    };

    // With m_mutex held. An ended thread has only to return, so the join is
    // short.
    void joinEnded()
    {
        for (auto it = m_threads.begin(); it != m_threads.end();) {
            if (it->ended) {
                it->thread.join();
                it = m_threads.erase(it);
            } else {
                ++it;
            }
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_ended;
    std::list<Thread> m_threads;
};

Threads &threads()
{
    static Threads instance;
    return instance;
}

// What jobs posted before the application object existed. The flag, not
// QCoreApplication::instance(), says whether it exists yet: the pointer is
// written on the interface thread without a lock.
struct Held
{
    std::mutex mutex;
    bool released = false;
    std::vector<std::function<void()>> posts;
};

Held &held()
{
    static Held instance;
    return instance;
}

void postNow(std::function<void()> apply)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(apply), Qt::QueuedConnection);
}

void releaseHeld()
{
    const std::lock_guard lock(held().mutex);
    held().released = true;
    for (auto &apply : held().posts) {
        postNow(std::move(apply));
    }
    held().posts.clear();
}

} // namespace

// Run as each application object is constructed.
Q_COREAPP_STARTUP_FUNCTION(releaseHeld)

namespace BackgroundJobs {

void start(Job job)
{
    // Before the application object goes, as a job may post to it. Qt calls
    // these routines first thing in its destructor.
    static const bool joinedWithApplication = [] {
        qAddPostRoutine([] { threads().joinAll(); });
        return true;
    }();
    Q_UNUSED(joinedWithApplication);
    threads().start(std::move(job));
}

void post(std::function<void()> apply)
{
    const std::lock_guard lock(held().mutex);
    if (held().released) {
        postNow(std::move(apply));
    } else {
        held().posts.push_back(std::move(apply));
    }
}

void waitForAll()
{
    threads().waitForAll([] { QCoreApplication::processEvents(); });
    // What the last of them posted as it ended, delivered directly: a pass of
    // the event loop need not reach it.
    QCoreApplication::sendPostedEvents();
}

} // namespace BackgroundJobs
