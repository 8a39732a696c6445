// What the root helper accepts and whom it trusts, run as any user: the
// trusted owner is a parameter, so the files a test makes stand for root's.
#include "agentcontract.h"
#include "cleanprocess.h"
#include "enrollcommand.h"
#include "privilegedcommand.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString okTail = u" --configure --token 't' --base-url 'u' --upn-override ''"_s;

// dir/install holds the helper's folder with an agent in it.
struct Install
{
    Install()
    {
        QDir(dir.path()).mkpath(u"install"_s);
        folder = dir.filePath(u"install"_s);
        agent = folder + u"/OvataDeviceAgent"_s;
        write(agent, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                         QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    }
    static void write(const QString &path, QFile::Permissions permissions)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.setPermissions(permissions));
    }
    QString line(const QString &path) const { return u"'"_s + path + u"'"_s + okTail; }

    QTemporaryDir dir;
    QString folder;
    QString agent;
};

EnrollCommand::Verdict check(const QString &line, const QString &folder, uid_t owner = getuid())
{
    return EnrollCommand::check(line.toUtf8().toStdString(), folder.toUtf8().toStdString(), owner);
}

QString refusal(const EnrollCommand::Verdict &verdict)
{
    const auto *refused = std::get_if<EnrollCommand::Refused>(&verdict);
    return refused ? QString::fromStdString(refused->reason) : QString();
}

} // namespace

class TestEnrollCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What the application writes, the helper takes back, value for value.
    void acceptsEveryLineWeWrite()
    {
        const QString agent = u"/opt/o k/OvataDeviceAgent it's \"$x\""_s;
        const QStringList pieces{u"'"_s,     u"\""_s,    u"\\"_s, u"$"_s, u"`"_s,
                                 u" "_s,     u"\n"_s,    u"a"_s,  u"é"_s, u"\U0001F600"_s,
                                 u"'\\''"_s, u"$(id)"_s, u";"_s,  u"&"_s, u"-e"_s};
        QRandomGenerator random(20261207);
        for (int n = 0; n < 2000; ++n) {
            QStringList values;
            for (int v = 0; v < 3; ++v) {
                QString value;
                for (int i = random.bounded(0, 12); i > 0; --i) {
                    value += pieces.at(random.bounded(qsizetype(pieces.size())));
                }
                values.append(value);
            }
            const QByteArray line =
                PrivilegedCommand::configureCommandLine(agent, values[0], values[1], values[2])
                    .toUtf8();
            const auto verdict = EnrollCommand::parse(line.toStdString(), "/opt/o k");
            const auto *accepted = std::get_if<EnrollCommand::Accepted>(&verdict);
            QVERIFY2(accepted, line.constData());
            QStringList arguments;
            for (const std::string &argument : accepted->arguments()) {
                arguments.append(QString::fromStdString(argument));
            }
            QCOMPARE(arguments,
                     (QStringList{agent, u"--configure"_s, u"--token"_s, values[0], u"--base-url"_s,
                                  values[1], u"--upn-override"_s, values[2]}));
        }
    }

    void refusesAnyOtherLine_data()
    {
        QTest::addColumn<QString>("line"); // DIR: the helper's folder
        QTest::addColumn<QString>("reason");
        const QString agent = u"'DIR/OvataDeviceAgent'"_s;
        QTest::newRow("not quoted") << u"DIR/OvataDeviceAgent"_s + okTail << u"quoted path"_s;
        QTest::newRow("a shell") << u"'/bin/sh' -c 'id'"_s << u"expected --configure"_s;
        QTest::newRow("a shell with our words")
            << u"'/bin/sh'"_s + okTail << u"is not an OvataDeviceAgent in"_s;
        QTest::newRow("another folder")
            << u"'/tmp/OvataDeviceAgent'"_s + okTail << u"is not an OvataDeviceAgent in"_s;
        QTest::newRow("a folder below")
            << u"'DIR/x/OvataDeviceAgent'"_s + okTail << u"is not an OvataDeviceAgent in"_s;
        QTest::newRow("another program beside it")
            << u"'DIR/ovata-enroll-helper'"_s + okTail << u"is not an OvataDeviceAgent in"_s;
        QTest::newRow("an extra word") << agent + okTail + u" ; id"_s << u"unexpected text"_s;
        QTest::newRow("a missing word")
            << agent + u" --configure --token 't' --base-url 'u'"_s << u"--upn-override"_s;
        QTest::newRow("flags out of order")
            << agent + u" --configure --base-url 'u' --token 't' --upn-override ''"_s
            << u"expected --token as word 3"_s;
        QTest::newRow("an unquoted ;")
            << agent + u" --configure --token 't';id;'' --base-url 'u' --upn-override ''"_s
            << u"expected --base-url"_s;
        QTest::newRow("an unquoted $(…)")
            << agent + u" --configure --token $(id) --base-url 'u' --upn-override ''"_s
            << u"single-quoted value after --token"_s;
        QTest::newRow("two blanks")
            << agent + u"  --configure"_s + okTail.mid(12) << u"expected --configure"_s;
        QTest::newRow("NUL") << u"'DIR/OvataDeviceAgent\0'"_s + okTail << u"NUL"_s;
        QTest::newRow("over the bound")
            << agent + u" --configure --token '"_s + QString(200000, u't') +
                   u"' --base-url 'u' --upn-override ''"_s
            << u"longer than 131071 bytes"_s;
    }
    void refusesAnyOtherLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, reason);
        Install install;
        line.replace(u"DIR"_s, install.folder);
        const QString why = refusal(check(line, install.folder));
        QVERIFY2(why.contains(reason), qPrintable(why));
        // Without its own folder the helper trusts nothing.
        QVERIFY(!refusal(check(install.line(install.agent), QString())).isEmpty());
    }

    void runsOnlyWhatItsInstallerCouldChange_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("reason"); // empty: accepted
        QTest::newRow("as installed") << u"none"_s << QString();
        QTest::newRow("a symlink to elsewhere") << u"link-out"_s << u"is a symbolic link"_s;
        QTest::newRow("a symlink within the folder") << u"link-in"_s << u"is a symbolic link"_s;
        QTest::newRow("owned by another user") << u"other-owner"_s << u"is owned by user"_s;
        QTest::newRow("group-writable agent") << u"agent-g+w"_s << u"other than its owner"_s;
        QTest::newRow("other-writable agent") << u"agent-o+w"_s << u"other than its owner"_s;
        QTest::newRow("not executable") << u"agent-x"_s << u"not an executable file"_s;
        QTest::newRow("missing") << u"agent-gone"_s << u"cannot be examined"_s;
        QTest::newRow("other-writable folder") << u"folder-o+w"_s << u"lets other users replace"_s;
        QTest::newRow("group-writable folder above")
            << u"above-g+w"_s << u"lets other users replace"_s;
        QTest::newRow("sticky folder above, our entry") << u"above-sticky"_s << QString();
    }
    void runsOnlyWhatItsInstallerCouldChange()
    {
        QFETCH(QString, setup);
        QFETCH(QString, reason);
        Install install;
        QString agent = install.agent;
        uid_t owner = getuid();
        QFile file(agent);
        const auto permissions = file.permissions();
        if (setup == u"link-out"_s || setup == u"link-in"_s) {
            const QString target =
                setup == u"link-in"_s ? install.folder + u"/real"_s : install.dir.filePath(u"x"_s);
            QVERIFY(file.rename(target));
            agent = install.folder + u"/OvataDeviceAgent-2"_s;
            QVERIFY(QFile::link(target, agent));
        } else if (setup == u"other-owner"_s) {
            owner = getuid() + 1;
        } else if (setup == u"agent-g+w"_s) {
            QVERIFY(file.setPermissions(permissions | QFile::WriteGroup));
        } else if (setup == u"agent-o+w"_s) {
            QVERIFY(file.setPermissions(permissions | QFile::WriteOther));
        } else if (setup == u"agent-x"_s) {
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        } else if (setup == u"agent-gone"_s) {
            QVERIFY(file.remove());
        } else if (setup == u"folder-o+w"_s) {
            QVERIFY(QFile(install.folder)
                        .setPermissions(QFile::permissions(install.folder) | QFile::WriteOther |
                                        QFile::ExeOther));
        } else if (setup.startsWith(u"above-"_s)) {
            // install/ moves into a shared folder, as into /tmp.
            const QString shared = install.dir.filePath(u"shared"_s);
            QVERIFY(QDir().mkdir(shared));
            QVERIFY(QDir().rename(install.folder, shared + u"/install"_s));
            install.folder = shared + u"/install"_s;
            agent = install.folder + u"/OvataDeviceAgent"_s;
            const mode_t mode = setup == u"above-sticky"_s ? 01777 : 0775;
            QCOMPARE(chmod(shared.toUtf8().constData(), mode), 0);
        }
        const QString why = refusal(check(install.line(agent), install.folder, owner));
        QVERIFY2(reason.isEmpty() ? why.isEmpty() : why.contains(reason), qPrintable(why));
    }

    void readsTheSystemsLimits()
    {
        const auto limits = CleanProcess::limitsFromProcText(
            "Limit                     Soft Limit           Hard Limit           Units     \n"
            "Max cpu time              unlimited            unlimited            seconds   \n"
            "Max file size             unlimited            unlimited            bytes     \n"
            "Max stack size            8388608              unlimited            bytes     \n"
            "Max core file size        0                    unlimited            bytes     \n"
            "Max open files            1024                 524288               files     \n"
            "Max processes             many                 unlimited            processes \n");
        QList<std::tuple<int, rlim_t, rlim_t>> read;
        for (const auto &limit : limits) {
            read.append({limit.resource, limit.value.rlim_cur, limit.value.rlim_max});
        }
        // The core size stays 0, and what cannot be read is left alone.
        QCOMPARE(read, (QList<std::tuple<int, rlim_t, rlim_t>>{
                           {RLIMIT_CPU, RLIM_INFINITY, RLIM_INFINITY},
                           {RLIMIT_FSIZE, RLIM_INFINITY, RLIM_INFINITY},
                           {RLIMIT_STACK, 8388608, RLIM_INFINITY},
                           {RLIMIT_NOFILE, 1024, 524288}}));
    }
};

QTEST_GUILESS_MAIN(TestEnrollCommand)
#include "tst_enrollcommand.moc"
