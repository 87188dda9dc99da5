// The Notifications window against notifications sent over loopback to the engine's receiver: what it
// shows, filters, copies and exports, and a flood of 20,000 that leaves the history and the table at
// their bound while the event loop keeps running.

#include "guibase/TvTableExport.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvNotificationLog.h"
#include "snmp/TvSNMPEngine.h"
#include "support/PumpUntil.h"
#include "support/SnmpdAgent.h"
#include "support/TrapSender.h"
#include "support/WindowTest.h"
#include "windows/TNotificationsForm.h"
#include "windows/TvNotificationModel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace {

constexpr const char* kLinkDown = "1.3.6.1.6.3.1.1.5.3";

} // namespace

class TestNotifications : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::uint16_t port_ = 0;

    // The engine listens for 127.0.0.1 with community "public" and feeds `log`.
    void Listen(TvNotificationLog& log) {
        TvSNMPTarget from;
        from.Address = "127.0.0.1";
        from.Version = 1;
        from.ReadCommunity = "public";
        port_ = SnmpdAgent::ClosedPort();
        QCOMPARE(TvSNMPEngine::Instance()->Listen(from, port_,
                                                  [&log](TvNotification&& n) { log.Add(std::move(n)); }),
                 0);
        gSnmpEventProcessor.WatchNotifications();
    }
    static std::size_t Settled() {
        const auto c = TvSNMPEngine::Instance()->Notifications();
        return c.Accepted + c.Dropped + c.Foreign;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
    }
    void cleanup() {
        TvSNMPEngine::Instance()->StopListening();
        gSnmpEventProcessor.WatchNotifications();
    }

    void showsFiltersCopiesAndExports() {
        TvNotificationLog log;
        Listen(log);
        TNotificationsForm form(nullptr, &log);
        form.show();
        TrapSender::Socket socket;
        QVERIFY(socket.Send(
            port_, TrapSender::V2Message("public", kLinkDown,
                                         {{"1.3.6.1.2.1.2.2.1.1.3", 3}, {"1.3.6.1.2.1.2.2.1.7.3", 2}})));
        QVERIFY(socket.Send(port_,
                            TrapSender::V2Message("public", "1.3.6.1.4.1.59371.12.0.9",
                                                  {{"1.3.6.1.2.1.1.5.0", std::string("=HYPERLINK(\"x\")")},
                                                   {"1.3.6.1.4.1.59371.99.1", std::string("<b>bold</b>")}})));
        QVERIFY(PumpUntil([&] { return form.Model()->rowCount() == 2; }));
        QTreeView* view = form.LV_Notifications;
        const QStringList first = WindowTest::Row(view, 0);
        QVERIFY2(first[TvNotificationModel::colSource].startsWith("127.0.0.1:"), qPrintable(first.join('|')));
        QCOMPARE(first[TvNotificationModel::colVersion], QString("v2c trap"));
        QCOMPARE(first[TvNotificationModel::colKind], QString("linkDown"));
        QCOMPARE(first[TvNotificationModel::colVariables], QString("ifIndex.3 = 3; ifAdminStatus.3 = 2"));
        const QStringList second = WindowTest::Row(view, 1);
        QCOMPARE(second[TvNotificationModel::colKind], QString("1.3.6.1.4.1.59371.12.0.9")); // no name known
        QCOMPARE(second[TvNotificationModel::colVariables],
                 QString("Name.0 = =HYPERLINK(\"x\"); 1.3.6.1.4.1.59371.99.1 = <b>bold</b>"));
        QVERIFY(form.CountsText().startsWith("2 shown"));
        QVERIFY2(form.CountsText().contains(QString("listening on UDP port %1").arg(port_)),
                 qPrintable(form.CountsText()));

        // Filter by any text of a line, case aside.
        form.edtFilter->setText("LINKDOWN");
        QCOMPARE(view->model()->rowCount(), 1);
        form.edtFilter->setText("hyperlink");
        QCOMPARE(view->model()->rowCount(), 1);
        form.edtFilter->clear();
        QCOMPARE(view->model()->rowCount(), 2);

        // Copy and export: the switch's text stays text, and a formula stays inert.
        view->selectAll();
        TvTableExport* exporter = TvTableExport::Of(view);
        QVERIFY(exporter);
        QVERIFY(exporter->SelectedRowsText().contains("ifIndex.3 = 3"));
        const QByteArray csv = exporter->Csv();
        QVERIFY2(csv.contains("\"Name.0 = =HYPERLINK(\"\"x\"\"); 1.3.6.1.4.1.59371.99.1 = <b>bold</b>\""),
                 csv.constData());
        for (const QByteArray& line : csv.split('\n'))
            QVERIFY2(!line.startsWith('=') && !line.contains(",="), line.constData()); // no field a formula
        QVERIFY(form.grab().save(QCoreApplication::applicationDirPath() + "/notifications.png"));

        // Clear empties the table and the history.
        form.BT_Clear->click();
        QCOMPARE(form.Model()->rowCount(), 0);
        QCOMPARE(log.Size(), std::size_t(0));
    }

    void aFloodStaysBoundedAndTheLoopKeepsRunning() {
        TvNotificationLog log; // the program's capacity: 10,000
        Listen(log);
        TNotificationsForm form(nullptr, &log);
        form.show();
        int most = 0;
        connect(form.Model(), &QAbstractItemModel::rowsInserted, &form,
                [&] { most = std::max(most, form.Model()->rowCount()); });
        int ticks = 0;
        QTimer beat;
        beat.setInterval(10);
        connect(&beat, &QTimer::timeout, &form, [&] { ++ticks; });
        beat.start();

        constexpr int kFlood = 20000;
        constexpr int kChunk = 250; // well inside the socket's buffer: the kernel drops none
        TrapSender::Socket socket;
        const std::size_t before = Settled();
        for (int sent = 0; sent < kFlood;) {
            for (int k = 0; k < kChunk; ++k, ++sent)
                QVERIFY(socket.Send(port_, TrapSender::V2Message("public", kLinkDown,
                                                                 {{"1.3.6.1.2.1.2.2.1.1.1", sent}}, sent)));
            QVERIFY(PumpUntil([&] { return Settled() - before >= static_cast<std::size_t>(sent); }));
            QVERIFY(log.Size() <= TvNotificationLog::kCapacity);
        }
        QVERIFY(PumpUntil([&] {
            return form.Model()->rowCount() == int(TvNotificationLog::kCapacity) &&
                   form.Model()->At(0)->VarBinds[0].Value.Int == kFlood - 10000;
        }));
        beat.stop();
        QCOMPARE(TvSNMPEngine::Instance()->Notifications().Accepted, std::size_t(kFlood));
        QCOMPARE(log.Total(), std::uint64_t(kFlood));
        QCOMPARE(log.Size(), TvNotificationLog::kCapacity); // the oldest went first
        QCOMPARE(form.Model()->At(form.Model()->rowCount() - 1)->VarBinds[0].Value.Int, kFlood - 1);
        QVERIFY2(most <= int(TvNotificationLog::kCapacity), qPrintable(QString::number(most)));
        // The view took the rows in batches, not one by one, and the loop ran timers all along.
        QVERIFY2(form.Model()->Batches() < kFlood / 20, qPrintable(QString::number(form.Model()->Batches())));
        QVERIFY2(ticks > 0, qPrintable(QString::number(ticks)));
        QVERIFY(form.CountsText().startsWith("10000 shown"));
        qInfo("%d notifications in %d batches, %d timer ticks meanwhile", kFlood, form.Model()->Batches(),
              ticks);
    }
};

QTEST_MAIN(TestNotifications)
#include "tst_Notifications.moc"
