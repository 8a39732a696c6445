#include "agentsandbox.h"
#include "configurecommand.h"
#include "configureerror.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The outcome of one run as the failure panel would word it; empty on success.
QString outcome(const AgentPlatform &platform, const QString &token, const QString &baseURL,
                const QString &upnOverride)
{
    try {
        runConfigure(platform, token, baseURL, upnOverride);
        return {};
    } catch (const ConfigureError &error) {
        return error.errorDescription();
    } catch (const std::exception &error) {
        return u"other: "_s + QString::fromUtf8(error.what());
    }
}

// A scripting host that only notes that it was started.
QString recordingHost(const AgentSandbox &sandbox)
{
    return sandbox.writeScript(u"host"_s, "touch \"$0.started\"\nexit 0\n");
}

} // namespace

class TestConfigureCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingAgentStartsNothing()
    {
        AgentSandbox sandbox(u" 2"_s);
        const QString host = recordingHost(sandbox);
        try {
            runConfigure(sandbox.platform(host), u"T"_s, u"https://u"_s, {});
            QFAIL("no error thrown");
        } catch (const ConfigureError &error) {
            QCOMPARE(error.errorDescription(), u"Agent binary not found at "_s +
                                                   sandbox.agentPath() +
                                                   u". Re-install the package and try again."_s);
            const auto *missing = std::get_if<ConfigureError::BinaryMissing>(&error.reason());
            QVERIFY(missing);
            QCOMPARE(missing->path, sandbox.agentPath());
        }
        QVERIFY(!QFile::exists(host + u".started"_s));
    }

    void notExecutableCountsAsMissing()
    {
        AgentSandbox sandbox;
        QFile file(sandbox.agentPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(outcome(sandbox.platform(), u"T"_s, u"https://u"_s, {})
                    .startsWith(u"Agent binary not found at "_s));
    }

    void refusesNulBeforeAnything_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("token") << 0 << u"The enrollment token"_s;
        QTest::newRow("url") << 1 << u"The cloud service URL"_s;
        QTest::newRow("upn") << 2 << u"The user UPN override"_s;
    }
    void refusesNulBeforeAnything()
    {
        QFETCH(int, field);
        QFETCH(QString, message);
        AgentSandbox sandbox;
        sandbox.installAgent();
        const QString host = recordingHost(sandbox);
        QStringList values{u"T"_s, u"https://u"_s, u"upn"_s};
        values[field].insert(1, QChar(u'\0'));

        try {
            runConfigure(sandbox.platform(host), values[0], values[1], values[2]);
            QFAIL("no error thrown");
        } catch (const UnsendableValueError &error) {
            QCOMPARE(error.message(),
                     message + u" contains a NUL character (U+0000), which cannot be passed to the "
                               "agent. Remove it and try again."_s);
        }
        QVERIFY(!QFile::exists(host + u".started"_s));
    }

    void hostThatCannotStartIsItsOwnError()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        try {
            runConfigure(sandbox.platform(sandbox.directory() + u"/no-such-host"_s), u"T"_s,
                         u"https://u"_s, {});
            QFAIL("no error thrown");
        } catch (const HostLaunchError &error) {
            QVERIFY(!error.message().isEmpty());
        }
    }

    void startsTheHostWithExactlyTheScript()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        // The host writes its argument vector, one argument a line.
        const QString host = sandbox.writeScript(
            u"host"_s, "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n");
        QVERIFY(outcome(sandbox.platform(host), u"T"_s, u"b\\c"_s, u"it's \"x\""_s).isEmpty());

        QFile args(host + u".args"_s);
        QVERIFY(args.open(QIODevice::ReadOnly));
        const QString expected =
            u"-e\ndo shell script \"'"_s + sandbox.agentPath() +
            u"' --configure --token 'T' --base-url 'b\\\\c' --upn-override 'it'\\\\''s \\\"x\\\"'\" with administrator privileges"_s +
            u'\n';
        QCOMPARE(QString::fromUtf8(args.readAll()), expected);
    }

    void mapsTheHostsAnswer_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("expected"); // a pattern for the whole outcome

        const QString url = u"https://u"_s;
        const auto exactly = [](const QString &text) {
            return QRegularExpression::anchoredPattern(QRegularExpression::escape(text));
        };
        QTest::newRow("success") << QByteArray() << url << exactly({});
        QTest::newRow("success despite error output")
            << QByteArray("configure stderr warning: slow network\\n\n") << url << exactly({});
        QTest::newRow("failure, trimmed output")
            << QByteArray("configure stderr   a line of text\\n\nconfigure exit 3\n") << url
            << exactly(u"Configuration command failed:\nexecution error: a line of text (3)"_s);
        QTest::newRow("failure, silent")
            << QByteArray("configure exit 9\n") << url
            << exactly(u"Configuration command failed:\nexecution error: The command exited "
                       "with a non-zero status. (9)"_s);
        QTest::newRow("agent refuses the URL")
            << QByteArray() << u"http://u"_s
            << exactly(u"Configuration command failed:\nexecution error: OvataDeviceAgent: the "
                       "cloud service URL must start with https:// (3)"_s);
        // The shell may or may not word the signal; the status is fixed.
        QTest::newRow("killed agent")
            << QByteArray("configure signal 9\n") << url
            << u"^Configuration command failed:\nexecution error: .* \\(137\\)$"_s;
    }
    void mapsTheHostsAnswer()
    {
        QFETCH(QByteArray, control);
        QFETCH(QString, url);
        QFETCH(QString, expected);
        AgentSandbox sandbox;
        sandbox.installAgent();
        sandbox.setControl(control);
        const QString result = outcome(sandbox.platform(), u"T"_s, url, {});
        QVERIFY2(QRegularExpression(expected, QRegularExpression::DotMatchesEverythingOption)
                     .match(result)
                     .hasMatch(),
                 qPrintable(result));
    }

    void readsTheHostsErrorOutput_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("standardError");
        QTest::newRow("blank padding") << QByteArray("  a line of text\n") << u"a line of text"_s;
        QTest::newRow("only blanks") << QByteArray(" \n\t ") << QString();
        QTest::newRow("none") << QByteArray() << QString();
        QTest::newRow("invalid UTF-8") << QByteArray("bad \xff\xfe bytes") << QString();
        QTest::newRow("UTF-8 kept") << QByteArray("Grüße \xe2\x80\x94 ok") << u"Grüße — ok"_s;
    }
    void readsTheHostsErrorOutput()
    {
        QFETCH(QByteArray, output);
        QFETCH(QString, standardError);
        AgentSandbox sandbox;
        sandbox.installAgent();
        QFile raw(sandbox.directory() + u"/output"_s);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write(output);
        raw.close();
        const QString host =
            sandbox.writeScript(u"host"_s, "cat \"$(dirname \"$0\")/output\" >&2\nexit 5\n");
        try {
            runConfigure(sandbox.platform(host), u"T"_s, u"https://u"_s, {});
            QFAIL("no error thrown");
        } catch (const ConfigureError &error) {
            const auto *failed = std::get_if<ConfigureError::OsascriptFailed>(&error.reason());
            QVERIFY(failed);
            QCOMPARE(failed->code, 5);
            QCOMPARE(failed->standardError, standardError);
        }
    }

    void floodedErrorOutputStaysBounded()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        sandbox.setControl("configure flood-stderr 104857600\nconfigure exit 1\n");
        const long before = peakRssKiB();
        const QString result = outcome(sandbox.platform(), u"T"_s, u"https://u"_s, {});
        QCOMPARE_LT(peakRssKiB() - before, 16 * 1024);
        QVERIFY(result.startsWith(u"Configuration command failed:\n"_s));
        QCOMPARE_LT(result.size(), 70 * 1024);
    }

    void cutsLongOutputOnACharacterBoundary()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        // 'é' is two bytes; an odd start makes the 64 KiB cut fall inside one.
        const QString host = sandbox.writeScript(
            u"host"_s, "printf x >&2\ni=0; while [ $i -lt 40000 ]; do printf 'é'; i=$((i+1)); "
                       "done >&2\nexit 1\n");
        const QString result = outcome(sandbox.platform(host), u"T"_s, u"https://u"_s, {});
        QVERIFY(result.startsWith(u"Configuration command failed:\nxéé"_s));
        QVERIFY(result.endsWith(u"é"_s));
    }
};

QTEST_GUILESS_MAIN(TestConfigureCommand)
#include "tst_configurecommand.moc"
