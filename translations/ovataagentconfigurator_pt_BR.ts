<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>O comando de configuração falhou.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>É necessário um token de registro.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>Não foi possível iniciar a configuração: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>O token de registro</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>A URL do serviço de nuvem</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>O UPN de usuário substituto</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>Não é possível mostrar a solicitação de autenticação de administrador porque nenhum agente de autenticação do polkit está em execução. Entre em uma sessão de área de trabalho ou inicie um agente de autenticação do polkit e tente novamente.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>Não é possível solicitar privilégios de administrador porque o serviço polkit não está acessível (não há barramento do sistema ou nenhum daemon do polkit está em execução). Inicie o serviço polkit do sistema e tente novamente.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>Não é possível solicitar privilégios de administrador porque o pkexec não é setuid root. Reinstale o pacote pkexec do polkit e tente novamente.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>Não é possível solicitar privilégios de administrador porque o pkexec não pode ser iniciado (%1). Instale o pacote pkexec do polkit e tente novamente.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>O programa auxiliar de registro está ausente em %1. Reinstale o pacote e tente novamente.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>O programa auxiliar de registro se recusou a executar o agente: %1. Reinstale o pacote para que o aplicativo, seu programa auxiliar e o agente correspondam entre si e tente novamente.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>Falha no comando de configuração:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(nenhuma saída de erro)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>O agente foi encerrado pelo sinal %1.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>Autorização cancelada.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>A aprovação de um administrador não foi concedida: a solicitação foi cancelada, a senha não foi aceita ou esta conta não tem permissão para registrar este computador. Tente novamente ou peça a um administrador para registrá-lo.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 contém um caractere NUL (U+0000), que não pode ser passado ao agente. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 excede o comprimento que pode ser passado ao agente: todos os valores juntos podem ocupar no máximo %2 KiB. Encurte o valor e tente novamente.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>O nome da pasta do aplicativo não é UTF-8 válido, portanto não é possível designar o agente que fica ao lado do aplicativo. Instale o aplicativo em uma pasta com nome em UTF-8 e tente novamente.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>O executável do agente não foi encontrado em %1. Reinstale o pacote e tente novamente.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>Outro registro deste computador está em andamento. Aguarde até que ele termine e tente novamente.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — Configuração</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>Verificando a configuração atual…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvando…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>Este Mac já está registrado.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>O agente tem um token de registro ativo. Se necessário, você pode registrar este computador novamente com um novo token.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>Reconfigurar</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>Configuração salva.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>O agente se registrará em até ~30 segundos. Você pode fechar esta janela.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>Falha na configuração</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>O registro ainda está em andamento. Esta janela será fechada assim que o registro for concluído com sucesso; feche-a novamente para interromper o registro.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>Este computador já está registrado.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>O registro ainda está em andamento. Esta janela será fechada assim que o registro for concluído com sucesso; se você fechá-la novamente, o aplicativo será encerrado, mas um comando já em execução como administrador pode continuar.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>Token de registro</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>cole o token de registro do locatário</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>URL do serviço de nuvem</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>UPN de usuário substituto</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>opcional — deixe em branco para detectar o usuário conectado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>Salvar e registrar</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>Se o campo ficar em branco, será usado o valor %1.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>Detalhes do erro</translation>
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
