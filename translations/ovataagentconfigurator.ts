<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
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
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
