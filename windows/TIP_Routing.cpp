#include "windows/TIP_Routing.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/CatalogIPWindows.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <exception>

namespace {

const QString kAddressFormat = QStringLiteral("%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}");

const bool TIP_RoutingRegistered =
    TvWindowRegistry::Register("TIP_Routing", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TIP_Routing>(host, entry, host.Connection().AgentIP);
    });

} // namespace

TIP_Routing::TIP_Routing(QWidget* parent, const std::string& agentIP)
    : TvDedicatedWindow(parent, "TIP_Routing"), binding_(std::make_unique<TvSNMPRequest2Edits>(this)) {
    setWindowTitle("IP Routing : " + FromBytes(agentIP));

    LV_IP_Routing = new QTreeView(this);
    LV_IP_Routing->setObjectName("LV_IP_Routing");

    // The edit panel of the binding: built and bound like a writable window's, never shown.
    EditPanel = new QWidget(this);
    EditPanel->setObjectName("EditPanel");
    auto* fields = new QFormLayout(EditPanel);
    auto addressRow = [&](const QString& caption) {
        QList<QLineEdit*> edits;
        auto* row = new QHBoxLayout;
        for (int k = 0; k < 4; ++k) {
            edits << new QLineEdit(EditPanel);
            row->addWidget(edits.last());
        }
        fields->addRow(caption, row);
        return edits;
    };
    auto numberRow = [&](const QString& caption) {
        auto* edit = new QLineEdit(EditPanel);
        fields->addRow(caption, edit);
        return edit;
    };
    const QList<QLineEdit*> dest = addressRow("Dest");
    QLineEdit* ifIndex = numberRow("IF Index");
    QList<QLineEdit*> metrics;
    for (int k = 1; k <= 4; ++k)
        metrics << numberRow(QString("Metric%1").arg(k));
    const QList<QLineEdit*> nextHop = addressRow("Next Hop");
    CB_Type = new QComboBox(EditPanel);
    CB_Type->setObjectName("CB_Type");
    fields->addRow("Type", CB_Type);
    QLineEdit* age = numberRow("Age");
    const QList<QLineEdit*> mask = addressRow("Mask");
    metrics << numberRow("Metric5");
    BT_Set = new QPushButton("Set", EditPanel);
    BT_Set->setObjectName("BT_Set");
    BT_Set->setEnabled(false);
    fields->addRow(BT_Set);
    EditPanel->hide();

    BT_Get = new QPushButton("Refresh", this);
    BT_Get->setObjectName("BT_Get");
    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new TvStatusPanel(StatusBar1);
    StatusPanel0->setObjectName("StatusPanel0");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BT_Get);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LV_IP_Routing, 1);
    layout->addWidget(EditPanel);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    resize(860, 420);

    connect(BT_Get, &QPushButton::clicked, this, &TIP_Routing::BT_GetClick);
    connect(Button1, &QPushButton::clicked, this, &TIP_Routing::Button1Click);

    TvSNMPRequest2Edits& b = *binding_;
    b.Asynchronous = true;
    b.Request.VarList.Assign(TvSNMPVarList(kIpRouteTable, TvSNMPVarList::itTable, kIpRouteKeys));
    b.Request.VarList.Name = "IP Routing";
    b.SetStatusTarget(StatusPanel0);
    Watch(b);
    GateWhileBusy({BT_Get});
    b.OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError&) {
        LV_IP_Routing->header()->resizeSections(QHeaderView::ResizeToContents);
    };
    try {
        b.BindListView(LV_IP_Routing, true);
        b.BindEdits(0, kAddressFormat, dest[0], dest.mid(1));
        b.BindEdits(1, "%i", ifIndex);
        for (int k = 0; k < 4; ++k)
            b.BindEdits(2 + k, "%i", metrics[k]);
        b.BindEdits(6, kAddressFormat, nextHop[0], nextHop.mid(1));
        b.BindComboBox(7, CB_Type);
        b.BindEdits(9, "%i", age);
        b.BindEdits(10, kAddressFormat, mask[0], mask.mid(1));
        b.BindEdits(11, "%i", metrics[4]);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
    Read();
}

TIP_Routing::~TIP_Routing() = default;

void TIP_Routing::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TIP_Routing::BT_GetClick() {
    Read();
}

void TIP_Routing::Button1Click() {
    close();
}
