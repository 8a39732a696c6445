#include "ui/application.h"

#include "agent/hostprocess.h"
#include "ownprocess/ownprocess.h"
#include "state/agentinterface.h"
#include "state/backgroundjobs.h"
#include "ui/contentview.h"
#include "ui/translations.h"
#include "ui/windowwatch.h"

#include <QApplication>
#include <QLocale>

#include <cstdlib>

namespace OvataAgentConfiguratorApp {

int main(int argc, char *argv[])
{
    // The form holds the token.
    OwnProcess::keepMemoryPrivate();
    // Where the desktop has it so, the agent is asked first thing: it
    // answers while the toolkit starts.
    const DesktopConventions conventions = DesktopConventions::system();
    auto state = ConfigState::create(std::make_shared<SystemAgent>());
    if (conventions.probesBeforeShown) {
        state->probe();
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OvataAgentConfigurator"));
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.ovata.AgentConfigurator"));
    Translations::install(app, QLocale());

    int status = 0;
    bool runUnderWay = false;
    {
        // The window holds the state alone: the probe stops as both go.
        ContentView window(std::move(state), &ContentView::quitApplication, conventions);
        // A slow agent: the checking indicator shows, as it would anyway.
        window.showWhenProbed(100);
        window.winId();
        WindowWatch::quitWhenDestroyed(window);
        status = QApplication::exec();
        runUnderWay = std::holds_alternative<ConfigState::Submitting>(window.state().phase());
    }
    if (runUnderWay) {
        // Closed a second time, or destroyed, while saving: no window is left
        // to show the outcome, so the run ends with the application. A prompt
        // still open goes with pkexec; an agent already running as root gets
        // SIGTERM from pkexec's parent-death signal as this process ends.
        HostProcess::endRunning();
        std::_Exit(status);
    }
    // The probe stops with its window; its end is applied here, on this
    // thread, and the process ends only once nothing runs.
    BackgroundJobs::waitForAll();
    return status;
}

} // namespace OvataAgentConfiguratorApp
