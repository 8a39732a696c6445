<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>La commande de configuration a échoué.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>Un jeton d’inscription est requis.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>La configuration n’a pas pu être démarrée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>Le jeton d’inscription</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>L’URL du service cloud</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>L’UPN utilisateur de remplacement</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>La demande d’authentification administrateur ne peut pas être affichée, car aucun agent d’authentification polkit n’est en cours d’exécution. Ouvrez une session de bureau ou démarrez un agent d’authentification polkit, puis réessayez.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>Les droits d’administrateur ne peuvent pas être demandés, car le service polkit est injoignable (aucun bus système ou aucun démon polkit n’est en cours d’exécution). Démarrez le service polkit du système et réessayez.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>Les droits d’administrateur ne peuvent pas être demandés, car pkexec n’est pas setuid root. Réinstallez le paquet pkexec de polkit et réessayez.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>Les droits d’administrateur ne peuvent pas être demandés, car pkexec ne peut pas être démarré (%1). Installez le paquet pkexec de polkit et réessayez.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>Le programme auxiliaire d’inscription est absent de l’emplacement %1. Réinstallez le paquet et réessayez.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>Le programme auxiliaire d’inscription a refusé d’exécuter l’agent&#xa0;: %1. Réinstallez le paquet pour que l’application, son programme auxiliaire et l’agent correspondent, puis réessayez.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>Échec de la commande de configuration&#xa0;:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(aucune sortie d’erreur)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>L’agent a été terminé par le signal %1.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>Autorisation annulée.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>L’approbation d’un administrateur n’a pas été donnée&#xa0;: la demande a été annulée, le mot de passe n’a pas été accepté ou ce compte n’est pas autorisé à inscrire cet ordinateur. Réessayez ou demandez à un administrateur de l’inscrire.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 contient un caractère NUL (U+0000), qui ne peut pas être transmis à l’agent. Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 dépasse la longueur transmissible à l’agent&#xa0;: toutes les valeurs réunies peuvent occuper au plus %2&#xa0;KiB. Raccourcissez la valeur et réessayez.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>Le dossier de l’application porte un nom qui n’est pas en UTF-8 valide, si bien que l’agent situé à côté de l’application ne peut pas être désigné. Installez l’application dans un dossier dont le nom est en UTF-8 et réessayez.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>L’exécutable de l’agent est introuvable à l’emplacement %1. Réinstallez le paquet et réessayez.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>Une autre inscription de cet ordinateur est en cours. Attendez qu’elle soit terminée, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Configuration d’Ovata Device Agent</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>Vérification de la configuration actuelle…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>Ce Mac est déjà inscrit.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>L’agent dispose d’un jeton d’inscription actif. Si nécessaire, vous pouvez réinscrire cet ordinateur avec un nouveau jeton.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>Reconfigurer</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>Configuration enregistrée.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>L’agent s’inscrira d’ici ~30&#xa0;secondes. Vous pouvez fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>Échec de la configuration</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>L’inscription est toujours en cours. Cette fenêtre se fermera dès que l’inscription aura réussi&#xa0;; fermez-la de nouveau pour arrêter l’inscription.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>Cet ordinateur est déjà inscrit.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>L’inscription est toujours en cours. Cette fenêtre se fermera dès que l’inscription aura réussi&#xa0;; si vous la fermez de nouveau, vous quittez l’application, mais une commande déjà en cours d’exécution en tant qu’administrateur peut se poursuivre.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>Jeton d’inscription</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>coller le jeton d’inscription du locataire</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>URL du service cloud</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>UPN utilisateur de remplacement</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>facultatif — laisser vide pour détecter l’utilisateur connecté</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>Enregistrer et inscrire</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>Si le champ est vide, la valeur %1 est utilisée.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>Détails de l’erreur</translation>
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
