#include "ui/application.h"

int main(int argc, char *argv[])
{
    return OvataAgentConfiguratorApp::main(argc, argv);
}
