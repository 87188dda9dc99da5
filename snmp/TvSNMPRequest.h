#pragma once

#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPError.h"
#include "snmp/TvSNMPTarget.h"
#include "snmp/TvSNMPVarList.h"
#include "snmp/TvSnmpValue.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Performs the SNMP exchanges of one variable list: reads of a scalar group, row-by-row table walks and
// writes of chosen items, blocking or asynchronous. Works on a copy of the connection settings taken at
// construction or by LoadSettings.
class TvSNMPRequest {
public:
    // Completion of an asynchronous exchange. The record lives only during the call.
    using Callback = std::function<void(TvSNMPError& error, TvSNMPVarList& list)>;

    TvSNMPRequest();
    ~TvSNMPRequest();
    TvSNMPRequest(const TvSNMPRequest&) = delete;
    TvSNMPRequest& operator=(const TvSNMPRequest&) = delete;

    // Copies the connection settings from the globals.
    void LoadSettings();

    // One blocking read (first) or walk continuation. True when a table row arrived and the walk may go on.
    bool GetStep(bool first);
    // The same read, sent asynchronously; `callback` runs when the reply (or the timeout) arrives.
    void GetAsync(Callback callback, bool first);
    // Writes the writable items; `include` lists item indexes separated by "," (empty: every writable
    // item); `values`, when not empty, gives the value of the item at the same position of `include`.
    void Set(const std::string& include = "", const std::vector<std::string>& values = {});
    void SetAsync(Callback callback, const std::string& include = "",
                  const std::vector<std::string>& values = {});

    bool AcceptRowFilter() { return AcceptRow(RowFilter); }

    std::string ExpandExpression(const std::string& expression, const std::string& marker, bool quoteTexts);
    std::string DecodeKey(int index, const std::string& instance);
    std::string EncodeKey(int index);
    void StoreVarbind(int index, const TvSnmpValue& value);
    TvSnmpValue MakeVarbind(int index);
    void ComputeValue(int index, bool afterRead);
    bool AcceptRow(const std::string& filter);
    bool OutOfColumn(const std::string& base, const std::string& current, const std::string& returned);

    bool UseGetNext = false;
    std::int32_t Timeout;
    std::int32_t Retries = 1;
    std::string Address;
    std::uint16_t Port = 0;
    std::string ContextEngineID;
    std::string ContextName;
    std::int8_t Version = 0;
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::int32_t SecurityModel = 0;
    std::int32_t SecurityLevel = 0;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::int32_t AuthProtocol = 0;
    std::int32_t PrivProtocol = 0;
    TvSNMPVarList VarList;
    std::string RowFilter;
    bool Enabled = true;
    std::int32_t Outstanding = 0;

private:
    enum class Stored { Row, Ended, Scalar };

    bool IsTable() const { return VarList.ItemType == 2 || VarList.ItemType == 3; }
    std::string BaseOid(int index) const;
    std::string RowIndex();
    static TvSNMPEngine& Engine();
    TvSNMPTarget MakeTarget() const;
    std::vector<TvVarBind> FillRead(bool first, TvPduKind& kind);
    std::vector<TvVarBind> FillWrite();
    void PrepareWrite(const std::string& include, const std::vector<std::string>& values);
    std::vector<TvVarBind> WriteVarbinds(const std::string& include, const std::vector<std::string>& values);
    Stored StoreReply(int& code, const std::vector<TvVarBind>& sent, const std::vector<TvVarBind>& received);
    void HandleReply(const Callback& callback, const std::vector<TvVarBind>* sent, int status,
                     const TvSNMPReply& reply);
    void SendAsync(TvPduKind kind, std::vector<TvVarBind> varbinds, Callback callback, bool read);

    std::set<long> pending_;               // asynchronous exchanges not yet answered
    std::shared_ptr<TvSNMPRequest*> self_; // replies reach the request only while this lives
};
