// What the probe adds to the agent's own run: the same stand-in agent run
// by a bare spawn and wait, and by the probe, alternately.
//   probecost <stand-in agent> [calls]
// prints "<median bare ms> <median probe ms>".
#include "agent/agentplatform.h"
#include "agent/agentprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// posix_spawn and waitpid with both streams on the null device: the
// least any caller could spend.
void runBare(const QByteArray &agent)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char flag[] = "--has-config";
    QByteArray program = agent;
    char *arguments[] = {program.data(), flag, nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, agent.constData(), &actions, nullptr, arguments, environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: probecost <stand-in agent> [calls]\n", stderr);
        return 2;
    }
    const int calls = argc > 2 ? std::atoi(argv[2]) : 200;
    QTemporaryDir dir;
    const QString bundle = dir.filePath(QStringLiteral("OvataAgentConfigurator"));
    const QString agent = dir.filePath(QStringLiteral("OvataDeviceAgent"));
    QFile::copy(QString::fromLocal8Bit(argv[1]), agent);
    QDir(dir.path()).mkdir(QStringLiteral("OvataDeviceAgent.state"));
    AgentPlatform platform;
    platform.bundleLocation = [bundle] { return bundle; };

    std::vector<double> bare;
    std::vector<double> probe;
    QElapsedTimer clock;
    for (int i = 0; i < calls; ++i) {
        clock.start();
        runBare(QFile::encodeName(agent));
        bare.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.start();
        agentHasConfig(platform);
        probe.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("%.3f %.3f\n", median(bare), median(probe));
    return 0;
}
