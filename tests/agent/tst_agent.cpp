// Agent control: how a path splits and where the agent lies, how each
// platform's host outcomes read, and the probe and the configure command
// against real processes through the Linux road (fake pkexec, our helper,
// the stand-in agent) or a scripting host of the macOS kind.
#include "agent/agentpaths.h"
#include "agent/agentprobe.h"
#include "agent/configurecommand.h"
#include "agent/configureerror.h"
#include "agentsandbox.h"
#include "ownprocess/pathparts.h"

#include <QRegularExpression>

#include <thread>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using HostOutcome::Termination;

Q_DECLARE_METATYPE(Termination)

namespace {

// The outcome as the failure panel would word it; empty on success.
QString outcome(const AgentPlatform &platform, const QStringList &values)
{
    try {
        runConfigure(platform, values[0], values[1], values[2]);
        return {};
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what()); // a ConfigureError's is its description
    }
}

// Whether the text is these pieces verbatim, with anything between them.
bool matches(const QStringList &pieces, const QString &text)
{
    if (pieces.size() == 1) {
        return text == pieces.front(); // also one longer than a pattern may be
    }
    QStringList escaped;
    for (const QString &piece : pieces) {
        escaped.append(QRegularExpression::escape(piece));
    }
    const QString pattern = QRegularExpression::anchoredPattern(escaped.join(u".*"_s));
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
        .match(text)
        .hasMatch();
}

// Neither a flood nor a long run is kept in memory.
constexpr long memoryBoundKiB = 16 * 1024 + memorySlackKiB;
const QString failed = u"Configuration command failed:\n"_s;

} // namespace

class TestAgent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Where the agent lies, and the path splitting beneath it.
    void splitsPathsAndFindsTheAgent_data()
    {
        QTest::addColumn<QString>("agent");
        // Last component|directory|stem|enclosing bundle; none: the agent says it.
        QTest::addColumn<QString>("parts");
        const auto row = [](const char *path, const char *agent, const char *parts = nullptr) {
            QTest::newRow(path) << QString::fromUtf8(agent) << QString::fromUtf8(parts);
        };
        row("/Applications/OvataAgentConfigurator.app", "/Applications/OvataDeviceAgent",
            "OvataAgentConfigurator.app|/Applications|OvataAgentConfigurator|");
        row("/Applications/OvataAgentConfigurator-2.app", "/Applications/OvataDeviceAgent-2");
        row("/Applications/OvataAgentConfigurator 2.app", "/Applications/OvataDeviceAgent 2");
        row("/opt/x/OvataAgentConfigurator.beta.app", "/opt/x/OvataDeviceAgent.beta",
            "OvataAgentConfigurator.beta.app|/opt/x|OvataAgentConfigurator.beta|");
        row("/opt/x/OvataAgentConfiguratorEU.app", "/opt/x/OvataDeviceAgentEU");
        row("/opt/x/Configurator.app", "/opt/x/OvataDeviceAgent");
        row("/opt/x/ovataagentconfigurator-2.app", "/opt/x/OvataDeviceAgent");
        row("/opt/x/MyOvataAgentConfigurator-2.app", "/opt/x/OvataDeviceAgent");
        row("/opt/ovata/OvataAgentConfigurator-2", "/opt/ovata/OvataDeviceAgent-2");
        row("/o/.OvataAgentConfigurator-2", "/o/OvataDeviceAgent",
            ".OvataAgentConfigurator-2|/o|.OvataAgentConfigurator-2|");
        row("/OvataAgentConfigurator_x", "/OvataDeviceAgent_x",
            "OvataAgentConfigurator_x|/|OvataAgentConfigurator_x|");
        row("OvataAgentConfigurator.app", "./OvataDeviceAgent",
            "OvataAgentConfigurator.app|.|OvataAgentConfigurator|");
        row("/a.b/OvataAgentConfigurator.x.app//", "/a.b/OvataDeviceAgent.x",
            "OvataAgentConfigurator.x.app|/a.b|OvataAgentConfigurator.x|");
        row("/", "/OvataDeviceAgent", "|/||");
        row("/é/OvataAgentConfigurator-ü.app", "/é/OvataDeviceAgent-ü");
        row("/A/OvataAgentConfigurator-2.app/Contents/MacOS/x",
            "/A/OvataAgentConfigurator-2.app/Contents/MacOS/OvataDeviceAgent",
            "x|/A/OvataAgentConfigurator-2.app/Contents/MacOS|x|/A/OvataAgentConfigurator-2.app");
        row("/A/B.app/Contents/Other/x", "/A/B.app/Contents/Other/OvataDeviceAgent",
            "x|/A/B.app/Contents/Other|x|");
        row("/A/B/Contents/MacOS/x", "/A/B/Contents/MacOS/OvataDeviceAgent",
            "x|/A/B/Contents/MacOS|x|");
    }
    void splitsPathsAndFindsTheAgent()
    {
        QFETCH(QString, agent);
        QFETCH(QString, parts);
        const QString path = QString::fromUtf8(QTest::currentDataTag());
        QCOMPARE(AgentPaths::agentBinary(path), agent);
        if (!parts.isNull()) {
            const std::string bytes = path.toStdString();
            const std::string_view last = PathParts::lastComponent(bytes);
            const std::string split = std::string(last) + '|' +
                                      std::string(PathParts::directory(bytes)) + '|' +
                                      std::string(PathParts::withoutExtension(last)) + '|';
            QCOMPARE(QString::fromStdString(split) +
                         AgentPaths::enclosingAppBundle(path).value_or(QString()),
                     parts);
        }
    }

    // Linux: pkexec's end and error output, as pkexec 122 writes them, through
    // the outcome to the text (the words are the translations' to pin).
    void linuxTexts_data()
    {
        QTest::addColumn<Termination>("end");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("text"); // see matches(); none: success
        const auto row = [](const char *tag, Termination end, const QString &output,
                            const QStringList &text) {
            QTest::newRow(tag) << end << output << text;
        };
        const QString as = u"Error executing command as another user: "_s;
        const QString noAgent = u"The administrator prompt cannot be shown, because no polkit"_s;
        const QString tty =
            u"Error creating textual authentication agent: Error opening current controlling terminal for the process (`/dev/tty'): No such device or address"_s;
        const QString authority =
            u"Error getting authority: Error initializing authority: Could not connect: No such file or directory"_s;
        const QString stopped = u"\nThe agent was stopped by signal "_s;
        row("success", {false, 0}, u"noise"_s, {});
        row("dismissed", {false, 126}, as + u"Request dismissed"_s, {u"Authorization canceled."_s});
        row("not authorized", {false, 127},
            as + u"Not authorized\n\nThis incident has been reported."_s,
            {u"Administrator approval was not given: "_s,
             u" ask an administrator to enroll it."_s});
        row("no terminal, no agent", {false, 127}, tty,
            {noAgent, u"agent, and try again.\n\n"_s + tty});
        row("no authentication agent", {false, 127}, as + u"No authentication agent found."_s,
            {noAgent, u"\n\n"_s + as + u"No authentication agent found."_s});
        row("no polkit", {false, 127}, authority,
            {u"Administrator rights cannot be requested, because the polkit service"_s,
             u"\n\n"_s + authority});
        row("not setuid", {false, 127}, u"pkexec must be setuid root"_s,
            {u"Administrator rights cannot be requested, because pkexec is not setuid"_s,
             u"\n\npkexec must be setuid root"_s});
        row("helper refused", {false, 125},
            u"ovata-enroll-helper: refused: /o/OvataDeviceAgent is a link"_s,
            {u"The enrollment helper refused to run the agent: /o/OvataDeviceAgent is a link. Reinstall"_s,
             u"try again."_s});
        row("helper busy", {false, 125},
            u"ovata-enroll-helper: refused: another enrollment with this agent is under way; "
            "try again once it has ended"_s,
            {u"Another enrollment of this computer is under way. Wait until it has ended, then "
             "try again."_s});
        row("agent's (-128) is no cancel", {false, 1}, u"User canceled. (-128)"_s,
            {failed + u"User canceled. (-128)"_s});
        row("agent fails silently", {false, 9}, {}, {failed + u"(no error output)"_s});
        row("agent's own 126", {false, 126}, u"Request dismissed"_s,
            {failed + u"Request dismissed"_s});
        row("agent's own 127", {false, 127}, u"Not authorized by the tenant"_s,
            {failed + u"Not authorized by the tenant"_s});
        row("agent's own 125", {false, 125}, u"ovata-enroll-helper: refused: x\ny"_s,
            {failed + u"ovata-enroll-helper: refused: x\ny"_s});
        row("signal 126 is no dismissal", {true, 126}, as + u"Request dismissed"_s,
            {failed + as + u"Request dismissed"_s + stopped + u"126."_s});
    }
    void linuxTexts()
    {
        QFETCH(Termination, end);
        QFETCH(QString, output);
        QFETCH(QStringList, text);
        const auto error = ConfigureError::fromHost(PkexecHost::outcomeFor(end, output));
        const QString description = error ? error->errorDescription() : QString();
        QVERIFY2(matches(text, description), qPrintable(description));
    }

    void probeAnswersByExitStatusAlone_data()
    {
        QTest::addColumn<QByteArray>("control"); // "-": no agent, "-x": not executable
        QTest::addColumn<bool>("configured");
        const auto row = [](const char *tag, const QByteArray &control, bool configured) {
            QTest::newRow(tag) << control << configured;
        };
        row("status 0", "has-config exit 0\n", true);
        row("no configuration", "", false);
        for (const char *status : {"1", "2", "3", "125", "126", "127", "255"}) {
            row(status, QByteArray("has-config exit ") + status + '\n', false);
        }
        row("killed", "has-config signal 9\n", false);
        row("terminated", "has-config signal 15\n", false);
        row("floods, status 0",
            "* flood-stdout 104857600\n* flood-stderr 104857600\nhas-config exit 0\n", true);
        row("hangs", "has-config sleep 600000\nhas-config exit 0\n", false);
        row("cancelled", "has-config sleep 600000\nhas-config exit 0\n", false);
        row("forks and exits", "has-config fork-hold 600000\nhas-config exit 0\n", true);
        row("stops itself", "has-config signal 19\n", false);
        row("missing", "-", false);
        row("not executable", "-x", false);
    }
    void probeAnswersByExitStatusAlone()
    {
        QFETCH(QByteArray, control);
        QFETCH(bool, configured);
        AgentSandbox sandbox(control != "-", control);
        QVERIFY(control != "-x" ||
                QFile::setPermissions(sandbox.agentPath(), QFile::ReadOwner | QFile::WriteOwner));
        AgentPlatform platform = sandbox.platform();
        // Cancelled once the agent has recorded its call, the probe stops at
        // once; a probe that waited out its timeout would outlast the test's.
        const bool cancel = QByteArray(QTest::currentDataTag()) == "cancelled";
        platform.probeTimeout = cancel ? std::chrono::hours(1) : 2s * boundScale;
        std::atomic_bool cancelled = false;
        const std::jthread canceller([&] {
            const auto until = std::chrono::steady_clock::now() + 30s * boundScale;
            while (cancel && sandbox.calls().value(0).arguments.isEmpty() &&
                   std::chrono::steady_clock::now() < until) {
                std::this_thread::sleep_for(10ms);
            }
            cancelled = cancel;
        });
        const long before = peakRssKiB();

        QCOMPARE(agentHasConfig(platform, &cancelled), configured);
        QCOMPARE_LT(peakRssKiB() - before, memoryBoundKiB);
        const auto calls = sandbox.calls();
        QCOMPARE(calls.size(), control.startsWith('-') ? 0 : 1);
        for (const auto &call : calls) {
            QCOMPARE(call.arguments, QByteArrayList{"--has-config"});
            QVERIFY(::kill(pid_t(call.pid), 0) != 0 && errno == ESRCH); // gone, zombie and all
        }
    }

    // Values that cannot reach the agent whole are refused before any prompt;
    // whatever runs gets exactly the values sent.
    void configureMapsEveryOutcome_data()
    {
        // The agent's control file; "-": no agent; "@": a link to it; "!": no
        // helper; "#": nothing may run.
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QStringList>("expected"); // see matches()
        QTest::addColumn<QStringList>("values");
        const QStringList plain{u"T"_s, u"https://u"_s, {}};
        const auto row = [&plain](const char *tag, const char *setup, const QStringList &expected,
                                  const QStringList &values = {}) {
            QTest::newRow(tag) << QByteArray(setup) << expected
                               << (values.isEmpty() ? plain : values);
        };
        row("success", "", {}, {u" it's \"x\" "_s, u"https://u/a b"_s, u"me@x"_s});
        row("success despite error output", "configure stderr warning\\n\n", {});
        row("agent fails, output trimmed", "configure stderr \\t a line\\n\nconfigure exit 3\n",
            {failed + u"a line"_s});
        row("agent killed", "configure signal 9\n",
            {failed + u"(no error output)\nThe agent was stopped by signal 9."_s});
        row("agent floods its error output", "configure flood-stderr 104857600\nconfigure exit 1\n",
            {failed + QString(65536, u'x')});
        row("agent fails, its child holds the pipe",
            "configure stderr refused\\n\nconfigure fork-hold 600000\nconfigure exit 5\n",
            {failed + u"refused"_s});
        row("agent missing", "-",
            {u"Agent binary not found at /"_s,
             u"/OvataDeviceAgent. Re-install the package and try again."_s});
        row("helper missing, nothing asked", "!",
            {u"The enrollment helper is missing at /"_s,
             u"/ovata-enroll-helper. Reinstall the package and try again."_s});
        row("agent is a link", "@",
            {u"The enrollment helper refused to run the agent: /"_s,
             u"/OvataDeviceAgent is a symbolic link. Reinstall"_s,
             {}});
        const QString nul = u" contains a NUL character (U+0000), which cannot be passed to the "
                            "agent. Remove it and try again."_s;
        const QString tooLong = u" is too long to be passed to the agent: all values together "
                                "may hold at most 128 KiB. Shorten it and try again."_s;
        // What the command line's other words and its ending NUL leave.
        const qsizetype room =
            128 * 1024 - 1 - AgentSandbox().agentPath().size() -
            u"'' --configure --token '' --base-url 'https://u' --upn-override ''"_s.size();
        row("NUL in the token", "#", {u"The enrollment token"_s + nul},
            {u"a\0b"_s, u"https://u"_s, {}});
        row("NUL in the override", "#", {u"The user UPN override"_s + nul},
            {u"T"_s, u"https://u"_s, u"\0"_s});
        row("a 1 MiB token", "#", {u"The enrollment token"_s + tooLong},
            {QString(1 << 20, u't'), u"https://u"_s, {}});
        row("a URL just too long", "#", {u"The cloud service URL"_s + tooLong},
            {u"T"_s, u"https://u"_s + QString(room, u'u'), {}});
        row("the longest token", "", {}, {QString(room, u't'), u"https://u"_s, {}});
    }
    void configureMapsEveryOutcome()
    {
        QFETCH(QByteArray, setup);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, values);
        const bool runs = !QByteArrayList{"-", "!", "@", "#"}.contains(setup);
        const AgentSandbox sandbox(setup != "-", runs ? setup : QByteArray());
        const AgentPlatform platform = sandbox.platform();
        QVERIFY(setup != "@" || (QFile::rename(sandbox.agentPath(), sandbox.path(u"real"_s)) &&
                                 QFile::link(sandbox.path(u"real"_s), sandbox.agentPath())));
        QVERIFY(setup != "!" || QFile::remove(sandbox.helperPath()));
        const long before = peakRssKiB();
        const QString result = outcome(platform, values);
        QVERIFY2(matches(expected, result), qPrintable(result.left(300)));
        QCOMPARE_LT(peakRssKiB() - before, memoryBoundKiB);
        const auto calls = sandbox.calls();
        QCOMPARE(calls.size(), runs ? 1 : 0);
        for (const auto &call : calls) {
            // Started by the helper itself, clean, whatever this process holds,
            // with the values as sent: the trimming is the state's.
            QCOMPARE(call.process,
                     "umask=0022 fds=0,1,2 fsize=unlimited cwd=/ sigblk=0000000000000000 "
                     "sigign=0000000000000000 session=own priorities=as-process-1");
            QCOMPARE(call.arguments,
                     (QByteArrayList{"--configure", "--token", values[0].toUtf8(), "--base-url",
                                     values[1].toUtf8(), "--upn-override", values[2].toUtf8()}));
        }
    }

    // A host of the macOS kind gets exactly "-e" and the script; its error
    // output is read, and worded, as the system's is, whatever its status.
    void scriptHostRoad_data()
    {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *tag, const QByteArray &host, const QString &expected) {
            QTest::newRow(tag) << host << expected;
        };
        const QString canceled = u"Authorization canceled."_s;
        row("success", "", {});
        row("cancel inside a message",
            "echo '0:1: execution error: User canceled. (-128)' >&2; exit 1", canceled);
        row("only the number", "printf '(-128)' >&2; exit 255", canceled);
        row("only the words", "printf 'xx User canceledyy' >&2; exit 7", canceled);
        row("other case is no cancel", "printf 'user canceled' >&2; exit 1",
            failed + u"user canceled"_s);
        row("-1280 is not -128", "printf '(-1280' >&2; exit 1", failed + u"(-1280"_s);
        row("several lines, markup verbatim", "printf ' <b>50%%</b>\\n\\n%%1\\n\\t' >&2; exit 2",
            failed + u"<b>50%</b>\n\n%1"_s);
        row("invalid UTF-8", "printf 'bad \\377' >&2; exit 5", failed + u"(no error output)"_s);
        row("killed", "kill -9 $$", failed + u"(no error output)"_s);
        row("cut on a character",
            "printf x >&2; i=0; while [ $i -lt 40000 ]; do printf 'é'; i=$((i+1)); done >&2; exit "
            "1",
            failed + u"x"_s + QString(u"é"_s).repeated(32767));
        row("cancel past what is kept",
            "head -c 70000 /dev/zero | tr '\\0' x >&2; echo ' User canceled. (-128)' >&2; exit 1",
            canceled);
    }
    void scriptHostRoad()
    {
        QFETCH(QByteArray, host);
        QFETCH(QString, expected);
        const AgentSandbox sandbox;
        const auto platform = sandbox.platform("printf '%s|' \"$@\" > \"$0.args\"\n" + host);
        QCOMPARE(outcome(platform, {u"it's \"x\""_s, u"b\\c"_s, {}}), expected);
        QFile args(sandbox.path(u"host.args"_s));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromUtf8(args.readAll()),
            u"-e|do shell script \"'"_s + sandbox.agentPath() +
                u"' --configure --token 'it'\\\\''s \\\"x\\\"' --base-url 'b\\\\c' --upn-override ''\" with administrator privileges|"_s);
        QVERIFY(sandbox.calls().isEmpty()); // the host runs the agent, not we
    }
};

QTEST_GUILESS_MAIN(TestAgent)
#include "tst_agent.moc"
