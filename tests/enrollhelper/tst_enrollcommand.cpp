// What the root helper accepts and whom it trusts. The trusted owner is a
// parameter, so the files a test makes stand for root's; rows that need
// another user's files run as root.
#include "enrollhelper/enrollcommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Reason = Refusal::Reason;
using MaybeReason = std::optional<Reason>;
Q_DECLARE_METATYPE(MaybeReason)

namespace {

const QString okTail = u" --configure --token 't' --base-url 'u' --upn-override ''"_s;
constexpr uid_t anotherUser = 61234;

std::string local(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

MaybeReason reasonOf(const EnrollCommand::Verdict &verdict)
{
    const auto *refusal = std::get_if<Refusal>(&verdict);
    return refusal ? MaybeReason(refusal->reason) : std::nullopt;
}

void make(const QString &path, mode_t mode = 0755)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(chmod(local(path).c_str(), mode), 0);
}

} // namespace

class TestEnrollCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusesAnyOtherLine_data()
    {
        QTest::addColumn<QString>("line"); // DIR: the helper's folder
        QTest::addColumn<Reason>("reason");
        const QString agent = u"'DIR/OvataDeviceAgent'"_s;
        QTest::newRow("not quoted") << u"DIR/OvataDeviceAgent"_s + okTail << Reason::NoQuotedPath;
        QTest::newRow("a shell") << u"'/bin/sh' -c 'id'"_s << Reason::ExpectedFlag;
        QTest::newRow("a shell with our words")
            << u"'/bin/sh'"_s + okTail << Reason::NotAnAgentHere;
        QTest::newRow("another folder")
            << u"'/tmp/OvataDeviceAgent'"_s + okTail << Reason::NotAnAgentHere;
        QTest::newRow("a folder below")
            << u"'DIR/x/OvataDeviceAgent'"_s + okTail << Reason::NotAnAgentHere;
        QTest::newRow("a trailing slash")
            << u"'DIR/OvataDeviceAgent/'"_s + okTail << Reason::NotAnAgentHere;
        QTest::newRow("a folder above")
            << u"'DIR/../OvataDeviceAgent'"_s + okTail << Reason::NotAnAgentHere;
        QTest::newRow("another program beside it")
            << u"'DIR/ovata-enroll-helper'"_s + okTail << Reason::NotAnAgentHere;
        QTest::newRow("an extra word") << agent + okTail + u" ; id"_s << Reason::TrailingText;
        QTest::newRow("a missing word")
            << agent + u" --configure --token 't' --base-url 'u'"_s << Reason::ExpectedFlag;
        QTest::newRow("flags out of order")
            << agent + u" --configure --base-url 'u' --token 't' --upn-override ''"_s
            << Reason::ExpectedFlag;
        QTest::newRow("an unquoted ;")
            << agent + u" --configure --token 't';id;'' --base-url 'u' --upn-override ''"_s
            << Reason::ExpectedFlag;
        QTest::newRow("an unquoted $(…)")
            << agent + u" --configure --token $(id) --base-url 'u' --upn-override ''"_s
            << Reason::ExpectedValue;
        QTest::newRow("an open quote")
            << agent + u" --configure --token 't"_s << Reason::ExpectedValue;
        QTest::newRow("two blanks")
            << agent + u"  --configure"_s + okTail.mid(12) << Reason::ExpectedFlag;
        QTest::newRow("NUL") << u"'DIR/OvataDeviceAgent\0'"_s + okTail << Reason::NulByte;
        QTest::newRow("over the bound")
            << agent + u" --configure --token '"_s + QString(200000, u't') +
                   u"' --base-url 'u' --upn-override ''"_s
            << Reason::LineTooLong;
    }
    void refusesAnyOtherLine()
    {
        QFETCH(QString, line);
        QFETCH(Reason, reason);
        line.replace(u"DIR"_s, u"/opt/ovata"_s);
        QCOMPARE(reasonOf(EnrollCommand::parse(line.toStdString(), "/opt/ovata")), reason);
    }

    // One row a clause: deleting any clause of the rule fails its row.
    void runsOnlyWhatItsInstallerCouldChange_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("agentName");
        QTest::addColumn<MaybeReason>("reason"); // nothing: accepted
        const QString agent = u"OvataDeviceAgent"_s;
        const auto row = [](const char *name, const char *setup, const QString &agentName,
                            MaybeReason reason) {
            QTest::newRow(name) << QString::fromLatin1(setup) << agentName << reason;
        };
        row("as installed", "", agent, {});
        row("a relative helper folder", "relative", agent, Reason::NotAbsolute);
        row("a symlink to elsewhere", "link-out", agent, Reason::SymbolicLink);
        row("not a regular file", "agent-dir", agent, Reason::NotExecutableFile);
        row("not executable", "agent-0644", agent, Reason::NotExecutableFile);
        row("missing", "agent-gone", agent, Reason::CannotExamine);
        row("owned by another user", "agent-other", agent, Reason::WrongOwner);
        row("group-writable agent", "agent-0775", agent, Reason::WritableByOthers);
        row("a second instance", "+OvataAgentConfigurator-2 +OvataDeviceAgent-2",
            u"OvataDeviceAgent-2"_s, {});
        row("an instance without its configurator", "+OvataDeviceAgent-2", u"OvataDeviceAgent-2"_s,
            Reason::NoConfiguratorBeside);
        row("no configurator at all", "app-gone", agent, Reason::NoConfiguratorBeside);
        row("a writable configurator", "app-0777", agent, Reason::NoConfiguratorBeside);
        row("a configurator of another user", "app-other", agent, Reason::NoConfiguratorBeside);
        row("a configurator kept as .bak drives the plain agent", "app-bak", agent, {});
        row("uninstaller", "+OvataAgentConfiguratorUninstall? +OvataDeviceAgentUninstall",
            u"OvataDeviceAgentUninstall"_s, Reason::NoConfiguratorBeside);
        row("a package's unpacked copy",
            "+OvataAgentConfigurator.dpkg-new +OvataDeviceAgent.dpkg-new",
            u"OvataDeviceAgent.dpkg-new"_s, Reason::NoConfiguratorBeside);
        row("a backup", "+OvataAgentConfigurator.bak +OvataDeviceAgent.bak",
            u"OvataDeviceAgent.bak"_s, Reason::NoConfiguratorBeside);
        row("a symlinked folder on the way", "folder-link", agent, Reason::NotAFolder);
        row("a folder of another user", "folder-other", agent, Reason::FolderWrongOwner);
        row("an other-writable folder", "folder-0757", agent, Reason::FolderLetsOthersReplace);
        row("a group-writable folder above", "above-0775", agent, Reason::FolderLetsOthersReplace);
        row("a sticky folder above, our entry", "above-1777", agent, {});
        row("a sticky folder above, another user's entry", "above-1777 entry-other", agent,
            Reason::FolderLetsOthersReplace);
    }
    void runsOnlyWhatItsInstallerCouldChange()
    {
        QFETCH(QString, setup);
        QFETCH(QString, agentName);
        QFETCH(MaybeReason, reason);
        if (setup.contains(u"other"_s) && getuid() != 0) {
            QSKIP("giving files to another user needs root");
        }
        // top/shared/install holds the configurator and the agent.
        QTemporaryDir top;
        const QString shared = top.filePath(u"shared"_s);
        QString folder = shared + u"/install"_s;
        QVERIFY(QDir().mkpath(folder));
        make(folder + u"/OvataAgentConfigurator"_s);
        make(folder + u"/OvataDeviceAgent"_s);
        const QString app = folder + u"/OvataAgentConfigurator"_s;
        const QString plain = folder + u"/OvataDeviceAgent"_s;
        const auto mode = [](const QString &path, const QString &word) {
            QCOMPARE(chmod(local(path).c_str(), mode_t(word.toUInt(nullptr, 8))), 0);
        };
        const auto give = [](const QString &path) {
            QCOMPARE(lchown(local(path).c_str(), anotherUser, anotherUser), 0);
        };
        for (const QString &step : setup.split(u' ', Qt::SkipEmptyParts)) {
            const QString what = step.section(u'-', 1);
            if (step.startsWith(u'+')) {
                make(folder + u'/' + step.mid(1).remove(u'?'), step.endsWith(u'?') ? 0644 : 0755);
            } else if (step == u"link-out"_s) {
                QVERIFY(QFile::rename(plain, top.filePath(u"x"_s)) &&
                        QFile::link(top.filePath(u"x"_s), plain));
            } else if (step == u"agent-dir"_s) {
                QVERIFY(QFile::remove(plain) && QDir().mkdir(plain));
            } else if (step == u"agent-gone"_s) {
                QVERIFY(QFile::remove(plain));
            } else if (step.startsWith(u"agent-"_s)) {
                what == u"other"_s ? give(plain) : mode(plain, what);
            } else if (step == u"app-gone"_s) {
                QVERIFY(QFile::remove(app));
            } else if (step == u"app-bak"_s) {
                QVERIFY(QFile::rename(app, app + u".bak"_s));
            } else if (step.startsWith(u"app-"_s)) {
                what == u"other"_s ? give(app) : mode(app, what);
            } else if (step == u"folder-link"_s) {
                QVERIFY(QFile::rename(shared, top.filePath(u"real"_s)) &&
                        QFile::link(top.filePath(u"real"_s), shared));
            } else if (step.startsWith(u"folder-"_s)) {
                what == u"other"_s ? give(folder) : mode(folder, what);
            } else if (step.startsWith(u"above-"_s)) {
                mode(shared, what);
            } else if (step == u"entry-other"_s) {
                give(folder);
            } else if (step != u"relative"_s) {
                QFAIL(qPrintable(step));
            }
        }
        const QString line = u"'"_s + folder + u'/' + agentName + u"'"_s + okTail;
        const std::string helperFolder = setup == u"relative"_s ? "install" : local(folder);
        QCOMPARE(reasonOf(EnrollCommand::check(line.toStdString(), helperFolder, getuid())),
                 reason);
    }
};

QTEST_GUILESS_MAIN(TestEnrollCommand)
#include "tst_enrollcommand.moc"
