// The whole road without a window: the real agent control, our scripting
// host and the stand-in agent, with only pkexec faked.
#include "agentinterface.h"
#include "agentsandbox.h"
#include "configstate.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

std::shared_ptr<ConfigState> stateFor(const AgentSandbox &sandbox)
{
    return ConfigState::create(std::make_shared<SystemAgent>(sandbox.platform()));
}

QString failureMessage(const ConfigState &state)
{
    const ConfigState::Phase phase = state.phase();
    const auto *failure = std::get_if<ConfigState::Failure>(&phase);
    return failure ? failure->message : QString();
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
        const auto state = stateFor(sandbox);
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
        const auto next = stateFor(sandbox);
        next->probe();
        QTRY_VERIFY(std::holds_alternative<ConfigState::AlreadyConfigured>(next->phase()));
    }

    void reportsAMissingAgent()
    {
        AgentSandbox sandbox;
        const auto state = stateFor(sandbox);
        state->probe();
        QTRY_VERIFY(std::holds_alternative<ConfigState::Form>(state->phase()));
        state->setToken(u"T"_s);
        state->submit();
        QTRY_VERIFY(std::holds_alternative<ConfigState::Failure>(state->phase()));
        QCOMPARE(failureMessage(*state), u"Agent binary not found at "_s + sandbox.agentPath() +
                                             u". Re-install the package and try again."_s);
    }
};

QTEST_GUILESS_MAIN(TestEnrollment)
#include "tst_enrollment.moc"
