<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
