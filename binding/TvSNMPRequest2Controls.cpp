#include "binding/TvSNMPRequest2Controls.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>

#include <algorithm>
#include <cstdio>

namespace {

// Every occurrence, left to right; inserted text is not searched again.
void ReplaceAll(std::string& text, const std::string& placeholder, const std::string& value) {
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

QString ProgramFileName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

} // namespace

TvSNMPRequest2Controls::TvSNMPRequest2Controls(QWidget* owner) : Owner(owner) {}

TvSNMPRequest2Controls::~TvSNMPRequest2Controls() {
    OnBusyChanged = {};
    alive_.reset();
    Request.Enabled = false;
    Request.CancelAll();
}

void TvSNMPRequest2Controls::SetBusy(bool busy) {
    if (Busy == busy)
        return;
    Busy = busy;
    if (OnBusyChanged)
        OnBusyChanged(busy);
}

void TvSNMPRequest2Controls::Cancel() {
    Request.CancelAll();
    SetBusy(false);
}

bool TvSNMPRequest2Controls::Writing(int index) const {
    return !writing_ || writing_->empty() ||
           std::find(writing_->begin(), writing_->end(), index) != writing_->end();
}

void TvSNMPRequest2Controls::SetStatusTarget(QPlainTextEdit* memo) {
    statusTarget_ = memo;
}
void TvSNMPRequest2Controls::SetStatusTarget(QStatusBar* bar) {
    statusTarget_ = bar;
}
void TvSNMPRequest2Controls::SetStatusTarget(TvStatusPanel* panel) {
    statusTarget_ = panel;
}

bool TvSNMPRequest2Controls::IsTable() const {
    return Request.VarList.ItemType == TvSNMPVarList::itTable ||
           Request.VarList.ItemType == TvSNMPVarList::itTableRows;
}

TvSNMPRequest::Callback
TvSNMPRequest2Controls::Guarded(void (TvSNMPRequest2Controls::*handler)(TvSNMPError&)) {
    std::weak_ptr<int> alive = alive_;
    return [this, alive, handler](TvSNMPError& reply, TvSNMPVarList&) {
        if (!alive.expired())
            (this->*handler)(reply);
    };
}

void TvSNMPRequest2Controls::Get() {
    LastOperation = opGet;
    BeforeGet();
    ReceivedCount = 0;
    SetBusy(true);
    if (!Asynchronous) {
        // ReceiveOne may let window messages run, and one of them may destroy this binding.
        const std::weak_ptr<int> alive = alive_;
        try {
            if (IsTable()) {
                Request.BulkRowLimit = MaxRows;
                for (bool first = true; !RowLimitReached() && Request.GetStep(first); first = false) {
                    Request.BulkRowLimit = MaxRows > 0 ? MaxRows - ReceivedCount : 0;
                    if (Request.AcceptRowFilter()) {
                        ReceiveOne();
                        if (alive.expired())
                            return;
                        ++ReceivedCount;
                    }
                }
            } else {
                Request.GetStep(true);
                if (Request.AcceptRowFilter()) {
                    ReceiveOne();
                    if (alive.expired())
                        return;
                    ++ReceivedCount;
                }
            }
            RememberRead();
            AfterGet();
        } catch (...) {
            SetBusy(false);
            throw;
        }
        SetBusy(false);
        if (statusTarget_)
            ShowStatus(RowLimitReached() ? CatalogText(errRowLimit, {{"LIMIT", std::to_string(MaxRows)}})
                                         : CatalogText(0));
        return;
    }
    if (!Request.Enabled) {
        SetBusy(false);
        return;
    }
    try {
        Request.BulkRowLimit = IsTable() ? MaxRows : 0;
        Request.GetAsync(Guarded(&TvSNMPRequest2Controls::ReadReply), true);
    } catch (...) {
        SetBusy(false);
        throw;
    }
}

void TvSNMPRequest2Controls::ReadReply(TvSNMPError& reply) {
    if (reply.Code != 0) {
        SetBusy(false);
        GetFailed(reply);
        if (OnGetDone)
            OnGetDone(*this, reply);
        return;
    }
    // Exceptions must not unwind into the event pump: they end the read here.
    try {
        if (IsTable() && reply.Finished) {
            FinishGet(reply);
            return;
        }
        if (Request.AcceptRowFilter()) {
            const std::weak_ptr<int> alive = alive_;
            ReceiveOne();
            if (alive.expired())
                return;
            ++ReceivedCount;
        }
        if (RowLimitReached()) {
            StopAtRowLimit(reply);
            return;
        }
        if (IsTable() && Request.Enabled) {
            Request.BulkRowLimit = MaxRows > 0 ? MaxRows - ReceivedCount : 0;
            Request.GetAsync(Guarded(&TvSNMPRequest2Controls::ReadReply), false);
            return;
        }
        FinishGet(reply);
    } catch (const TvException& e) {
        ProcessingFailed(opGet, e.Message());
    } catch (const std::exception& e) {
        ProcessingFailed(opGet, e.what());
    }
}

void TvSNMPRequest2Controls::StopAtRowLimit(TvSNMPError& reply) {
    AfterGet();
    SetBusy(false);
    reply.Code = errRowLimit;
    reply.Message = CatalogText(errRowLimit, {{"LIMIT", std::to_string(MaxRows)}});
    reply.Finished = true;
    LastOperation = opGet;
    Report(reply.Message);
    if (OnGetDone)
        OnGetDone(*this, reply);
}

void TvSNMPRequest2Controls::RememberRead() {
    if (IsTable())
        return;
    known_.clear();
    for (int i = 0; i < Request.VarList.Count(); ++i)
        known_.push_back(Request.VarList.Item(i).Value);
}

void TvSNMPRequest2Controls::Written() {
    if (IsTable())
        return;
    for (const auto& [i, value] : sent_)
        if (static_cast<size_t>(i) < known_.size())
            known_[static_cast<size_t>(i)] = value;
}

std::vector<int> TvSNMPRequest2Controls::Differing(const std::vector<int>& items) const {
    std::vector<int> changed;
    for (int i : items) {
        const auto at = static_cast<size_t>(i);
        if (at >= known_.size() || known_[at] != Request.VarList.Item(i).Value)
            changed.push_back(i);
    }
    return changed;
}

void TvSNMPRequest2Controls::FinishGet(TvSNMPError& reply) {
    RememberRead();
    AfterGet();
    SetBusy(false);
    if (statusTarget_) {
        LastOperation = opGet;
        ShowStatus(CatalogText(0));
    }
    if (OnGetDone)
        OnGetDone(*this, reply);
}

void TvSNMPRequest2Controls::Set(bool refreshAfter, bool collect) {
    Set(refreshAfter, collect, std::vector<int>{});
}

void TvSNMPRequest2Controls::Set(bool refreshAfter, bool collect, const std::vector<int>& items,
                                 const std::vector<std::string>& values, const std::string& undoOf) {
    LastOperation = opSet;
    RefreshAfterSet = refreshAfter;
    BeforeSet();
    if (collect) {
        writing_ = &items;
        try {
            ControlsToValues();
        } catch (...) {
            writing_ = nullptr;
            throw;
        }
        writing_ = nullptr;
    }
    std::string include;
    for (int i : items)
        include += (include.empty() ? "" : ",") + std::to_string(i);
    // What the switch will have once it takes the write.
    sent_.clear();
    const TvSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        const auto at = std::find(items.begin(), items.end(), i);
        if (items.empty() ? list.IsWritable(i) : at != items.end()) {
            const auto k = static_cast<size_t>(at - items.begin());
            sent_.emplace_back(i, !items.empty() && k < values.size() ? values[k] : list.Item(i).Value);
        }
    }
    if (Request.Source.empty() && Owner) {
        const QWidget* window = Owner->window();
        Request.Source =
            ToBytes(!window->windowTitle().isEmpty() ? window->windowTitle() : window->objectName());
    }
    TvWriteContext context;
    context.Known = KnownValues();
    context.UndoOf = undoOf;
    SetBusy(true);
    if (!Asynchronous) {
        try {
            Request.Set(include, values, context);
            Written();
            AfterSet();
        } catch (...) {
            SetBusy(false);
            throw;
        }
        SetBusy(false);
        if (statusTarget_)
            ShowStatus(CatalogText(0));
        if (IsTable() && RefreshAfterSet)
            Get();
        return;
    }
    if (!Request.Enabled) {
        SetBusy(false);
        return;
    }
    try {
        Request.SetAsync(Guarded(&TvSNMPRequest2Controls::WriteReply), include, values, context);
    } catch (...) {
        SetBusy(false);
        throw;
    }
}

void TvSNMPRequest2Controls::WriteReply(TvSNMPError& reply) {
    if (reply.Code != 0) {
        SetBusy(false);
        SetFailed(reply);
        if (OnSetDone)
            OnSetDone(*this, reply);
        return;
    }
    try {
        AfterSet();
    } catch (const std::exception& e) {
        ProcessingFailed(opSet, e.what());
        return;
    }
    Written();
    SetBusy(false);
    LastOperation = opSet;
    if (statusTarget_)
        ShowStatus(CatalogText(0));
    if (OnSetDone)
        OnSetDone(*this, reply);
    if (IsTable() && RefreshAfterSet) {
        try {
            Get();
        } catch (const std::exception& e) {
            ProcessingFailed(opGet, e.what());
        }
    }
}

void TvSNMPRequest2Controls::ProcessingFailed(Operation operation, const std::string& message) {
    SetBusy(false);
    LastOperation = operation;
    Report(message);
}

void TvSNMPRequest2Controls::GetFailed(TvSNMPError& reply) {
    LastOperation = opGet;
    Report(reply.Message);
}

void TvSNMPRequest2Controls::SetFailed(TvSNMPError& reply) {
    LastOperation = opSet;
    Report(reply.Message);
}

void TvSNMPRequest2Controls::Report(const std::string& message) {
    if (statusTarget_)
        ShowStatus(message);
    else
        TvMessageBox::Information(Owner, FromBytes(message), ProgramFileName());
}

std::string TvSNMPRequest2Controls::StatusTime() {
    const QTime now = QTime::currentTime();
    const int hour = now.hour() % 12 == 0 ? 12 : now.hour() % 12;
    const QLocale locale = QLocale::system();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d ", hour, now.minute(), now.second());
    return buf + ToBytes(now.hour() < 12 ? locale.amText() : locale.pmText());
}

std::string TvSNMPRequest2Controls::FormatStatus(const std::string& form, const std::string& name,
                                                 const std::string& text, const std::string& time) {
    std::string t = form;
    const size_t error = t.find("[ERROR]");
    const size_t varlist = t.find("[VARLIST]");
    if (name.empty()) {
        // Drops everything from just after "[ERROR]" to the end of "[VARLIST]" (" Request:[VARLIST]").
        if (error != std::string::npos && varlist != std::string::npos && varlist > error)
            t.erase(error + 7, varlist + 9 - (error + 7));
    } else {
        ReplaceAll(t, "[VARLIST]", name);
    }
    ReplaceAll(t, "[ERROR]", text);
    ReplaceAll(t, "[TIME]", time);
    return t;
}

void TvSNMPRequest2Controls::ShowStatus(Operation operation, const std::string& text) {
    LastOperation = operation;
    ShowStatus(text);
}

void TvSNMPRequest2Controls::ShowStatus(const std::string& text) {
    if (!statusTarget_)
        return;
    const std::string line =
        FormatStatus(gSnmpMsgTable.Text(LastOperation), Request.VarList.Name, text, StatusTime());
    const QString q = FromBytes(line);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(statusTarget_.data()))
        memo->appendPlainText(q);
    else if (auto* bar = qobject_cast<QStatusBar*>(statusTarget_.data()))
        bar->showMessage(q);
    else if (auto* panel = qobject_cast<TvStatusPanel*>(statusTarget_.data()))
        panel->setText(q);
}
