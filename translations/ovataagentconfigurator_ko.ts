<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>설정 명령이 실패했습니다.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>등록 토큰이 필요합니다.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>설정을 시작하지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>등록 토큰</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>클라우드 서비스 URL</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>사용자 UPN 재정의</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>polkit 인증 에이전트가 실행 중이 아니어서 관리자 인증 창을 표시할 수 없습니다. 데스크톱 세션에 로그인하거나 polkit 인증 에이전트를 시작한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>polkit 서비스에 연결할 수 없어(시스템 버스가 없거나 polkit 데몬이 실행 중이 아님) 관리자 권한을 요청할 수 없습니다. 시스템의 polkit 서비스를 시작한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>pkexec에 setuid root가 설정되어 있지 않아 관리자 권한을 요청할 수 없습니다. polkit의 pkexec 패키지를 재설치한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>pkexec 프로그램을 시작할 수 없어(%1) 관리자 권한을 요청할 수 없습니다. polkit의 pkexec 패키지를 설치한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>%1 위치에 등록 도우미가 없습니다. 패키지를 재설치한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>등록 도우미가 에이전트 실행을 거부했습니다: %1. 프로그램, 해당 도우미, 에이전트가 서로 일치하도록 패키지를 재설치한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>설정 명령이 실패했습니다:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(오류 출력 없음)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>에이전트가 시그널 %1에 의해 종료되었습니다.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>권한 부여가 취소되었습니다.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>관리자 승인을 받지 못했습니다. 인증 창이 취소되었거나, 암호가 받아들여지지 않았거나, 이 계정에 이 컴퓨터를 등록할 권한이 없기 때문입니다. 다시 시도하거나 관리자에게 등록을 요청하십시오.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 값에 NUL 문자(U+0000)가 포함되어 있어 에이전트에 전달할 수 없습니다. 해당 문자를 제거한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 값이 너무 길어 에이전트에 전달할 수 없습니다. 모든 값을 합쳐 최대 %2 KiB까지만 허용됩니다. 값을 줄인 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>프로그램 폴더의 이름이 올바른 UTF-8이 아니어서 같은 위치에 있는 에이전트를 지정할 수 없습니다. 이름이 UTF-8인 폴더에 프로그램을 설치한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>%1 위치에서 에이전트 바이너리를 찾을 수 없습니다. 패키지를 재설치한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>이 컴퓨터의 다른 등록이 진행 중입니다. 해당 등록이 끝날 때까지 기다린 후 다시 시도하십시오.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — 설정</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>현재 설정을 확인하는 중…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>저장하는 중…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>이 Mac은 이미 등록되어 있습니다.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>에이전트에 활성 등록 토큰이 있습니다. 필요하면 새 토큰으로 다시 등록할 수 있습니다.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>다시 설정</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>설정을 저장했습니다.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>에이전트가 ~30초 이내에 등록을 진행합니다. 이 창을 닫아도 됩니다.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>설정 실패</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>등록이 아직 진행 중입니다. 등록이 성공하면 이 창이 닫힙니다. 등록을 중지하려면 창을 다시 닫으십시오.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>이 컴퓨터는 이미 등록되어 있습니다.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>등록이 아직 진행 중입니다. 등록이 성공하면 이 창이 닫힙니다. 창을 다시 닫으면 프로그램이 끝나지만, 이미 관리자로 실행 중인 명령은 계속 실행될 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>등록 토큰</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>테넌트 등록 토큰 붙여넣기</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>클라우드 서비스 URL</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>사용자 UPN 재정의</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>선택 사항 — 비워 두면 로그인한 사용자를 감지합니다</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>저장 및 등록</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>비워 두면 %1 주소를 사용합니다.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>오류 세부 정보</translation>
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
