// Runs one configure through the real scripting host and pkexec, for the
// polkit test: polkitdriver <host> <application path> <token> <url> <upn>.
// Prints "saved" or the failure text, as the window would show it.
#include "agentplatform.h"
#include "configurecommand.h"
#include "configureerror.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6) {
        QTextStream(stderr) << "usage: polkitdriver <host> <application> <token> <url> <upn>\n";
        return 2;
    }
    AgentPlatform platform;
    platform.scriptHost = args.at(1);
    const QString application = args.at(2);
    platform.bundleLocation = [application] { return application; };

    QTextStream out(stdout);
    try {
        runConfigure(platform, args.at(3), args.at(4), args.at(5));
        out << "saved\n";
        return 0;
    } catch (const ConfigureError &error) {
        out << error.errorDescription() << '\n';
    } catch (const std::exception &error) {
        out << QString::fromUtf8(error.what()) << '\n';
    }
    return 1;
}
