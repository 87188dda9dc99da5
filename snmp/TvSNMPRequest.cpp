#include "snmp/TvSNMPRequest.h"

#include "snmp/ErrorCatalog.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvException.h"
#include "snmp/TvSNMPEngine.h"
#include "values/TvExpression.h"
#include "values/TvNumList.h"

#include <algorithm>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdlib>

namespace {

constexpr int kDestroyWaitMs = 6000;

std::vector<unsigned long> ParseOid(const std::string& text) {
    std::vector<unsigned long> out;
    const char* p = text.c_str();
    while (*p) {
        char* end = nullptr;
        out.push_back(std::strtoul(p, &end, 10));
        p = (*end == '.') ? end + 1 : end;
        if (end == p && *p)
            ++p;
    }
    return out;
}

// Numeric OID order; a walk must move forward within its column.
bool OidGreater(const std::string& a, const std::string& b) {
    const auto x = ParseOid(a), y = ParseOid(b);
    return std::lexicographical_compare(y.begin(), y.end(), x.begin(), x.end());
}

TvSNMPVarList CopyOf(const TvSNMPVarList& list) {
    TvSNMPVarList copy;
    copy.Assign(list);
    copy.Instance = list.Instance;
    return copy;
}

} // namespace

TvSNMPRequest::TvSNMPRequest() : Timeout(gSNMPTimeout), self_(std::make_shared<TvSNMPRequest*>(this)) {
    LoadSettings();
}

TvSNMPRequest::~TvSNMPRequest() {
    Enabled = false;
    QElapsedTimer clock;
    clock.start();
    while (Outstanding > 0 && QCoreApplication::instance() && clock.elapsed() < kDestroyWaitMs) {
        // Let the pump deliver the replies still on their way.
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // Whatever is still outstanding must never reach this object.
    if (TvSNMPEngine* engine = TvSNMPEngine::Instance())
        for (long id : pending_)
            engine->Cancel(id);
    *self_ = nullptr;
}

void TvSNMPRequest::LoadSettings() {
    Address = gSNMPDevice.Address;
    Port = gSNMPDevice.Port;
    ContextEngineID = gSNMPScope.ContextEngineID;
    ContextName = gSNMPScope.ContextName;
    Version = gSNMPSecurity.Version;
    ReadCommunity = gSNMPSecurity.ReadCommunity;
    WriteCommunity = gSNMPSecurity.WriteCommunity;
    SecurityModel = gSNMPSecurity.SecurityModel;
    SecurityLevel = gSNMPSecurity.SecurityLevel;
    SecurityName = gSNMPSecurity.SecurityName;
    AuthPassword = gSNMPSecurity.AuthPassword;
    PrivPassword = gSNMPSecurity.PrivPassword;
    AuthProtocol = gSNMPSecurity.AuthProtocol;
    PrivProtocol = gSNMPSecurity.PrivProtocol;
}

TvSNMPEngine& TvSNMPRequest::Engine() {
    TvSNMPEngine* engine = TvSNMPEngine::Instance();
    if (!engine)
        RaiseError(errCreateSession);
    return *engine;
}

TvSNMPTarget TvSNMPRequest::MakeTarget() const {
    TvSNMPTarget t;
    t.Address = Address;
    t.Port = Port;
    t.Version = Version;
    t.ReadCommunity = ReadCommunity;
    t.WriteCommunity = WriteCommunity;
    t.SecurityModel = SecurityModel;
    t.SecurityLevel = SecurityLevel;
    t.SecurityName = SecurityName;
    t.AuthPassword = AuthPassword;
    t.PrivPassword = PrivPassword;
    t.AuthProtocol = AuthProtocol;
    t.PrivProtocol = PrivProtocol;
    t.ContextEngineID = ContextEngineID;
    t.ContextName = ContextName;
    t.Timeout = Timeout;
    t.Retries = Retries;
    return t;
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
    std::vector<TvVarBind> vbs;
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsReadable(i))
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

std::vector<TvVarBind> TvSNMPRequest::FillWrite() {
    if (VarList.ItemType > 3)
        RaiseError(errBadItemType);
    std::vector<TvVarBind> vbs;
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsWritable(i) || (IsTable() && i < VarList.KeyCount))
            continue;
        TvVarBind vb;
        vb.Oid = VarList.WriteOid(i);
        vb.Value = MakeVarbind(i);
        vbs.push_back(std::move(vb));
    }
    return vbs;
}

TvSNMPRequest::Stored TvSNMPRequest::StoreReply(int& code, const std::vector<TvVarBind>& sent,
                                                const std::vector<TvVarBind>& received) {
    size_t j = 0;
    int readable = 0;
    int done = 0;
    std::string rowInstance;
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsReadable(i))
            continue;
        TvSNMPVarItem& item = VarList.Item(i);
        const std::string returned = j < received.size() ? received[j].Oid : std::string();
        const std::string asked = j < sent.size() ? sent[j].Oid : std::string();
        const size_t vb = j++;
        ++readable;
        if (code == errNoSuchName && IsTable()) {
            // An SNMPv1 agent says noSuchName past the last row and echoes what it was asked.
            if (returned == item.CurrentOid || returned == asked)
                code = 0;
            return Stored::Ended;
        }
        const std::string base = BaseOid(i);
        if (OutOfColumn(base, item.CurrentOid, returned)) {
            item.Value = "(NOTDONE)";
            item.CurrentOid = base + "." + RowIndex();
            ++done;
            continue;
        }
        // A reply short of varbinds leaves the missing items without a value rather than reading past it.
        StoreVarbind(i, vb < received.size() ? received[vb].Value : TvSnmpValue{});
        item.CurrentOid = returned;
        if (rowInstance.empty() && returned.size() > base.size())
            rowInstance = returned.substr(base.size() + 1);
    }
    if (!IsTable())
        return Stored::Scalar;
    if (done == readable)
        return Stored::Ended;
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

bool TvSNMPRequest::OutOfColumn(const std::string& base, const std::string& current,
                                const std::string& returned) {
    if (!IsTable())
        return false;
    if (returned.size() > base.size() && returned.compare(0, base.size(), base) == 0 &&
        returned[base.size()] == '.') {
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
    TvSNMPReply reply;
    const int status = Engine().Exchange(MakeTarget(), kind, vbs, reply);
    int code = MapSnmpStatus(status).Code;
    if (code != 0 && !(code == errNoSuchName && IsTable()))
        RaiseError(code);
    const Stored stored = StoreReply(code, vbs, reply.VarBinds);
    if (code != 0)
        RaiseError(code);
    return stored == Stored::Row;
}

void TvSNMPRequest::SendAsync(TvPduKind kind, std::vector<TvVarBind> varbinds, Callback callback, bool read) {
    TvSNMPEngine& engine = Engine();
    auto sent = std::make_shared<std::vector<TvVarBind>>(varbinds);
    std::weak_ptr<TvSNMPRequest*> guard = self_;
    auto id = std::make_shared<long>(0);
    *id = engine.ExchangeAsync(
        MakeTarget(), kind, varbinds,
        [guard, id, sent, read, callback = std::move(callback)](int status, TvSNMPReply& reply) {
            const auto self = guard.lock();
            if (!self || !*self)
                return;
            TvSNMPRequest* request = *self;
            request->pending_.erase(*id);
            request->HandleReply(callback, read ? sent.get() : nullptr, status, reply);
        });
    pending_.insert(*id);
    ++Outstanding;
}

void TvSNMPRequest::HandleReply(const Callback& callback, const std::vector<TvVarBind>* sent, int status,
                                const TvSNMPReply& reply) {
    if (status == -8) {
        --Outstanding;
        return;
    }
    TvSNMPError error;
    error.Code = MapSnmpStatus(status).Code;
    error.ErrorIndex = reply.ErrorIndex;
    error.AgentAddress = reply.AgentAddress;
    error.AgentPort = reply.AgentPort;
    error.Finished = true;
    if (sent && (error.Code == 0 || (error.Code == errNoSuchName && IsTable()))) {
        try {
            error.Finished = StoreReply(error.Code, *sent, reply.VarBinds) != Stored::Row;
        } catch (const TvException& e) {
            // Asynchronous exchanges report, never raise.
            error.Code = e.Code();
            error.Finished = true;
        }
    }
    error.Message = CatalogText(error.Code);
    callback(error, VarList);
    --Outstanding;
}

void TvSNMPRequest::GetAsync(Callback callback, bool first) {
    if (!Enabled)
        return;
    TvPduKind kind;
    std::vector<TvVarBind> vbs = FillRead(first, kind);
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
                                                    const std::vector<std::string>& values) {
    // Exclusions and given values last for this one write, also when building it fails.
    const TvSNMPVarList saved = CopyOf(VarList);
    std::vector<TvVarBind> vbs;
    try {
        PrepareWrite(include, values);
        vbs = FillWrite();
    } catch (...) {
        VarList.Assign(saved);
        throw;
    }
    VarList.Assign(saved);
    return vbs;
}

void TvSNMPRequest::Set(const std::string& include, const std::vector<std::string>& values) {
    if (!Enabled)
        return;
    const std::vector<TvVarBind> vbs = WriteVarbinds(include, values);
    TvSNMPReply reply;
    const int code = MapSnmpStatus(Engine().Exchange(MakeTarget(), TvPduKind::Set, vbs, reply)).Code;
    if (code != 0)
        RaiseError(code);
}

void TvSNMPRequest::SetAsync(Callback callback, const std::string& include,
                             const std::vector<std::string>& values) {
    if (!Enabled)
        return;
    SendAsync(TvPduKind::Set, WriteVarbinds(include, values), std::move(callback), false);
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
