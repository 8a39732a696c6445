<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>Ha fallado el comando de configuración.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>Se necesita un token de inscripción.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>No se ha podido iniciar la configuración: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>El token de inscripción</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>La URL del servicio en la nube</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>El UPN de usuario alternativo</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>No se puede mostrar la solicitud de autenticación de administrador porque no se está ejecutando ningún agente de autenticación de polkit. Inicie una sesión de escritorio o un agente de autenticación de polkit, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>No se pueden solicitar privilegios de administrador porque no se puede contactar con el servicio polkit (no hay ningún bus del sistema o ningún demonio de polkit en ejecución). Inicie el servicio polkit del sistema y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>No se pueden solicitar privilegios de administrador porque pkexec no es setuid root. Reinstale el paquete pkexec de polkit y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>No se pueden solicitar privilegios de administrador porque no se puede iniciar pkexec (%1). Instale el paquete pkexec de polkit y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>Falta el programa auxiliar de inscripción en %1. Reinstale el paquete y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>El programa auxiliar de inscripción se ha negado a ejecutar el agente: %1. Reinstale el paquete para que la aplicación, su programa auxiliar y el agente se correspondan entre sí, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>Ha fallado el comando de configuración:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(sin salida de error)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>El agente ha terminado a causa de la señal %1.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>Autorización cancelada.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>No se ha obtenido la aprobación de un administrador: se ha cancelado la solicitud, no se ha aceptado la contraseña o esta cuenta no tiene permiso para inscribir este equipo. Vuelva a intentarlo o pida a un administrador que lo inscriba.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 contiene un carácter NUL (U+0000), que no se puede pasar al agente. Elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 supera la longitud que se puede pasar al agente: todos los valores juntos pueden ocupar como máximo %2 KiB. Acorte el valor y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>El nombre de la carpeta de la aplicación no es UTF-8 válido, por lo que no se puede designar el agente que está junto a la aplicación. Instale la aplicación en una carpeta con un nombre en UTF-8 y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>No se ha encontrado el ejecutable del agente en %1. Reinstale el paquete y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>Hay otra inscripción de este equipo en curso. Espere a que termine y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — Configuración</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>Comprobando la configuración actual…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>Este Mac ya está inscrito.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>El agente tiene un token de inscripción activo. Si es necesario, puede volver a inscribir este equipo con un token nuevo.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>Reconfigurar</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>Configuración guardada.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>El agente se inscribirá en un plazo de ~30 segundos. Puede cerrar esta ventana.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>Ha fallado la configuración</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>La inscripción sigue en curso. Esta ventana se cerrará cuando la inscripción se haya completado correctamente; ciérrela de nuevo para detener la inscripción.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>Este equipo ya está inscrito.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>La inscripción sigue en curso. Esta ventana se cerrará cuando la inscripción se haya completado correctamente; si la cierra de nuevo, saldrá de la aplicación, pero un comando que ya se esté ejecutando como administrador puede seguir ejecutándose.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>Token de inscripción</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>pegue el token de inscripción del inquilino</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>URL del servicio en la nube</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>UPN de usuario alternativo</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>opcional — déjelo en blanco para detectar al usuario que ha iniciado sesión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>Guardar e inscribir</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>Si se deja en blanco, se usa %1.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>Detalles del error</translation>
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
