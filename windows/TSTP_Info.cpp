#include "windows/TSTP_Info.h"
#include "guibase/TvFormRows.h"

#include "base/TvException.h"
#include "binding/TvEditConstraint.h"
#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/TvSpanningTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "values/TvValueText.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <optional>
#include <vector>

namespace {

std::optional<int> WholeNumber(const QLineEdit* edit) {
    const auto n = TvValueText::StrictInteger(ToBytes(edit->text()));
    return n ? std::optional<int>(*n) : std::nullopt;
}

// The MSTP list: Version, Max Age, Forward Delay, Max Hops, TX Hold Count, Forward BPDU.
enum MstpColumn { mcVersion = 0, mcMaxAge, mcForwardDelay, mcMaxHops, mcTxHoldCount, mcForwardBpdu, mcCount };

const bool TSTP_InfoRegistered = TvWindowRegistry::Register("TSTP_Info", BridgeSTPInformationClick);

} // namespace

void BridgeSTPInformationClick(TvWindowHost& host, const TvMenuNode& entry) {
    // The window compares with the version the switch runs now; a failed read leaves the old text
    // (and its message in the main window's status bar), and the window opens anyway.
    host.ReadStpVersion();
    TvDedicatedWindow::Open<TSTP_Info>(host, entry, host.StpVersionHolder(),
                                       FromBytes(host.Connection().AgentIP));
}

TSTP_Info::TSTP_Info(QWidget* parent, QLabel* runningVersion, const QString& agentIP)
    : TvDedicatedWindow(parent, "STP_Info"), running_(runningVersion) {
    setWindowTitle("Spanning Tree Control : " + agentIP);

    auto named = [](auto* w, const char* name) {
        w->setObjectName(name);
        return w;
    };
    Combo_STPVersion = named(new QComboBox(this), "Combo_STPVersion");
    ET_AgingTime = named(new QLineEdit(this), "ET_AgingTime");
    ET_HelloTime = named(new QLineEdit(this), "ET_HelloTime");
    ET_ForwardDelay = named(new QLineEdit(this), "ET_ForwardDelay");
    ET_Priority = named(new QLineEdit(this), "ET_Priority");
    ED_TxHoldCount = named(new QLineEdit(this), "ED_TxHoldCount");
    Combo_BPDU = named(new QComboBox(this), "Combo_BPDU");
    ListView1 = named(new QTreeView(this), "ListView1");
    ListView1->hide();
    BT_Get = named(new QPushButton("Refresh", this), "BT_Get");
    BT_Set = named(new QPushButton("Set", this), "BT_Set");
    NoteForwardDelay =
        named(TvPlainText::NewLabel("Notes : 2*(Forward Delay - 100) >= Max Age", this), "NoteForwardDelay");
    NoteHelloTime = named(TvPlainText::NewLabel("Max Age>= 2*(Hello Time + 100)", this), "NoteHelloTime");
    for (QLabel* note : {NoteForwardDelay, NoteHelloTime}) {
        QPalette p = note->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        note->setPalette(p);
    }
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new TvStatusPanel(StatusBar1);
    StatusPanel0->setObjectName("StatusPanel0");

    auto* fields = new QFormLayout;
    AddLabelledRow(fields, "STP Version", Combo_STPVersion);
    AddLabelledRow(fields, "Maxi Age (600-4000)", ET_AgingTime);
    AddLabelledRow(fields, "Hello Time(100-1000)", ET_HelloTime);
    AddLabelledRow(fields, "Forward Delay(400-3000)", ET_ForwardDelay);
    AddLabelledRow(fields, "Max Hops[1-20]", ET_Priority);
    AddLabelledRow(fields, "TX Hold Count (1-10)", ED_TxHoldCount);
    AddLabelledRow(fields, "Forwarding BPDU", Combo_BPDU);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BT_Get);
    buttons->addWidget(BT_Set);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(NoteForwardDelay);
    layout->addWidget(NoteHelloTime);
    layout->addLayout(buttons);
    layout->addWidget(ListView1);
    layout->addWidget(StatusBar1);
    QWidget* order[] = {Combo_STPVersion, ET_AgingTime, ET_HelloTime, ET_ForwardDelay, ET_Priority,
                        ED_TxHoldCount,   Combo_BPDU,   BT_Get,       BT_Set};
    for (size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);

    connect(Combo_STPVersion, &QComboBox::activated, this, &TSTP_Info::Combo_STPVersionChange);
    connect(BT_Get, &QPushButton::clicked, this, &TSTP_Info::BT_GetClick);
    connect(BT_Set, &QPushButton::clicked, this, &TSTP_Info::BT_SetClick);
    FormCreate();
}

TSTP_Info::~TSTP_Info() = default;

void TSTP_Info::FormCreate() {
    // Both requests exist before the first read, so a window whose first read failed still refreshes
    // and writes.
    mstp_ = std::make_unique<TvSNMPRequest2Edits>(this);
    mstp_->Request.Target.Timeout = kStpTimeout;
    mstp_->Request.VarList.Assign(TvSNMPVarList(kStpMstpParameters, TvSNMPVarList::itScalars, 0));
    full_ = std::make_unique<TvSNMPRequest2Edits>(this);
    full_->Request.Target.Timeout = kStpTimeout;
    full_->Request.VarList.Assign(TvSNMPVarList(kStpParameters, TvSNMPVarList::itScalars, 0));
    for (TvSNMPRequest2Edits* request : {mstp_.get(), full_.get()}) {
        request->OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) { ReadDone(reply); };
        request->OnSetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) { WriteDone(reply); };
    }
    Watch(*full_);
    Watch(*mstp_);
    GateWhileBusy({BT_Get, BT_Set});
    if (Running() == "mstp")
        SetHelloTimeEnabled(false);
    try {
        mstp_->BindListView(ListView1, false);
        mstp_->SetStatusTarget(StatusPanel0);
        full_->BindComboBox(stpVersion, Combo_STPVersion);
        full_->BindEdits(stpMaxAge, kStpMaxAgeFormat, ET_AgingTime);
        full_->BindEdits(stpHelloTime, kStpHelloTimeFormat, ET_HelloTime);
        full_->BindEdits(stpForwardDelay, kStpForwardDelayFormat, ET_ForwardDelay);
        full_->BindEdits(stpMaxHops, kStpMaxHopsFormat, ET_Priority);
        full_->BindEdits(stpTxHoldCount, kStpTxHoldCountFormat, ED_TxHoldCount);
        full_->BindComboBox(stpForwardBpdu, Combo_BPDU);
        full_->SetStatusTarget(StatusPanel0);
    } catch (const TvException& e) {
        Report(TvSNMPRequest2Controls::opGet, e.Message());
        return;
    }
    Read({mstp_.get(), full_.get()});
}

void TSTP_Info::Read(std::vector<TvSNMPRequest2Edits*> order) {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    reads_ = std::move(order);
    NextRead();
}

void TSTP_Info::NextRead() {
    if (reads_.empty()) {
        // The read filled Hello Time; under MSTP it stays empty.
        SetHelloTimeEnabled(Running() != "mstp");
        return;
    }
    TvSNMPRequest2Edits* next = reads_.front();
    reads_.erase(reads_.begin());
    try {
        next->Get();
    } catch (const std::exception& e) {
        reads_.clear();
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TSTP_Info::ReadDone(const TvSNMPError& reply) {
    if (reply.Code != 0) {
        reads_.clear();
        return;
    }
    NextRead();
}

QString TSTP_Info::Labels(const TvSNMPRequest2Edits& request, const std::vector<int>& items) const {
    QStringList labels;
    for (int i : items)
        labels << FromBytes(request.Request.VarList.Item(i).Label);
    return labels.join(", ");
}

void TSTP_Info::Write(std::vector<WriteStep> steps) {
    std::erase_if(steps, [](const WriteStep& step) { return step.Items.empty(); });
    if (steps.empty()) {
        Say("Nothing was changed: nothing was sent.");
        return;
    }
    QStringList labels;
    for (const WriteStep& step : steps)
        labels << Labels(*step.Request, step.Items);
    written_ = labels.join(", ");
    writes_ = std::move(steps);
    NextWrite();
}

bool TSTP_Info::VersionConfirmed(const QString& version) {
    return TvMessageBox::YesNo(this,
                               "Change the spanning tree version from " + Running() + " to " + version +
                                   "?\nThe switch restarts the spanning tree on every port: traffic may "
                                   "stop until the ports have converged again.",
                               "Spanning Tree");
}

void TSTP_Info::NextWrite() {
    if (writes_.empty())
        return;
    const WriteStep& step = writes_.front();
    try {
        // The values were collected once, when Set was clicked.
        step.Request->Set(false, false, step.Items);
    } catch (const std::exception& e) {
        writes_.clear();
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
}

void TSTP_Info::WriteDone(const TvSNMPError& reply) {
    if (writes_.empty())
        return;
    const WriteStep step = writes_.front();
    writes_.erase(writes_.begin());
    if (reply.Code != 0) {
        writes_.clear();
        return;
    }
    if (!step.Version.isEmpty() && running_)
        running_->setText(step.Version);
    if (writes_.empty() && !written_.isEmpty()) {
        Say(StatusPanel0->text() + " Written: " + written_ + ".");
        written_.clear();
    }
    NextWrite();
}

QString TSTP_Info::Running() const {
    return running_ ? running_->text() : QString();
}

void TSTP_Info::SetHelloTimeEnabled(bool enabled) {
    ET_HelloTime->setEnabled(enabled);
    QPalette p = ET_HelloTime->palette();
    p.setColor(QPalette::Base, QApplication::palette().color(enabled ? QPalette::Base : QPalette::Window));
    ET_HelloTime->setPalette(p);
    if (!enabled)
        ET_HelloTime->clear();
}

void TSTP_Info::Say(const QString& message) {
    StatusPanel0->setText(message);
}

void TSTP_Info::Combo_STPVersionChange() {
    if (Combo_STPVersion->currentText() == "mstp") {
        SetHelloTimeEnabled(false);
    } else {
        SetHelloTimeEnabled(true);
        ET_HelloTime->setText("200");
    }
}

void TSTP_Info::BT_GetClick() {
    if (Running() == "mstp")
        Read({full_.get(), mstp_.get()});
    else
        Read({full_.get()});
}

bool TSTP_Info::FieldsPass(std::initializer_list<QLineEdit*> edits) {
    for (QLineEdit* edit : edits) {
        const EditConstraint_s* record = full_->Constraints ? full_->Constraints->Record(edit) : nullptr;
        if (!record)
            continue;
        if (const auto message = record->Check(ToBytes(edit->text()))) {
            Say(FromBytes(*message).replace(QLatin1String("\\n"), QLatin1String(" ")));
            edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void TSTP_Info::FillMstpRow() {
    TvListViewModel* model = mstp_->ListModel();
    model->Clear();
    QStringList row;
    row << Combo_STPVersion->currentText() << ET_AgingTime->text() << ET_ForwardDelay->text()
        << ET_Priority->text() << ED_TxHoldCount->text() << Combo_BPDU->currentText();
    model->Append(row);
    model->Flush();
    ListView1->selectionModel()->select(model->index(0, 0),
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TSTP_Info::BT_SetClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    const QString version = Combo_STPVersion->currentText();
    // A combo box without a choice would go out as 0, the oldest protocol: it counts as empty.
    if (ET_Priority->text().isEmpty() || ET_AgingTime->text().isEmpty() ||
        ET_ForwardDelay->text().isEmpty() || version.isEmpty() || Combo_BPDU->currentText().isEmpty()) {
        Say("Don't Leave Empty Fileds !");
        return;
    }
    for (QLineEdit* edit : {ET_Priority, ET_AgingTime, ET_ForwardDelay}) {
        if (!WholeNumber(edit)) {
            Report(TvSNMPRequest2Controls::opSet,
                   "'" + ToBytes(edit->text()) + "' is not a valid integer value");
            return;
        }
    }
    const int hops = *WholeNumber(ET_Priority);
    const int maxAge = *WholeNumber(ET_AgingTime);
    const int forwardDelay = *WholeNumber(ET_ForwardDelay);
    if (maxAge > 2 * forwardDelay - 200) {
        Say("Data Error !");
        return;
    }
    if (hops > 65535) {
        Say("Priority value is wrong!");
        return;
    }

    if (version == "mstp") {
        if (!FieldsPass({ET_AgingTime, ET_ForwardDelay, ET_Priority, ED_TxHoldCount}))
            return;
        FillMstpRow();
        if (!Collected(*mstp_))
            return;
        // What changed only; MSTP takes a new version with its parameters, in one request.
        const std::vector<int> parameters =
            mstp_->Differing({mcMaxAge, mcForwardDelay, mcMaxHops, mcTxHoldCount, mcForwardBpdu});
        if (Running() == "mstp") {
            Write({{mstp_.get(), parameters, {}}});
        } else if (VersionConfirmed(version)) {
            std::vector<int> all{mcVersion};
            all.insert(all.end(), parameters.begin(), parameters.end());
            Write({{mstp_.get(), all, version}});
        }
        return;
    }

    if (ET_HelloTime->text().isEmpty()) {
        Say("Don't Leave Empty Fileds !");
        return;
    }
    const auto helloTime = WholeNumber(ET_HelloTime);
    if (!helloTime) {
        Report(TvSNMPRequest2Controls::opSet,
               "'" + ToBytes(ET_HelloTime->text()) + "' is not a valid integer value");
        return;
    }
    if (maxAge < 2 * *helloTime + 200) {
        Say("Data Error !");
        return;
    }
    if (!FieldsPass({ET_AgingTime, ET_HelloTime, ET_ForwardDelay, ET_Priority, ED_TxHoldCount}))
        return;
    if (!Collected(*full_))
        return;
    // What changed only: a value someone else set meanwhile stays as it is.
    const std::vector<int> parameters = full_->Differing(
        {stpMaxAge, stpHelloTime, stpForwardDelay, stpMaxHops, stpTxHoldCount, stpForwardBpdu});
    if (version == Running()) {
        Write({{full_.get(), parameters, {}}});
        return;
    }
    if (!VersionConfirmed(version))
        return;
    // The parameters must fit the protocol the switch runs: the version goes first, alone, and the
    // rest only once the switch has taken it.
    Write({{full_.get(), {stpVersion}, version}, {full_.get(), parameters, {}}});
}

bool TSTP_Info::Collected(TvSNMPRequest2Edits& request) {
    try {
        request.ControlsToValues();
        return true;
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
        return false;
    }
}
