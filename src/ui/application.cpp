#include "application.h"

#include "agentinterface.h"
#include "backgroundjobs.h"
#include "contentview.h"
#include "ownprocess.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>

namespace OvataAgentConfiguratorApp {

int main(int argc, char *argv[])
{
    // The form holds the token.
    OwnProcess::keepMemoryPrivate();
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
