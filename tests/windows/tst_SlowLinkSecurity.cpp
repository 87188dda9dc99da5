#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/SlowLink.h"
#include "support/WindowTest.h"
#include "windows/TMd5EditForm.h"
#include "windows/TMd5InformationForm.h"
#include "windows/TSSLManagementForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace {

struct Opened {
    std::unique_ptr<TvDedicatedWindow> Window;
    SlowLink::Case Case;
};

Opened OpenSsl() {
    auto form = std::make_unique<TSSLManagementForm>(nullptr);
    TSSLManagementForm* f = form.get();
    SlowLink::Case c{f, f->btnGet, [f] {
                         f->edtCacheTimeOut->setText("777");
                         f->btnSet->click();
                     }};
    return {std::move(form), c};
}

Opened OpenMd5() {
    auto form = std::make_unique<TMd5InformationForm>(nullptr, "127.0.0.1");
    TMd5InformationForm* f = form.get();
    SlowLink::Case c{f, f->GetButton, [f] {
                         TMd5EditForm* dialog = f->EditForm();
                         WindowTest::WhileModal(f->AddButton, dialog, [dialog] {
                             dialog->KeyIDEdit->setText("9");
                             dialog->KeyEdit->setText("slowkey");
                             dialog->SetButton->click();
                         });
                     }};
    return {std::move(form), c};
}

const std::map<QString, std::function<Opened()>>& Windows() {
    static const std::map<QString, std::function<Opened()>> windows = {
        {"SSL", OpenSsl},
        {"MD5", OpenMd5},
    };
    return windows;
}

} // namespace

class TestSlowLinkSecurity : public QObject {
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
        for (const auto& [name, open] : Windows())
            SlowLink::AddRows(name);
    }
    void EveryScenario() {
        QFETCH(QString, window);
        QFETCH(int, scenario);
        Opened opened = Windows().at(window)();
        opened.Window->show();
        SlowLink::Run(*sim, opened.Case, scenario);
    }
};

QTEST_MAIN(TestSlowLinkSecurity)
#include "tst_SlowLinkSecurity.moc"
