<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Der Agent hat ein aktives Registrierungstoken. Bei Bedarf können Sie sich mit einem neuen Token erneut registrieren.</translation>
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
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>Fehlerdetails</translation>
    </message>
</context>
</TS>
