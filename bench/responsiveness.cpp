// The window during a configure run against an agent that floods: how far
// apart the interface thread's 16 ms ticks fall, and how much memory the
// process takes, against the same window idle on its form.
//   responsiveness <stand-in agent> <pkexec> <helper> <agent|host>
// "agent": the stand-in floods 200 MB to its error stream through the host,
// then runs 3 s. "host": the host itself floods the application that way.
// Prints "<idle gap ms> <run gap ms> <idle RSS KiB> <run peak RSS KiB> <outcome>".
#include "agent/osascripthost.h"
#include "agent/pkexechost.h"
#include "state/agentinterface.h"
#include "state/configstate.h"
#include "ui/contentview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

long statusKiB(const QByteArray &field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(field.size()).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

bool resetPeakRss()
{
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

// Ticks every 16 ms until done() holds (or for a fixed time), keeping the
// largest gap and the highest resident memory seen.
struct Ticks
{
    double largestGapMs = 0;
    long highestRssKiB = 0;

    void runUntil(const std::function<bool()> &done)
    {
        QEventLoop loop;
        QTimer timer;
        QElapsedTimer clock;
        clock.start();
        qint64 last = clock.nsecsElapsed();
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            const qint64 now = clock.nsecsElapsed();
            largestGapMs = std::max(largestGapMs, double(now - last) / 1e6);
            last = now;
            highestRssKiB = std::max(highestRssKiB, statusKiB("VmRSS:"));
            if (done()) {
                loop.quit();
            }
        });
        timer.start(16);
        loop.exec();
    }
};

template<typename T>
bool phaseIs(const ConfigState &state)
{
    return std::holds_alternative<T>(state.phase());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fputs("usage: responsiveness <stand-in agent> <pkexec> <helper> <agent|host>\n",
                   stderr);
        return 2;
    }
    const QString agent = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString pkexec = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const bool hostFloods = qstrcmp(argv[4], "host") == 0;

    QTemporaryDir dir;
    const QString bundle = dir.filePath(u"OvataAgentConfigurator"_s);
    QFile::copy(agent, dir.filePath(u"OvataDeviceAgent"_s)); // the helper runs no link
    QDir(dir.path()).mkdir(u"OvataDeviceAgent.state"_s);
    AgentPlatform platform;
    platform.bundleLocation = [bundle] { return bundle; };
    if (hostFloods) {
        const QString host = dir.filePath(u"host"_s);
        QFile script(host);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nhead -c 209715200 /dev/zero | tr '\\0' x >&2\nsleep 3\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        platform.privilegedHost = std::make_shared<OsascriptHost>(host);
    } else {
        // The helper runs only an agent in its own folder, beside the
        // application it was installed with; any program stands in for that.
        const QString helper = dir.filePath(u"ovata-enroll-helper"_s);
        QFile::copy(QString::fromLocal8Bit(argv[3]), helper);
        QFile::copy(agent, bundle);
        QFile control(dir.filePath(u"OvataDeviceAgent.state/control"_s));
        control.open(QIODevice::WriteOnly);
        control.write("configure flood-stderr 209715200\nconfigure sleep 3000\n");
        platform.privilegedHost = std::make_shared<PkexecHost>(pkexec, helper);
    }

    ContentView view(std::make_shared<SystemAgent>(platform), [] {});
    view.show();
    ConfigState &state = view.state();

    Ticks().runUntil([&] { return phaseIs<ConfigState::Form>(state); });
    QElapsedTimer idleClock;
    idleClock.start();
    Ticks idle;
    idle.runUntil([&] { return idleClock.elapsed() > 1000; });

    const bool hwm = resetPeakRss();
    state.setToken(u"bench-token"_s);
    state.submit();
    Ticks run;
    run.runUntil([&] {
        return phaseIs<ConfigState::Success>(state) || phaseIs<ConfigState::Failure>(state);
    });
    const long runPeak = hwm ? std::max(statusKiB("VmHWM:"), run.highestRssKiB) : run.highestRssKiB;
    std::printf("%.2f %.2f %ld %ld %s\n", idle.largestGapMs, run.largestGapMs, idle.highestRssKiB,
                runPeak, phaseIs<ConfigState::Success>(state) ? "success" : "failure");
    const ConfigState::Phase outcome = state.phase();
    if (const auto *failure = std::get_if<ConfigState::Failure>(&outcome)) {
        std::fprintf(stderr, "%s\n", qPrintable(failure->message.left(200)));
    }
    return 0;
}
