// The pure rules of agent control: where the agent lies, how errors read,
// how values are quoted into the command line and the script, what the root
// helper accepts, and how the host's answers are read and worded.
#include "agentpaths.h"
#include "configureerror.h"
#include "enrollcommand.h"
#include "pkexechost.h"
#include "privilegedcommand.h"
#include "strictutf8.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace PrivilegedCommand;

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

    void namesTheRunningExecutable_data()
    {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<bool>("isThisFile");
        QTest::addColumn<QString>("path"); // null: cannot be named
        QTest::newRow("as installed") << QByteArray("/usr/lib/ovata/OvataAgentConfigurator-2")
                                      << true << u"/usr/lib/ovata/OvataAgentConfigurator-2"_s;
        QTest::newRow("replaced by an upgrade")
            << QByteArray("/usr/lib/ovata/OvataAgentConfigurator (deleted)") << false
            << u"/usr/lib/ovata/OvataAgentConfigurator"_s;
        QTest::newRow("named so") << QByteArray("/opt/OvataAgentConfigurator (deleted)") << true
                                  << u"/opt/OvataAgentConfigurator (deleted)"_s;
        QTest::newRow("UTF-8 folder") << QByteArray("/opt/Gr\xc3\xbc\xc3\x9f"
                                                    "e/x")
                                      << true << u"/opt/Grüße/x"_s;
        QTest::newRow("folder not UTF-8") << QByteArray("/opt/\xff/x") << true << QString();
        QTest::newRow("replaced, not UTF-8")
            << QByteArray("/opt/\xff/x (deleted)") << false << QString();
    }
    void namesTheRunningExecutable()
    {
        QFETCH(QByteArray, link);
        QFETCH(bool, isThisFile);
        QFETCH(QString, path);
        const auto named = AgentPaths::executableFromLink(link, isThisFile);
        QCOMPARE(named.has_value(), !path.isNull());
        QCOMPARE(named.value_or(QString()), path);
    }

    void describesErrors_data()
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
        QTest::newRow("several lines, markup verbatim")
            << u"<b>50%</b>\n\n%1"_s << failed + u"<b>50%</b>\n\n%1"_s;
        QTest::newRow("missing agent")
            << u"/Apps/Agent Kit/OvataDeviceAgent"_s
            << u"Agent binary not found at /Apps/Agent Kit/OvataDeviceAgent. Re-install the package and try again."_s;
    }
    void describesErrors()
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

    void matchesTheWorkedExample()
    {
        const QString commandLine = configureCommandLine(u"/Apps/Agent Kit/OvataDeviceAgent"_s,
                                                         u"T"_s, u"b\\c"_s, u"it's \"x\""_s);
        QCOMPARE(
            commandLine,
            u"'/Apps/Agent Kit/OvataDeviceAgent' --configure --token 'T' --base-url 'b\\c' --upn-override 'it'\\''s \"x\"'"_s);
        QCOMPARE(
            privilegedScript(commandLine),
            u"do shell script \"'/Apps/Agent Kit/OvataDeviceAgent' --configure --token 'T' --base-url 'b\\\\c' --upn-override 'it'\\\\''s \\\"x\\\"'\" with administrator privileges"_s);
        QVERIFY(
            configureCommandLine(u"/a"_s, u"T"_s, u"U"_s, {}).endsWith(u" --upn-override ''"_s));
    }

    // The same set as the platform's white space and line breaks.
    void trimsThePinnedSet_data()
    {
        QTest::addColumn<char16_t>("character");
        QTest::addColumn<bool>("trimmed");
        for (char16_t c :
             {u'\t', u'\n', u'\v', u'\f', u'\r', u' ', u'\u0085', u'\u00A0', u'\u1680', u'\u2000',
              u'\u200A', u'\u202F', u'\u205F', u'\u3000', u'\u2028', u'\u2029'}) {
            QTest::addRow("U+%04X", c) << c << true;
        }
        for (char16_t c : {u'\u200B', u'\uFEFF', u'\u180E', u'\u001C', u'\u2060'}) {
            QTest::addRow("kept U+%04X", c) << c << false;
        }
    }
    void trimsThePinnedSet()
    {
        QFETCH(char16_t, character);
        QFETCH(bool, trimmed);
        const QString c(QChar{character});
        const QString padded = c + c + u"a"_s + c + u"b"_s + c;
        QCOMPARE(padded.trimmed(), trimmed ? u"a"_s + c + u"b"_s : padded);
    }

    void decodesOnlyOurScripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("commandLine"); // null: refused
        const auto ours = [](const QString &line) { return privilegedScript(line); };
        QTest::newRow("worked example")
            << ours(u"'/A K/OvataDeviceAgent' --token 'it'\\''s \"x\"' 'b\\c'"_s)
            << u"'/A K/OvataDeviceAgent' --token 'it'\\''s \"x\"' 'b\\c'"_s;
        QTest::newRow("escape look-alikes")
            << ours(u"'\\n' '\\t' '\\\\' '\\\"' '\\'"_s) << u"'\\n' '\\t' '\\\\' '\\\"' '\\'"_s;
        QTest::newRow("empty") << ours(QString()) << u""_s;
        QTest::newRow("escapes we never write")
            << u"do shell script \"a\\nb\" with administrator privileges"_s << QString();
        QTest::newRow("no privileges") << u"do shell script \"id\""_s << QString();
        QTest::newRow("escaped closing quote")
            << u"do shell script \"id\\\" with administrator privileges"_s << QString();
    }
    void decodesOnlyOurScripts()
    {
        QFETCH(QString, script);
        QFETCH(QString, commandLine);
        const auto decoded = commandLineFromScript(script);
        QCOMPARE(decoded.has_value(), !commandLine.isNull());
        if (decoded) {
            QCOMPARE(*decoded, commandLine);
        }
    }

    void decodesErrorOutputStrictly()
    {
        QCOMPARE(decodeUtf8Strictly("Gr\xc3\xbc\xc3\x9f"
                                    "e"),
                 u"Grüße"_s);
        QVERIFY(!decodeUtf8Strictly("bad \xff bytes"));
        QVERIFY(!decodeUtf8Strictly("ends inside \xe2\x80"));
    }

    // A dismissed prompt and "Not authorized" are walked through the fake
    // and the real pkexec; these are the rest.
    void wordsPkexecsAnswers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("text"); // the start of the error output
        QTest::newRow("success") << 0 << QByteArray("noise") << 0 << QString();
        QTest::newRow("no authentication agent")
            << 127
            << QByteArray("Error executing command as another user: No authentication agent "
                          "found.\n")
            << 127 << u"execution error: No authentication agent is running"_s;
        QTest::newRow("no polkit")
            << 127
            << QByteArray("Error getting authority: Error initializing authority: Could not "
                          "connect: No such file or directory\n")
            << 127 << u"execution error: The polkit service cannot be reached"_s;
        QTest::newRow("not setuid") << 127 << QByteArray("pkexec must be setuid root\n") << 127
                                    << u"execution error: pkexec is not setuid root"_s;
        QTest::newRow("helper refused")
            << 125 << QByteArray("ovata-enroll-helper: refused: expected --token as word 3\n")
            << 125
            << u"execution error: The enrollment helper refused the command (expected --token as word 3). Reinstall"_s;
    }
    void wordsPkexecsAnswers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QFETCH(int, exitStatus);
        QFETCH(QString, text);
        const HostAnswer answer = PkexecHost::answerFor(status, output);
        QCOMPARE(answer.exitStatus, exitStatus);
        QVERIFY2(QString::fromUtf8(answer.errorOutput).startsWith(text),
                 answer.errorOutput.constData());
    }

    // What the application writes, the helper takes back, value for value.
    void helperAcceptsEveryLineWeWrite()
    {
        QTemporaryDir dir;
        const QString agent = dir.filePath(u"OvataDeviceAgent it's \"$x\""_s);
        QFile file(agent);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        const QStringList pieces{u"'"_s,     u"\""_s,    u"\\"_s, u"$"_s, u"`"_s,
                                 u" "_s,     u"\n"_s,    u"a"_s,  u"é"_s, u"\U0001F600"_s,
                                 u"'\\''"_s, u"$(id)"_s, u";"_s,  u"&"_s, u"-e"_s};
        QRandomGenerator random(20261207);
        for (int n = 0; n < 2000; ++n) {
            QStringList values;
            for (int v = 0; v < 3; ++v) {
                QString value;
                for (int i = random.bounded(0, 12); i > 0; --i) {
                    value += pieces.at(random.bounded(qsizetype(pieces.size())));
                }
                values.append(value);
            }
            const QByteArray line =
                configureCommandLine(agent, values[0], values[1], values[2]).toUtf8();
            const auto verdict = EnrollCommand::check(line.toStdString(), dir.path().toStdString());
            const auto *accepted = std::get_if<EnrollCommand::Accepted>(&verdict);
            QVERIFY2(accepted, line.constData());
            QCOMPARE(QString::fromStdString(accepted->agentPath), agent);
        }
    }

    // The refusals of a shell, an agent elsewhere and words out of form are
    // checked through the real pkexec by the polkit test.
    void helperRefusesEverythingElse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reason");
        const QString ok = u" --configure --token 't' --base-url 'u' --upn-override ''"_s;
        QTest::newRow("not quoted") << u"DIR/OvataDeviceAgent"_s + ok << u"quoted path"_s;
        QTest::newRow("another name") << u"'DIR/Other'"_s + ok << u"is not an"_s;
        QTest::newRow("not executable") << u"'DIR/OvataDeviceAgentNX'"_s + ok << u"executable"_s;
        QTest::newRow("missing") << u"'DIR/OvataDeviceAgent-9'"_s + ok << u"executable"_s;
        QTest::newRow("NUL") << u"'DIR/OvataDeviceAgent\0'"_s + ok << u"NUL"_s;
    }
    void helperRefusesEverythingElse()
    {
        QFETCH(QString, line);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        for (const char *name : {"OvataDeviceAgent", "OvataDeviceAgentNX", "Other"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setPermissions(qstrcmp(name, "OvataDeviceAgentNX") == 0
                                            ? QFile::ReadOwner
                                            : QFile::ReadOwner | QFile::ExeOwner));
        }
        line.replace(u"DIR"_s, dir.path());
        const auto verdict =
            EnrollCommand::check(line.toUtf8().toStdString(), dir.path().toStdString());
        const auto *refused = std::get_if<EnrollCommand::Refused>(&verdict);
        QVERIFY(refused);
        QVERIFY2(QString::fromStdString(refused->reason).contains(reason), refused->reason.c_str());
    }
};

QTEST_GUILESS_MAIN(TestAgentRules)
#include "tst_agentrules.moc"
