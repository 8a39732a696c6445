#include "privilegedcommand.h"
#include "whitespace.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace PrivilegedCommand;

class TestTextRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trimsExactlyTheWhitespaceSet_data()
    {
        QTest::addColumn<char16_t>("character");
        QTest::addColumn<bool>("trimmed");

        for (char16_t c = 0x09; c <= 0x0D; ++c) {
            QTest::addRow("U+%04X", c) << c << true;
        }
        const char16_t spaceSeparators[] = {0x20,   0xA0,   0x1680, 0x2000, 0x2001, 0x2002,
                                            0x2003, 0x2004, 0x2005, 0x2006, 0x2007, 0x2008,
                                            0x2009, 0x200A, 0x202F, 0x205F, 0x3000};
        for (char16_t c : spaceSeparators) {
            QTest::addRow("Zs U+%04X", c) << c << true;
        }
        for (char16_t c : {u'\u0085', u'\u2028', u'\u2029'}) {
            QTest::addRow("U+%04X", c) << c << true;
        }
        // Look blank, yet are not in the set.
        for (char16_t c : {u'\u200B', u'\uFEFF', u'\u180E', u'\u0000', u'\u001C', u'\u2060'}) {
            QTest::addRow("kept U+%04X", c) << c << false;
        }
    }
    void trimsExactlyTheWhitespaceSet()
    {
        QFETCH(char16_t, character);
        QFETCH(bool, trimmed);
        const QString c(QChar{character});
        const QString padded = c + c + u"a"_s + c + u"b"_s + c;
        QCOMPARE(trimWhitespace(padded), trimmed ? u"a"_s + c + u"b"_s : padded);
        QCOMPARE(isTrimmedWhitespace(QChar{character}), trimmed);
    }

    void matchesTheWorkedExample()
    {
        const QString agent = u"/Apps/Agent Kit/OvataDeviceAgent"_s;
        const QStringList words = configureWords(agent, u"T"_s, u"b\\c"_s, u"it's \"x\""_s);
        const QStringList expectedWords{u"'/Apps/Agent Kit/OvataDeviceAgent'"_s,
                                        u"--configure"_s,
                                        u"--token"_s,
                                        u"'T'"_s,
                                        u"--base-url"_s,
                                        u"'b\\c'"_s,
                                        u"--upn-override"_s,
                                        u"'it'\\''s \"x\"'"_s};
        QCOMPARE(words, expectedWords);

        const QString commandLine = configureCommandLine(agent, u"T"_s, u"b\\c"_s, u"it's \"x\""_s);
        QCOMPARE(
            commandLine,
            u"'/Apps/Agent Kit/OvataDeviceAgent' --configure --token 'T' --base-url 'b\\c' --upn-override 'it'\\''s \"x\"'"_s);
        QCOMPARE(
            privilegedScript(commandLine),
            u"do shell script \"'/Apps/Agent Kit/OvataDeviceAgent' --configure --token 'T' --base-url 'b\\\\c' --upn-override 'it'\\\\''s \\\"x\\\"'\" with administrator privileges"_s);
    }

    void sendsAnEmptyOverride()
    {
        const QString line = configureCommandLine(u"/a/OvataDeviceAgent"_s, u"T"_s, u"U"_s, {});
        QVERIFY(line.endsWith(u" --upn-override ''"_s));
        QCOMPARE(line.count(u' '), 7);
    }

    void decodesOurOwnScripts_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("worked example")
            << u"'/Apps/Agent Kit/OvataDeviceAgent' --configure --token 'T' --base-url 'b\\c' --upn-override 'it'\\''s \"x\"'"_s;
        QTest::newRow("escape look-alikes") << u"'\\n' '\\t' '\\r' '\\\\' '\\\"' '\\'"_s;
        QTest::newRow("raw controls") << u"'a\nb\tc\rd'"_s;
        QTest::newRow("empty") << QString();
        QTest::newRow("non-ASCII") << u"'Grüße — \U0001F600'"_s;
    }
    void decodesOurOwnScripts()
    {
        QFETCH(QString, commandLine);
        QCOMPARE(commandLineFromScript(privilegedScript(commandLine)), commandLine);
    }

    void decodesAppleScriptEscapes()
    {
        QCOMPARE(commandLineFromScript(
                     u"do shell script \"a\\nb\\tc\\rd\" with administrator privileges"_s),
                 u"a\nb\tc\rd"_s);
    }

    void refusesOtherScripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("empty") << QString();
        QTest::newRow("no privileges") << u"do shell script \"id\""_s;
        QTest::newRow("other command") << u"display dialog \"x\" with administrator privileges"_s;
        QTest::newRow("trailing text")
            << u"do shell script \"id\" with administrator privileges\nbeep"_s;
        QTest::newRow("leading text") << u" do shell script \"id\" with administrator privileges"_s;
        QTest::newRow("two literals")
            << u"do shell script \"id\" & \"x\" with administrator privileges"_s;
        QTest::newRow("unknown escape")
            << u"do shell script \"a\\qb\" with administrator privileges"_s;
        QTest::newRow("escaped closing quote")
            << u"do shell script \"id\\\" with administrator privileges"_s;
        QTest::newRow("overlapping frame") << u"do shell script \" with administrator privileges"_s;
    }
    void refusesOtherScripts()
    {
        QFETCH(QString, script);
        QVERIFY(!commandLineFromScript(script).has_value());
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
