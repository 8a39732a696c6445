// Agent control against real processes: the probe, and the configure command
// through the Linux road (fake pkexec, our helper, the stand-in agent) or a
// scripting host of the macOS kind.
#include "agentprobe.h"
#include "agentsandbox.h"
#include "configurecommand.h"
#include "configureerror.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// The outcome as the failure panel would word it; empty on success.
QString outcome(const AgentPlatform &platform, const QString &token = u"T"_s,
                const QString &baseURL = u"https://u"_s, const QString &upn = {})
{
    try {
        runConfigure(platform, token, baseURL, upn);
        return {};
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what()); // a ConfigureError's is its description
    }
}

QRegularExpression exactly(const QString &text)
{
    return QRegularExpression(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(text)));
}

} // namespace

class TestAgentProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void probeAnswersByExitStatusAlone_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<bool>("configured");
        QTest::newRow("status 0") << QByteArray("has-config exit 0\n") << true;
        QTest::newRow("status 1") << QByteArray("has-config exit 1\n") << false;
        QTest::newRow("killed") << QByteArray("has-config signal 9\n") << false;
        QTest::newRow("floods, status 0")
            << QByteArray("has-config flood-stdout 104857600\nhas-config flood-stderr "
                          "104857600\nhas-config exit 0\n")
            << true;
        QTest::newRow("hangs") << QByteArray("has-config sleep 60000\nhas-config exit 0\n")
                               << false;
        QTest::newRow("forks and exits")
            << QByteArray("has-config fork-hold 600000\nhas-config exit 0\n") << true;
        QTest::newRow("stops itself") << QByteArray("has-config signal 19\n") << false;
        QTest::newRow("missing") << QByteArray("-") << false;
        QTest::newRow("not executable") << QByteArray("-x") << false;
    }
    void probeAnswersByExitStatusAlone()
    {
        QFETCH(QByteArray, control);
        QFETCH(bool, configured);
        AgentSandbox sandbox;
        if (control == "-x") {
            QFile file(sandbox.agentPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\nexit 0\n");
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        } else if (control != "-") {
            sandbox.installAgent();
            sandbox.setControl(control);
        }
        AgentPlatform platform = sandbox.platform();
        platform.probeTimeout = 500ms;
        const long before = peakRssKiB();

        QCOMPARE(agentHasConfig(platform), configured);
        QCOMPARE_LT(peakRssKiB() - before, 16 * 1024);
        const auto calls = sandbox.calls();
        QCOMPARE(calls.size(), control.startsWith('-') ? 0 : 1);
        for (const auto &call : calls) {
            QCOMPARE(call.arguments, QByteArrayList{"--has-config"});
            QVERIFY(!processExists(call.pid));
        }
    }

    void configureMapsEveryOutcome_data()
    {
        // The control file; "-": no agent; "@": a link to it; "no helper".
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QByteArray>("pkexecMode");
        QTest::addColumn<QRegularExpression>("expected");
        QTest::addColumn<bool>("agentRuns");
        const QString failed = u"Configuration command failed:\n"_s;
        QTest::newRow("success") << QByteArray() << QByteArray() << exactly({}) << true;
        QTest::newRow("success despite error output")
            << QByteArray("configure stderr warning\\n\n") << QByteArray() << exactly({}) << true;
        QTest::newRow("agent fails, output trimmed")
            << QByteArray("configure stderr   a line of text\\n\nconfigure exit 3\n")
            << QByteArray() << exactly(failed + u"a line of text"_s) << true;
        QTest::newRow("agent killed")
            << QByteArray("configure signal 9\n") << QByteArray()
            << exactly(failed + u"(no error output)\nThe agent was stopped by signal 9."_s) << true;
        QTest::newRow("agent floods its error output")
            << QByteArray("configure flood-stderr 104857600\nconfigure exit 1\n") << QByteArray()
            << QRegularExpression(u"^Configuration command failed:\n(x{32768}){2}$"_s) << true;
        QTest::newRow("agent fails, its child holds the pipe")
            << QByteArray(
                   "configure stderr refused\\n\nconfigure fork-hold 600000\nconfigure exit 5\n")
            << QByteArray() << exactly(failed + u"refused"_s) << true;
        QTest::newRow("prompt dismissed") << QByteArray() << QByteArray("dismiss")
                                          << exactly(u"Authorization canceled."_s) << false;
        QTest::newRow("pkexec killed")
            << QByteArray() << QByteArray("killed")
            << exactly(failed + u"(no error output)\nThe agent was stopped by signal 9."_s)
            << false;
        QTest::newRow("agent missing")
            << QByteArray("-") << QByteArray()
            << QRegularExpression(u"^Agent binary not found at /.*/OvataDeviceAgent\\. Re-install "
                                  "the package and try again\\.$"_s)
            << false;
        QTest::newRow("helper missing, nothing asked")
            << QByteArray("no helper") << QByteArray()
            << QRegularExpression(
                   u"^The enrollment helper is missing at /.*/ovata-enroll-helper\\. "
                   "Reinstall the package and try again\\.$"_s)
            << false;
        QTest::newRow("agent is a link")
            << QByteArray("@") << QByteArray()
            << QRegularExpression(u"^The enrollment helper refused to run the agent: /.*/"
                                  "OvataDeviceAgent is a symbolic link\\. Reinstall .*$"_s)
            << false;
    }
    void configureMapsEveryOutcome()
    {
        QFETCH(QByteArray, setup);
        QFETCH(QByteArray, pkexecMode);
        QFETCH(QRegularExpression, expected);
        QFETCH(bool, agentRuns);
        AgentSandbox sandbox;
        if (setup == "@") {
            sandbox.installAgent();
            QVERIFY(QFile::rename(sandbox.agentPath(), sandbox.agentPath() + u".real"_s));
            QVERIFY(QFile::link(sandbox.agentPath() + u".real"_s, sandbox.agentPath()));
        } else if (setup != "-") {
            sandbox.installAgent();
            sandbox.setControl(setup == "no helper" ? QByteArray() : setup);
        }
        qputenv("FAKE_PKEXEC_MODE", pkexecMode);
        const auto restore = qScopeGuard([] { qunsetenv("FAKE_PKEXEC_MODE"); });
        const long before = peakRssKiB();
        const AgentPlatform platform = sandbox.platform();
        if (setup == "no helper") {
            QVERIFY(QFile::remove(sandbox.directory() + u"/ovata-enroll-helper"_s));
        }
        const QString result = outcome(platform);
        QVERIFY2(expected.match(result).hasMatch(), qPrintable(result.left(300)));
        QCOMPARE_LT(peakRssKiB() - before, 16 * 1024);
        QCOMPARE(sandbox.calls().size(), agentRuns ? 1 : 0);
        if (agentRuns) {
            // Started by the helper itself, clean, whatever this process holds.
            QCOMPARE(sandbox.calls().first().process,
                     "umask=0022 fds=0,1,2 fsize=unlimited cwd=/ sigblk=0000000000000000 "
                     "sigign=0000000000000000 session=own");
        }
    }

    // Refused before any prompt: nothing is started.
    void refusesUnsendableValues_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const QString nul = u" contains a NUL character (U+0000), which cannot be passed to the "
                            "agent. Remove it and try again."_s;
        const QString tooLong = u" is too long to be passed to the agent: all values together "
                                "may hold at most 128 KiB. Shorten it and try again."_s;
        QTest::newRow("NUL in the token") << 0 << u"a\0b"_s << u"The enrollment token"_s + nul;
        QTest::newRow("NUL in the override") << 2 << u"\0"_s << u"The user UPN override"_s + nul;
        QTest::newRow("a 1 MiB token")
            << 0 << QString(1 << 20, u't') << u"The enrollment token"_s + tooLong;
        QTest::newRow("a URL just too long")
            << 1 << QString(128 * 1024 - 100, u'u') << u"The cloud service URL"_s + tooLong;
    }
    void refusesUnsendableValues()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        AgentSandbox sandbox;
        sandbox.installAgent();
        QStringList values{u"T"_s, u"https://u"_s, u"upn"_s};
        values[field] = value;
        QCOMPARE(outcome(sandbox.platform(), values[0], values[1], values[2]), message);
        QVERIFY(sandbox.calls().isEmpty());
    }

    void longestSendableTokenArrives()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        const QString fixed =
            u"'"_s + sandbox.agentPath() +
            u"' --configure --token '' --base-url 'https://u' --upn-override ''"_s;
        const QString token(128 * 1024 - 1 - fixed.size(), u't');
        QCOMPARE(outcome(sandbox.platform(), token), QString());
        QCOMPARE(sandbox.calls().value(0).arguments.value(2).size(), token.size());
    }

    // A host of the macOS kind gets exactly "-e" and the script; its error
    // output is read as the system's would be.
    void scriptHostRoad_data()
    {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<QString>("expected");
        QTest::newRow("arguments")
            << QByteArray("for a in \"$@\"; do printf '%s|' \"$a\"; done > \"$0.args\"\n")
            << QString();
        QTest::newRow("invalid UTF-8") << QByteArray("printf 'bad \\377' >&2; exit 5\n")
                                       << u"Configuration command failed:\n(no error output)"_s;
        QTest::newRow("killed") << QByteArray("kill -9 $$\n")
                                << u"Configuration command failed:\n(no error output)"_s;
        QTest::newRow("cut on a character")
            << QByteArray("printf x >&2; i=0; while [ $i -lt 40000 ]; do printf 'é'; "
                          "i=$((i+1)); done >&2; exit 1\n")
            << u"Configuration command failed:\nx"_s + QString(u"é"_s).repeated(32767);
    }
    void scriptHostRoad()
    {
        QFETCH(QByteArray, host);
        QFETCH(QString, expected);
        AgentSandbox sandbox;
        sandbox.installAgent();
        const QString program = sandbox.writeScript(u"host"_s, host);
        QCOMPARE(outcome(sandbox.platform(program), u"T"_s, u"b\\c"_s, u"it's \"x\""_s), expected);
        QFile args(program + u".args"_s);
        if (args.open(QIODevice::ReadOnly)) {
            QCOMPARE(
                QString::fromUtf8(args.readAll()),
                u"-e|do shell script \"'"_s + sandbox.agentPath() +
                    u"' --configure --token 'T' --base-url 'b\\\\c' --upn-override 'it'\\\\''s \\\"x\\\"'\" with administrator privileges|"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TestAgentProcess)
#include "tst_agentprocess.moc"
