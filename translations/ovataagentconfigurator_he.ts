<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>פקודת התצורה נכשלה.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>נדרש אסימון רישום.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>לא ניתן היה להתחיל בהגדרת התצורה: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>אסימון הרישום</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>כתובת ה־URL של שירות הענן</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>מזהה ה־UPN החלופי של המשתמש</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>לא ניתן להציג את בקשת האימות של מנהל המערכת, כי אין סוכן אימות של polkit שפועל. נא להיכנס להפעלת שולחן עבודה, או להפעיל סוכן אימות של polkit, ולנסות שוב.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>לא ניתן לבקש הרשאות מנהל מערכת, כי אין גישה לשירות polkit (אין אפיק מערכת, או שאין שירות רקע של polkit שפועל). נא להפעיל את שירות polkit של המערכת ולנסות שוב.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>לא ניתן לבקש הרשאות מנהל מערכת, כי pkexec אינו setuid root. נא להתקין מחדש את חבילת pkexec של polkit ולנסות שוב.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>לא ניתן לבקש הרשאות מנהל מערכת, כי לא ניתן להפעיל את pkexec (%1). נא להתקין את חבילת pkexec של polkit ולנסות שוב.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>תכנית העזר לרישום חסרה בנתיב ‎%1. נא להתקין מחדש את החבילה ולנסות שוב.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>תכנית העזר לרישום סירבה להריץ את הסוכן: ‎%1. נא להתקין מחדש את החבילה כך שהיישום, תכנית העזר שלו והסוכן יתאימו זה לזה, ולנסות שוב.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>פקודת התצורה נכשלה:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(אין פלט שגיאות)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>הסוכן נעצר על ידי האות %1.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>ההרשאה בוטלה.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>לא התקבל אישור של מנהל מערכת: בקשת האימות בוטלה, הססמה לא התקבלה, או שחשבון זה אינו מורשה לרשום את המחשב הזה. נא לנסות שוב, או לבקש ממנהל מערכת לרשום אותו.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>הערך של %1 מכיל תו NUL (U+0000), שלא ניתן להעביר לסוכן. נא להסיר אותו ולנסות שוב.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>הערך של %1 ארוך מכדי להעביר אותו לסוכן: כל הערכים יחד יכולים להכיל %2 KiB לכל היותר. נא לקצר אותו ולנסות שוב.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>שם התיקייה של היישום אינו UTF-8 תקין, ולכן לא ניתן לציין את שמו של הסוכן שלצדו. נא להתקין את היישום בתיקייה ששמה ב־UTF-8 ולנסות שוב.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>קובץ ההפעלה של הסוכן לא נמצא בנתיב ‎%1. נא להתקין מחדש את החבילה ולנסות שוב.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>רישום אחר של המחשב הזה מתבצע כעת. נא להמתין עד לסיומו ולנסות שוב.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>‏Ovata Device Agent — תצורה</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>מתבצעת בדיקה של התצורה הנוכחית…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>מתבצעת שמירה…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>מחשב ה־Mac הזה כבר רשום.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>לסוכן יש אסימון רישום פעיל. במידת הצורך ניתן לבצע רישום מחדש עם אסימון חדש.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>הגדרה מחדש</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>התצורה נשמרה.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>הסוכן יבצע את הרישום בתוך ~30 שניות. ניתן לסגור את החלון הזה.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>סיום</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>הגדרת התצורה נכשלה</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>לנסות שוב</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>הרישום עדיין מתבצע. החלון הזה ייסגר ברגע שהרישום יצליח; כדי לעצור את הרישום יש לסגור אותו שוב.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>המחשב הזה כבר רשום.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>הרישום עדיין מתבצע. החלון הזה ייסגר ברגע שהרישום יצליח; סגירה נוספת שלו תגרום ליציאה מהיישום, אך פקודה שכבר פועלת בהרשאות מנהל מערכת עשויה להמשיך לפעול.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>אסימון רישום</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>הדבקת אסימון הרישום של הדייר</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>כתובת URL של שירות הענן</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>מזהה UPN חלופי למשתמש</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>לא חובה — להשאיר ריק כדי לזהות את המשתמש המחובר</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>שמירה ורישום</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>אם השדה יישאר ריק, ייעשה שימוש ב־%1.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>פרטי השגיאה</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
</TS>
