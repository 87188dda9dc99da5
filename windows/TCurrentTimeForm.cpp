#include "windows/TCurrentTimeForm.h"

#include "base/TvException.h"
#include "base/TvHexDigit.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvTimeSettings.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "values/TvDateTime.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const bool TCurrentTimeFormRegistered =
    TvWindowRegistry::Register("TCurrentTimeForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        // Named after the switch when the menu gives no caption.
        TCurrentTimeForm* form = TvDedicatedWindow::Open<TCurrentTimeForm>(host, entry);
        if (form && host.EntryCaption(entry).isEmpty())
            form->setWindowTitle("Current Time: " + FromBytes(host.Connection().AgentIP));
    });

} // namespace

TCurrentTimeForm::TCurrentTimeForm(QWidget* parent) : TvDedicatedWindow(parent, "CurrentTimeForm") {
    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(name);
        return w;
    };
    tempText = TvPlainText::NewLabel(QString(), this);
    named(tempText, "tempText")->hide();
    timecapacityEdit = new QLineEdit(this);
    named(timecapacityEdit, "timecapacityEdit");
    timecapacityEdit->setEnabled(false);
    currentclockEdit = new QLineEdit(this);
    named(currentclockEdit, "currentclockEdit");
    cbxReset = new QComboBox(this);
    named(cbxReset, "cbxReset");
    Memo1 = new QPlainTextEdit(this);
    named(Memo1, "Memo1");
    Memo1->setReadOnly(true);
    GetButton = new QPushButton("Refresh", this);
    named(GetButton, "GetButton");
    SetButton = new QPushButton("Set", this);
    named(SetButton, "SetButton");
    CloseButton = new QPushButton("Close", this);
    named(CloseButton, "CloseButton");

    auto* capacityLabel = TvPlainText::NewLabel("Time Capacity", this);
    capacityLabel->setBuddy(timecapacityEdit);
    auto* clockLabel = TvPlainText::NewLabel("Current Clock(Example  2007-5-26,15:30:15.0)", this);
    clockLabel->setBuddy(currentclockEdit);
    auto* resetLabel = TvPlainText::NewLabel("Clock Reset On Reboot", this);
    resetLabel->setBuddy(cbxReset);

    auto* fields = new QGridLayout;
    fields->addWidget(capacityLabel, 0, 0);
    fields->addWidget(timecapacityEdit, 0, 1);
    fields->addWidget(clockLabel, 1, 0);
    fields->addWidget(currentclockEdit, 1, 1);
    fields->addWidget(resetLabel, 2, 0);
    fields->addWidget(cbxReset, 2, 1);
    fields->setColumnMinimumWidth(1, 180);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(GetButton);
    buttons->addWidget(SetButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(Memo1, 1);
    setTabOrder(currentclockEdit, GetButton);
    setTabOrder(GetButton, SetButton);
    setTabOrder(SetButton, CloseButton);
    resize(520, 300);

    connect(GetButton, &QPushButton::clicked, this, &TCurrentTimeForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TCurrentTimeForm::SetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TCurrentTimeForm::CloseButtonClick);

    binding_ = std::make_unique<TvSNMPRequest2Edits>(this);
    binding_->Asynchronous = true;
    binding_->Request.VarList.Assign(TvSNMPVarList(kCurrentTime, TvSNMPVarList::itScalars, 0));
    try {
        binding_->BindStaticText(0, tempText);
        binding_->BindEdits(1, kCurrentClockFormat, currentclockEdit);
        binding_->BindComboBox(2, cbxReset);
    } catch (const TvException& e) {
        Memo1->appendPlainText(FromBytes(e.Message()));
    }
    cbxReset->setEnabled(false);
    binding_->SetStatusTarget(Memo1);
    binding_->OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError&) { GetDone(); };
    Watch(*binding_);
    GateWhileBusy({GetButton, SetButton});
    Read();
}

TCurrentTimeForm::~TCurrentTimeForm() = default;

void TCurrentTimeForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

QString TCurrentTimeForm::DecodeCapacity(const QString& hex) {
    // The value is held as compact hex: the first octet is its first two digits.
    int n = 0;
    for (int k = 0; k < hex.size() && k < 2; ++k) {
        const int digit = TvHexDigit(hex[k].unicode());
        if (digit < 0)
            break;
        n = n * 16 + digit;
    }
    QString text = " ";
    if (n & 0x80)
        text += "systemTime";
    if (n & 0x40)
        text += ",SNTP";
    if (n & 0x20)
        text += ",SummerTime";
    if (n & 0x10)
        text += ",realTimeClock";
    // Bits the window has no name for are shown as they are, not dropped.
    if (const int other = n & 0x0F)
        text += QString(text.size() > 1 ? "," : "") + "other (0x" +
                QString::number(other, 16).toUpper().rightJustified(2, QLatin1Char('0')) + ")";
    return text;
}

void TCurrentTimeForm::GetDone() {
    const QString hex = tempText->text();
    if (hex.isEmpty())
        return;
    timecapacityEdit->setText(DecodeCapacity(hex));
}

void TCurrentTimeForm::GetButtonClick() {
    Read();
}

void TCurrentTimeForm::SetButtonClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    if (currentclockEdit->text().isEmpty()) {
        TvMessageBox::Information(this, "The Current Edit should not be empty!");
        currentclockEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The sender would make some date of any text; only a real date and time goes out.
    if (!TvDateTime::ReadChecked(ToBytes(currentclockEdit->text()))) {
        TvMessageBox::Error(this, kBadClockMessage);
        currentclockEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    try {
        binding_->Set(false, true);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
    timecapacityEdit->setEnabled(false);
    cbxReset->setEnabled(false);
}

void TCurrentTimeForm::CloseButtonClick() {
    close();
}
