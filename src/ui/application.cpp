#include "application.h"

#include "agentinterface.h"
#include "contentview.h"

#include <QApplication>

namespace OvataAgentConfiguratorApp {

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OvataAgentConfigurator"));

    ContentView window(std::make_shared<SystemAgent>());
    window.setWindowTitle(ContentView::tr("Ovata Device Agent — Configuration"));
    window.show();
    return QApplication::exec();
}

} // namespace OvataAgentConfiguratorApp
