#include "application.h"

#include "agentinterface.h"
#include "backgroundjobs.h"
#include "contentview.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

// The form holds the token: a crash must not write it to a core file, and
// other processes of the user must not read it from this one's memory.
void keepMemoryPrivate()
{
#ifdef Q_OS_UNIX
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
#endif
#ifdef Q_OS_LINUX
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
}

} // namespace

namespace OvataAgentConfiguratorApp {

int main(int argc, char *argv[])
{
    keepMemoryPrivate();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OvataAgentConfigurator"));
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.ovata.AgentConfigurator"));
    Translations::install(app, QLocale());

    int status = 0;
    {
        ContentView window(std::make_shared<SystemAgent>());
        window.setWindowTitle(ContentView::tr("Ovata Device Agent — Configuration"));
        window.show();
        status = QApplication::exec();
    }
    // A configure run outlives a closed window: its outcome is applied here,
    // on this thread, and the process ends only once nothing runs.
    BackgroundJobs::waitForAll();
    return status;
}

} // namespace OvataAgentConfiguratorApp
