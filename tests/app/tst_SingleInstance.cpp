#include "app/TfrmMain.h"
#include "app/TvSingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

    static QString UniqueArg() { return "sw-" + QUuid::createUuid().toString(QUuid::Id128).left(12); }
    static QString Program() { return QCoreApplication::applicationDirPath() + "/qtr5190mx"; }

private slots:
    void secondCopyActivatesTheFirst() {
        const QString title = "QTR5190MX : " + UniqueArg();
        TvSingleInstance first(title);
        QVERIFY(first.Listen());
        QSignalSpy spy(&first, &TvSingleInstance::activateRequested);
        QVERIFY(TvSingleInstance::ActivateRunning(title));
        QVERIFY(spy.wait(2000));
        QVERIFY(!TvSingleInstance::ActivateRunning(title + "x"));
        TvSingleInstance second(title);
        QVERIFY2(!second.Listen(), "a live copy keeps its name");
    }

    void activationRestoresAMinimisedWindow() {
        const QString title = "QTR5190MX : " + UniqueArg();
        TfrmMain window;
        TvSingleInstance first(title);
        QVERIFY(first.Listen());
        connect(&first, &TvSingleInstance::activateRequested, &window, &TfrmMain::Activate);
        window.showMinimized();
        QVERIFY(window.isMinimized());
        QSignalSpy spy(&first, &TvSingleInstance::activateRequested);
        QVERIFY(TvSingleInstance::ActivateRunning(title));
        QVERIFY(spy.wait(2000));
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }

    void socketOfADeadCopyIsReplaced() {
        const QString title = "QTR5190MX : " + UniqueArg();
        const QByteArray path = TvSingleInstance::ServerName(title).toLocal8Bit();
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        qstrncpy(addr.sun_path, path.constData(), sizeof addr.sun_path);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        ::close(fd); // left behind, nobody listening
        QVERIFY(!TvSingleInstance::ActivateRunning(title, 500));
        TvSingleInstance first(title);
        QVERIFY(first.Listen());
        QVERIFY(TvSingleInstance::ActivateRunning(title));
    }

    // A listener under our name that runs as another user (told by the injected peer check) is no running
    // copy: it gets no "activate", its name is taken over, and a caller of another user is not heard.
    void listenerOfAnotherUserIsIgnored() {
        const QString title = "QTR5190MX : " + UniqueArg();
        TvSingleInstance foreign(title);
        QVERIFY(foreign.Listen());
        QSignalSpy foreignSpy(&foreign, &TvSingleInstance::activateRequested);
        TvSingleInstance::SetPeerUid([](qintptr) { return std::optional<uid_t>(::getuid() + 1); });
        QVERIFY2(!TvSingleInstance::ActivateRunning(title), "another user's listener counted as a copy");
        TvSingleInstance own(title);
        QVERIFY2(own.Listen(), "another user's listener kept the name");
        TvSingleInstance::SetPeerUid({});
        QVERIFY(TvSingleInstance::ActivateRunning(title));
        QSignalSpy ownSpy(&own, &TvSingleInstance::activateRequested);
        QVERIFY(ownSpy.wait(2000));
        QCOMPARE(foreignSpy.count(), 0);

        // Calls of another user reach the socket but activate nothing.
        TvSingleInstance::SetPeerUid([](qintptr) { return std::optional<uid_t>(); });
        const int caller = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        qstrncpy(addr.sun_path, TvSingleInstance::ServerName(title).toLocal8Bit().constData(),
                 sizeof addr.sun_path);
        QCOMPARE(::connect(caller, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        QCOMPARE(::write(caller, "activate\n", 9), ssize_t(9));
        char byte = 0;
        // Dropped: the end of the stream, with nothing read.
        QTRY_VERIFY2_WITH_TIMEOUT(::recv(caller, &byte, 1, MSG_DONTWAIT) == 0,
                                  "the caller of another user was not dropped", 2000);
        ::close(caller);
        TvSingleInstance::SetPeerUid({});
        QCOMPARE(ownSpy.count(), 1);
    }

    void programStartedTwiceForOneSwitch() {
        if (!QFile::exists(Program()))
            QSKIP("program not built");
        QTemporaryDir work;
        const QString arg = "/I" + UniqueArg();

        // A running copy for the switch (this process stands in for its window).
        TvSingleInstance running("QTR5190MX : " + arg.mid(2));
        QVERIFY(running.Listen());
        QSignalSpy spy(&running, &TvSingleInstance::activateRequested);

        QProcess second;
        second.setWorkingDirectory(work.path());
        second.start(Program(), {arg, "/v1"});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(spy.count() == 1 || spy.wait(2000));
    }

    void realFirstCopyKeepsRunning() {
        if (!QFile::exists(Program()))
            QSKIP("program not built");
        QTemporaryDir work;
        // Sockets of this run live in its own folder, apart from any copy the user runs.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", work.path());
        env.remove("XDG_RUNTIME_DIR");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // In the private folder the program makes in the temporary folder.
        const QString socket =
            QDir(work.path())
                .filePath(QString("qtr5190mx-%1/").arg(::getuid()) +
                          QFileInfo(TvSingleInstance::ServerName("QTR5190MX : 127.0.0.1")).fileName());

        QProcess first;
        first.setProcessEnvironment(env);
        first.setWorkingDirectory(work.path());
        first.start(Program(), {"/I127.0.0.1", "/v1"});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket) || first.state() == QProcess::NotRunning, 10000);
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(work.path());
        second.start(Program(), {"/I127.0.0.1", "/v1"});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
