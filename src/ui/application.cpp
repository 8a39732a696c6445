#include "application.h"

#include "agentinterface.h"
#include "contentview.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>

namespace OvataAgentConfiguratorApp {

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OvataAgentConfigurator"));
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.ovata.AgentConfigurator"));
    Translations::install(app, QLocale());

    ContentView window(std::make_shared<SystemAgent>());
    window.setWindowTitle(ContentView::tr("Ovata Device Agent — Configuration"));
    window.show();
    return QApplication::exec();
}

} // namespace OvataAgentConfiguratorApp
