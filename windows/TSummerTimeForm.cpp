#include "windows/TSummerTimeForm.h"

#include "binding/TvEditConstraint.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvTimeSettings.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TMsgPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "values/TvRawValueCodec.h"
#include "values/TvValueText.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr unsigned Bit(int row) {
    return 1u << row;
}

constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A whole number as typed, or -1.
int Number(const QLineEdit* edit) {
    if (!edit)
        return -1;
    const auto n = TvValueText::StrictInteger(ToBytes(edit->text()));
    return n ? *n : -1;
}

const QComboBox* Combo(const TCtrlsList& c, int part) {
    return qobject_cast<const QComboBox*>(c.Part(part));
}
const QLineEdit* Edit(const TCtrlsList& c, int part) {
    return qobject_cast<const QLineEdit*>(c.Part(part));
}

// Parts in screen order.
enum RepeatPart { rpMonth = 0, rpWeek = 1, rpWeekday = 2, rpHour = 3, rpMinute = 4 };
enum AnnualPart { apDay = 0, apMonth = 1, apHour = 2, apMinute = 3 };

const bool TSummerTimeFormRegistered =
    TvWindowRegistry::Register("TSummerTimeForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TSummerTimeForm>(host, entry, FromBytes(host.Connection().AgentIP));
    });

} // namespace

// Reads some items of the rule into the window's list and controls, and nothing else: a read names its
// items as a write does.
class TSummerTimeForm::PartRead : public TvSNMPRequest2Controls {
public:
    PartRead(QWidget* owner, TvSNMPRequest2Edits& target) : TvSNMPRequest2Controls(owner), target_(target) {}

    // The items of the next read; between reads only.
    void Ask(const std::vector<int>& items) {
        const TvSNMPVarList& all = target_.Request.VarList;
        TvSNMPVarList part;
        part.Name = all.Name;
        for (int i : items) {
            const TvSNMPVarItem& item = all.Item(i);
            part.AddItem(item.Oid, item.Label, item.Syntax, item.Access, item.Options, item.GetExpr,
                         item.SetExpr, item.Note);
        }
        Request.VarList.Assign(part);
        items_ = items;
    }
    void ReceiveOne() override {
        for (size_t k = 0; k < items_.size(); ++k) {
            const int i = items_[k];
            target_.Request.VarList.Item(i).Value = Request.VarList.Item(static_cast<int>(k)).Value;
            target_.LoadControls(i);
        }
    }

private:
    TvSNMPRequest2Edits& target_;
    std::vector<int> items_;
};

TSummerTimeForm::TSummerTimeForm(QWidget* parent, const QString& agentIP)
    : TvDedicatedWindow(parent, "SummerTimeForm") {
    setWindowTitle("Summer Time : " + agentIP);
    binding_ = std::make_unique<TvSNMPRequest2Edits>(this);
    binding_->Request.VarList.Assign(TvSNMPVarList(kSummerTime, TvSNMPVarList::itScalars, 0));

    Panel = new TSNMPEditorPanel(this, binding_.get());
    Panel->SetValueWidth(kSummerTimeValueWidth);
    Panel->SetVarFormat(stOffset, kSummerTimeOffsetFormat);
    for (int row = stRepeatStart; row <= stAnnualEnd; ++row)
        BuildComposite(row);
    // Wide enough that every part shows its longest choice in this style and font.
    int part = 0;
    for (const TCtrlsList& c : Composites)
        for (int k = 0; k < c.PartCount(); ++k)
            if (auto* box = qobject_cast<QComboBox*>(c.Part(k)))
                part = std::max(part, box->sizeHint().width());
    Panel->SetValueWidth(std::max(kSummerTimeValueWidth, 5 * part));

    connect(StatusCombo(), &QComboBox::currentIndexChanged, this, [this] { ApplyStatusLayout(); });
    // The panel's own refresh and write are replaced by the two-stage ones.
    QPushButton* refresh = Panel->Buttons->RefreshButton;
    QPushButton* set = Panel->Buttons->SetCheckedButton;
    disconnect(refresh, &QPushButton::clicked, Panel, nullptr);
    disconnect(set, &QPushButton::clicked, Panel, nullptr);
    connect(refresh, &QPushButton::clicked, this, &TSummerTimeForm::Refresh);
    connect(set, &QPushButton::clicked, this, &TSummerTimeForm::Set);

    QPlainTextEdit* memo = Panel->MessagePanel->Memo;
    statusRead_ = std::make_unique<PartRead>(this, *binding_);
    statusRead_->Ask({stStatus});
    statusRead_->OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) { StatusRead(reply); };
    ruleRead_ = std::make_unique<PartRead>(this, *binding_);
    for (PartRead* read : {statusRead_.get(), ruleRead_.get()}) {
        read->Request.Target.Timeout = binding_->Request.Target.Timeout;
        read->SetStatusTarget(memo);
    }
    binding_->OnSetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) { StageWritten(reply); };
    Watch(*binding_);
    Watch(*statusRead_);
    Watch(*ruleRead_);
    GateWhileBusy({refresh, set});

    Panel->EditsPanel->SetRowValue(stStatus, "repeating");
    ApplyStatusLayout();
    resize(1, 1); // the panel decides the size
    Panel->AttachToForm(this);
    Refresh();
}

TSummerTimeForm::~TSummerTimeForm() {
    // The panel and the rows outlive the binding by a moment: they must not reach it any more.
    Panel->ReleaseBinding();
    Panel->EditsPanel->ReleaseBinding();
    ruleRead_.reset();
    statusRead_.reset();
    binding_.reset();
}

TvSNMPRequest2Edits* TSummerTimeForm::Binding() const {
    return binding_.get();
}

QComboBox* TSummerTimeForm::StatusCombo() const {
    return Panel->EditsPanel->Row(stStatus).Combo();
}

QLineEdit* TSummerTimeForm::OffsetEdit() const {
    return Panel->EditsPanel->Row(stOffset).Edit();
}

void TSummerTimeForm::BuildComposite(int row) {
    const EditRow& editRow = Panel->EditsPanel->Row(row);
    QWidget* value = editRow.Value;
    TvSNMPRequest2Edits& b = *binding_;
    // The row's own edit stays as the holder of the composite's text, which the panel's empty check
    // reads; the parts carry the value.
    b.Unbind(row);
    auto* host = new QFrame(value->parentWidget());
    host->setObjectName(QString("Composite%1").arg(row));
    host->setFrameShape(QFrame::NoFrame);
    host->setGeometry(value->geometry());
    host->setEnabled(value->isEnabled());
    TCtrlsList& c = CompositeOf(row);
    c = TCtrlsList(host);
    const QString prefix = QString("Row%1").arg(row);
    auto combo = [&](const char* name, int offset, int syntax, const TvOptionList* options) {
        auto* box = new QComboBox(host);
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setObjectName(prefix + name);
        b.BindPartialList(row, offset, syntax, options, box);
        box->setCurrentIndex(-1);
        c.AddPart(box);
    };
    auto edit = [&](const char* name, const char* hint, int offset) {
        auto* e = new QLineEdit(host);
        e->setObjectName(prefix + name);
        e->setPlaceholderText(hint);
        b.BindPartialEdits(row, offset, synPartUInt8, nullptr, "%i", e);
        c.AddPart(e);
    };
    int hourPart = 0;
    if (row == stRepeatStart || row == stRepeatEnd) {
        combo("Month", kRepeatMonthOctet, synPartUInt8, &optMonths);
        combo("Week", kRepeatWeekOctet, synPartUInt8, &optWeeksOfMonth);
        combo("Weekday", kRepeatWeekdayOctet, synPartUInt16b, &optWeekdays);
        edit("Hour", "Hour", kRepeatHourOctet);
        edit("Minute", "Minute", kRepeatMinuteOctet);
        hourPart = rpHour;
    } else {
        edit("Day", "Day", kAnnualDayOctet);
        combo("Month", kAnnualMonthOctet, synPartUInt8, &optMonths);
        edit("Hour", "Hour", kAnnualHourOctet);
        edit("Minute", "Minute", kAnnualMinuteOctet);
        hourPart = apHour;
    }
    auto* colon = TvPlainText::NewLabel(":", host);
    QFont bold = colon->font();
    bold.setBold(true);
    colon->setFont(bold);
    colon->setAlignment(Qt::AlignCenter);
    colons_[static_cast<size_t>(row - 2)] = colon;
    host->setProperty("colonAfter", hourPart);

    // The holder takes no focus; the composite sits over it and follows its place, size, visibility
    // and enabled state.
    value->setFocusPolicy(Qt::NoFocus);
    // Nobody types into the holder, so the panel's checks of typed text leave it alone; the parts are
    // checked by this window before a write.
    if (auto* holder = qobject_cast<QLineEdit*>(value))
        holder->setReadOnly(true);
    value->installEventFilter(this);
    host->installEventFilter(this);
    host->setVisible(!value->isHidden());
    host->raise();
    c.Arrange(colon, hourPart);
}

bool TSummerTimeForm::eventFilter(QObject* watched, QEvent* event) {
    for (int row = stRepeatStart; row <= stAnnualEnd; ++row) {
        const TCtrlsList& c = CompositeOf(row);
        QWidget* host = c.Host();
        if (!host)
            continue;
        QLabel* colon = colons_[static_cast<size_t>(row - 2)];
        const int colonAfter = host->property("colonAfter").toInt();
        if (watched == host && event->type() == QEvent::Resize) {
            c.Arrange(colon, colonAfter);
            continue;
        }
        QWidget* value = Panel->EditsPanel->Row(row).Value;
        if (watched != value)
            continue;
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            host->setGeometry(value->geometry());
            host->raise();
            break;
        case QEvent::ShowToParent:
            host->show();
            host->raise();
            break;
        case QEvent::HideToParent:
            host->hide();
            break;
        case QEvent::EnabledChange:
            host->setEnabled(value->isEnabled());
            break;
        default:
            break;
        }
    }
    return TvDedicatedWindow::eventFilter(watched, event);
}

void TSummerTimeForm::ApplyStatusLayout() {
    TEditsPanel* rows = Panel->EditsPanel;
    if (!rows->Binding())
        return;
    const QString status = StatusCombo()->currentText();
    unsigned shown = 0;
    if (status == "repeating")
        shown = Bit(stRepeatStart) | Bit(stRepeatEnd);
    else if (status == "annual")
        shown = Bit(stAnnualStart) | Bit(stAnnualEnd);
    for (int row = stRepeatStart; row <= stAnnualEnd; ++row) {
        if (shown & Bit(row)) {
            rows->ShowRow(row);
        } else {
            rows->HideRow(row);
            rows->UncheckRow(row);
        }
    }
    rows->ArrangeRows(false);
}

unsigned TSummerTimeForm::ModeRows() const {
    const QString status = StatusCombo()->currentText();
    if (status == "repeating")
        return Bit(stRepeatStart) | Bit(stRepeatEnd);
    if (status == "annual")
        return Bit(stAnnualStart) | Bit(stAnnualEnd);
    return 0;
}

void TSummerTimeForm::Refresh() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        statusRead_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TSummerTimeForm::StatusRead(const TvSNMPError& reply) {
    if (reply.Code != 0)
        return;
    ApplyStatusLayout();
    std::vector<int> items{stStatus, stOffset};
    for (int row = stRepeatStart; row <= stAnnualEnd; ++row)
        if (ModeRows() & Bit(row))
            items.push_back(row);
    ruleRead_->Ask(items);
    try {
        ruleRead_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

int TSummerTimeForm::SelectedMonth(int row) const {
    const TCtrlsList& c = Composites[static_cast<size_t>(row - 2)];
    const QComboBox* month = Combo(c, row <= stRepeatEnd ? int(rpMonth) : int(apMonth));
    return month ? month->currentIndex() : -1;
}

bool TSummerTimeForm::RepeatingRowValid(int row) const {
    const TCtrlsList& c = Composites[static_cast<size_t>(row - 2)];
    for (int part : {rpMonth, rpWeek, rpWeekday}) {
        const QComboBox* box = Combo(c, part);
        if (!box || box->currentIndex() < 0)
            return false;
    }
    const int hour = Number(Edit(c, rpHour));
    const int minute = Number(Edit(c, rpMinute));
    return hour >= 0 && minute >= 0 && hour <= 23 && minute <= 59;
}

bool TSummerTimeForm::AnnualRowValid(int row) const {
    const TCtrlsList& c = Composites[static_cast<size_t>(row - 2)];
    const int day = Number(Edit(c, apDay));
    const int hour = Number(Edit(c, apHour));
    const int minute = Number(Edit(c, apMinute));
    const int month = SelectedMonth(row);
    if (day < 0 || hour < 0 || minute < 0 || month < 0 || month >= 12)
        return false;
    // Day 0 is no date either; leap years are not considered (the rule repeats every year).
    if (day < 1 || day > kMonthDays[month])
        return false;
    return hour <= 23 && minute <= 59;
}

bool TSummerTimeForm::Validate() {
    TEditsPanel* rows = Panel->EditsPanel;
    auto refuse = [this](const char* text) {
        TvMessageBox::Error(this, text);
        return false;
    };
    const QComboBox* status = StatusCombo();
    if (rows->IsRowTicked(stStatus) && status->currentIndex() < 0)
        return refuse("Please choose Summer Time Status.");
    if (rows->IsRowTicked(stOffset) && !OffsetEdit()->text().isEmpty()) {
        const int offset = Number(OffsetEdit());
        if (offset < 30 || offset > 120 || offset % 30 != 0)
            return refuse("Summer Time Offset must chosed from {30, 60, 90, 120}.");
    }
    const QString mode = status->currentText();
    if (mode == "disable")
        return true;
    if (mode == "repeating" || mode == "annual") {
        const bool repeating = mode == "repeating";
        const int first = repeating ? stRepeatStart : stAnnualStart;
        for (int row : {first, first + 1})
            if (rows->IsRowTicked(row) && !(repeating ? RepeatingRowValid(row) : AnnualRowValid(row)))
                return refuse("Time error.");
        if (rows->IsRowTicked(first) && rows->IsRowTicked(first + 1) &&
            SelectedMonth(first) == SelectedMonth(first + 1))
            return refuse("From month and To month should not be the same.");
        return true;
    }
    return false;
}

std::vector<int> TSummerTimeForm::Ticked(unsigned rows) const {
    std::vector<int> ticked;
    for (int row = 0; row < stRowCount; ++row)
        if ((rows & Bit(row)) && Panel->EditsPanel->IsRowTicked(row))
            ticked.push_back(row);
    return ticked;
}

bool TSummerTimeForm::FieldsPass(const std::vector<int>& rows) {
    TEditsPanel* panel = Panel->EditsPanel;
    for (int row : rows) {
        QLineEdit* edit = panel->Row(row).Edit();
        if (!edit || edit->isReadOnly() || !binding_->Constraints)
            continue;
        const EditConstraint_s* record = binding_->Constraints->Record(edit);
        if (!record || edit->text() == "(NULL)")
            continue;
        if (const auto message = record->Check(ToBytes(edit->text()))) {
            TvMessageBox::Error(this, FromBytes(*message).replace(QLatin1String("\\n"), QLatin1String("\n")));
            edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    for (int row : rows) {
        const QString message = panel->BrokenValue(row);
        if (message.isEmpty())
            continue;
        TvMessageBox::Error(this, message);
        if (QLineEdit* edit = panel->Row(row).Edit()) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        }
        return false;
    }
    return true;
}

QStringList TSummerTimeForm::EmptyRows(const std::vector<int>& rows) const {
    QStringList names;
    for (int row : rows) {
        const EditRow& r = Panel->EditsPanel->Row(row);
        const bool empty = r.Edit()    ? r.Edit()->text().isEmpty()
                           : r.Combo() ? r.Combo()->currentText().isEmpty()
                                       : true;
        if (empty)
            names << r.Label->text();
    }
    return names;
}

void TSummerTimeForm::Set() {
    if (!Idle(TvSNMPRequest2Controls::opSet) || !Validate())
        return;
    TEditsPanel* rows = Panel->EditsPanel;
    // The panel sees each composite through its holder's text.
    for (int row = stRepeatStart; row <= stAnnualEnd; ++row)
        if (auto* holder = rows->Row(row).Edit())
            holder->setText(CompositeOf(row).Text());

    const std::vector<int> first = Ticked(Bit(stStatus));
    const std::vector<int> second = Ticked(Bit(stOffset) | ModeRows());
    std::vector<int> all = first;
    all.insert(all.end(), second.begin(), second.end());
    if (!FieldsPass(all))
        return;
    if (const QStringList empty = EmptyRows(first); !empty.isEmpty()) {
        TvMessageBox::Warning(this, "Some items are empty!\n" + empty.join('\n'));
        return;
    }
    // What is sent is what the fields hold now, in both stages.
    try {
        binding_->ControlsToValues();
    } catch (const std::exception& e) {
        TvMessageBox::Error(this, FromBytes(e.what()));
        return;
    }
    // A stage with nothing ticked sends nothing rather than an empty request.
    secondStage_ = second;
    secondEmpty_ = EmptyRows(second);
    statusWritten_ = false;
    firstStage_ = !first.empty();
    if (firstStage_)
        Send(first);
    else
        SecondStage();
}

void TSummerTimeForm::Send(const std::vector<int>& rows) {
    try {
        binding_->Set(false, false, rows);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
        if (!std::exchange(firstStage_, false) && statusWritten_)
            StatusAlone();
    }
}

void TSummerTimeForm::StageWritten(const TvSNMPError& reply) {
    if (!std::exchange(firstStage_, false)) {
        if (reply.Code != 0 && statusWritten_)
            StatusAlone();
        return;
    }
    // The second stage follows whatever the switch answered to the status.
    statusWritten_ = reply.Code == 0;
    SecondStage();
}

void TSummerTimeForm::SecondStage() {
    if (secondStage_.empty())
        return;
    if (!secondEmpty_.isEmpty()) {
        TvMessageBox::Warning(this, "Some items are empty!\n" + secondEmpty_.join('\n'));
        if (statusWritten_)
            StatusAlone();
        return;
    }
    Send(secondStage_);
}

void TSummerTimeForm::StatusAlone() {
    Report(TvSNMPRequest2Controls::opSet, "Summer Time Status was written; the Offset and times were not!");
}
