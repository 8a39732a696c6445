<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>De configuratieopdracht is mislukt.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>Een inschrijvingstoken is vereist.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>De configuratie kon niet worden gestart: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>Het inschrijvingstoken</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>De URL van de clouddienst</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>De afwijkende gebruikers-UPN</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>Het authenticatievenster voor de beheerder kan niet worden getoond, omdat er geen polkit-authenticatieagent actief is. Meld je aan bij een bureaubladsessie of start een polkit-authenticatieagent en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>Er kunnen geen beheerdersrechten worden aangevraagd, omdat de polkit-dienst niet bereikbaar is (er is geen systeembus of er draait geen polkit-daemon). Start de polkit-dienst van het systeem en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>Er kunnen geen beheerdersrechten worden aangevraagd, omdat pkexec niet setuid root is. Herinstalleer het pkexec-pakket van polkit en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>Er kunnen geen beheerdersrechten worden aangevraagd, omdat pkexec niet kan worden gestart (%1). Installeer het pkexec-pakket van polkit en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>Het inschrijvingshulpprogramma ontbreekt op %1. Herinstalleer het pakket en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>Het inschrijvingshulpprogramma heeft geweigerd de agent uit te voeren: %1. Herinstalleer het pakket zodat de toepassing, het hulpprogramma en de agent bij elkaar passen, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>Configuratieopdracht mislukt:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(geen foutuitvoer)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>De agent is door signaal %1 beëindigd.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>Autorisatie geannuleerd.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>Er is geen toestemming van een beheerder gegeven: het authenticatievenster is geannuleerd, het wachtwoord is niet geaccepteerd of dit account mag deze computer niet inschrijven. Probeer het opnieuw of vraag een beheerder om de computer in te schrijven.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 bevat een NUL-teken (U+0000), dat niet aan de agent kan worden doorgegeven. Verwijder het teken en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 is te lang om aan de agent te worden doorgegeven: alle waarden samen mogen hooguit %2 KiB groot zijn. Maak de waarde korter en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>De map van de toepassing heeft een naam die geen geldige UTF-8 is, waardoor de agent die ernaast staat niet kan worden aangeduid. Installeer de toepassing in een map met een UTF-8-naam en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>Het agentprogramma is niet gevonden op %1. Herinstalleer het pakket en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>Er is een andere inschrijving van deze computer bezig. Wacht tot die is afgerond en probeer het daarna opnieuw.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — Configuratie</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>Huidige configuratie wordt gecontroleerd…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Bezig met opslaan…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>Deze Mac is al ingeschreven.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>De agent heeft een actief inschrijvingstoken. Indien nodig kun je de computer opnieuw inschrijven met een nieuw token.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>Opnieuw configureren</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>Configuratie opgeslagen.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>De agent voert de inschrijving binnen ~30 seconden uit. Je kunt dit venster sluiten.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>Configuratie mislukt</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>De inschrijving loopt nog. Dit venster sluit zodra de inschrijving is gelukt; sluit het nogmaals om de inschrijving te stoppen.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>Deze computer is al ingeschreven.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>De inschrijving loopt nog. Dit venster sluit zodra de inschrijving is gelukt; als je het nogmaals sluit, wordt de toepassing afgesloten, maar een opdracht die al als beheerder draait, kan doorgaan.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>Inschrijvingstoken</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>inschrijvingstoken van de tenant plakken</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>URL van de clouddienst</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>Afwijkende gebruikers-UPN</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>optioneel — leeg laten om de aangemelde gebruiker te detecteren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>Opslaan en inschrijven</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>Als dit veld leeg blijft, wordt %1 gebruikt.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>Foutdetails</translation>
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
