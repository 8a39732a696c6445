#include "agentsandbox.h"
#include "configurecommand.h"
#include "privilegedcommand.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 seed = 20261206;

// Pieces that are hard on quoting: shell specials, blanks and controls,
// multi-byte characters, and backslash sequences an AppleScript decoder
// could mistake for escapes.
const QStringList &pieces()
{
    static const QStringList list{
        u"'"_s,    u"\""_s,   u"\\"_s,         u"$"_s,      u"`"_s,       u"!"_s,    u" "_s,
        u"\t"_s,   u"\r"_s,   u"\n"_s,         u"a"_s,      u"Z"_s,       u"0"_s,    u"é"_s,
        u"€"_s,    u"—"_s,    u"\U0001F600"_s, u"\u2028"_s, u"\\n"_s,     u"\\t"_s,  u"\\r"_s,
        u"\\\\"_s, u"\\\""_s, u"'\\''"_s,      u"$(id)"_s,  u"${HOME}"_s, u"`id`"_s, u"*"_s,
        u"?"_s,    u"~"_s,    u"#"_s,          u";"_s,      u"&"_s,       u"|"_s,    u"<"_s,
        u">"_s,    u"%s"_s,   u"-e"_s,         u"\u00A0"_s};
    return list;
}

QStringList generatedValues(int count)
{
    QRandomGenerator random(seed);
    QStringList values;
    values.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString value;
        const int length = random.bounded(0, 24);
        for (int j = 0; j < length; ++j) {
            value += pieces().at(random.bounded(qsizetype(pieces().size())));
        }
        values.append(value);
    }
    return values;
}

// Runs a script that prints every quoted value followed by NUL.
QByteArrayList throughShell(const QString &shell, const QStringList &values)
{
    QByteArray script;
    for (const QString &value : values) {
        script +=
            "printf '%s' " + PrivilegedCommand::shellQuoted(value).toUtf8() + "; printf '\\000'\n";
    }
    // Too long for one argument: the shell reads it from a file.
    QTemporaryFile file;
    if (!file.open()) {
        return {};
    }
    file.write(script);
    file.close();
    QProcess process;
    process.start(shell, {file.fileName()});
    process.waitForFinished(-1);
    QByteArrayList arrived = process.readAllStandardOutput().split('\0');
    arrived.removeLast();
    return arrived;
}

} // namespace

class TestQuotingRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qInfo("seed %u", seed); }

    void valuesSurviveTheShell_data()
    {
        QTest::addColumn<QString>("shell");
        for (const char *name : {"dash", "bash"}) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
            if (!path.isEmpty()) {
                QTest::newRow(name) << path;
            }
        }
        QTest::newRow("/bin/sh") << u"/bin/sh"_s;
    }
    void valuesSurviveTheShell()
    {
        QFETCH(QString, shell);
        const QStringList values = generatedValues(10000);
        const QByteArrayList arrived = throughShell(shell, values);
        QCOMPARE(arrived.size(), values.size());
        for (qsizetype i = 0; i < values.size(); ++i) {
            QCOMPARE(arrived.at(i), values.at(i).toUtf8());
        }
    }

    // Command line, script, our host's decoder and the shell, to the agent.
    void valuesSurviveTheWholeChain()
    {
        AgentSandbox sandbox(u" it's \"$x\""_s);
        sandbox.installAgent();
        const AgentPlatform platform = sandbox.platform();
        const QStringList values = generatedValues(300 * 3);
        for (qsizetype i = 0; i + 2 < values.size(); i += 3) {
            // The agent refuses an empty token and a non-https URL.
            const QString token = u"t"_s + values.at(i);
            const QString url = u"https://"_s + values.at(i + 1);
            const QString upn = values.at(i + 2);
            runConfigure(platform, token, url, upn);
            QCOMPARE(sandbox.savedConfig(),
                     (QByteArrayList{token.toUtf8(), url.toUtf8(), upn.toUtf8()}));
        }
        const auto calls = sandbox.calls();
        QCOMPARE(calls.size(), 300);
        for (qsizetype n = 0; n < calls.size(); ++n) {
            QCOMPARE(calls.at(n).arguments,
                     (QByteArrayList{"--configure", "--token", (u"t"_s + values.at(3 * n)).toUtf8(),
                                     "--base-url", (u"https://"_s + values.at(3 * n + 1)).toUtf8(),
                                     "--upn-override", values.at(3 * n + 2).toUtf8()}));
        }
    }
};

QTEST_GUILESS_MAIN(TestQuotingRoundTrip)
#include "tst_quotingroundtrip.moc"
