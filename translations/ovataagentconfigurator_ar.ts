<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ConfigState</name>
    <message>
        <source>The configuration command failed.</source>
        <translation>فشل أمر الضبط.</translation>
    </message>
    <message>
        <source>Enrollment token is required.</source>
        <translation>رمز التسجيل مطلوب.</translation>
    </message>
    <message>
        <source>The configuration could not be started: %1</source>
        <translation>تعذّر بدء الضبط: %1</translation>
    </message>
</context>
<context>
    <name>ConfigureError</name>
    <message>
        <source>The enrollment token</source>
        <translation>رمز التسجيل</translation>
    </message>
    <message>
        <source>The cloud service URL</source>
        <translation>عنوان URL للخدمة السحابية</translation>
    </message>
    <message>
        <source>The user UPN override</source>
        <translation>مُعرّف UPN البديل للمستخدم</translation>
    </message>
    <message>
        <source>The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.</source>
        <translation>لا يمكن عرض طلب استيثاق المدير، لأنه لا يوجد وكيل استيثاق polkit قيد التشغيل. لِج إلى جلسة سطح مكتب، أو شغّل وكيل استيثاق polkit، ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system&apos;s polkit service and try again.</source>
        <translation>لا يمكن طلب صلاحيات المدير، لأنه يتعذّر الوصول إلى خدمة polkit (لا يوجد ناقل نظام، أو لا يعمل أي عفريت polkit). شغّل خدمة polkit في النظام ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit&apos;s pkexec package and try again.</source>
        <translation>لا يمكن طلب صلاحيات المدير، لأن pkexec ليس setuid root. أعِد تثبيت حزمة pkexec من polkit ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>Administrator rights cannot be requested, because pkexec cannot be started (%1). Install polkit&apos;s pkexec package and try again.</source>
        <translation>لا يمكن طلب صلاحيات المدير، لأنه يتعذّر تشغيل pkexec (%1). ثبّت حزمة pkexec من polkit ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>The enrollment helper is missing at %1. Reinstall the package and try again.</source>
        <translation>مساعد التسجيل غير موجود في ‎%1. أعِد تثبيت الحزمة ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>The enrollment helper refused to run the agent: %1. Reinstall the package so that the application, its helper and the agent match, and try again.</source>
        <translation>رفض مساعد التسجيل تشغيل الوكيل: ‎%1. أعِد تثبيت الحزمة كي يتوافق التطبيق ومساعده والوكيل، ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>Configuration command failed:
</source>
        <translation>فشل أمر الضبط:
</translation>
    </message>
    <message>
        <source>(no error output)</source>
        <translation>(لا يوجد خرج للأخطاء)</translation>
    </message>
    <message>
        <source>The agent was stopped by signal %1.</source>
        <translation>أُوقف الوكيل بالإشارة %1.</translation>
    </message>
    <message>
        <source>Authorization canceled.</source>
        <translation>أُلغي التخويل.</translation>
    </message>
    <message>
        <source>Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it.</source>
        <translation>لم تُمنح موافقة المدير: أُلغي طلب الاستيثاق، أو لم تُقبل كلمة السر، أو لا يحقّ لهذا الحساب تسجيل هذا الحاسوب. حاول مجددًا، أو اطلب من أحد المديرين تسجيله.</translation>
    </message>
    <message>
        <source>%1 contains a NUL character (U+0000), which cannot be passed to the agent. Remove it and try again.</source>
        <translation>يحتوي %1 على المحرف NUL (U+0000)، وهو محرف لا يمكن تمريره إلى الوكيل. أزِله ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>%1 is too long to be passed to the agent: all values together may hold at most %2 KiB. Shorten it and try again.</source>
        <translation>لا يمكن تمرير %1 إلى الوكيل لأنه طويل جدًا: يجب ألا يتجاوز حجم القيم كلها مجتمعةً %2 KiB. اختصره ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>The application&apos;s folder has a name that is not valid UTF-8, so the agent beside it cannot be named. Install the application in a folder with a UTF-8 name and try again.</source>
        <translation>اسم مجلد التطبيق ليس UTF-8 صالحًا، لذا لا يمكن تسمية الوكيل المجاور له. ثبّت التطبيق في مجلد اسمه بترميز UTF-8 ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>Agent binary not found at %1. Re-install the package and try again.</source>
        <translation>لم يُعثر على الملف التنفيذي للوكيل في ‎%1. أعِد تثبيت الحزمة ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>Another enrollment of this computer is under way. Wait until it has ended, then try again.</source>
        <translation>يجري حاليًا تسجيل آخر لهذا الحاسوب. انتظر حتى ينتهي، ثم حاول مجددًا.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Ovata Device Agent — Configuration</source>
        <translation>‏Ovata Device Agent — الضبط</translation>
    </message>
    <message>
        <source>Checking current configuration…</source>
        <translation>يجري فحص الضبط الحالي…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>يجري الحفظ…</translation>
    </message>
    <message>
        <source>This Mac is already enrolled.</source>
        <translation>جهاز Mac هذا مُسجَّل مسبقًا.</translation>
    </message>
    <message>
        <source>The agent has an active enrollment token. You can re-enroll with a new token if needed.</source>
        <translation>لدى الوكيل رمز تسجيل نشط. يمكنك إعادة التسجيل برمز جديد عند الحاجة.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>أنهِ</translation>
    </message>
    <message>
        <source>Reconfigure</source>
        <translation>أعِد الضبط</translation>
    </message>
    <message>
        <source>Configuration saved.</source>
        <translation>حُفظ الضبط.</translation>
    </message>
    <message>
        <source>The agent will enroll within ~30 seconds. You can close this window.</source>
        <translation>سيُجري الوكيل التسجيل خلال ~30 ثانية. يمكنك إغلاق هذه النافذة.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تمّ</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <translation>فشل الضبط</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>حاول مجددًا</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; close it again to stop the enrollment.</source>
        <translation>لا يزال التسجيل جاريًا. ستُغلق هذه النافذة فور نجاحه؛ أغلقها مرة أخرى لإيقاف التسجيل.</translation>
    </message>
    <message>
        <source>This computer is already enrolled.</source>
        <translation>هذا الحاسوب مُسجَّل مسبقًا.</translation>
    </message>
    <message>
        <source>The enrollment is still running. This window closes once it has succeeded; closing it again quits, but a command already running as administrator may go on.</source>
        <translation>لا يزال التسجيل جاريًا. ستُغلق هذه النافذة فور نجاحه؛ وإغلاقها مرة أخرى يُنهي البرنامج، لكن أي أمر يعمل بالفعل بصلاحيات المدير قد يواصل عمله.</translation>
    </message>
</context>
<context>
    <name>EnrollmentForm</name>
    <message>
        <source>Enrollment token</source>
        <translation>رمز التسجيل</translation>
    </message>
    <message>
        <source>paste tenant enrollment token</source>
        <translation>ألصق رمز تسجيل المستأجر</translation>
    </message>
    <message>
        <source>Cloud service URL</source>
        <translation>عنوان URL للخدمة السحابية</translation>
    </message>
    <message>
        <source>User UPN override</source>
        <translation>مُعرّف UPN بديل للمستخدم</translation>
    </message>
    <message>
        <source>optional — leave blank to detect logged-in user</source>
        <translation>اختياري — اتركه فارغًا لاكتشاف المستخدم الوالج</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Save and Enroll</source>
        <translation>احفظ وسجّل</translation>
    </message>
    <message>
        <source>Left blank, %1 is used.</source>
        <translation>إن تُرك فارغًا يُستخدم %1.</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Error details</source>
        <translation>تفاصيل الخطأ</translation>
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
