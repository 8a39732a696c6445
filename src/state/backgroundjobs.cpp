#include "backgroundjobs.h"

#include <QCoreApplication>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

std::mutex mutex;
std::condition_variable ended;
int running = 0;

} // namespace

namespace BackgroundJobs {

void start(Job job)
{
    {
        const std::lock_guard lock(mutex);
        ++running;
    }
    try {
        std::thread([job = std::move(job)]() mutable {
            job();
            job = nullptr; // whatever it held goes before it counts as ended
            const std::lock_guard lock(mutex);
            --running;
            ended.notify_all();
        }).detach();
    } catch (...) {
        const std::lock_guard lock(mutex);
        --running;
        throw;
    }
}

void waitForAll()
{
    for (;;) {
        QCoreApplication::processEvents();
        std::unique_lock lock(mutex);
        if (running == 0) {
            break;
        }
        ended.wait_for(lock, std::chrono::milliseconds(20));
    }
    // The outcome a job posted just before it ended.
    QCoreApplication::processEvents();
}

} // namespace BackgroundJobs
