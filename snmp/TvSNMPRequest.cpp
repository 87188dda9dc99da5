#include "snmp/TvSNMPRequest.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvExpression.h"
#include "snmp/TvSNMPEngine.h"
#include "values/TvNumList.h"
#include "values/TvOptionList.h"
#include "values/TvValueCheck.h"
#include "values/TvValueText.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>
#include <string_view>

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>

namespace {

// Numeric OID order; a GET-NEXT must move forward. OIDs from the agent are checked with OidInRange first.
bool OidGreater(std::string_view a, std::string_view b) {
    return TvValueText::CompareOids(a, b) > 0;
}

// An OID below the column `base`.
bool InColumn(std::string_view base, std::string_view oid) {
    return oid.size() > base.size() && oid.substr(0, base.size()) == base && oid[base.size()] == '.';
}

// A varbind a walk does not go past: the end of the view, or an OID it refuses when it gets there.
bool Stops(const TvVarBind& vb) {
    return vb.Value.IsException() || !TvValueText::OidInRange(vb.Oid);
}

// The one check of a reply's varbinds against those sent, for every kind of request and every path: the
// error the reply is refused with, or 0. GET and SET answer with the OIDs asked, in their order. GET-NEXT
// and GETBULK answers go forward, and only endOfMibView ends a column: noSuchObject and noSuchInstance do
// not answer them. A GETBULK reply holds the columns' next rows in turn (`sent.size()` a row) and may be
// cut short.
int ReplyFault(TvPduKind kind, const std::vector<TvVarBind>& sent, const std::vector<TvVarBind>& received) {
    for (const TvVarBind& vb : received)
        if (!TvValueText::OidInRange(vb.Oid))
            return errBigSubId;
    const size_t n = sent.size();
    const bool bulk = kind == TvPduKind::GetBulk;
    if (bulk ? n == 0 || received.size() < n : received.size() != n)
        return errNotAnAnswer;
    if (kind != TvPduKind::GetNext && !bulk) {
        for (size_t j = 0; j < n; ++j)
            if (received[j].Oid != sent[j].Oid)
                return errNotAnAnswer;
        return 0;
    }
    for (size_t j = 0; j < n; ++j) {
        std::string_view previous = sent[j].Oid;
        bool ended = false;
        for (size_t k = j; k < received.size(); k += n) {
            const TvVarBind& r = received[k];
            if (r.Value.Type == TvValueType::EndOfMibView) {
                ended = true;
                continue;
            }
            if (r.Value.IsException())
                return errNotAnAnswer;
            // A column goes forward, and nothing follows the end of the view but its end again.
            if (ended || !OidGreater(r.Oid, previous))
                return errOutOfOrder;
            previous = r.Oid;
        }
    }
    return 0;
}

// A walk step that could not be sent again, told to its owner as its outcome.
void ReportFailure(const TvSNMPRequest::Callback& callback, const TvException& e, TvSNMPVarList& list) {
    TvSNMPError error;
    error.Code = e.Code();
    error.Message = e.Message();
    callback(error, list);
}

// Agents that answered a GETBULK wrongly ("address:port"): their walks go on with GET-NEXT.
std::set<std::string>& BulkRefusers() {
    static std::set<std::string> agents;
    return agents;
}

TvSNMPVarList CopyOf(const TvSNMPVarList& list) {
    TvSNMPVarList copy;
    copy.Assign(list);
    copy.Instance = list.Instance;
    return copy;
}

} // namespace

TvSNMPRequest::TvSNMPRequest()
    : UseGetBulk(gSNMPUseGetBulk), Target(SettingsTarget()), self_(std::make_shared<TvSNMPRequest*>(this)) {}

TvSNMPRequest::~TvSNMPRequest() {
    Enabled = false;
    CancelAll();
}

void TvSNMPRequest::CancelAll() {
    // A write given up may still have reached the switch: the journal says that no answer was awaited.
    for (const auto& [exchange, entry] : journal_)
        JournalEnd(entry, TvWriteOutcome{TvWriteOutcome::NoReply, 0, "given up before the answer came"});
    journal_.clear();
    if (TvSNMPEngine* engine = TvSNMPEngine::Instance()) {
        for (long id : pending_)
            engine->Cancel(id);
        if (readAhead_)
            engine->Cancel(readAhead_->Id);
    }
    pending_.clear();
    readAhead_.reset();
    held_.clear();
    Outstanding = 0;
    // Callbacks already queued (rows held for delivery, a reply being handed on) hold the old guard.
    *self_ = nullptr;
    self_ = std::make_shared<TvSNMPRequest*>(this);
}

void TvSNMPRequest::LoadSettings() {
    TvSNMPTarget settings = SettingsTarget();
    settings.Timeout = Target.Timeout;
    settings.Retries = Target.Retries;
    Target = std::move(settings);
    UseGetBulk = gSNMPUseGetBulk;
}

TvSNMPEngine& TvSNMPRequest::Engine() {
    TvSNMPEngine* engine = TvSNMPEngine::Instance();
    if (!engine)
        RaiseError(errCreateSession);
    return *engine;
}

std::string TvSNMPRequest::BaseOid(int index) const {
    return VarList.BaseOid(index);
}

std::string TvSNMPRequest::RowIndex() {
    return VarList.RowIndex();
}

std::vector<TvVarBind> TvSNMPRequest::FillRead(bool first, TvPduKind& kind) {
    const int type = VarList.ItemType;
    if (type > 3)
        RaiseError(errBadItemType);
    if (!first && !IsTable())
        RaiseError(errGetNextSingle);
    if (first) {
        ended_.assign(static_cast<size_t>(VarList.Count()), false);
        bulk_.clear();
        DropReadAhead();
    }
    std::vector<TvVarBind> vbs;
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsReadable(i) || (!first && Ended(i)))
            continue;
        TvSNMPVarItem& item = VarList.Item(i);
        TvVarBind vb;
        if (first) {
            item.CurrentOid.clear();
            vb.Oid = VarList.ReadOid(i);
        } else {
            vb.Oid = item.CurrentOid;
        }
        vbs.push_back(std::move(vb));
    }
    if (!first || IsTable())
        kind = TvPduKind::GetNext;
    else if (type == 1 && UseGetNext)
        kind = TvPduKind::GetNext;
    else
        kind = TvPduKind::Get;
    return vbs;
}

std::vector<TvVarBind> TvSNMPRequest::FillWrite(std::vector<int>* items) {
    if (VarList.ItemType > 3)
        RaiseError(errBadItemType);
    std::vector<TvVarBind> vbs;
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsWritable(i) || (IsTable() && i < VarList.KeyCount))
            continue;
        CheckValue(i);
        TvVarBind vb;
        vb.Oid = VarList.WriteOid(i);
        vb.Value = MakeVarbind(i);
        vbs.push_back(std::move(vb));
        if (items)
            items->push_back(i);
    }
    return vbs;
}

void TvSNMPRequest::CheckValue(int index) const {
    // Every write passes the one check of its syntax here, whichever window or command typed it: a text
    // that is not a value of the syntax would go out cut, wrapped or as 0. The text itself stays out of the
    // message, as it may be a key.
    const TvSNMPVarItem& item = VarList.Item(index);
    const std::string text = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
    if (const auto rule = TvValueCheck::Broken(text, item.Syntax))
        RaiseError(errBadValue, {{"VARIABLE", "\"" + (item.Label.empty() ? item.Oid : item.Label) + "\""},
                                 {"RULE", *rule}});
}

bool TvSNMPRequest::Ended(int index) const {
    return static_cast<size_t>(index) < ended_.size() && ended_[static_cast<size_t>(index)];
}

void TvSNMPRequest::CheckAnswer(TvPduKind kind, const std::vector<TvVarBind>& sent,
                                const std::vector<TvVarBind>& received) const {
    if (const int fault = ReplyFault(kind, sent, received))
        RaiseError(fault);
}

void TvSNMPRequest::CheckType(int index, const TvVarBind& varbind) const {
    const TvSNMPVarItem& item = VarList.Item(index);
    const bool counter64UnderV1 = Target.Version == 0 && varbind.Value.Type == TvValueType::Counter64;
    if (!counter64UnderV1 && TvSNMPVarList::AcceptsType(item.Syntax, varbind.Value))
        return;
    const std::string name =
        item.Label.empty() || item.Label == item.Oid ? varbind.Oid : item.Label + " (" + varbind.Oid + ")";
    RaiseError(errWrongType, {{"VARIABLE", name},
                              {"SYNTAX", TvSNMPVarList::SyntaxName(item.Syntax)},
                              {"TYPE", TvSNMPVarList::TypeName(varbind.Value) +
                                           (counter64UnderV1 ? ", which SNMPv1 does not have" : "")}});
}

TvSNMPRequest::Stored TvSNMPRequest::StoreReply(int& code, TvPduKind kind, const std::vector<TvVarBind>& sent,
                                                const std::vector<TvVarBind>& received) {
    // The items the PDU asked for, in its order.
    std::vector<int> asked;
    for (int i = 0; i < VarList.Count(); ++i)
        if (VarList.IsReadable(i) && !(IsTable() && Ended(i)))
            asked.push_back(i);
    if (code == errNoSuchName && IsTable()) {
        // An SNMPv1 agent says noSuchName past the last row and echoes what it was asked.
        if (!asked.empty() && !received.empty()) {
            const std::string& returned = received[0].Oid;
            if (returned == VarList.Item(asked[0]).CurrentOid || returned == sent.at(0).Oid)
                code = 0;
        }
        return Stored::Ended;
    }
    CheckAnswer(kind, sent, received);
    if (asked.size() != received.size())
        RaiseError(errNotAnAnswer);

    if (!IsTable()) {
        // Every value is checked before any is stored: a reply is taken whole or not at all.
        for (size_t j = 0; j < asked.size(); ++j) {
            if (received[j].Value.IsException())
                RaiseError(errNoSuchName);
            CheckType(asked[j], received[j]);
        }
        for (size_t j = 0; j < asked.size(); ++j) {
            StoreVarbind(asked[j], received[j].Value);
            VarList.Item(asked[j]).CurrentOid = received[j].Oid;
        }
        return Stored::Scalar;
    }

    // A table row: each column answers with its next row; the row is the lowest of these, and a
    // column that skipped it (a sparse table) shows an empty cell and is asked again from this row.
    std::vector<std::optional<std::string_view>> rows(asked.size());
    std::optional<std::string_view> lowest;
    size_t lowestAt = 0;
    for (size_t j = 0; j < asked.size(); ++j) {
        const int i = asked[j];
        const std::string base = BaseOid(i);
        const TvVarBind& r = received[j];
        if (r.Value.IsException() || OutOfColumn(base, VarList.Item(i).CurrentOid, r.Oid))
            continue;
        CheckType(i, r);
        rows[j] = std::string_view(r.Oid).substr(base.size() + 1);
        if (!lowest || TvValueText::CompareOids(*rows[j], *lowest) < 0) {
            lowest = rows[j];
            lowestAt = j;
        }
    }
    if (!lowest) {
        for (int i : asked) {
            VarList.Item(i).Value = "(NOTDONE)";
            if (static_cast<size_t>(i) < ended_.size())
                ended_[static_cast<size_t>(i)] = true;
        }
        return Stored::Ended;
    }
    const std::string rowInstance = received[lowestAt].Oid.substr(BaseOid(asked[lowestAt]).size() + 1);
    for (size_t j = 0; j < asked.size(); ++j) {
        const int i = asked[j];
        TvSNMPVarItem& item = VarList.Item(i);
        if (!rows[j]) {
            // The column has no more rows: left alone while the others go on.
            item.Value = "(NOTDONE)";
            item.CurrentOid = BaseOid(i) + "." + rowInstance;
            if (static_cast<size_t>(i) < ended_.size())
                ended_[static_cast<size_t>(i)] = true;
        } else if (TvValueText::CompareOids(*rows[j], *lowest) == 0) {
            StoreVarbind(i, received[j].Value);
            item.CurrentOid = received[j].Oid;
        } else {
            item.Value.clear();
            item.CurrentOid = BaseOid(i) + "." + rowInstance;
        }
    }
    std::string remaining = rowInstance;
    for (int k = 0; k < VarList.KeyCount; ++k) {
        if (remaining.empty())
            RaiseError(errBadKeyCount);
        if (!VarList.IsReadable(k))
            VarList.Item(k).CurrentOid = BaseOid(k) + "." + rowInstance;
        remaining = DecodeKey(k, remaining);
    }
    for (int i = 0; i < VarList.Count(); ++i)
        ComputeValue(i, true);
    return Stored::Row;
}

TvSNMPError TvSNMPRequest::AcceptReply(TvPduKind kind, const std::vector<TvVarBind>& sent, int status,
                                       const TvSNMPReply& reply, bool read) {
    TvSNMPError e;
    e.ErrorIndex = reply.ErrorIndex;
    e.AgentAddress = reply.AgentAddress;
    e.AgentPort = reply.AgentPort;
    e.Finished = true;
    if (reply.FromAgent && (reply.ErrorStatus < 0 || reply.ErrorStatus > 18)) {
        e.Code = errBadErrorStatus;
        e.Message = CatalogText(e.Code, {{"STATUS", std::to_string(reply.ErrorStatus)}});
        e.ErrorIndex = 0;
        return e;
    }
    e.Code = MapSnmpStatus(status).Code;
    std::string note;
    if (reply.FromAgent && reply.ErrorStatus != 0 &&
        (reply.ErrorIndex < 0 || static_cast<size_t>(reply.ErrorIndex) > sent.size())) {
        // An error-index that points nowhere is reported, never used to pick a variable.
        note = " " + CatalogText(errBadErrorIndex, {{"INDEX", std::to_string(reply.ErrorIndex)}});
        e.ErrorIndex = 0;
    }
    try {
        if (!read) {
            if (e.Code == 0)
                CheckAnswer(kind, sent, reply.VarBinds);
        } else if (e.Code == 0 || (e.Code == errNoSuchName && IsTable())) {
            e.Finished = StoreReply(e.Code, kind, sent, reply.VarBinds) != Stored::Row;
        }
        e.Message = CatalogText(e.Code) + (e.Code != 0 ? note : std::string());
    } catch (const TvException& ex) {
        e.Code = ex.Code();
        e.Message = ex.Message();
        e.Finished = true;
    }
    return e;
}

bool TvSNMPRequest::OutOfColumn(const std::string& base, const std::string& current,
                                const std::string& returned) {
    if (!IsTable())
        return false;
    if (InColumn(base, returned)) {
        // Within the column; an agent that does not move forward has nothing more to give.
        return returned == current || (!current.empty() && !OidGreater(returned, current));
    }
    return true;
}

bool TvSNMPRequest::GetStep(bool first) {
    if (!Enabled)
        return false;
    TvPduKind kind;
    std::vector<TvVarBind> vbs = FillRead(first, kind);
    if (vbs.empty() && !first)
        return false; // every column has ended
    if (BulkUsable()) {
        if (readAhead_ && (!readAhead_->Blocking || readAhead_->Kind != TvPduKind::GetBulk))
            DropReadAhead();
        std::optional<TvSNMPReply> ahead = first ? std::nullopt : FromBulk(vbs);
        if (!ahead && readAhead_) {
            const long id = readAhead_->Id;
            pending_.erase(id);
            TvSNMPReply reply;
            const int status = Engine().Await(id, reply);
            ahead = TakeReadAhead(vbs, status, reply);
        }
        while (!ahead) {
            const TvSNMPTarget target = BulkTarget();
            askedRepetitions_ = target.MaxRepetitions;
            TvSNMPReply reply;
            const int status = Engine().Exchange(target, TvPduKind::GetBulk, vbs, reply);
            if (status == 1 && reply.FromAgent && askedRepetitions_ > 1) {
                maxRepetitions_ = askedRepetitions_ / 2; // tooBig: fewer rows at a time
                continue;
            }
            if (TakeBulk(vbs, status, reply))
                ahead = FromBulk(vbs);
            if (!ahead) {
                BulkRefusers().insert(AgentKey());
                break;
            }
        }
        if (ahead) {
            StartReadAhead(true);
            const TvSNMPError outcome = AcceptReply(TvPduKind::GetNext, vbs, 0, *ahead, true);
            if (outcome.Code != 0)
                throw TvException(outcome.Message, outcome.Code);
            return !outcome.Finished;
        }
    }
    TvSNMPReply reply;
    int status;
    if (readAhead_ && readAhead_->Blocking && NextAheadFor(vbs)) {
        const long id = readAhead_->Id;
        pending_.erase(id);
        readAhead_.reset();
        status = Engine().Await(id, reply);
    } else {
        DropReadAhead();
        status = Engine().Exchange(Target, kind, vbs, reply);
    }
    StartNextAhead(vbs, status, reply, true);
    const TvSNMPError outcome = AcceptReply(kind, vbs, status, reply, true);
    if (outcome.Code != 0)
        throw TvException(outcome.Message, outcome.Code);
    return !outcome.Finished;
}

bool TvSNMPRequest::BulkUsable() const {
    return IsTable() && UseGetBulk && Target.Version != 0 && !BulkRefusers().count(AgentKey());
}

std::string TvSNMPRequest::AgentKey() const {
    return Target.Address + ":" + std::to_string(Target.Port);
}

TvSNMPTarget TvSNMPRequest::BulkTarget() const {
    TvSNMPTarget t = Target;
    std::int32_t rows = maxRepetitions_;
    if (BulkRowLimit > 0)
        rows = std::min(rows, BulkRowLimit);
    t.MaxRepetitions = std::max<std::int32_t>(1, rows);
    return t;
}

std::vector<int> TvSNMPRequest::BulkColumns() const {
    std::vector<int> asked;
    for (int i = 0; i < VarList.Count(); ++i)
        if (VarList.IsReadable(i) && !Ended(i))
            asked.push_back(i);
    return asked;
}

bool TvSNMPRequest::TakeBulk(const std::vector<TvVarBind>& sent, int status, const TvSNMPReply& reply,
                             bool append) {
    const size_t count = static_cast<size_t>(VarList.Count());
    if (!append)
        bulk_.assign(count, {});
    const size_t n = sent.size();
    // A reply that fails the check is not used at all: the walk goes on with GET-NEXT, whose replies
    // get the same check, so that it reads the rows a GET-NEXT walk reads and ends with its error.
    if (status != 0 || !reply.FromAgent || reply.ErrorStatus != 0 || bulk_.size() != count ||
        ReplyFault(TvPduKind::GetBulk, sent, reply.VarBinds) != 0)
        return false;
    const std::vector<int> asked = BulkColumns();
    if (asked.size() != n)
        return false;
    std::vector<std::vector<TvVarBind>> columns(n);
    bool tableEnd = false;
    for (size_t j = 0; j < n; ++j) {
        const BulkColumn& held = bulk_[static_cast<size_t>(asked[j])];
        if (append && (held.VarBinds.empty() || held.VarBinds.back().Oid != sent[j].Oid))
            return false; // not asked from the last row held
        for (size_t k = j; k < reply.VarBinds.size(); k += n) {
            columns[j].push_back(reply.VarBinds[k]);
            if (Stops(reply.VarBinds[k])) { // the end of the view: held last
                tableEnd = true;
                break;
            }
        }
    }
    for (size_t j = 0; j < n; ++j) {
        BulkColumn& column = bulk_[static_cast<size_t>(asked[j])];
        if (!append) {
            column.From = sent[j].Oid;
            column.VarBinds = std::move(columns[j]);
            continue;
        }
        // The rows handed out go; the chain then starts after the last of them.
        if (column.Next > 0) {
            const auto handedOut = column.VarBinds.begin() + static_cast<std::ptrdiff_t>(column.Next);
            column.From = (handedOut - 1)->Oid;
            column.VarBinds.erase(column.VarBinds.begin(), handedOut);
            column.Next = 0;
        }
        std::move(columns[j].begin(), columns[j].end(), std::back_inserter(column.VarBinds));
    }
    // A reply cut short (by the agent's message size) sets the pace; a full one lets it grow fast.
    const size_t rows = reply.VarBinds.size() / n;
    if (rows < static_cast<size_t>(askedRepetitions_) && !tableEnd)
        maxRepetitions_ = std::max<std::int32_t>(1, static_cast<std::int32_t>(rows));
    else if (rows >= static_cast<size_t>(askedRepetitions_))
        maxRepetitions_ = std::min(kBulkMax, std::max(maxRepetitions_, askedRepetitions_ * 4));
    return true;
}

std::optional<TvSNMPReply> TvSNMPRequest::FromBulk(const std::vector<TvVarBind>& sent) {
    // What a GET-NEXT of `sent` would return, when the rows held hold it for every column.
    const std::vector<int> asked = BulkColumns();
    if (asked.size() != sent.size() || bulk_.size() != static_cast<size_t>(VarList.Count()))
        return std::nullopt;
    TvSNMPReply reply;
    reply.FromAgent = true;
    reply.AgentAddress = Target.Address;
    reply.AgentPort = Target.Port;
    std::vector<size_t> taken;
    for (size_t j = 0; j < sent.size(); ++j) {
        const BulkColumn& column = bulk_[static_cast<size_t>(asked[j])];
        const std::vector<TvVarBind>& held = column.VarBinds;
        size_t k = column.Next;
        if (k < held.size() && held[k].Oid == sent[j].Oid) {
            ++k; // the usual step: this column asks from the row it gave last
        } else {
            // A column asked again from another row (a sparse table): find its successor.
            if (column.From.empty() || OidGreater(column.From, sent[j].Oid))
                return std::nullopt;
            while (k < held.size() && !(k + 1 == held.size() && Stops(held[k])) &&
                   !OidGreater(held[k].Oid, sent[j].Oid))
                ++k;
        }
        if (k >= held.size())
            return std::nullopt;
        reply.VarBinds.push_back(column.VarBinds[k]);
        taken.push_back(k);
    }
    for (size_t j = 0; j < sent.size(); ++j)
        bulk_[static_cast<size_t>(asked[j])].Next = taken[j];
    return reply;
}

void TvSNMPRequest::SendBulk(std::vector<TvVarBind> varbinds, Callback callback) {
    TvSNMPEngine& engine = Engine();
    const TvSNMPTarget target = BulkTarget();
    askedRepetitions_ = target.MaxRepetitions;
    auto sent = std::make_shared<std::vector<TvVarBind>>(std::move(varbinds));
    std::weak_ptr<TvSNMPRequest*> guard = self_;
    auto id = std::make_shared<long>(0);
    auto onReply = [guard, id, sent, callback](int status, TvSNMPReply& reply) {
        const auto self = guard.lock();
        if (!self || !*self)
            return;
        TvSNMPRequest* request = *self;
        request->pending_.erase(*id);
        if (status == -8) {
            --request->Outstanding;
            return;
        }
        std::optional<TvSNMPReply> ahead;
        if (status == 1 && reply.FromAgent && request->askedRepetitions_ > 1) {
            request->maxRepetitions_ = request->askedRepetitions_ / 2;
        } else {
            if (request->TakeBulk(*sent, status, reply))
                ahead = request->FromBulk(*sent);
            if (ahead) {
                request->StartReadAhead(false);
                request->DeliverRows(callback, *sent, *ahead);
                return;
            }
            BulkRefusers().insert(request->AgentKey());
        }
        // Again, with fewer rows or with GET-NEXT; the owner hears only of the outcome.
        --request->Outstanding;
        try {
            if (request->BulkUsable())
                request->SendBulk(*sent, callback);
            else
                request->SendAsync(TvPduKind::GetNext, *sent, callback, true);
        } catch (const TvException& e) {
            ReportFailure(callback, e, request->VarList);
        }
    };
    *id = engine.ExchangeAsync(target, TvPduKind::GetBulk, *sent, std::move(onReply));
    pending_.insert(*id);
    ++Outstanding;
}

void TvSNMPRequest::StartReadAhead(bool blocking) {
    if (readAhead_ || !BulkUsable() || bulk_.size() != static_cast<size_t>(VarList.Count()))
        return;
    // Only while every column goes on past the rows held: a column that ends within them needs no more.
    std::vector<TvVarBind> from;
    size_t heldRows = SIZE_MAX;
    for (int i : BulkColumns()) {
        const BulkColumn& column = bulk_[static_cast<size_t>(i)];
        if (column.VarBinds.empty())
            return;
        const TvVarBind& last = column.VarBinds.back();
        if (Stops(last) || !InColumn(BaseOid(i), last.Oid))
            return;
        heldRows = std::min(heldRows, column.VarBinds.size() - 1 - column.Next);
        from.push_back({last.Oid, {}});
    }
    if (from.empty())
        return;
    TvSNMPTarget target = BulkTarget();
    if (BulkRowLimit > 0) {
        // Never more rows than the owner can still use after the one it is given now.
        const auto wanted = static_cast<size_t>(BulkRowLimit) - 1;
        if (heldRows >= wanted)
            return;
        target.MaxRepetitions =
            std::min<std::int32_t>(target.MaxRepetitions, static_cast<std::int32_t>(wanted - heldRows));
    }
    ReadAhead next;
    next.Blocking = blocking;
    next.Sent = std::move(from);
    next.Repetitions = target.MaxRepetitions;
    try {
        if (blocking) {
            next.Id = Engine().Send(target, TvPduKind::GetBulk, next.Sent);
        } else {
            std::weak_ptr<TvSNMPRequest*> guard = self_;
            auto id = std::make_shared<long>(0);
            *id = Engine().ExchangeAsync(
                target, TvPduKind::GetBulk, next.Sent, [guard, id](int status, TvSNMPReply& reply) {
                    const auto self = guard.lock();
                    if (!self || !*self)
                        return;
                    TvSNMPRequest* request = *self;
                    if (!request->KeepReadAhead(*id, status, reply))
                        return;
                    std::optional<ReadAhead>& ra = request->readAhead_;
                    HeldRow waiting = std::move(*ra->Waiting);
                    ra->Waiting.reset();
                    if (status == -8) { // the session closes
                        --request->Outstanding;
                        request->readAhead_.reset();
                        return;
                    }
                    request->ContinueAfterReadAhead(std::move(waiting.Sent), std::move(waiting.Done), false);
                });
            next.Id = *id;
        }
    } catch (const TvException&) {
        return; // a read-ahead that cannot leave is not made; the next step asks in its own time
    }
    pending_.insert(next.Id);
    readAhead_ = std::move(next);
}

void TvSNMPRequest::StartNextAhead(const std::vector<TvVarBind>& sent, int status, const TvSNMPReply& reply,
                                   bool blocking) {
    if (readAhead_ || !IsTable() || status != 0 || !reply.FromAgent || reply.ErrorStatus != 0 ||
        sent.empty() || reply.VarBinds.size() != sent.size() || (BulkRowLimit > 0 && BulkRowLimit < 2))
        return;
    // Only when every column goes on to the same row: the next step then asks from exactly there.
    const std::vector<int> asked = BulkColumns();
    if (asked.size() != sent.size())
        return;
    ReadAhead next;
    next.Kind = TvPduKind::GetNext;
    next.Blocking = blocking;
    next.Sent.reserve(sent.size());
    std::string_view row;
    for (size_t j = 0; j < sent.size(); ++j) {
        const TvVarBind& vb = reply.VarBinds[j];
        const std::string base = BaseOid(asked[j]);
        if (Stops(vb) || !InColumn(base, vb.Oid) || !OidGreater(vb.Oid, sent[j].Oid))
            return;
        const std::string_view instance = std::string_view(vb.Oid).substr(base.size());
        if (j > 0 && instance != row)
            return;
        row = instance;
        next.Sent.push_back({vb.Oid, {}});
    }
    try {
        if (blocking) {
            next.Id = Engine().Send(Target, TvPduKind::GetNext, next.Sent);
        } else {
            std::weak_ptr<TvSNMPRequest*> guard = self_;
            auto id = std::make_shared<long>(0);
            *id = Engine().ExchangeAsync(Target, TvPduKind::GetNext, next.Sent,
                                         [guard, id](int got, TvSNMPReply& answer) {
                                             const auto self = guard.lock();
                                             if (self && *self && (*self)->KeepReadAhead(*id, got, answer))
                                                 (*self)->ContinueAfterNextAhead();
                                         });
            next.Id = *id;
        }
    } catch (const TvException&) {
        return; // a read-ahead that cannot leave is not made; the next step asks in its own time
    }
    pending_.insert(next.Id);
    readAhead_ = std::move(next);
}

bool TvSNMPRequest::KeepReadAhead(long id, int status, TvSNMPReply& reply) {
    pending_.erase(id);
    if (!readAhead_ || readAhead_->Id != id)
        return false; // given up meanwhile
    readAhead_->Arrived = true;
    readAhead_->Status = status;
    readAhead_->Reply = std::move(reply);
    return readAhead_->Waiting.has_value();
}

void TvSNMPRequest::ContinueAfterNextAhead() {
    // The step that waited for this row: the next row is asked for before the owner gets this one.
    const ReadAhead done = std::move(*readAhead_);
    readAhead_.reset();
    const HeldRow& waiting = *done.Waiting;
    StartNextAhead(done.Sent, done.Status, done.Reply, false);
    HandleReply(waiting.Done, TvPduKind::GetNext, waiting.Sent, true, done.Status, done.Reply);
}

bool TvSNMPRequest::NextAheadFor(const std::vector<TvVarBind>& vbs) const {
    if (!readAhead_ || readAhead_->Kind != TvPduKind::GetNext || readAhead_->Sent.size() != vbs.size())
        return false;
    for (size_t j = 0; j < vbs.size(); ++j)
        if (readAhead_->Sent[j].Oid != vbs[j].Oid)
            return false;
    return true;
}

void TvSNMPRequest::DropReadAhead() {
    if (!readAhead_)
        return;
    if (TvSNMPEngine* engine = TvSNMPEngine::Instance())
        engine->Cancel(readAhead_->Id);
    pending_.erase(readAhead_->Id);
    if (readAhead_->Waiting)
        --Outstanding;
    readAhead_.reset();
}

std::optional<TvSNMPReply> TvSNMPRequest::TakeReadAhead(const std::vector<TvVarBind>& sent, int status,
                                                        const TvSNMPReply& reply) {
    // A read-ahead that failed is only forgotten: the step then asks as it would have without it, and
    // that exchange's outcome is what counts.
    ReadAhead done = std::move(*readAhead_);
    readAhead_.reset();
    askedRepetitions_ = done.Repetitions;
    if (status == 1 && reply.FromAgent && done.Repetitions > 1) {
        maxRepetitions_ = done.Repetitions / 2; // tooBig: fewer rows at a time
        return std::nullopt;
    }
    if (!TakeBulk(done.Sent, status, reply, true))
        return std::nullopt;
    return FromBulk(sent);
}

void TvSNMPRequest::ContinueAfterReadAhead(std::vector<TvVarBind> sent, Callback callback,
                                           bool fromGetAsync) {
    const int status = readAhead_->Status;
    const TvSNMPReply reply = std::move(readAhead_->Reply);
    std::optional<TvSNMPReply> ahead = TakeReadAhead(sent, status, reply);
    if (ahead) {
        StartReadAhead(false);
        if (fromGetAsync)
            DeliverLater(std::move(sent), std::move(*ahead), std::move(callback));
        else
            DeliverRows(callback, sent, *ahead); // the step that waited counts as outstanding
        return;
    }
    if (!fromGetAsync)
        --Outstanding;
    try {
        SendBulk(std::move(sent), callback);
    } catch (const TvException& e) {
        if (fromGetAsync)
            throw;
        ReportFailure(callback, e, VarList);
    }
}

void TvSNMPRequest::DeliverLater(std::vector<TvVarBind> sent, TvSNMPReply reply, Callback callback,
                                 int status) {
    // Rows already here are never handed on from inside the call that asked for them, so a walk of many
    // rows does not nest: from a callback, the delivery loop takes them when it returns; otherwise the
    // message loop does, as it would a reply.
    ++Outstanding;
    held_.push_back({std::move(sent), std::move(reply), std::move(callback), status});
    if (delivering_)
        return;
    std::weak_ptr<TvSNMPRequest*> guard = self_;
    QTimer::singleShot(0, QCoreApplication::instance(), [guard] {
        const auto self = guard.lock();
        if (!self || !*self || (*self)->held_.empty())
            return;
        TvSNMPRequest* request = *self;
        HeldRow row = std::move(request->held_.front());
        request->held_.pop_front();
        request->DeliverRows(row.Done, row.Sent, row.Reply, row.Status);
    });
}

void TvSNMPRequest::DeliverRows(const Callback& callback, const std::vector<TvVarBind>& sent,
                                const TvSNMPReply& reply, int status) {
    // One row, then each row the owner asks for from its callback that a bulk reply already holds: a
    // reply's rows go out one after another without a round through the message loop for each.
    std::weak_ptr<TvSNMPRequest*> guard = self_;
    const auto alive = [&guard] {
        const auto self = guard.lock();
        return self && *self; // false once the owner let the request go
    };
    delivering_ = true;
    try {
        HandleReply(callback, TvPduKind::GetNext, sent, true, status, reply);
        while (alive() && !held_.empty()) {
            HeldRow row = std::move(held_.front());
            held_.pop_front();
            HandleReply(row.Done, TvPduKind::GetNext, row.Sent, true, row.Status, row.Reply);
        }
    } catch (...) {
        if (alive())
            delivering_ = false;
        throw;
    }
    if (alive())
        delivering_ = false;
}

long TvSNMPRequest::SendAsync(TvPduKind kind, std::vector<TvVarBind> varbinds, Callback callback, bool read) {
    TvSNMPEngine& engine = Engine();
    auto sent = std::make_shared<std::vector<TvVarBind>>(varbinds);
    std::weak_ptr<TvSNMPRequest*> guard = self_;
    auto id = std::make_shared<long>(0);
    *id = engine.ExchangeAsync(
        Target, kind, varbinds,
        [guard, id, sent, kind, read, callback = std::move(callback)](int status, TvSNMPReply& reply) {
            const auto self = guard.lock();
            if (!self || !*self)
                return;
            TvSNMPRequest* request = *self;
            request->pending_.erase(*id);
            if (read && kind == TvPduKind::GetNext)
                request->StartNextAhead(*sent, status, reply, false);
            request->HandleReply(callback, kind, *sent, read, status, reply, *id);
        });
    pending_.insert(*id);
    ++Outstanding;
    return *id;
}

void TvSNMPRequest::HandleReply(const Callback& callback, TvPduKind kind, const std::vector<TvVarBind>& sent,
                                bool read, int status, const TvSNMPReply& reply, long exchange) {
    std::string entry;
    if (const auto it = journal_.find(exchange); exchange != 0 && it != journal_.end()) {
        entry = std::move(it->second);
        journal_.erase(it);
    }
    if (status == -8) {
        JournalEnd(entry,
                   TvWriteOutcome{TvWriteOutcome::NoReply, 0, "the session closed before the answer came"});
        --Outstanding;
        return;
    }
    TvSNMPError error = AcceptReply(kind, sent, status, reply, read);
    JournalEnd(entry, error);
    callback(error, VarList);
    --Outstanding;
}

void TvSNMPRequest::GetAsync(Callback callback, bool first) {
    if (!Enabled)
        return;
    TvPduKind kind;
    std::vector<TvVarBind> vbs = FillRead(first, kind);
    if (vbs.empty() && !first) {
        // Every column has ended: the walk is over without another exchange.
        TvSNMPError done;
        done.Message = CatalogText(0);
        done.AgentAddress = Target.Address;
        done.AgentPort = Target.Port;
        ++Outstanding;
        callback(done, VarList);
        --Outstanding;
        return;
    }
    if (BulkUsable()) {
        if (readAhead_ && (readAhead_->Blocking || readAhead_->Kind != TvPduKind::GetBulk))
            DropReadAhead();
        if (!first) {
            if (std::optional<TvSNMPReply> ahead = FromBulk(vbs)) {
                DeliverLater(std::move(vbs), std::move(*ahead), std::move(callback));
                return;
            }
            if (readAhead_ && !readAhead_->Arrived) {
                // The rows are on their way: this step waits for them.
                readAhead_->Waiting = HeldRow{std::move(vbs), {}, std::move(callback)};
                ++Outstanding;
                return;
            }
            if (readAhead_) {
                ContinueAfterReadAhead(std::move(vbs), std::move(callback), true);
                return;
            }
        }
        SendBulk(std::move(vbs), std::move(callback));
        return;
    }
    if (!first && NextAheadFor(vbs) && !readAhead_->Blocking) {
        if (!readAhead_->Arrived) {
            // The row is on its way: this step waits for it.
            readAhead_->Waiting = HeldRow{std::move(vbs), {}, std::move(callback)};
            ++Outstanding;
            return;
        }
        ReadAhead done = std::move(*readAhead_);
        readAhead_.reset();
        StartNextAhead(done.Sent, done.Status, done.Reply, false);
        DeliverLater(std::move(vbs), std::move(done.Reply), std::move(callback), done.Status);
        return;
    }
    DropReadAhead();
    SendAsync(kind, std::move(vbs), std::move(callback), true);
}

void TvSNMPRequest::PrepareWrite(const std::string& include, const std::vector<std::string>& values) {
    if (!include.empty()) {
        TvNumList<int> indexes(',');
        indexes.Parse(include);
        for (int i = 0; i < VarList.Count(); ++i) {
            TvSNMPVarItem& item = VarList.Item(i);
            const int pos = indexes.IndexOf(i);
            if (pos < 0) {
                item.Access |= accExcluded;
                continue;
            }
            item.Access &= ~accExcluded;
            if (!values.empty() && pos < static_cast<int>(values.size()))
                item.Value = values[static_cast<size_t>(pos)];
        }
    }
    for (int i = 0; i < VarList.Count(); ++i)
        ComputeValue(i, false);
}

std::vector<TvVarBind> TvSNMPRequest::WriteVarbinds(const std::string& include,
                                                    const std::vector<std::string>& values,
                                                    const TvWriteContext* context,
                                                    std::vector<TvWrittenVar>* written) {
    // Exclusions and given values last for this one write, also when building it fails.
    const TvSNMPVarList saved = CopyOf(VarList);
    std::vector<TvVarBind> vbs;
    try {
        PrepareWrite(include, values);
        std::vector<int> items;
        vbs = FillWrite(&items);
        if (written)
            *written = Describe(vbs, items, saved, context ? *context : TvWriteContext{});
    } catch (...) {
        VarList.Assign(saved);
        throw;
    }
    VarList.Assign(saved);
    return vbs;
}

std::vector<TvWrittenVar> TvSNMPRequest::Describe(const std::vector<TvVarBind>& vbs,
                                                  const std::vector<int>& items, const TvSNMPVarList& read,
                                                  const TvWriteContext& context) const {
    // The list as the window last read it: where an item's OID is the same there, the value read is the
    // value this write replaces.
    std::optional<TvSNMPVarList> known;
    if (!context.Known.empty() && context.Known.size() == static_cast<size_t>(read.Count())) {
        known = CopyOf(read);
        for (int i = 0; i < known->Count(); ++i)
            known->Item(i).Value = context.Known[static_cast<size_t>(i)];
    }
    std::vector<TvWrittenVar> vars;
    for (size_t k = 0; k < vbs.size() && k < items.size(); ++k) {
        const int i = items[k];
        const TvSNMPVarItem& item = VarList.Item(i);
        TvWrittenVar w;
        w.Oid = vbs[k].Oid;
        w.Label = item.Label;
        w.Syntax = item.Syntax;
        w.Sent = item.Value;
        try {
            if (known && known->WriteOid(i) == w.Oid) {
                w.BeforeKnown = true;
                w.Before = context.Known[static_cast<size_t>(i)];
                // Written back as a plain value of the syntax, which must give the very varbind the
                // value read gives; a computed value is not restored.
                const TvSnmpValue value = known->MakeVarbind(i);
                if (item.SetExpr.empty() && value.Type != TvValueType::Null) {
                    TvSNMPVarList probe;
                    probe.ItemType = TvSNMPVarList::itInstance;
                    probe.AddItem(w.Oid, "", item.Syntax, accReadWrite);
                    probe.Item(0).Value = TvSNMPVarList::ValueText(item.Syntax, value);
                    if (probe.MakeVarbind(0) == value) {
                        w.Restore = probe.Item(0).Value;
                        w.Restorable = true;
                    }
                }
            }
        } catch (const TvException&) {
            // A value read that does not make a varbind is kept as read, without a way back.
        }
        vars.push_back(std::move(w));
    }
    return vars;
}

std::string TvSNMPRequest::JournalBegin(std::vector<TvWrittenVar> vars, const TvWriteContext& context) const {
    TvWriteJournal* journal = TvWriteJournal::Installed();
    if (!journal)
        return {};
    TvWriteRecord record;
    record.Source = Source;
    record.UndoOf = context.UndoOf;
    record.Address = Target.Address;
    record.Port = Target.Port;
    record.Version = Target.Version;
    if (Target.Version == 3)
        record.SecurityName = Target.SecurityName;
    record.Vars = std::move(vars);
    record.Secrets = {Target.ReadCommunity, Target.WriteCommunity, Target.AuthPassword, Target.PrivPassword};
    return journal->Begin(record);
}

void TvSNMPRequest::JournalEnd(const std::string& entry, const TvWriteOutcome& outcome) {
    if (TvWriteJournal* journal = TvWriteJournal::Installed(); journal && !entry.empty())
        journal->End(entry, outcome);
}

void TvSNMPRequest::JournalEnd(const std::string& entry, const TvSNMPError& outcome) {
    TvWriteOutcome o;
    o.Code = outcome.Code;
    if (outcome.Code == errTimeout) {
        o.What = TvWriteOutcome::NoReply;
    } else if (outcome.Code != 0) {
        o.What = TvWriteOutcome::Error;
        o.Text = outcome.Message;
    }
    JournalEnd(entry, o);
}

void TvSNMPRequest::Set(const std::string& include, const std::vector<std::string>& values,
                        const TvWriteContext& context) {
    if (!Enabled)
        return;
    TvSNMPEngine& engine = Engine();
    std::vector<TvWrittenVar> written;
    const std::vector<TvVarBind> vbs = WriteVarbinds(include, values, &context, &written);
    const std::string entry = JournalBegin(std::move(written), context);
    TvSNMPReply reply;
    int status = 0;
    try {
        status = engine.Exchange(Target, TvPduKind::Set, vbs, reply);
    } catch (const TvException& e) {
        JournalEnd(entry, TvWriteOutcome{TvWriteOutcome::Error, e.Code(), e.Message()});
        throw;
    }
    const TvSNMPError outcome = AcceptReply(TvPduKind::Set, vbs, status, reply, false);
    JournalEnd(entry, outcome);
    if (outcome.Code != 0)
        throw TvException(outcome.Message, outcome.Code);
}

void TvSNMPRequest::SetAsync(Callback callback, const std::string& include,
                             const std::vector<std::string>& values, const TvWriteContext& context) {
    if (!Enabled)
        return;
    Engine();
    std::vector<TvWrittenVar> written;
    std::vector<TvVarBind> vbs = WriteVarbinds(include, values, &context, &written);
    const std::string entry = JournalBegin(std::move(written), context);
    try {
        const long exchange = SendAsync(TvPduKind::Set, std::move(vbs), std::move(callback), false);
        if (!entry.empty())
            journal_[exchange] = entry;
    } catch (const TvException& e) {
        JournalEnd(entry, TvWriteOutcome{TvWriteOutcome::Error, e.Code(), e.Message()});
        throw;
    }
}

std::string TvSNMPRequest::ExpandExpression(const std::string& expression, const std::string& marker,
                                            bool quoteTexts) {
    return TvExpression(VarList).ExpandExpression(expression, marker.empty() ? '$' : marker[0], quoteTexts);
}

std::string TvSNMPRequest::DecodeKey(int index, const std::string& instance) {
    return VarList.DecodeKey(index, instance);
}

std::string TvSNMPRequest::EncodeKey(int index) {
    return VarList.EncodeKey(index);
}

void TvSNMPRequest::StoreVarbind(int index, const TvSnmpValue& value) {
    VarList.StoreVarbind(index, value);
}

TvSnmpValue TvSNMPRequest::MakeVarbind(int index) {
    return VarList.MakeVarbind(index);
}

void TvSNMPRequest::ComputeValue(int index, bool afterRead) {
    TvExpression(VarList).ComputeValue(index, afterRead);
}

bool TvSNMPRequest::AcceptRow(const std::string& filter) {
    return TvExpression(VarList).AcceptRow(filter);
}
