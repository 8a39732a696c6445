#include "agentsandbox.h"
#include "configurecommand.h"
#include "configureerror.h"
#include "pkexechost.h"
#include "privilegedcommand.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct HostRun
{
    int exitCode;
    QByteArray errorOutput;
};

HostRun runHost(const QStringList &arguments, const QByteArray &pkexecMode = {})
{
    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"FAKE_PKEXEC_MODE"_s, QString::fromUtf8(pkexecMode));
    host.setProcessEnvironment(environment);
    host.start(TestPaths::fakePkexecHost(), arguments);
    host.waitForFinished(-1);
    return {host.exitCode(), host.readAllStandardError()};
}

} // namespace

class TestScriptHost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersAsTheSystemHost_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("pkexecOutput");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("errorOutput");

        QTest::newRow("success") << 0 << QByteArray("noise") << 0 << QByteArray();
        QTest::newRow("dismissed")
            << 126 << QByteArray("Error executing command as another user: Request dismissed\n")
            << 1 << QByteArray("execution error: User canceled. (-128)\n");
        QTest::newRow("126 without the words")
            << 126 << QByteArray("cannot execute\n") << 1
            << QByteArray("execution error: cannot execute (126)\n");
        QTest::newRow("not authorized")
            << 127
            << QByteArray("Error executing command as another user: Not authorized\n\nThis "
                          "incident has been reported.\n")
            << 1
            << QByteArray("execution error: Error executing command as another user: Not "
                          "authorized\n\nThis incident has been reported. (127)\n");
        QTest::newRow("silent failure")
            << 4 << QByteArray(" \n") << 1
            << QByteArray("execution error: The command exited with a non-zero status. (4)\n");
    }
    void answersAsTheSystemHost()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, pkexecOutput);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, errorOutput);
        const auto answer = PkexecHost::answerFor(status, pkexecOutput);
        QCOMPARE(answer.exitCode, exitCode);
        QCOMPARE(answer.errorOutput, errorOutput);
    }

    void refusesOtherInvocations_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("messageStart");
        const QString valid = PrivilegedCommand::privilegedScript(u"touch /tmp/never"_s);
        QTest::newRow("no arguments") << QStringList() << QByteArray("usage:");
        QTest::newRow("no -e") << QStringList{valid} << QByteArray("usage:");
        QTest::newRow("extra argument")
            << QStringList{u"-e"_s, valid, u"x"_s} << QByteArray("usage:");
        QTest::newRow("without privileges")
            << QStringList{u"-e"_s, u"do shell script \"touch /tmp/never\""_s}
            << QByteArray("syntax error:");
        QTest::newRow("another command")
            << QStringList{u"-e"_s, u"tell application \"Finder\" to quit"_s}
            << QByteArray("syntax error:");
    }
    void refusesOtherInvocations()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, messageStart);
        const HostRun run = runHost(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errorOutput.startsWith(messageStart), run.errorOutput.constData());
    }

    void deliversTheArgumentsExactly()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        const QString token = u" it's \"$(id)\" `x` \\n \\\\ \t€ "_s;
        const QString url = u"https://h/$HOME/\\\"q\""_s;
        const QString upn = u"ü'ser@example\n"_s;
        runConfigure(sandbox.platform(), token, url, upn);
        const auto calls = sandbox.calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().arguments,
                 (QByteArrayList{"--configure", "--token", token.toUtf8(), "--base-url",
                                 url.toUtf8(), "--upn-override", upn.toUtf8()}));
        QCOMPARE(sandbox.savedConfig(),
                 (QByteArrayList{token.toUtf8(), url.toUtf8(), upn.toUtf8()}));
    }

    void mapsPkexecRefusals_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QString>("description");
        QTest::newRow("dismissed") << QByteArray("dismiss") << u"Authorization canceled."_s;
        QTest::newRow("not authorized")
            << QByteArray("deny")
            << u"Configuration command failed:\nexecution error: Error executing command as "
               "another user: Not authorized\n\nThis incident has been reported. (127)"_s;
    }
    void mapsPkexecRefusals()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QString, description);
        AgentSandbox sandbox;
        sandbox.installAgent();
        qputenv("FAKE_PKEXEC_MODE", mode);
        const auto restore = qScopeGuard([] { qunsetenv("FAKE_PKEXEC_MODE"); });
        try {
            runConfigure(sandbox.platform(), u"T"_s, u"https://u"_s, {});
            QFAIL("no error thrown");
        } catch (const ConfigureError &error) {
            QCOMPARE(error.errorDescription(), description);
        }
        QVERIFY(sandbox.calls().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestScriptHost)
#include "tst_scripthost.moc"
