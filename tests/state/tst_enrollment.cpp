// The whole road without a window: the real agent control, our scripting
// host and the stand-in agent, with only pkexec faked. Also agents that
// hang, flood, die or leave children behind: the state always reaches an
// outcome, nothing of theirs outlives the wait, and a long run of
// enrollments costs nothing that stays.
#include "agentinterface.h"
#include "agentsandbox.h"
#include "configstate.h"

#include <QDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Generous beside the probe's one-second bound below, far short of the
// children's lives: only a wait for end of file would get near it.
constexpr int outcomeTimeoutMs = 20000;

std::shared_ptr<ConfigState> stateFor(const AgentPlatform &platform)
{
    return ConfigState::create(std::make_shared<SystemAgent>(platform));
}

QString failureMessage(const ConfigState &state)
{
    const ConfigState::Phase phase = state.phase();
    const auto *failure = std::get_if<ConfigState::Failure>(&phase);
    return failure ? failure->message : QString();
}

qsizetype entriesIn(const char *directory)
{
    return QDir(QString::fromLatin1(directory))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
        .size();
}

void enroll(ConfigState &state)
{
    state.reconfigure();
    state.setToken(u"token"_s);
    state.submit();
    QTRY_VERIFY(std::holds_alternative<ConfigState::Success>(state.phase()));
}

} // namespace

class TestEnrollment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enrollsAFreshComputer()
    {
        AgentSandbox sandbox(u"-2"_s);
        sandbox.installAgent();
        const auto state = stateFor(sandbox.platform());
        state->probe();
        QTRY_VERIFY(std::holds_alternative<ConfigState::Form>(state->phase()));

        state->setToken(u"  tok'en \"$(whoami)\"\n"_s);
        state->setBaseURL(u" https://eu.cloud.ovata.example "_s);
        state->submit();
        QVERIFY(std::holds_alternative<ConfigState::Submitting>(state->phase()));
        QTRY_VERIFY(std::holds_alternative<ConfigState::Success>(state->phase()));
        QCOMPARE(sandbox.savedConfig(),
                 (QByteArrayList{"tok'en \"$(whoami)\"", "https://eu.cloud.ovata.example", ""}));

        // The next start finds the enrollment.
        const auto next = stateFor(sandbox.platform());
        next->probe();
        QTRY_VERIFY(std::holds_alternative<ConfigState::AlreadyConfigured>(next->phase()));
    }

    void reportsAMissingAgent()
    {
        AgentSandbox sandbox;
        const auto state = stateFor(sandbox.platform());
        state->probe();
        QTRY_VERIFY(std::holds_alternative<ConfigState::Form>(state->phase()));
        state->setToken(u"T"_s);
        state->submit();
        QTRY_VERIFY(std::holds_alternative<ConfigState::Failure>(state->phase()));
        QCOMPARE(failureMessage(*state), u"Agent binary not found at "_s + sandbox.agentPath() +
                                             u". Re-install the package and try again."_s);
    }

    void probeAlwaysLeavesChecking_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<bool>("configured");

        QTest::newRow("hangs") << QByteArray("has-config sleep 600000\n") << false;
        QTest::newRow("hangs after forking")
            << QByteArray("has-config fork-hold 600000\nhas-config sleep 600000\n") << false;
        QTest::newRow("forks and exits")
            << QByteArray("has-config fork-hold 600000\nhas-config exit 0\n") << true;
        QTest::newRow("floods both streams")
            << QByteArray("has-config flood-stdout 209715200\nhas-config flood-stderr 209715200\n"
                          "has-config exit 0\n")
            << true;
        QTest::newRow("killed by a signal") << QByteArray("has-config signal 11\n") << false;
        QTest::newRow("stops itself") << QByteArray("has-config signal 19\n") << false;
    }
    void probeAlwaysLeavesChecking()
    {
        QFETCH(QByteArray, control);
        QFETCH(bool, configured);
        AgentSandbox sandbox;
        sandbox.installAgent();
        sandbox.setControl(control);
        AgentPlatform platform = sandbox.platform();
        platform.probeTimeout = 1s;

        const auto state = stateFor(platform);
        state->probe();
        QTRY_VERIFY_WITH_TIMEOUT(!std::holds_alternative<ConfigState::Checking>(state->phase()),
                                 outcomeTimeoutMs);
        QCOMPARE(std::holds_alternative<ConfigState::AlreadyConfigured>(state->phase()),
                 configured);
        const auto calls = sandbox.calls();
        QCOMPARE(calls.size(), 1);
        QVERIFY(!processExists(calls.first().pid));
    }

    // Once the host has exited its answer stands, whoever still holds the
    // error pipe.
    void configureEndsWhenTheHostExits_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("failure");

        QTest::newRow("agent fails, its child holds the pipe")
            << QByteArray("configure stderr refused\\n\nconfigure fork-hold 600000\n"
                          "configure exit 5\n")
            << u"Configuration command failed:\nexecution error: refused (5)"_s;
        QTest::newRow("agent succeeds, its child holds the pipe")
            << QByteArray("configure fork-hold 600000\n") << QString();
    }
    void configureEndsWhenTheHostExits()
    {
        QFETCH(QByteArray, control);
        QFETCH(QString, failure);
        AgentSandbox sandbox;
        sandbox.installAgent();
        sandbox.setControl(control);

        const auto state = stateFor(sandbox.platform());
        state->setToken(u"token"_s);
        state->submit();
        QTRY_VERIFY_WITH_TIMEOUT(!std::holds_alternative<ConfigState::Submitting>(state->phase()),
                                 outcomeTimeoutMs);
        QCOMPARE(failureMessage(*state), failure);
        QCOMPARE(sandbox.hasSavedConfig(), failure.isEmpty());
        QCOMPARE(sandbox.heldChildren().size(), 1);
    }

    void hostsChildHoldingOurPipeDoesNotStallTheRun()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        const QString host = sandbox.writeScript(
            u"host"_s, "sleep 600 &\necho $! >\"$0.held\"\necho said no >&2\nexit 9\n");
        const auto endHeld = qScopeGuard([&host] {
            QFile held(host + u".held"_s);
            if (held.open(QIODevice::ReadOnly)) {
                ::kill(static_cast<pid_t>(held.readAll().trimmed().toLongLong()), SIGKILL);
            }
        });
        const auto state = stateFor(sandbox.platform(host));
        state->setToken(u"token"_s);
        state->submit();
        QTRY_VERIFY_WITH_TIMEOUT(!std::holds_alternative<ConfigState::Submitting>(state->phase()),
                                 outcomeTimeoutMs);
        QCOMPARE(failureMessage(*state), u"Configuration command failed:\nsaid no"_s);
    }

    void manyEnrollmentsLeaveNothingBehind()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        const auto state = stateFor(sandbox.platform());
        // The first runs start the pool's worker and fill the allocator.
        for (int i = 0; i < 10; ++i) {
            enroll(*state);
        }
        const qsizetype threads = entriesIn("/proc/self/task");
        const qsizetype descriptors = entriesIn("/proc/self/fd");
        const long peak = peakRssKiB();

        for (int i = 0; i < 100; ++i) {
            enroll(*state);
        }
        QCOMPARE(sandbox.calls().size(), 110);
        QCOMPARE_LE(entriesIn("/proc/self/task"), threads);
        QCOMPARE(entriesIn("/proc/self/fd"), descriptors);
        // Well below what keeping one run's error output (64 KiB) per run would cost.
        QCOMPARE_LT(peakRssKiB() - peak, 1024);
    }
};

QTEST_GUILESS_MAIN(TestEnrollment)
#include "tst_enrollment.moc"
