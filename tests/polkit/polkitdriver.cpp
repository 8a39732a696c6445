// One configure through the real pkexec and the helper beside the
// application, for the polkit test, run as its test users:
//   polkitdriver <application path>
// The values come from $OVATA_TOKEN, $OVATA_URL and $OVATA_UPN, off the
// argument list, as the window holds them. Prints "saved" or the failure
// text the window would show.
#include "agentplatform.h"
#include "configurecommand.h"
#include "pkexechost.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: polkitdriver <application path>\n";
        return 2;
    }
    AgentPlatform platform;
    const QString application = QCoreApplication::arguments().at(1);
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
