// The application: one window, titled, showing one ContentView that drives
// the installed agent.
#pragma once

namespace OvataAgentConfiguratorApp {

// Runs the application to its end and returns its exit status.
int main(int argc, char *argv[]);

} // namespace OvataAgentConfiguratorApp
