#include "configureerror.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestConfigureError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void describesFailures_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("standardError");
        QTest::addColumn<QString>("description");

        const QString failed = u"Configuration command failed:\n"_s;
        QTest::newRow("cancel inside a message")
            << 1 << u"0:120: execution error: User canceled. (-128)"_s
            << u"Authorization canceled."_s;
        QTest::newRow("only the number") << 1 << u"(-128)"_s << u"Authorization canceled."_s;
        QTest::newRow("only the words")
            << 1 << u"xx User canceledyy"_s << u"Authorization canceled."_s;
        QTest::newRow("other case is no cancel")
            << 1 << u"user canceled"_s << failed + u"user canceled"_s;
        QTest::newRow("-1280 is not -128") << 1 << u"(-1280"_s << failed + u"(-1280"_s;
        QTest::newRow("empty") << 1 << QString() << failed + u"(no error output)"_s;
        QTest::newRow("several lines kept")
            << 3 << u"first\nsecond\n\nthird"_s << failed + u"first\nsecond\n\nthird"_s;
        QTest::newRow("code does not matter") << 255 << u"boom"_s << failed + u"boom"_s;
        QTest::newRow("markup verbatim")
            << 1 << u"<b>50%</b> &amp; %1"_s << failed + u"<b>50%</b> &amp; %1"_s;
    }
    void describesFailures()
    {
        QFETCH(int, code);
        QFETCH(QString, standardError);
        QFETCH(QString, description);
        const auto error = ConfigureError::osascriptFailed(code, standardError);
        QCOMPARE(error.errorDescription(), description);
        QCOMPARE(QString::fromUtf8(error.what()), description);
    }

    void describesAMissingAgent_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("description");
        QTest::newRow("worked example")
            << u"/Apps/Agent Kit/OvataDeviceAgent"_s
            << u"Agent binary not found at /Apps/Agent Kit/OvataDeviceAgent. Re-install the package and try again."_s;
        QTest::newRow("specials unquoted")
            << u"/a/'b' \"c\"/Ovata—Agent"_s
            << u"Agent binary not found at /a/'b' \"c\"/Ovata—Agent. Re-install the package and try again."_s;
    }
    void describesAMissingAgent()
    {
        QFETCH(QString, path);
        QFETCH(QString, description);
        QCOMPARE(ConfigureError::binaryMissing(path).errorDescription(), description);
    }

    void keepsItsFacts()
    {
        const auto error = ConfigureError::osascriptFailed(7, u"x"_s);
        const auto *failed = std::get_if<ConfigureError::OsascriptFailed>(&error.reason());
        QVERIFY(failed);
        QCOMPARE(failed->code, 7);
        QCOMPARE(failed->standardError, u"x"_s);
    }
};

QTEST_GUILESS_MAIN(TestConfigureError)
#include "tst_configureerror.moc"
