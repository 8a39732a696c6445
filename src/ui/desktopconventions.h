// What the desktop the window runs on expects of it, where the platforms
// differ. Facts, not behaviour: the window reads them, tests inject either.
#pragma once

#include <QtGlobal>

struct DesktopConventions
{
    // Return on a focused push button presses that button, as in KDE, GNOME
    // and Qt's dialogs; on macOS Return always means the default button.
    bool returnPressesFocusedButton = true;
    // The window calls this computer a Mac.
    bool computerIsAMac = false;

    static constexpr DesktopConventions macOS() { return {false, true}; }
    static constexpr DesktopConventions freedesktop() { return {true, false}; }
    static constexpr DesktopConventions system()
    {
#ifdef Q_OS_MACOS
        return macOS();
#else
        return freedesktop();
#endif
    }
};
