#include "configstate.h"
#include "fakeagent.h"

#include "agentcontract.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QString describe(const ConfigState::Phase &phase)
{
    switch (phase.index()) {
    case 0:
        return u"checking"_s;
    case 1:
        return u"alreadyConfigured"_s;
    case 2:
        return u"form"_s;
    case 3:
        return u"submitting"_s;
    case 4:
        return u"success"_s;
    default:
        return u"failure: "_s + std::get<ConfigState::Failure>(phase).message;
    }
}

// Every phase the state passes through, read after each store.
class PhaseLog : public QObject
{
public:
    explicit PhaseLog(const std::shared_ptr<ConfigState> &state)
        : m_state(state)
    {
        connect(state.get(), &ConfigState::objectWillChange, this, [this] {
            ++notifications;
            QMetaObject::invokeMethod(
                this, [this] { read(); }, Qt::QueuedConnection);
        });
    }
    QStringList phases;
    int notifications = 0;

private:
    void read()
    {
        if (auto state = m_state.lock()) {
            const QString now = describe(state->phase());
            if (phases.isEmpty() || phases.last() != now) {
                phases.append(now);
            }
        }
    }
    std::weak_ptr<ConfigState> m_state;
};

} // namespace

class TestConfigState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsCheckingWithDefaults()
    {
        auto agent = std::make_shared<FakeAgent>();
        const auto state = ConfigState::create(agent);
        QCOMPARE(describe(state->phase()), u"checking"_s);
        QCOMPARE(state->token(), QString());
        QCOMPARE(state->baseURL(), QString(AgentContract::defaultCloudServiceUrl));
        QCOMPARE(state->upnOverride(), QString());
        QCoreApplication::processEvents();
        QCOMPARE(agent->probes(), 0);
        QVERIFY(agent->configureCalls().isEmpty());
    }

    void notifiesOnceBeforeEveryStore()
    {
        const auto state = ConfigState::create(std::make_shared<FakeAgent>());
        QStringList seen;
        connect(state.get(), &ConfigState::objectWillChange, this, [&] {
            seen.append(describe(state->phase()) + u'|' + state->token() + u'|' + state->baseURL() +
                        u'|' + state->upnOverride());
        });
        state->setToken(u"a"_s);
        state->setToken(u"a"_s); // equal value notifies too
        state->setBaseURL(u"u"_s);
        state->setUpnOverride(u"p"_s);
        state->setPhase(ConfigState::Form{});
        const QString url = QString(AgentContract::defaultCloudServiceUrl);
        QCOMPARE(seen, (QStringList{u"checking||"_s + url + u'|', u"checking|a|"_s + url + u'|',
                                    u"checking|a|"_s + url + u'|', u"checking|a|u|"_s,
                                    u"checking|a|u|p"_s}));
        QCOMPARE(describe(state->phase()), u"form"_s);
    }

    void submitTrimsCopiesOnly_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("upn");
        QTest::addColumn<QStringList>("sent");

        const QString defaultUrl = QString(AgentContract::defaultCloudServiceUrl);
        QTest::newRow("padded") << u" \tT\n"_s << u"  https://x  "_s << u" me@x\u2028"_s
                                << QStringList{u"T"_s, u"https://x"_s, u"me@x"_s};
        QTest::newRow("blank url and upn")
            << u"T"_s << u" \t "_s << u"\n\n"_s << QStringList{u"T"_s, defaultUrl, QString()};
        QTest::newRow("empty url")
            << u"T"_s << QString() << QString() << QStringList{u"T"_s, defaultUrl, QString()};
        QTest::newRow("inside kept")
            << u" a b "_s << u"h ttp"_s << u"x y"_s << QStringList{u"a b"_s, u"h ttp"_s, u"x y"_s};
        QTest::newRow("zero-width kept")
            << u"\u200BT"_s << u"u"_s << QString() << QStringList{u"\u200BT"_s, u"u"_s, QString()};
    }
    void submitTrimsCopiesOnly()
    {
        QFETCH(QString, token);
        QFETCH(QString, url);
        QFETCH(QString, upn);
        QFETCH(QStringList, sent);
        auto agent = std::make_shared<FakeAgent>();
        const auto state = ConfigState::create(agent);
        state->setPhase(ConfigState::Form{});
        state->setToken(token);
        state->setBaseURL(url);
        state->setUpnOverride(upn);
        PhaseLog log(state);

        state->submit();
        QCOMPARE(describe(state->phase()), u"submitting"_s);
        QTRY_COMPARE(describe(state->phase()), u"success"_s);
        QCOMPARE(agent->configureCalls(), QList<QStringList>{sent});
        QCOMPARE(state->token(), token);
        QCOMPARE(state->baseURL(), url);
        QCOMPARE(state->upnOverride(), upn);
        QCOMPARE(log.phases, (QStringList{u"submitting"_s, u"success"_s}));
    }

    void blankTokenIsRefused_data()
    {
        QTest::addColumn<QString>("token");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << u"  \t\r\n\u3000\u0085"_s;
    }
    void blankTokenIsRefused()
    {
        QFETCH(QString, token);
        auto agent = std::make_shared<FakeAgent>();
        const auto state = ConfigState::create(agent);
        state->setPhase(ConfigState::Form{});
        state->setToken(token);
        state->setUpnOverride(u"u"_s);
        int notifications = 0;
        connect(state.get(), &ConfigState::objectWillChange, this, [&] { ++notifications; });

        state->submit();
        QCOMPARE(describe(state->phase()), u"failure: Enrollment token is required."_s);
        QCOMPARE(notifications, 1); // only the phase was written
        QCOMPARE(state->token(), token);
        QCOMPARE(state->upnOverride(), u"u"_s);
        QCoreApplication::processEvents();
        QVERIFY(agent->configureCalls().isEmpty());
    }

    void failuresBecomeMessages_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << 0 << u"Authorization canceled."_s;
        QTest::newRow("missing agent")
            << 1
            << u"Agent binary not found at /x/OvataDeviceAgent. Re-install the package and try again."_s;
        QTest::newRow("host did not start") << 2 << u"execve: No such file or directory"_s;
        QTest::newRow("other exception") << 3 << u"bad_alloc-like"_s;
        QTest::newRow("not an exception") << 4 << u"The configuration command failed."_s;
    }
    void failuresBecomeMessages()
    {
        QFETCH(int, kind);
        QFETCH(QString, message);
        auto agent = std::make_shared<FakeAgent>();
        agent->setFailure([kind] {
            switch (kind) {
            case 0:
                throw ConfigureError::osascriptFailed(1, u"User canceled. (-128)"_s);
            case 1:
                throw ConfigureError::binaryMissing(u"/x/OvataDeviceAgent"_s);
            case 2:
                throw HostLaunchError(u"execve: No such file or directory"_s);
            case 3:
                throw std::runtime_error("bad_alloc-like");
            default:
                throw 42;
            }
        });
        const auto state = ConfigState::create(agent);
        state->setToken(u"T"_s);
        state->submit();
        QTRY_COMPARE(describe(state->phase()), u"failure: "_s + message);
    }

    void reconfigureKeepsTheUrl()
    {
        const auto state = ConfigState::create(std::make_shared<FakeAgent>());
        state->setPhase(ConfigState::AlreadyConfigured{});
        state->setToken(u"old"_s);
        state->setBaseURL(u"https://edited"_s);
        state->setUpnOverride(u"someone"_s);
        QStringList order;
        connect(state.get(), &ConfigState::objectWillChange, this, [&] {
            order.append(describe(state->phase()) + u'|' + state->token() + u'|' +
                         state->upnOverride());
        });
        state->reconfigure();
        // Three writes: token, override, then the phase.
        QCOMPARE(order, (QStringList{u"alreadyConfigured|old|someone"_s,
                                     u"alreadyConfigured||someone"_s, u"alreadyConfigured||"_s}));
        QCOMPARE(describe(state->phase()), u"form"_s);
        QCOMPARE(state->baseURL(), u"https://edited"_s);
    }

    void interfaceThreadStaysFreeDuringARun()
    {
        auto agent = std::make_shared<FakeAgent>();
        agent->holdConfigure();
        const auto state = ConfigState::create(agent);
        state->setToken(u"T"_s);
        state->submit();
        // Only a timer on this thread lets the agent finish: were the thread
        // blocked by the run, it would never fire.
        QTimer::singleShot(20, this, [agent] { agent->release(); });
        QTRY_COMPARE(describe(state->phase()), u"success"_s);
    }

    void probeDoesNotBlockEither()
    {
        auto agent = std::make_shared<FakeAgent>();
        agent->holdProbe();
        agent->setConfigured(true);
        const auto state = ConfigState::create(agent);
        state->probe();
        QTimer::singleShot(20, this, [agent] { agent->release(); });
        QCOMPARE(describe(state->phase()), u"checking"_s);
        QTRY_COMPARE(describe(state->phase()), u"alreadyConfigured"_s);
    }

    void outcomeOutlivesItsOwner()
    {
        auto agent = std::make_shared<FakeAgent>();
        agent->holdConfigure();
        auto state = ConfigState::create(agent);
        const std::weak_ptr<ConfigState> watch = state;
        QString lastSeen;
        QThread *destroyedOn = nullptr;
        state->setToken(u"T"_s);
        state->submit();
        connect(state.get(), &ConfigState::objectWillChange, this,
                [&] { lastSeen = u"notified"_s; });
        connect(
            state.get(), &QObject::destroyed, this, [&] { destroyedOn = QThread::currentThread(); },
            Qt::DirectConnection);
        state.reset(); // the window has gone
        QVERIFY(!watch.expired());
        agent->release();
        QTRY_VERIFY(watch.expired());
        QCOMPARE(lastSeen, u"notified"_s);
        QCOMPARE(destroyedOn, QThread::currentThread());
    }
};

QTEST_GUILESS_MAIN(TestConfigState)
#include "tst_configstate.moc"
