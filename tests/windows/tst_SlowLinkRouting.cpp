#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/SlowLink.h"
#include "support/WindowTest.h"
#include "windows/TBOOTCtrlTableForm.h"
#include "windows/TIPCtrlEdtForm.h"
#include "windows/TIP_Routing.h"
#include "windows/TIpCtrlForm.h"
#include "windows/TNewBootpCtrlForm.h"
#include "windows/TOSPFDefaultInfoOriginateForm.h"
#include "windows/TRouteRedistributForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

namespace {

struct Opened {
    std::unique_ptr<TvDedicatedWindow> Window;
    SlowLink::Case Case;
};

// How to open a window, and whether it writes at all (one that only reads gets the read scenarios).
struct Entry {
    std::function<Opened()> Open;
    bool Writes = true;
};

void Choose(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text));
}

Opened OpenRedistribution() {
    auto form = std::make_unique<TRouteRedistributForm>(nullptr, "127.0.0.1");
    TRouteRedistributForm* f = form.get();
    SlowLink::Case c{f, f->RefreshBtn, [f] {
                         WindowTest::SelectRow(f->ListView1, "static");
                         f->Edit1->setText("12");
                         f->EditBtn->click();
                     }};
    return {std::move(form), c};
}

Opened OpenIpControl() {
    auto form = std::make_unique<TIpCtrlForm>(nullptr, "127.0.0.1");
    TIpCtrlForm* f = form.get();
    SlowLink::Case c{f, f->btnRefresh, [f] {
                         WindowTest::SelectRow(f->ListView1, "192.168.10.1");
                         TIPCtrlEdtForm* d = f->EntryForm;
                         WindowTest::WhileModal(f->btnEdit, d, [d] {
                             Choose(d->cbxARP,
                                    d->cbxARP->currentText() == "enabled" ? "disabled" : "enabled");
                             d->btnSet->click();
                         });
                     }};
    return {std::move(form), c};
}

Opened OpenBootp() {
    auto form = std::make_unique<TBOOTCtrlTableForm>(nullptr, "127.0.0.1");
    TBOOTCtrlTableForm* f = form.get();
    SlowLink::Case c{f, f->RefreshBtn, [f] {
                         TNewBootpCtrlForm* d = f->EntryForm;
                         WindowTest::WhileModal(f->AddBtn, d, [d] {
                             d->Edit1->setText("mgmt");
                             d->Edit2->setText("10.90.90.30");
                             d->DeleteBtn->click();
                         });
                     }};
    return {std::move(form), c};
}

Opened OpenOspfOrigination() {
    auto form = std::make_unique<TOSPFDefaultInfoOriginateForm>(nullptr, "127.0.0.1");
    TOSPFDefaultInfoOriginateForm* f = form.get();
    SlowLink::Case c{f, f->GetButton, [f] {
                         f->CheckBox4->setChecked(true);
                         f->MetricEdit->setText("321");
                         f->SetButton->click();
                     }};
    return {std::move(form), c};
}

Opened OpenIpRouting() {
    auto form = std::make_unique<TIP_Routing>(nullptr, "127.0.0.1");
    TIP_Routing* f = form.get();
    SlowLink::Case c{f, f->BT_Get, {}};
    return {std::move(form), c};
}

const std::map<QString, Entry>& Windows() {
    static const std::map<QString, Entry> windows = {
        {"Route redistribution", {OpenRedistribution}},
        {"IP control", {OpenIpControl}},
        {"BOOTP", {OpenBootp}},
        {"OSPF origination", {OpenOspfOrigination}},
        {"IP routing", {OpenIpRouting, false}},
    };
    return windows;
}

} // namespace

class TestSlowLinkRouting : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;

private slots:
    void initTestCase() { QVERIFY2(SlowLink::StartAgent(dir, sim), sim->Error().c_str()); }
    void cleanupTestCase() { SlowLink::StopAgent(sim); }
    void init() { WindowTest::UseSimulator(sim->Port()); }

    void EveryScenario_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("scenario");
        for (const auto& [name, entry] : Windows())
            SlowLink::AddRows(name, entry.Writes);
    }
    void EveryScenario() {
        QFETCH(QString, window);
        QFETCH(int, scenario);
        Opened opened = Windows().at(window).Open();
        opened.Window->show();
        SlowLink::Run(*sim, opened.Case, scenario);
    }

    // Stop gives up a long read at once: the actions come back, the status line says so and nothing
    // more of the walk reaches the switch.
    void IpControlStopEndsTheRead() {
        TIpCtrlForm form(nullptr, "127.0.0.1");
        form.show();
        QVERIFY(SlowLink::Settled(*sim, &form));
        form.btnRefresh->click();
        QVERIFY(form.Waiting());
        QVERIFY(form.btnStop->isEnabled());
        form.btnStop->click();
        QVERIFY(!form.Waiting());
        QVERIFY(form.btnRefresh->isEnabled() && form.btnAdd->isEnabled());
        QVERIFY(form.StatusPanel0->text().contains("Stopped"));
        QVERIFY(sim->AwaitMarker());
        QVERIFY(SlowLink::NothingAfter(*sim, sim->Log().size()));
        form.btnRefresh->click();
        QVERIFY(SlowLink::Settled(*sim, &form));
        QCOMPARE(form.RowCount(), 2);
    }
};

QTEST_MAIN(TestSlowLinkRouting)
#include "tst_SlowLinkRouting.moc"
