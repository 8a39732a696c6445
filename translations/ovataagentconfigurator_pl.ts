<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>Polecenie konfiguracji się nie powiodło.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>Wymagany jest token rejestracji.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>Nie można było rozpocząć konfiguracji: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>Token rejestracji</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>Adres URL usługi w chmurze</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>Zastępczy UPN użytkownika</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>Nie można wyświetlić okna uwierzytelniania administratora, ponieważ nie działa żaden agent uwierzytelniania polkit. Należy zalogować się do sesji pulpitu lub uruchomić agenta uwierzytelniania polkit i spróbować ponownie.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>Nie można zażądać uprawnień administratora, ponieważ usługa polkit jest nieosiągalna (brak magistrali systemowej lub nie działa demon polkit). Należy uruchomić systemową usługę polkit i spróbować ponownie.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>Nie można zażądać uprawnień administratora, ponieważ pkexec nie jest programem setuid root. Należy przeinstalować pakiet pkexec z polkit i spróbować ponownie.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>Nie można zażądać uprawnień administratora, ponieważ nie można uruchomić pkexec (%1). Należy zainstalować pakiet pkexec z polkit i spróbować ponownie.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>Brak programu pomocniczego rejestracji w %1. Należy przeinstalować pakiet i spróbować ponownie.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>Program pomocniczy rejestracji odmówił uruchomienia agenta: %1. Należy przeinstalować pakiet, aby program, jego program pomocniczy i agent były ze sobą zgodne, i spróbować ponownie.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>Polecenie konfiguracji się nie powiodło:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(brak wyjścia błędów)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>Działanie agenta zostało zakończone sygnałem %1.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>Anulowano upoważnienie.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>Nie uzyskano zgody administratora: okno uwierzytelniania zostało anulowane, hasło nie zostało przyjęte lub to konto nie ma uprawnień do rejestrowania tego komputera. Należy spróbować ponownie lub poprosić administratora o zarejestrowanie komputera.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 zawiera znak NUL (U+0000), którego nie można przekazać agentowi. Należy usunąć ten znak i spróbować ponownie.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 jest zbyt długi, aby przekazać go agentowi: wszystkie wartości łącznie mogą zajmować najwyżej %2 KiB. Należy skrócić tę wartość i spróbować ponownie.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>Nazwa katalogu programu nie jest prawidłowym tekstem UTF-8, więc nie można wskazać agenta znajdującego się obok. Należy zainstalować program w katalogu o nazwie w UTF-8 i spróbować ponownie.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>Nie odnaleziono pliku wykonywalnego agenta w %1. Należy przeinstalować pakiet i spróbować ponownie.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>Trwa inna rejestracja tego komputera. Należy poczekać na jej zakończenie, a następnie spróbować ponownie.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — Konfiguracja</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>Sprawdzanie bieżącej konfiguracji…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Zapisywanie…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>Ten Mac jest już zarejestrowany.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>Agent ma aktywny token rejestracji. W razie potrzeby można ponownie zarejestrować komputer przy użyciu nowego tokenu.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>Skonfiguruj ponownie</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>Zapisano konfigurację.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>Agent przeprowadzi rejestrację w ciągu ~30 sekund. Można zamknąć to okno.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>Konfiguracja się nie powiodła</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>Rejestracja nadal trwa. To okno zostanie zamknięte, gdy rejestracja się powiedzie; aby przerwać rejestrację, należy ponownie zamknąć okno.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>Ten komputer jest już zarejestrowany.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>Rejestracja nadal trwa. To okno zostanie zamknięte, gdy rejestracja się powiedzie; ponowne zamknięcie okna zakończy program, ale polecenie uruchomione już jako administrator może nadal działać.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>Token rejestracji</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>wklej token rejestracji dzierżawy</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>Adres URL usługi w chmurze</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>Zastępczy UPN użytkownika</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>opcjonalne — jeśli pole pozostanie puste, zostanie wykryty zalogowany użytkownik</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>Zapisz i zarejestruj</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>Jeśli pole pozostanie puste, zostanie użyty adres %1.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>Szczegóły błędu</translation>
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
