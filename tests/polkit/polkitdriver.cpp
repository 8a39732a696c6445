// One configure through the real pkexec and the helper beside the
// application, for the polkit test, run as its test users:
//   polkitdriver <application path>
// The values come from $OVATA_TOKEN, $OVATA_URL and $OVATA_UPN, off the
// argument list, as the window holds them. Prints "saved" or the failure
// text the window would show.
#include "agent/agentplatform.h"
#include "agent/configurecommand.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: polkitdriver <application path>\n";
        return 2;
    }
    // The system's pkexec and the helper beside this driver, which lies in
    // the installed folder, for the application named.
    AgentPlatform platform = AgentPlatform::system();
    const QString application = QCoreApplication::arguments().at(1);
    platform.bundleLocation = [application] { return application; };
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
