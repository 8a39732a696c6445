<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>Der Konfigurationsbefehl ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>Ein Registrierungstoken ist erforderlich.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>Die Konfiguration konnte nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>Das Registrierungstoken</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>Die URL des Cloud-Dienstes</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>Der abweichende Benutzer-UPN</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>Die Administratorabfrage kann nicht angezeigt werden, weil kein polkit-Authentifizierungsagent läuft. Melden Sie sich an einer Desktop-Sitzung an oder starten Sie einen polkit-Authentifizierungsagenten und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>Administratorrechte können nicht angefordert werden, weil der polkit-Dienst nicht erreichbar ist (kein Systembus oder kein polkit-Daemon läuft). Starten Sie den polkit-Dienst des Systems und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>Administratorrechte können nicht angefordert werden, weil pkexec nicht setuid root ist. Installieren Sie das pkexec-Paket von polkit neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>Administratorrechte können nicht angefordert werden, weil pkexec nicht gestartet werden kann (%1). Installieren Sie das pkexec-Paket von polkit und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>Das Registrierungshilfsprogramm fehlt unter %1. Installieren Sie das Paket neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>Das Registrierungshilfsprogramm hat den Start des Agenten verweigert: %1. Installieren Sie das Paket neu, damit Anwendung, Hilfsprogramm und Agent zusammenpassen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>Konfigurationsbefehl fehlgeschlagen:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(keine Fehlerausgabe)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>Der Agent wurde durch Signal %1 beendet.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>Autorisierung abgebrochen.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>Die Zustimmung eines Administrators wurde nicht erteilt: Die Abfrage wurde abgebrochen, das Passwort wurde nicht angenommen oder dieses Konto darf diesen Computer nicht registrieren. Versuchen Sie es erneut oder bitten Sie einen Administrator, ihn zu registrieren.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 enthält ein NUL-Zeichen (U+0000), das nicht an den Agenten übergeben werden kann. Entfernen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 ist zu lang, um an den Agenten übergeben zu werden: Alle Werte zusammen dürfen höchstens %2 KiB umfassen. Kürzen Sie den Wert und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>Der Ordner der Anwendung hat einen Namen, der kein gültiges UTF-8 ist, daher kann der Agent daneben nicht benannt werden. Installieren Sie die Anwendung in einem Ordner mit UTF-8-Namen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>Das Agentenprogramm wurde unter %1 nicht gefunden. Installieren Sie das Paket neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>Eine andere Registrierung dieses Computers läuft bereits. Warten Sie, bis sie beendet ist, und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — Konfiguration</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>Aktuelle Konfiguration wird geprüft…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>Dieser Mac ist bereits registriert.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>Der Agent hat ein aktives Registrierungstoken. Bei Bedarf können Sie diesen Computer mit einem neuen Token erneut registrieren.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>Neu konfigurieren</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>Konfiguration gespeichert.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>Der Agent registriert sich innerhalb von ~30 Sekunden. Sie können dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>Konfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>Die Registrierung läuft noch. Dieses Fenster schließt sich, sobald sie gelungen ist; schließen Sie es erneut, um die Registrierung abzubrechen.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>Dieser Computer ist bereits registriert.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>Die Registrierung läuft noch. Dieses Fenster schließt sich, sobald sie gelungen ist; erneutes Schließen beendet das Programm, ein bereits als Administrator laufender Befehl kann aber weiterlaufen.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>Registrierungstoken</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>Registrierungstoken des Mandanten einfügen</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>URL des Cloud-Dienstes</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>Benutzer-UPN überschreiben</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>optional — leer lassen, um den angemeldeten Benutzer zu erkennen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>Speichern und registrieren</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>Bleibt das Feld leer, wird %1 verwendet.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>Fehlerdetails</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
</TS>
