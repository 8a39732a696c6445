#include "agentpaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAgentPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void derivesAgentFromBundle_data()
    {
        QTest::addColumn<QString>("bundle");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("agent");

        QTest::newRow("plain") << u"/Applications/OvataAgentConfigurator.app"_s << QString()
                               << u"/Applications/OvataDeviceAgent"_s;
        QTest::newRow("hyphen") << u"/Applications/OvataAgentConfigurator-2.app"_s << u"-2"_s
                                << u"/Applications/OvataDeviceAgent-2"_s;
        QTest::newRow("blank") << u"/Applications/OvataAgentConfigurator 2.app"_s << u" 2"_s
                               << u"/Applications/OvataDeviceAgent 2"_s;
        QTest::newRow("only last extension") << u"/opt/x/OvataAgentConfigurator.beta.app"_s
                                             << u".beta"_s << u"/opt/x/OvataDeviceAgent.beta"_s;
        QTest::newRow("glued") << u"/opt/x/OvataAgentConfiguratorEU.app"_s << u"EU"_s
                               << u"/opt/x/OvataDeviceAgentEU"_s;
        QTest::newRow("other name")
            << u"/opt/x/Configurator.app"_s << QString() << u"/opt/x/OvataDeviceAgent"_s;
        QTest::newRow("case differs") << u"/opt/x/ovataagentconfigurator-2.app"_s << QString()
                                      << u"/opt/x/OvataDeviceAgent"_s;
        QTest::newRow("prefix inside") << u"/opt/x/MyOvataAgentConfigurator-2.app"_s << QString()
                                       << u"/opt/x/OvataDeviceAgent"_s;

        // Where an executable stands for the bundle.
        QTest::newRow("executable") << u"/opt/ovata/OvataAgentConfigurator-2"_s << u"-2"_s
                                    << u"/opt/ovata/OvataDeviceAgent-2"_s;
        QTest::newRow("trailing slash") << u"/Applications/OvataAgentConfigurator-3.app/"_s
                                        << u"-3"_s << u"/Applications/OvataDeviceAgent-3"_s;
        QTest::newRow("at the root")
            << u"/OvataAgentConfigurator.app"_s << QString() << u"/OvataDeviceAgent"_s;
        QTest::newRow("no directory keeps a path")
            << u"OvataAgentConfigurator"_s << QString() << u"./OvataDeviceAgent"_s;
    }
    void derivesAgentFromBundle()
    {
        QFETCH(QString, bundle);
        QFETCH(QString, suffix);
        QFETCH(QString, agent);
        QCOMPARE(AgentPaths::instanceSuffix(bundle), suffix);
        QCOMPARE(AgentPaths::agentBinary(bundle), agent);
    }

    void findsEnclosingAppBundle_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("bundle");

        QTest::newRow("inside a bundle")
            << u"/Applications/OvataAgentConfigurator-2.app/Contents/MacOS/OvataAgentConfigurator"_s
            << u"/Applications/OvataAgentConfigurator-2.app"_s;
        QTest::newRow("loose executable")
            << u"/usr/local/bin/OvataAgentConfigurator"_s << QString();
        QTest::newRow("not MacOS") << u"/A/X.app/Contents/Resources/tool"_s << QString();
        QTest::newRow("not an app") << u"/A/X.bundle/Contents/MacOS/tool"_s << QString();
    }
    void findsEnclosingAppBundle()
    {
        QFETCH(QString, executable);
        QFETCH(QString, bundle);
        QCOMPARE(AgentPaths::enclosingAppBundle(executable).value_or(QString()), bundle);
    }

    void ownLocationIsTheResolvedExecutable()
    {
#ifdef Q_OS_LINUX
        QCOMPARE(AgentPaths::bundleLocation(),
                 QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
#else
        QSKIP("the bundle location of a bundled platform is covered by findsEnclosingAppBundle");
#endif
    }
};

QTEST_GUILESS_MAIN(TestAgentPaths)
#include "tst_agentpaths.moc"
