<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>配置命令执行失败。</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>必须提供注册令牌。</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>无法启动配置：%1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>注册令牌</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>云服务 URL</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>用户 UPN 覆盖值</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>无法显示管理员认证提示，因为没有正在运行的 polkit 认证代理。请登录桌面会话，或启动一个 polkit 认证代理，然后重试。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>无法请求管理员权限，因为无法连接 polkit 服务（系统总线或 polkit 守护进程未在运行）。请启动系统的 polkit 服务，然后重试。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>无法请求管理员权限，因为 pkexec 不是 setuid root。请重新安装 polkit 的 pkexec 软件包，然后重试。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>无法请求管理员权限，因为无法启动 pkexec（%1）。请安装 polkit 的 pkexec 软件包，然后重试。</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>注册辅助程序在 %1 处缺失。请重新安装软件包，然后重试。</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>注册辅助程序拒绝运行代理程序：%1。请重新安装软件包，使应用程序、其辅助程序与代理程序相互匹配，然后重试。</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>配置命令执行失败：
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>（无错误输出）</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>代理程序被信号 %1 终止。</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>授权已取消。</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>未获得管理员批准：认证提示被取消、密码未被接受，或此账户无权注册此计算机。请重试，或请管理员注册此计算机。</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>%1 包含 NUL 字符（U+0000），该字符无法传递给代理程序。请删除该字符，然后重试。</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>%1 过长，无法传递给代理程序：所有值合计最多只能有 %2 KiB。请将其缩短，然后重试。</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>应用程序所在文件夹的名称不是有效的 UTF-8，因此无法指明其旁边的代理程序。请将应用程序安装到名称为 UTF-8 的文件夹中，然后重试。</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>在 %1 处未找到代理程序的可执行文件。请重新安装软件包，然后重试。</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>此计算机的另一项注册正在进行中。请等待其结束，然后重试。</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>Ovata Device Agent — 配置</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>正在检查当前配置…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>正在保存…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>此 Mac 已注册。</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>代理程序已有一个有效的注册令牌。如有需要，您可以使用新令牌重新注册。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>重新配置</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>配置已保存。</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>代理程序将在 ~30 秒内注册。您可以关闭此窗口。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>配置失败</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>注册仍在进行中。注册成功后此窗口将关闭；若要停止注册，请再次关闭此窗口。</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>此计算机已注册。</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>注册仍在进行中。注册成功后此窗口将关闭；再次关闭将退出程序，但已以管理员身份运行的命令可能会继续运行。</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>注册令牌</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>粘贴租户注册令牌</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>云服务 URL</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>用户 UPN 覆盖值</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>可选——留空则检测已登录的用户</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>保存并注册</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>留空时将使用 %1。</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>错误详情</translation>
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
