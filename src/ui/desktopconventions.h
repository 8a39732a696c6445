// What the desktop the window runs on expects of it, where the platforms
// differ. Facts, not behaviour: the window reads them, tests inject either.
// system() is defined once per platform, in the file the build picks.
#pragma once

struct DesktopConventions
{
    // Return on a focused push button presses that button, and the focused
    // button is drawn as the default, as in KDE, GNOME and Qt's dialogs; on
    // macOS Return always means the default button.
    bool returnPressesFocusedButton = true;
    // The window calls this computer a Mac.
    bool computerIsAMac = false;
    // Labels and buttons carry Alt+letter access keys, and Alt with a letter
    // never types into a field (AltGr still does). On macOS Option types.
    bool accessKeys = true;
    // The window widens beyond its width where a large font needs it.
    bool widensForLargeFonts = true;
    // The start-up probe starts first thing, before the toolkit and the
    // window, not once the window is shown.
    bool probesBeforeShown = true;
    // A second close ends a command already running as root; through the
    // system scripting host such a command may outlive the application.
    bool secondCloseEndsRootRun = true;
    // Escape does what the panel's Cancel, Quit or Done does, as in KDE's and
    // GNOME's dialogs.
    bool escapeDismisses = true;

    static constexpr DesktopConventions macOS()
    {
        return {false, true, false, false, false, false, false};
    }
    static constexpr DesktopConventions freedesktop() { return {}; }
    static DesktopConventions system();
};
