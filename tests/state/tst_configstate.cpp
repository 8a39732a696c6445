// The state object: its writes, submit and reconfigure, and the background
// work, with an agent the test controls or the real road.
#include "agent/configureerror.h"
#include "agentsandbox.h"
#include "fakeagent.h"
#include "state/agentinterface.h"
#include "state/configstate.h"

#include "agent/contractstrings.h"

#include <QCoreApplication>
#include <QDir>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>

#include <system_error>

using namespace Qt::StringLiterals;

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
const std::error_code noThread(EAGAIN, std::generic_category());

} // namespace

// Probed, with its answer in, before the application object exists.
std::shared_ptr<ConfigState> answeredEarly;

class TestConfigState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Qt's painter shares the global pool: with its one thread taken, a job
    // run there would never end, and every test that waits for one would fail.
    void initTestCase()
    {
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        QThreadPool::globalInstance()->start([this] { m_poolTaken.acquire(); });
    }
    void cleanupTestCase() { m_poolTaken.release(); }

    void notifiesOnceBeforeEveryStore()
    {
        auto agent = std::make_shared<FakeAgent>();
        const auto state = ConfigState::create(agent);
        BackgroundJobs::waitForAll();
        QCoreApplication::processEvents();
        QCOMPARE(describe(state->phase()), u"checking"_s); // creating the state starts nothing
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
    }

    void submitLeadsTo_data()
    {
        QTest::addColumn<QStringList>("typed"); // token, URL, override
        QTest::addColumn<QStringList>("sent");  // empty: nothing started
        QTest::addColumn<QString>("failure");   // what configure throws
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char *tag, const QStringList &typed, const QStringList &sent,
                            const char *failure, const QString &outcome) {
            QTest::newRow(tag) << typed << sent << QString::fromLatin1(failure) << outcome;
        };
        // Every character trimming removes, and at the ends only.
        const QString blanks =
            u" \t\n\v\f\r\u0085\u00a0\u1680\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007"
            "\u2008\u2009\u200a\u2028\u2029\u202f\u205f\u3000"_s;
        const auto padded = [&blanks](const QString &text) { return blanks + text + blanks; };
        const QString url = u"https://x.example/a b\u00a0 c\td"_s;
        row("padded", {padded(u"T k"_s), padded(url), padded(u"me@x"_s)},
            {u"T k"_s, url, u"me@x"_s}, "", u"success"_s);
        // Format and control characters are no blanks.
        const QStringList kept{u"\u200bT\ufeff"_s, u"\u001fhttps://x\u180e"_s, u"\u200b"_s};
        row("no blanks at the ends", kept, kept, "", u"success"_s);
        row("blank URL and override", {u"T"_s, blanks, blanks}, {u"T"_s, defaultUrl, u""_s}, "",
            u"success"_s);
        const QString required = u"failure: Enrollment token is required."_s;
        row("empty token", {u""_s, u"u"_s, u"x"_s}, {}, "", required);
        row("blank token", {blanks, u"u"_s, u"x"_s}, {}, "", required);
        const QStringList t{u"T"_s, u"u"_s, u""_s};
        row("host did not start", t, t, "launch", u"failure: execve: x"_s);
        row("not an exception", t, t, "int", u"failure: The configuration command failed."_s);
        // Where no thread can be had, the window still leaves its indicator.
        row("no thread", t, {}, "no thread",
            u"failure: The configuration could not be started: "_s +
                QString::fromLocal8Bit(std::system_error(noThread).what()));
    }
    void submitLeadsTo()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, sent);
        QFETCH(QString, failure);
        QFETCH(QString, outcome);
        auto agent = std::make_shared<FakeAgent>();
        agent->setFailure([failure] {
            if (failure == u"launch"_s) {
                throw HostLaunchError(u"execve: x"_s);
            } else if (failure == u"int"_s) {
                throw 42;
            }
        });
        const auto state =
            failure == u"no thread"_s
                ? ConfigState::create(agent, [](auto) { throw std::system_error(noThread); })
                : ConfigState::create(agent);
        state->probe(); // no thread: the form at once
        QTRY_COMPARE(describe(state->phase()), u"form"_s);
        state->setToken(typed[0]);
        state->setBaseURL(typed[1]);
        state->setUpnOverride(typed[2]);

        state->submit();
        if (!sent.isEmpty()) {
            QCOMPARE(describe(state->phase()), u"submitting"_s);
            state->submit(); // at most one run
        }
        QTRY_COMPARE(describe(state->phase()), outcome);
        QCOMPARE(agent->configureCalls(),
                 sent.isEmpty() ? QList<QStringList>() : QList<QStringList>{sent});
        QCOMPARE((QStringList{state->token(), state->baseURL(), state->upnOverride()}), typed);
    }

    // The window asks the agent first thing, before the toolkit is up.
    void anAnswerBeforeTheApplicationIsApplied()
    {
        QTRY_COMPARE(describe(answeredEarly->phase()), u"alreadyConfigured"_s);
        answeredEarly.reset();
    }

    void probeAndManyEnrollmentsLeaveNothingBehind()
    {
        const AgentSandbox sandbox(true, "has-config exit 0\n");
        const auto state = ConfigState::create(std::make_shared<SystemAgent>(sandbox.platform()));
        state->probe();
        QTRY_COMPARE(describe(state->phase()), u"alreadyConfigured"_s);
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
        QCOMPARE(sandbox.calls().size(), 111);
        QCOMPARE_LE(entriesIn("/proc/self/task"), threads); // every job's thread is joined
        QCOMPARE(entriesIn("/proc/self/fd"), descriptors);
        QCOMPARE_LT(peakRssKiB() - peak, 1024 + memorySlackKiB);
    }

private:
    QSemaphore m_poolTaken;
};

int main(int argc, char *argv[])
{
    const auto agent = std::make_shared<FakeAgent>();
    agent->setConfigured(true);
    answeredEarly = ConfigState::create(agent, [](BackgroundJobs::Job job) { job(); });
    answeredEarly->probe();
    QCoreApplication app(argc, argv);
    TestConfigState test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_configstate.moc"
