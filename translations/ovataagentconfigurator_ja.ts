<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>設定コマンドが失敗しました。</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>登録トークンが必要です。</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>設定を開始できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>登録トークン</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>クラウドサービスの URL</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>上書き用のユーザー UPN</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>polkit 認証エージェントが実行されていないため、管理者の認証画面を表示できません。デスクトップセッションにログインするか、polkit 認証エージェントを起動してから、再試行してください。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>polkit サービスに接続できないため (システムバスがないか、polkit デーモンが実行されていない)、管理者権限を要求できません。システムの polkit サービスを起動してから、再試行してください。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>pkexec が setuid root ではないため、管理者権限を要求できません。polkit の pkexec パッケージを再インストールしてから、再試行してください。</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>pkexec を起動できないため (%1)、管理者権限を要求できません。polkit の pkexec パッケージをインストールしてから、再試行してください。</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>登録ヘルパーが %1 にありません。パッケージを再インストールしてから、再試行してください。</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>登録ヘルパーがエージェントの実行を拒否しました: %1。アプリケーション、そのヘルパー、エージェントが互いに一致するようにパッケージを再インストールしてから、再試行してください。</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>設定コマンドが失敗しました:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(エラー出力なし)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>エージェントはシグナル %1 で強制終了されました。</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>認可がキャンセルされました。</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>管理者の承認が得られませんでした。認証画面がキャンセルされたか、パスワードが受け付けられなかったか、このアカウントにはこのコンピューターを登録する権限がないかのいずれかです。再試行するか、管理者に登録を依頼してください。</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>「%1」に NUL 文字 (U+0000) が含まれているため、エージェントに渡せません。この文字を削除してから、再試行してください。</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>「%1」が長すぎるため、エージェントに渡せません。すべての値の合計は最大 %2 KiB までです。値を短くしてから、再試行してください。</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>アプリケーションのフォルダー名が有効な UTF-8 ではないため、同じ場所にあるエージェントを指定できません。UTF-8 の名前のフォルダーにアプリケーションをインストールしてから、再試行してください。</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>エージェントのバイナリが %1 に見つかりません。パッケージを再インストールしてから、再試行してください。</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>このコンピューターの別の登録が実行中です。その登録が終了するまで待ってから、再試行してください。</translation>
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
        <translation>現在の設定を確認しています…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>保存しています…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>この Mac はすでに登録されています。</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>エージェントにはアクティブな登録トークンがあります。必要に応じて、新しいトークンで再登録できます。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>再設定</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>設定を保存しました。</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>エージェントは ~30 秒以内に登録を行います。このウィンドウは閉じてもかまいません。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>設定に失敗しました</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>登録はまだ実行中です。登録が成功すると、このウィンドウは閉じます。登録を中止するには、もう一度ウィンドウを閉じてください。</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>このコンピューターはすでに登録されています。</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>登録はまだ実行中です。登録が成功すると、このウィンドウは閉じます。もう一度閉じるとアプリケーションは終了しますが、すでに管理者として実行中のコマンドは実行を続けることがあります。</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>登録トークン</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>テナントの登録トークンを貼り付け</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>クラウドサービスの URL</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>上書き用のユーザー UPN</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>省略可 — 空欄にするとログイン中のユーザーを検出します</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>保存して登録</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>空欄の場合は %1 が使用されます。</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>エラーの詳細</translation>
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
