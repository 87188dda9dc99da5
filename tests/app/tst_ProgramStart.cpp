#include "app/TvSingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The started program as other local users see it: its command line, its core dump setting, the files it
// makes and the names it takes in the temporary folder.
class TestProgramStart : public QObject {
    Q_OBJECT

    static QString Program() { return QCoreApplication::applicationDirPath() + "/qtr5190mx"; }
    static QString Uid() { return QString::number(::getuid()); }
    // The socket's file name for the "/I127.0.0.1" of these runs.
    static QString SocketName() {
        return QFileInfo(TvSingleInstance::ServerName("QTR5190MX : 127.0.0.1")).fileName();
    }

    // Starts the program offscreen with the temporary and data folders in `work` and no per-user runtime
    // folder, so that its names go to the temporary folder, and waits until it listens on its socket in
    // any private folder there (or ends). The socket's path, empty when it never came.
    static QString Start(QProcess& program, const QString& work, const QStringList& args,
                         const QString& folder = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", work);
        env.remove("XDG_RUNTIME_DIR");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", work + "/data");
        env.insert("XDG_CONFIG_HOME", work + "/config");
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(folder.isEmpty() ? work : folder);
        program.start(Program(), args);
        if (!program.waitForStarted())
            return {};
        QString socket;
        const auto found = [&] {
            const QStringList folders = QDir(work).entryList({"qtr5190mx-" + Uid() + "*"}, QDir::Dirs);
            for (const QString& f : folders)
                if (const QString path = work + "/" + f + "/" + SocketName();
                    Private(work + "/" + f) && QFileInfo::exists(path))
                    socket = path;
            return !socket.isEmpty() || program.state() == QProcess::NotRunning;
        };
        for (int i = 0; i < 3000 && !found(); ++i)
            QTest::qWait(10);
        return socket;
    }

    // A real folder that only its owner may enter.
    static bool Private(const QString& folder) {
        const QFileInfo info(folder);
        return info.isDir() && !info.isSymLink() &&
               (info.permissions() &
                (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                 QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther)) ==
                   QFileDevice::Permissions();
    }

    // A short path: the program's socket path must stay within 107 bytes even in the folder it makes
    // when its name is taken, or it goes to /tmp, where another test's copy could answer it.
    static QString WorkTemplate() { return QDir::tempPath() + "/ps-XXXXXX"; }

    static QByteArray ProcFile(const QProcess& program, const char* name) {
        QFile f(QString("/proc/%1/%2").arg(program.processId()).arg(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void Stop(QProcess& program) {
        program.kill();
        program.waitForFinished();
    }

private slots:
    void initTestCase() {
        if (!QFile::exists(Program()))
            QSKIP("program not built");
    }

    // Passwords and communities are gone from /proc/<pid>/cmdline once the program runs, core dumps are
    // off, and started from "/" the program keeps its engine boots counter in the per-user data folder.
    void secretsLeaveTheCommandLineAndCoreDumpsAreOff() {
        QTemporaryDir work(WorkTemplate());
        const bool counterInRoot = QFile::exists("/TvSNMP_PP_BootCounter");
        QProcess program;
        const auto stop = qScopeGuard([&] { Stop(program); });
        const QString socket =
            Start(program, work.path(),
                  {"/I127.0.0.1", "/v3", "/t1", "/m3", "/l3", "/nmd5user", "/a2", "/Aauthsecret7", "/p2",
                   "/Pprivsecret7", "/Rreadsecret7", "/Wwritesecret7"},
                  "/");
        QVERIFY2(!socket.isEmpty(), program.readAllStandardError().constData());
        QCOMPARE(program.state(), QProcess::Running);

        const QByteArray cmdline = ProcFile(program, "cmdline");
        QVERIFY(cmdline.contains("/I127.0.0.1"));
        QVERIFY(cmdline.contains("/nmd5user"));
        QVERIFY(cmdline.contains("/A***"));
        for (const char* secret : {"authsecret7", "privsecret7", "readsecret7", "writesecret7", "secret7"})
            QVERIFY2(!cmdline.contains(secret), secret);

        // "Max core file size    0    0    bytes"
        const QByteArray limits = ProcFile(program, "limits");
        const int at = limits.indexOf("Max core file size");
        QVERIFY(at >= 0);
        const QList<QByteArray> fields =
            limits.mid(at + 18, limits.indexOf('\n', at) - at - 18).simplified().split(' ');
        QCOMPARE(fields.value(0), QByteArray("0"));
        QCOMPARE(fields.value(1), QByteArray("0"));

        // The counter is written when the session opens, a moment after the socket is made.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(work.path() + "/data/qtr5190mx/TvSNMP_PP_BootCounter") ||
                                     program.state() != QProcess::Running,
                                 30000);
        QCOMPARE(program.state(), QProcess::Running);
        QVERIFY(Private(work.path() + "/data/qtr5190mx"));
        if (!counterInRoot)
            QVERIFY(!QFile::exists("/TvSNMP_PP_BootCounter"));
    }

    // Our name in the temporary folder taken before the program starts, by another user (a folder open
    // to others, with a listener of its own under the program's socket name) or by a symbolic link: the
    // program starts all the same, in a private folder of its own, and neither talks to that listener nor
    // makes anything where the link points.
    void nameTakenInTheTemporaryFolder_data() {
        QTest::addColumn<bool>("link");
        QTest::newRow("open folder with a listener") << false;
        QTest::newRow("symbolic link") << true;
    }
    void nameTakenInTheTemporaryFolder() {
        QFETCH(bool, link);
        QTemporaryDir work(WorkTemplate());
        const QString taken = work.path() + "/qtr5190mx-" + Uid();
        const QString elsewhere = work.path() + "/elsewhere";
        const int foreign = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (link) {
            QVERIFY(QDir().mkpath(elsewhere));
            QVERIFY(QFile::link(elsewhere, taken));
        } else {
            QVERIFY(QDir().mkpath(taken));
            QVERIFY(QFile::setPermissions(taken, QFileDevice::Permissions(0x7777)));
            sockaddr_un addr{};
            addr.sun_family = AF_UNIX;
            qstrncpy(addr.sun_path, QFile::encodeName(taken + "/" + SocketName()).constData(),
                     sizeof addr.sun_path);
            QCOMPARE(::bind(foreign, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
            QCOMPARE(::listen(foreign, 8), 0);
        }

        QProcess program;
        const auto stop = qScopeGuard([&] { Stop(program); });
        const QString socket = Start(program, work.path(), {"/I127.0.0.1", "/v1"});
        QVERIFY2(!socket.isEmpty(), program.readAllStandardError().constData());
        QCOMPARE(program.state(), QProcess::Running);
        QVERIFY2(!socket.startsWith(taken + "/"), qPrintable(socket));
        QVERIFY(QFileInfo(socket).absolutePath().startsWith(taken + "-"));
        // The program asked for a running copy before it listened: by now any call would be queued here.
        const int call = ::accept(foreign, nullptr, nullptr);
        ::close(foreign);
        QVERIFY2(call < 0, "the program called the other user's listener");
        if (link)
            QVERIFY(QDir(elsewhere).isEmpty());
    }
};

QTEST_MAIN(TestProgramStart)
#include "tst_ProgramStart.moc"
