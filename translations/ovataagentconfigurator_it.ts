<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>Il comando di configurazione non è riuscito.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>È richiesto un token di registrazione.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>Non è stato possibile avviare la configurazione: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>Il token di registrazione</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>L&apos;URL del servizio cloud</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>L&apos;UPN utente sostitutivo</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>Impossibile mostrare la richiesta di autenticazione come amministratore perché non è in esecuzione alcun agente di autenticazione polkit. Accedere a una sessione desktop oppure avviare un agente di autenticazione polkit, quindi riprovare.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>Impossibile richiedere i privilegi di amministratore perché il servizio polkit non è raggiungibile (nessun bus di sistema o nessun demone polkit in esecuzione). Avviare il servizio polkit del sistema e riprovare.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>Impossibile richiedere i privilegi di amministratore perché pkexec non è setuid root. Reinstallare il pacchetto pkexec di polkit e riprovare.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>Impossibile richiedere i privilegi di amministratore perché non è possibile avviare pkexec (%1). Installare il pacchetto pkexec di polkit e riprovare.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>Il programma di supporto alla registrazione non è presente in %1. Reinstallare il pacchetto e riprovare.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>Il programma di supporto alla registrazione ha rifiutato di eseguire l&apos;agente: %1. Reinstallare il pacchetto in modo che l&apos;applicazione, il suo programma di supporto e l&apos;agente corrispondano, quindi riprovare.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>Comando di configurazione non riuscito:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(nessun output di errore)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>L&apos;agente è stato terminato dal segnale %1.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>Autorizzazione annullata.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>L&apos;approvazione di un amministratore non è stata concessa: la richiesta è stata annullata, la password non è stata accettata oppure questo account non è autorizzato a registrare questo computer. Riprovare oppure chiedere a un amministratore di registrarlo.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 contiene un carattere NUL (U+0000), che non può essere passato all&apos;agente. Rimuoverlo e riprovare.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 supera la lunghezza che è possibile passare all&apos;agente: tutti i valori insieme possono occupare al massimo %2 KiB. Accorciare il valore e riprovare.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>Il nome della cartella dell&apos;applicazione non è in UTF-8 valido, quindi non è possibile indicare l&apos;agente che si trova accanto all&apos;applicazione. Installare l&apos;applicazione in una cartella con un nome in UTF-8 e riprovare.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>Eseguibile dell&apos;agente non trovato in %1. Reinstallare il pacchetto e riprovare.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>È in corso un&apos;altra registrazione di questo computer. Attendere che sia terminata, quindi riprovare.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — Configurazione</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>Verifica della configurazione attuale…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvataggio in corso…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>Questo Mac è già registrato.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>L&apos;agente ha un token di registrazione attivo. Se necessario, è possibile registrare di nuovo questo computer con un nuovo token.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>Riconfigura</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>Configurazione salvata.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>L&apos;agente si registrerà entro ~30 secondi. È possibile chiudere questa finestra.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>Configurazione non riuscita</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>La registrazione è ancora in corso. Questa finestra si chiude non appena la registrazione è riuscita; chiuderla di nuovo per interrompere la registrazione.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>Questo computer è già registrato.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>La registrazione è ancora in corso. Questa finestra si chiude non appena la registrazione è riuscita; chiudendola di nuovo si esce dall&apos;applicazione, ma un comando già in esecuzione come amministratore può proseguire.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>Token di registrazione</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>incollare il token di registrazione del tenant</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>URL del servizio cloud</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>UPN utente sostitutivo</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>facoltativo — lasciare vuoto per rilevare l&apos;utente connesso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>Salva e registra</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>Se il campo viene lasciato vuoto, si usa %1.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>Dettagli dell&apos;errore</translation>
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
