// The pure rules of agent control: where the agent lies, how values are
// quoted into the command line and the script, and how each platform's host
// outcomes read.
#include "agentpaths.h"
#include "configureerror.h"
#include "osascripthost.h"
#include "pkexechost.h"
#include "privilegedcommand.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace PrivilegedCommand;
using HostOutcome::Termination;

Q_DECLARE_METATYPE(Termination)

class TestAgentRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void derivesAgentFromBundle_data()
    {
        QTest::addColumn<QString>("bundle");
        QTest::addColumn<QString>("agent");
        QTest::newRow("plain") << u"/Applications/OvataAgentConfigurator.app"_s
                               << u"/Applications/OvataDeviceAgent"_s;
        QTest::newRow("hyphen") << u"/Applications/OvataAgentConfigurator-2.app"_s
                                << u"/Applications/OvataDeviceAgent-2"_s;
        QTest::newRow("blank") << u"/Applications/OvataAgentConfigurator 2.app"_s
                               << u"/Applications/OvataDeviceAgent 2"_s;
        QTest::newRow("only the last extension")
            << u"/opt/x/OvataAgentConfigurator.beta.app"_s << u"/opt/x/OvataDeviceAgent.beta"_s;
        QTest::newRow("glued") << u"/opt/x/OvataAgentConfiguratorEU.app"_s
                               << u"/opt/x/OvataDeviceAgentEU"_s;
        QTest::newRow("other name") << u"/opt/x/Configurator.app"_s << u"/opt/x/OvataDeviceAgent"_s;
        QTest::newRow("case differs")
            << u"/opt/x/ovataagentconfigurator-2.app"_s << u"/opt/x/OvataDeviceAgent"_s;
        QTest::newRow("prefix inside")
            << u"/opt/x/MyOvataAgentConfigurator-2.app"_s << u"/opt/x/OvataDeviceAgent"_s;
        QTest::newRow("executable")
            << u"/opt/ovata/OvataAgentConfigurator-2"_s << u"/opt/ovata/OvataDeviceAgent-2"_s;
        QTest::newRow("in a bundle")
            << AgentPaths::enclosingAppBundle(u"/A/OvataAgentConfigurator-2.app/Contents/MacOS/x"_s)
                   .value_or(QString())
            << u"/A/OvataDeviceAgent-2"_s;
    }
    void derivesAgentFromBundle()
    {
        QFETCH(QString, bundle);
        QFETCH(QString, agent);
        QCOMPARE(AgentPaths::agentBinary(bundle), agent);
    }

    // macOS: the scripting host's error output, worded as it always was.
    void macOSTexts_data()
    {
        QTest::addColumn<QString>("standardError");
        QTest::addColumn<QString>("description");
        const QString failed = u"Configuration command failed:\n"_s;
        QTest::newRow("cancel inside a message")
            << u"0:120: execution error: User canceled. (-128)"_s << u"Authorization canceled."_s;
        QTest::newRow("only the number") << u"(-128)"_s << u"Authorization canceled."_s;
        QTest::newRow("only the words") << u"xx User canceledyy"_s << u"Authorization canceled."_s;
        QTest::newRow("other case is no cancel")
            << u"user canceled"_s << failed + u"user canceled"_s;
        QTest::newRow("-1280 is not -128") << u"(-1280"_s << failed + u"(-1280"_s;
        QTest::newRow("empty") << QString() << failed + u"(no error output)"_s;
        QTest::newRow("agent failed") << u"0:200: execution error: bad token (3)"_s
                                      << failed + u"0:200: execution error: bad token (3)"_s;
        QTest::newRow("several lines, markup verbatim")
            << u"<b>50%</b>\n\n%1"_s << failed + u"<b>50%</b>\n\n%1"_s;
        QTest::newRow("missing agent")
            << u"/Apps/Agent Kit/OvataDeviceAgent"_s
            << u"Agent binary not found at /Apps/Agent Kit/OvataDeviceAgent. Re-install the package and try again."_s;
    }
    void macOSTexts()
    {
        QFETCH(QString, standardError);
        QFETCH(QString, description);
        const auto error = QByteArray(QTest::currentDataTag()) == "missing agent"
                               ? ConfigureError::binaryMissing(standardError)
                               : ConfigureError::osascriptFailed(7, standardError);
        QCOMPARE(error.errorDescription(), description);
        QCOMPARE(QString::fromUtf8(error.what()), description);
        // The status never enters the text.
        if (std::holds_alternative<ConfigureError::OsascriptFailed>(error.reason())) {
            QCOMPARE(ConfigureError::osascriptFailed(255, standardError).errorDescription(),
                     description);
        }
    }

    // Linux: pkexec's end and error output, as pkexec 122 writes them, through
    // the outcome to the text.
    void linuxTexts_data()
    {
        QTest::addColumn<Termination>("end");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("text"); // empty: success
        const QString failed = u"Configuration command failed:\n"_s;
        const QString notGiven =
            u"Administrator approval was not given: the prompt was canceled, the password was not accepted, or this account may not enroll this computer. Try again, or ask an administrator to enroll it."_s;
        const QString noAgent =
            u"The administrator prompt cannot be shown, because no polkit authentication agent is running. Log in to a desktop session, or start a polkit authentication agent, and try again.\n\n"_s;
        const QString tty =
            u"Error creating textual authentication agent: Error opening current controlling terminal for the process (`/dev/tty'): No such device or address"_s;
        QTest::newRow("success") << Termination{false, 0} << u"noise"_s << QString();
        QTest::newRow("dismissed")
            << Termination{false, 126}
            << u"Error executing command as another user: Request dismissed"_s
            << u"Authorization canceled."_s;
        QTest::newRow("not authorized")
            << Termination{false, 127}
            << u"Error executing command as another user: Not authorized\n\nThis incident has been reported."_s
            << notGiven;
        QTest::newRow("no terminal, no agent") << Termination{false, 127} << tty << noAgent + tty;
        QTest::newRow("no authentication agent")
            << Termination{false, 127}
            << u"Error executing command as another user: No authentication agent found."_s
            << noAgent +
                   u"Error executing command as another user: No authentication agent found."_s;
        QTest::newRow("no polkit")
            << Termination{false, 127}
            << u"Error getting authority: Error initializing authority: Could not connect: No such file or directory"_s
            << u"Administrator rights cannot be requested, because the polkit service cannot be reached (no system bus or no polkit daemon is running). Start the system's polkit service and try again.\n\nError getting authority: Error initializing authority: Could not connect: No such file or directory"_s;
        QTest::newRow("not setuid")
            << Termination{false, 127} << u"pkexec must be setuid root"_s
            << u"Administrator rights cannot be requested, because pkexec is not setuid root. Reinstall polkit's pkexec package and try again.\n\npkexec must be setuid root"_s;
        QTest::newRow("helper refused")
            << Termination{false, 125}
            << u"ovata-enroll-helper: refused: /opt/OvataDeviceAgent is a symbolic link"_s
            << u"The enrollment helper refused to run the agent: /opt/OvataDeviceAgent is a symbolic link. Reinstall the package so that the application, its helper and the agent match, and try again."_s;
        QTest::newRow("agent fails")
            << Termination{false, 3} << u"bad token"_s << failed + u"bad token"_s;
        QTest::newRow("agent's (-128) is no cancel")
            << Termination{false, 1} << u"User canceled. (-128)"_s
            << failed + u"User canceled. (-128)"_s;
        QTest::newRow("agent fails silently")
            << Termination{false, 9} << QString() << failed + u"(no error output)"_s;
        QTest::newRow("agent's own 127")
            << Termination{false, 127} << u"Not authorized by the tenant"_s
            << failed + u"Not authorized by the tenant"_s;
        QTest::newRow("agent's own 125")
            << Termination{false, 125} << u"ovata-enroll-helper: refused: x\ny"_s
            << failed + u"ovata-enroll-helper: refused: x\ny"_s;
        QTest::newRow("killed by a signal")
            << Termination{true, 9} << QString()
            << failed + u"(no error output)\nThe agent was stopped by signal 9."_s;
    }
    void linuxTexts()
    {
        QFETCH(Termination, end);
        QFETCH(QString, output);
        QFETCH(QString, text);
        const HostOutcome::Outcome outcome = PkexecHost::outcomeFor(end, output);
        if (text.isEmpty()) {
            QVERIFY(std::holds_alternative<HostOutcome::Succeeded>(outcome));
            return;
        }
        const QString description = ConfigureError::fromHost(outcome).errorDescription();
        QCOMPARE(description, text);
        // Nothing of the macOS road's idiom.
        QVERIFY(!description.contains(u"execution error"_s));
    }

    void matchesTheWorkedExample()
    {
        const QString commandLine = configureCommandLine(u"/Apps/Agent Kit/OvataDeviceAgent"_s,
                                                         u"T"_s, u"b\\c"_s, u"it's \"x\""_s);
        QCOMPARE(
            commandLine,
            u"'/Apps/Agent Kit/OvataDeviceAgent' --configure --token 'T' --base-url 'b\\c' --upn-override 'it'\\''s \"x\"'"_s);
        QCOMPARE(
            AppleScript::privilegedScript(commandLine),
            u"do shell script \"'/Apps/Agent Kit/OvataDeviceAgent' --configure --token 'T' --base-url 'b\\\\c' --upn-override 'it'\\\\''s \\\"x\\\"'\" with administrator privileges"_s);
        QVERIFY(
            configureCommandLine(u"/a"_s, u"T"_s, u"U"_s, {}).endsWith(u" --upn-override ''"_s));
    }
};

QTEST_GUILESS_MAIN(TestAgentRules)
#include "tst_agentrules.moc"
