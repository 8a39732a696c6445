// Helpers for the polkit test, run as its test users:
//   polkitdriver configure <application path>
//       one configure of $OVATA_TOKEN, $OVATA_URL and $OVATA_UPN (off the
//       argument list, as the window holds them) through the real pkexec and
//       the helper beside the application; prints "saved" or the failure text
//   polkitdriver listen-log <socket path>
//       binds a datagram socket there and prints every message it receives
//   polkitdriver scan <milliseconds>
//       reads every other /proc/*/cmdline for that long; prints a line
//       "<ms> <pid> <name>" each time a process's arguments hold
//       $OVATA_FRAGMENT
#include "agentplatform.h"
#include "configurecommand.h"
#include "configureerror.h"
#include "pkexechost.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <cstdio>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

int configure(const QStringList &args)
{
    AgentPlatform platform;
    const QString application = args.at(0);
    platform.bundleLocation = [application] { return application; };
    platform.privilegedHost = std::make_shared<PkexecHost>(
        QStringLiteral("/usr/bin/pkexec"),
        QFileInfo(application).absolutePath() + QLatin1String("/ovata-enroll-helper"));
    QTextStream out(stdout);
    try {
        runConfigure(platform, qEnvironmentVariable("OVATA_TOKEN"),
                     qEnvironmentVariable("OVATA_URL"), qEnvironmentVariable("OVATA_UPN"));
        out << "saved\n";
        return 0;
    } catch (const std::exception &error) {
        out << QString::fromUtf8(error.what()) << '\n'; // a ConfigureError's is its description
    }
    return 1;
}

int listenLog(const QString &path)
{
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        std::perror("bind");
        return 1;
    }
    chmod(name.constData(), 0666);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    char buffer[65536];
    for (;;) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            std::fwrite(buffer, 1, size_t(n), stdout);
            std::fputc('\n', stdout);
        }
    }
}

int scan(const QByteArray &fragment, int milliseconds)
{
    QTextStream out(stdout);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile cmdline(QLatin1String("/proc/") + pid + QLatin1String("/cmdline"));
            QFile comm(QLatin1String("/proc/") + pid + QLatin1String("/comm"));
            if (pid.toLongLong() > 0 && pid.toLongLong() != QCoreApplication::applicationPid() &&
                cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(fragment) &&
                comm.open(QIODevice::ReadOnly)) {
                out << clock.elapsed() << ' ' << pid << ' ' << comm.readAll().trimmed() << '\n';
            }
        }
        QThread::msleep(20);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString mode = args.isEmpty() ? QString() : args.takeFirst();
    if (mode == QLatin1String("configure") && args.size() == 1) {
        return configure(args);
    }
    if (mode == QLatin1String("listen-log") && args.size() == 1) {
        return listenLog(args.at(0));
    }
    if (mode == QLatin1String("scan") && args.size() == 1) {
        return scan(qgetenv("OVATA_FRAGMENT"), args.at(0).toInt());
    }
    QTextStream(stderr) << "usage: see the head of polkitdriver.cpp\n";
    return 2;
}
