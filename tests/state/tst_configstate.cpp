// The state object: its writes, submit and reconfigure, and the background
// work, with an agent the test controls or the real road.
#include "agentinterface.h"
#include "agentsandbox.h"
#include "configstate.h"
#include "fakeagent.h"

#include "contractstrings.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <system_error>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ConfigState::Phase)

namespace {

QString describe(const ConfigState::Phase &phase)
{
    static const char *const names[] = {"checking",   "alreadyConfigured", "form",
                                        "submitting", "success",           "failure: "};
    const auto *failure = std::get_if<ConfigState::Failure>(&phase);
    return QString::fromLatin1(names[phase.index()]) + (failure ? failure->message : QString());
}

qsizetype entriesIn(const char *directory)
{
    return QDir(QString::fromLatin1(directory))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
        .size();
}

const QString defaultUrl = QString(AgentContract::latin1(AgentContract::defaultCloudServiceUrl));

} // namespace

class TestConfigState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void notifiesOnceBeforeEveryStore()
    {
        auto agent = std::make_shared<FakeAgent>();
        const auto state = ConfigState::create(agent);
        QCOMPARE(describe(state->phase()), u"checking"_s);
        QStringList seen;
        connect(state.get(), &ConfigState::objectWillChange, this, [&] {
            seen.append(describe(state->phase()) + u'|' + state->token() + u'|' + state->baseURL() +
                        u'|' + state->upnOverride());
        });
        state->setToken(u"a"_s);
        state->setToken(u"a"_s); // an equal value notifies too
        state->setBaseURL(u"u"_s);
        state->setUpnOverride(u"p"_s);
        state->setPhase(ConfigState::Form{});
        QCOMPARE(seen, (QStringList{u"checking||"_s + defaultUrl + u'|',
                                    u"checking|a|"_s + defaultUrl + u'|',
                                    u"checking|a|"_s + defaultUrl + u'|', u"checking|a|u|"_s,
                                    u"checking|a|u|p"_s}));
        QCOMPARE(describe(state->phase()), u"form"_s);
        QCoreApplication::processEvents();
        QCOMPARE(agent->probes(), 0); // creating the state starts nothing
    }

    void submitLeadsTo_data()
    {
        QTest::addColumn<QStringList>("typed"); // token, URL, override
        QTest::addColumn<QStringList>("sent");  // empty: nothing started
        QTest::addColumn<int>("failure");       // what configure throws, 0 for nothing
        QTest::addColumn<ConfigState::Phase>("outcome");
        using F = ConfigState::Failure;
        const ConfigState::Phase success = ConfigState::Success{};
        QTest::newRow("padded") << QStringList{u" \tT\n"_s, u"  https://x  "_s, u" me@x\u2028"_s}
                                << QStringList{u"T"_s, u"https://x"_s, u"me@x"_s} << 0 << success;
        QTest::newRow("blank URL and override")
            << QStringList{u"T"_s, u" \t "_s, u"\n\n"_s} << QStringList{u"T"_s, defaultUrl, u""_s}
            << 0 << success;
        const ConfigState::Phase required = F{u"Enrollment token is required."_s};
        QTest::newRow("empty token")
            << QStringList{u""_s, u"u"_s, u"x"_s} << QStringList() << 0 << required;
        QTest::newRow("blank token") << QStringList{u"  \t\r\n\u3000\u0085"_s, u"u"_s, u"x"_s}
                                     << QStringList() << 0 << required;
        const QStringList t{u"T"_s, u"u"_s, u""_s};
        QTest::newRow("cancelled")
            << t << t << 1 << ConfigState::Phase(F{u"Authorization canceled."_s});
        QTest::newRow("host did not start") << t << t << 3 << ConfigState::Phase(F{u"execve: x"_s});
        QTest::newRow("not an exception")
            << t << t << 4 << ConfigState::Phase(F{u"The configuration command failed."_s});
    }
    void submitLeadsTo()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, sent);
        QFETCH(int, failure);
        QFETCH(ConfigState::Phase, outcome);
        auto agent = std::make_shared<FakeAgent>();
        agent->setFailure([failure] {
            switch (failure) {
            case 1:
                throw ConfigureError::osascriptFailed(1, u"User canceled. (-128)"_s);
            case 3:
                throw HostLaunchError(u"execve: x"_s);
            case 4:
                throw 42;
            }
        });
        const auto state = ConfigState::create(agent);
        state->setPhase(ConfigState::Form{});
        state->setToken(typed[0]);
        state->setBaseURL(typed[1]);
        state->setUpnOverride(typed[2]);

        state->submit();
        if (!sent.isEmpty()) {
            QCOMPARE(describe(state->phase()), u"submitting"_s);
        }
        QTRY_COMPARE(describe(state->phase()), describe(outcome));
        QCOMPARE(agent->configureCalls(),
                 sent.isEmpty() ? QList<QStringList>() : QList<QStringList>{sent});
        QCOMPARE((QStringList{state->token(), state->baseURL(), state->upnOverride()}), typed);
    }

    // Where no thread can be had, the window still leaves its indicator.
    void noThreadStillEndsTheIndicator()
    {
        const auto noThread = [](BackgroundJobs::Job) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        };
        const auto state = ConfigState::create(std::make_shared<FakeAgent>(), noThread);
        state->probe();
        QCOMPARE(describe(state->phase()), u"form"_s);
        state->setToken(u"T"_s);
        state->submit();
        QVERIFY(describe(state->phase())
                    .startsWith(u"failure: The configuration could not be started: "_s));
    }

    // Qt's painter shares the global pool: with one thread there, a run that
    // took it would freeze the window.
    void runLeavesQtsPoolAndTimersFree()
    {
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        auto agent = std::make_shared<FakeAgent>();
        agent->holdConfigure();
        const auto state = ConfigState::create(agent);
        state->setToken(u"T"_s);
        state->submit();
        QTRY_COMPARE(agent->configureCalls().size(), 1);

        std::atomic_bool painted = false;
        QThreadPool::globalInstance()->start([&painted] { painted = true; });
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(1);
        QTRY_VERIFY(painted && ticks >= 10);
        QCOMPARE(describe(state->phase()), u"submitting"_s);
        agent->release();
        QTRY_COMPARE(describe(state->phase()), u"success"_s);
    }

    void manyEnrollmentsLeaveNothingBehind()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        const auto state = ConfigState::create(std::make_shared<SystemAgent>(sandbox.platform()));
        const auto enroll = [&state] {
            state->reconfigure();
            state->setToken(u"token"_s);
            state->submit();
            QTRY_COMPARE(describe(state->phase()), u"success"_s);
            BackgroundJobs::waitForAll();
        };
        for (int i = 0; i < 10; ++i) {
            enroll(); // fills the allocator
        }
        const qsizetype threads = entriesIn("/proc/self/task");
        const qsizetype descriptors = entriesIn("/proc/self/fd");
        const long peak = peakRssKiB();
        for (int i = 0; i < 100; ++i) {
            enroll();
        }
        QCOMPARE(sandbox.calls().size(), 110);
        QTRY_COMPARE_LE(entriesIn("/proc/self/task"), threads);
        QCOMPARE(entriesIn("/proc/self/fd"), descriptors);
        QCOMPARE_LT(peakRssKiB() - peak, 1024);
    }
};

QTEST_GUILESS_MAIN(TestConfigState)
#include "tst_configstate.moc"
