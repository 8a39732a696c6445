<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>設定指令執行失敗。</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>必須提供註冊權杖。</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>無法開始設定：%1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>註冊權杖</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>雲端服務 URL</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>使用者 UPN 覆寫值</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>無法顯示管理員驗證提示，因為沒有正在執行的 polkit 驗證代理程式。請登入桌面工作階段，或啟動 polkit 驗證代理程式，然後重試。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>無法要求管理員權限，因為無法連線至 polkit 服務（系統匯流排或 polkit 守護程式未在執行）。請啟動系統的 polkit 服務，然後重試。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>無法要求管理員權限，因為 pkexec 不是 setuid root。請重新安裝 polkit 的 pkexec 套件，然後重試。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>無法要求管理員權限，因為無法啟動 pkexec（%1）。請安裝 polkit 的 pkexec 套件，然後重試。</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>在 %1 找不到註冊輔助程式。請重新安裝套件，然後重試。</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>註冊輔助程式拒絕執行代理程式：%1。請重新安裝套件，讓應用程式、其輔助程式與代理程式彼此相符，然後重試。</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>設定指令執行失敗：
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>（無錯誤輸出）</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>代理程式被訊號 %1 終止。</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>授權已取消。</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>未獲得管理員核准：驗證提示已被取消、密碼未被接受，或此帳號無權註冊這台電腦。請重試，或請管理員註冊這台電腦。</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 含有 NUL 字元（U+0000），此字元無法傳遞給代理程式。請移除該字元，然後重試。</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 過長，無法傳遞給代理程式：所有值合計最多只能有 %2 KiB。請將其縮短，然後重試。</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>應用程式所在資料夾的名稱不是有效的 UTF-8，因此無法指明其旁邊的代理程式。請將應用程式安裝到名稱為 UTF-8 的資料夾中，然後重試。</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>在 %1 找不到代理程式的執行檔。請重新安裝套件，然後重試。</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>這台電腦的另一項註冊正在進行中。請等待其結束，然後重試。</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — 設定</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>正在檢查目前的設定…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>正在儲存…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>這台 Mac 已註冊。</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>代理程式已有一個有效的註冊權杖。如有需要，您可以使用新的權杖重新註冊。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>重新設定</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>設定已儲存。</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>代理程式將在 ~30 秒內註冊。您可以關閉此視窗。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>設定失敗</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>註冊仍在進行中。註冊成功後此視窗將會關閉；若要停止註冊，請再次關閉此視窗。</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>這台電腦已註冊。</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>註冊仍在進行中。註冊成功後此視窗將會關閉；再次關閉會離開程式，但已經以管理員身分執行的指令可能會繼續執行。</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>註冊權杖</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>貼上租用戶的註冊權杖</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>雲端服務 URL</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>使用者 UPN 覆寫值</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>選填——留空則偵測已登入的使用者</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>儲存並註冊</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>留空時將使用 %1。</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>錯誤詳細資訊</translation>
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
