// What the root helper accepts and whom it trusts. The trusted owner is a
// parameter, so the files a test makes stand for root's; rows that need
// another user's files, or an owner other than root, run as root.
#include "enrollhelper/enrollcommand.h"

#include <QDir>
#include <QFile>
#include <QHash>
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
MaybeReason reasonOf(const std::optional<Refusal> &refusal)
{
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
        // The line the helper accepts, with one part of it changed.
        const auto row = [](const char *tag, const QString &from, const QString &to,
                            Reason reason) {
            const QString line = u"'DIR/OvataDeviceAgent'"_s + okTail;
            QTest::newRow(tag) << QString(line).replace(from, to) << reason;
        };
        const QString agent = u"DIR/OvataDeviceAgent"_s;
        row("not quoted", u"'"_s + agent + u"'"_s, agent, Reason::NoQuotedPath);
        row("a shell", u"'"_s + agent + u"'"_s + okTail, u"'/bin/sh' -c 'id'"_s,
            Reason::ExpectedFlag);
        row("a shell with our words", agent, u"/bin/sh"_s, Reason::NotAnAgentHere);
        row("another folder", u"DIR"_s, u"/tmp"_s, Reason::NotAnAgentHere);
        row("a folder below", u"DIR"_s, u"DIR/x"_s, Reason::NotAnAgentHere);
        row("a trailing slash", agent, agent + u'/', Reason::NotAnAgentHere);
        row("a folder above", u"DIR"_s, u"DIR/.."_s, Reason::NotAnAgentHere);
        row("another program beside it", agent, u"DIR/ovata-enroll-helper"_s,
            Reason::NotAnAgentHere);
        row("an extra word", okTail, okTail + u" ; id"_s, Reason::TrailingText);
        row("a missing word", u" --upn-override ''"_s, {}, Reason::ExpectedFlag);
        row("flags out of order", u"--token 't' --base-url 'u'"_s, u"--base-url 'u' --token 't'"_s,
            Reason::ExpectedFlag);
        row("an unquoted ;", u"'t'"_s, u"'t';id;''"_s, Reason::ExpectedFlag);
        row("an unquoted $(…)", u"'t'"_s, u"$(id)"_s, Reason::ExpectedValue);
        row("an open quote", u"t' --base-url 'u' --upn-override ''"_s, u"t"_s,
            Reason::ExpectedValue);
        row("two blanks", u" --configure"_s, u"  --configure"_s, Reason::ExpectedFlag);
        row("NUL", agent, agent + u'\0', Reason::NulByte);
        row("over the bound", u"'t'"_s, u'\'' + QString(200000, u't') + u'\'', Reason::LineTooLong);
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
        // Steps: "+name" adds a file beside the agent (executable unless
        // marked "?"), the last agent so added being the one run; "<what>-<how>"
        // makes the agent, the configurator ("app"), their folder or the one
        // above it another user's, gone, a .bak, a folder, a link, named
        // shorter than an agent, or of a mode; "owner" gives all four to
        // another user, who is then the helper's owner.
        QTest::addColumn<QString>("setup");
        QTest::addColumn<MaybeReason>("reason"); // nothing: accepted
        const auto row = [](const char *name, const char *setup, MaybeReason reason) {
            QTest::newRow(name) << QString::fromLatin1(setup) << reason;
        };
        row("as installed", "", {});
        row("a relative helper folder", "relative", Reason::NotAbsolute);
        row("a symlink to elsewhere", "agent-link", Reason::SymbolicLink);
        row("not a regular file", "agent-dir", Reason::NotExecutableFile);
        row("not executable", "agent-0644", Reason::NotExecutableFile);
        row("missing", "agent-gone", Reason::CannotExamine);
        row("a name shorter than an agent's", "agent-short", Reason::NoConfiguratorBeside);
        row("owned by another user", "agent-other", Reason::WrongOwner);
        row("installed by an owner other than root", "owner", {});
        row("root's agent in that owner's install", "owner agent-root", Reason::WrongOwner);
        row("group-writable agent", "agent-0775", Reason::WritableByOthers);
        row("a second instance", "+OvataAgentConfigurator-2 +OvataDeviceAgent-2", {});
        row("an instance without its configurator", "+OvataDeviceAgent-2",
            Reason::NoConfiguratorBeside);
        row("no configurator at all", "app-gone", Reason::NoConfiguratorBeside);
        row("a writable configurator", "app-0777", Reason::NoConfiguratorBeside);
        row("a configurator of another user", "app-other", Reason::NoConfiguratorBeside);
        row("a configurator kept as .bak drives the plain agent", "app-bak", {});
        row("uninstaller", "+OvataAgentConfiguratorUninstall? +OvataDeviceAgentUninstall",
            Reason::NoConfiguratorBeside);
        row("a package's unpacked copy",
            "+OvataAgentConfigurator.dpkg-new +OvataDeviceAgent.dpkg-new",
            Reason::NoConfiguratorBeside);
        row("a backup", "+OvataAgentConfigurator.bak +OvataDeviceAgent.bak",
            Reason::NoConfiguratorBeside);
        row("a symlinked folder on the way", "above-link", Reason::NotAFolder);
        row("a folder of another user", "folder-other", Reason::FolderWrongOwner);
        row("an other-writable folder", "folder-0757", Reason::FolderLetsOthersReplace);
        row("a group-writable folder above", "above-0775", Reason::FolderLetsOthersReplace);
        row("a sticky folder above, our entry", "above-1777", {});
        row("a sticky folder above, that owner's entry", "owner above-1777", {});
        row("a sticky folder above, another user's entry", "above-1777 folder-other",
            Reason::FolderLetsOthersReplace);
    }
    void runsOnlyWhatItsInstallerCouldChange()
    {
        QFETCH(QString, setup);
        QFETCH(MaybeReason, reason);
        if ((setup.contains(u"other"_s) || setup.contains(u"owner"_s)) && getuid() != 0) {
            QSKIP("giving files to another user needs root");
        }
        uid_t owner = getuid();
        // top/above/folder holds the configurator and the agent.
        QTemporaryDir top;
        const QString above = top.filePath(u"shared"_s), folder = above + u"/install"_s;
        QString agent = folder + u"/OvataDeviceAgent"_s;
        const QHash<QString, QString> paths{{u"agent"_s, agent},
                                            {u"app"_s, folder + u"/OvataAgentConfigurator"_s},
                                            {u"folder"_s, folder},
                                            {u"above"_s, above}};
        QVERIFY(QDir().mkpath(folder));
        make(paths[u"agent"_s]);
        make(paths[u"app"_s]);
        for (const QString &step : setup.split(u' ', Qt::SkipEmptyParts)) {
            const QString path = paths.value(step.section(u'-', 0, 0));
            const QString how = step.section(u'-', 1);
            if (step.startsWith(u'+')) {
                const QString name = step.mid(1).remove(u'?');
                make(folder + u'/' + name, step.endsWith(u'?') ? 0644 : 0755);
                agent = name.startsWith(u"OvataDeviceAgent"_s) ? folder + u'/' + name : agent;
            } else if (how == u"other"_s || how == u"root"_s) {
                const uid_t to = how == u"root"_s ? 0 : anotherUser;
                QCOMPARE(lchown(local(path).c_str(), to, to), 0);
            } else if (step == u"owner"_s) {
                owner = anotherUser;
                for (const QString &each : paths) {
                    QCOMPARE(lchown(local(each).c_str(), owner, owner), 0);
                }
            } else if (how == u"short"_s) {
                agent = folder + u"/Ovata"_s;
                QVERIFY(QFile::rename(path, agent));
            } else if (how == u"gone"_s) {
                QVERIFY(QFile::remove(path));
            } else if (how == u"bak"_s) {
                QVERIFY(QFile::rename(path, path + u".bak"_s));
            } else if (how == u"dir"_s) {
                QVERIFY(QFile::remove(path) && QDir().mkdir(path));
            } else if (how == u"link"_s) {
                QVERIFY(QFile::rename(path, top.filePath(u"real"_s)) &&
                        QFile::link(top.filePath(u"real"_s), path));
            } else if (step != u"relative"_s) {
                bool octal = false;
                const mode_t mode = how.toUInt(&octal, 8);
                QVERIFY2(octal && chmod(local(path).c_str(), mode) == 0, qPrintable(step));
            }
        }
        const QString line = u"'"_s + agent + u"'"_s + okTail;
        const std::string helperFolder = setup == u"relative"_s ? "install" : local(folder);
        // The trust check on its own where the parser refuses the name first.
        QCOMPARE(setup.contains(u"short"_s)
                     ? reasonOf(EnrollCommand::untrustedAgent(local(agent), owner))
                     : reasonOf(EnrollCommand::check(line.toStdString(), helperFolder, owner)),
                 reason);
    }
};

QTEST_GUILESS_MAIN(TestEnrollCommand)
#include "tst_enrollcommand.moc"
