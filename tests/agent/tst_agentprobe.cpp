#include "agentprobe.h"
#include "agentsandbox.h"

#include <QFile>
#include <QTest>

using namespace std::chrono_literals;

class TestAgentProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersByExitStatusAlone_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<bool>("configured");

        QTest::newRow("status 0") << QByteArray("has-config exit 0\n") << true;
        QTest::newRow("status 1") << QByteArray("has-config exit 1\n") << false;
        QTest::newRow("status 255") << QByteArray("has-config exit 255\n") << false;
        QTest::newRow("killed") << QByteArray("has-config signal 9\n") << false;
        QTest::newRow("aborted") << QByteArray("has-config signal 6\n") << false;
        QTest::newRow("chatty, status 0")
            << QByteArray("has-config stdout yes\\n\nhas-config stderr no\\n\nhas-config exit 0\n")
            << true;
        QTest::newRow("chatty, status 2")
            << QByteArray("has-config stdout yes\\n\nhas-config stderr no\\n\nhas-config exit 2\n")
            << false;
        QTest::newRow("default, no config") << QByteArray() << false;
    }
    void answersByExitStatusAlone()
    {
        QFETCH(QByteArray, control);
        QFETCH(bool, configured);
        AgentSandbox sandbox;
        sandbox.installAgent();
        sandbox.setControl(control);

        QCOMPARE(agentHasConfig(sandbox.platform()), configured);

        const auto calls = sandbox.calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().arguments, QByteArrayList{"--has-config"});
    }

    void missingOrUnstartableIsFalse()
    {
        AgentSandbox sandbox;
        QVERIFY(!agentHasConfig(sandbox.platform()));

        QFile file(sandbox.agentPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(!agentHasConfig(sandbox.platform()));
    }

    void floodingAgentKeepsMemoryFlat()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        sandbox.setControl("has-config flood-stdout 104857600\n"
                           "has-config flood-stderr 104857600\n"
                           "has-config exit 0\n");
        const long before = peakRssKiB();
        QVERIFY(agentHasConfig(sandbox.platform()));
        QCOMPARE_LT(peakRssKiB() - before, 16 * 1024);
    }

    void hungAgentIsFalseAndGone()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        sandbox.setControl("has-config sleep 60000\nhas-config exit 0\n");
        AgentPlatform platform = sandbox.platform();
        platform.probeTimeout = 300ms;

        QVERIFY(!agentHasConfig(platform));
        const auto calls = sandbox.calls();
        QCOMPARE(calls.size(), 1);
        QVERIFY(!processExists(calls.first().pid));
    }

    void asksAfreshEachTime()
    {
        AgentSandbox first;
        first.installAgent();
        first.setControl("has-config exit 0\n");
        AgentSandbox second;
        second.installAgent();

        QString location = first.bundleLocation();
        AgentPlatform platform = first.platform();
        platform.bundleLocation = [&location] { return location; };
        QVERIFY(agentHasConfig(platform));
        location = second.bundleLocation();
        QVERIFY(!agentHasConfig(platform));
        QCOMPARE(second.calls().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAgentProbe)
#include "tst_agentprobe.moc"
