#include "snapshot/TvSnapshotTaker.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPRequest.h"
#include "values/TvValueText.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace {

constexpr const char* kNotDone = "(NOTDONE)";

// sysDescr, sysObjectID and sysName: which switch a snapshot is of.
TvSNMPVarList SystemList() {
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itScalars;
    list.AddItem("1.3.6.1.2.1.1.1", "sysDescr", synDisplayString, accReadOnly);
    list.AddItem("1.3.6.1.2.1.1.2", "sysObjectID", synObjectId, accReadOnly);
    list.AddItem("1.3.6.1.2.1.1.5", "sysName", synDisplayString, accReadOnly);
    return list;
}

} // namespace

TvSnapshotTaker::TvSnapshotTaker(std::span<const TvSnapshotSource> plan)
    : plan_(plan), context_(std::make_unique<QObject>()) {}

TvSnapshotTaker::~TvSnapshotTaker() {
    Cancel();
}

std::string TvSnapshotTaker::RawOf(const TvSNMPVarList& list, int i) {
    TvSnmpValue v;
    try {
        v = list.MakeVarbind(i);
    } catch (const std::exception&) {
        return {};
    }
    switch (v.Type) {
    case TvValueType::Integer:
    case TvValueType::Counter32:
    case TvValueType::Gauge32:
    case TvValueType::TimeTicks:
        return std::to_string(v.Int);
    case TvValueType::Counter64:
        return std::to_string(v.Counter64);
    case TvValueType::OctetString:
    case TvValueType::Opaque:
        return TvValueText::OctetsToHex(v.Octets);
    case TvValueType::IpAddress:
        return TvValueText::IpToText(v.Octets);
    case TvValueType::ObjectId:
        return TvValueText::OidToText(v.Oid);
    default:
        return {};
    }
}

TvSnapshotRow TvSnapshotTaker::RowOf(const TvSNMPVarList& list, const TvSnapshotSource& source) {
    TvSnapshotRow row;
    const bool table = source.IsTable();
    row.Index = table ? std::string() : "0";
    for (int i = 0; i < list.Count() && source.Table[i].Oid; ++i) {
        const TvSNMPVarItem& item = list.Item(i);
        if (table && item.Value == kNotDone)
            continue;
        if (table && row.Index.empty() && list.IsReadable(i)) {
            const std::string base = list.BaseOid(i) + '.';
            if (item.CurrentOid.starts_with(base))
                row.Index = item.CurrentOid.substr(base.size());
        }
        const TvSNMPVarDef& def = source.Table[i];
        if (!TvSnapshotPlan::Kept(def))
            continue;
        row.Values.push_back({def.Oid, def.Label, def.Syntax, def.Access, item.Value, RawOf(list, i)});
    }
    return row;
}

std::unique_ptr<TvSNMPRequest> TvSnapshotTaker::NewRequest() const {
    auto request = std::make_unique<TvSNMPRequest>();
    if (Configure)
        Configure(*request);
    return request;
}

void TvSnapshotTaker::Start() {
    Cancel();
    snapshot_ = {};
    snapshot_.Address = gSNMPDevice.Address;
    snapshot_.Port = gSNMPDevice.Port;
    snapshot_.Taken = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    for (const TvSnapshotSource& s : plan_) {
        TvSnapshotEntry e;
        e.Name = s.Entry;
        e.Page = s.Page;
        e.Caption = s.Caption;
        e.PageTitle = s.PageTitle;
        e.Table = s.IsTable();
        snapshot_.Entries.push_back(std::move(e));
    }
    ended_.assign(plan_.size(), false);
    running_ = true;
    next_ = 0;
    done_ = 0;
    systemDone_ = false;
    ReadSystem();
    for (std::size_t k = 0; k < std::max<std::size_t>(1, Jobs) && running_; ++k)
        StartNext();
    FinishIfDone();
}

void TvSnapshotTaker::Cancel() {
    running_ = false;
    finishing_ = false;
    // The owner's callbacks never run inside an exchange, so nothing of these is executing now.
    jobs_.clear();
    retired_.clear();
    system_.reset();
    context_ = std::make_unique<QObject>(); // drops every posted call
    progressPosted_ = false;
}

void TvSnapshotTaker::ReadSystem() {
    system_ = NewRequest();
    system_->VarList.Assign(SystemList());
    const auto done = [this](TvSNMPError& e, TvSNMPVarList& list) {
        if (e.Code == 0) {
            snapshot_.SysDescr = list.Item(0).Value;
            snapshot_.SysObjectID = list.Item(1).Value;
            snapshot_.SysName = list.Item(2).Value;
        }
        systemDone_ = true;
        retired_.push_back(std::move(system_));
        if (e.Code == errTimeout)
            GiveUp(e.Message);
        FinishIfDone();
    };
    try {
        system_->GetAsync(done, true);
    } catch (const TvException&) {
        systemDone_ = true;
    }
}

void TvSnapshotTaker::GiveUp(const std::string& error) {
    // A switch that does not answer at all would cost every table its own timeout: the tables and groups
    // not read yet fail with the system group's error at once. Called from the system group's callback:
    // the tables' requests are not on the stack and go at once.
    jobs_.clear();
    for (std::size_t k = 0; k < snapshot_.Entries.size(); ++k) {
        if (ended_[k])
            continue;
        ended_[k] = true;
        snapshot_.Entries[k].Failed = true;
        snapshot_.Entries[k].Error = error;
        snapshot_.Entries[k].Rows.clear();
    }
    next_ = plan_.size();
    done_ = Total();
    PostProgress();
}

void TvSnapshotTaker::StartNext() {
    if (next_ < plan_.size())
        Launch(next_++);
}

void TvSnapshotTaker::Launch(std::size_t entry) {
    auto job = std::make_unique<Job>();
    job->Entry = entry;
    job->Request = NewRequest();
    const TvSnapshotSource& source = plan_[entry];
    job->Request->VarList.Assign(TvSNMPVarList(source.Table, source.ItemType, source.KeyCount));
    job->Request->BulkRowLimit = MaxRows;
    Job* raw = job.get();
    jobs_.push_back(std::move(job));
    Step(raw, true);
}

void TvSnapshotTaker::Step(Job* job, bool first) {
    const TvSnapshotSource& source = plan_[job->Entry];
    TvSnapshotEntry& entry = snapshot_.Entries[job->Entry];
    const auto reply = [this, job, &source, &entry](TvSNMPError& e, TvSNMPVarList& list) {
        if (!running_)
            return;
        if (e.Code != 0) {
            EntryDone(job, e.Message);
            return;
        }
        if (!source.IsTable()) {
            entry.Rows.push_back(RowOf(list, source));
            EntryDone(job, {});
            return;
        }
        if (e.Finished) {
            EntryDone(job, {});
            return;
        }
        entry.Rows.push_back(RowOf(list, source));
        if (MaxRows > 0 && static_cast<int>(entry.Rows.size()) >= MaxRows) {
            EntryDone(job, CatalogText(errRowLimit, {{"LIMIT", std::to_string(MaxRows)}}));
            return;
        }
        Step(job, false);
    };
    try {
        job->Request->GetAsync(reply, first);
    } catch (const TvException& ex) {
        EntryDone(job, ex.Message());
    }
}

void TvSnapshotTaker::EntryDone(Job* job, const std::string& error) {
    TvSnapshotEntry& entry = snapshot_.Entries[job->Entry];
    ended_[job->Entry] = true;
    if (!error.empty()) {
        entry.Failed = true;
        entry.Error = error;
        entry.Rows.clear();
    }
    ++done_;
    Retire(job);
    PostProgress();
    StartNext();
    FinishIfDone();
}

void TvSnapshotTaker::Retire(Job* job) {
    const auto it = std::find_if(jobs_.begin(), jobs_.end(), [job](const auto& j) { return j.get() == job; });
    if (it == jobs_.end())
        return;
    // Called from inside the request's own callback: it is freed once that has returned.
    retired_.push_back(std::move((*it)->Request));
    jobs_.erase(it);
    Post([this] { retired_.clear(); });
}

void TvSnapshotTaker::Post(std::function<void()> call) {
    QTimer::singleShot(0, context_.get(), std::move(call));
}

void TvSnapshotTaker::PostProgress() {
    if (progressPosted_ || !OnProgress)
        return;
    progressPosted_ = true;
    Post([this] {
        progressPosted_ = false;
        if (OnProgress)
            OnProgress(done_, Total());
    });
}

void TvSnapshotTaker::FinishIfDone() {
    if (!running_ || finishing_ || done_ < Total() || !systemDone_)
        return;
    // Running until the owner has the snapshot: a wait for the end sees it handed over.
    finishing_ = true;
    Post([this] {
        running_ = false;
        finishing_ = false;
        retired_.clear();
        if (OnFinished)
            OnFinished(snapshot_);
    });
}
