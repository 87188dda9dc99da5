#pragma once

#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPError.h"
#include "snmp/TvSNMPTarget.h"
#include "snmp/TvSNMPVarList.h"
#include "snmp/TvSnmpValue.h"
#include "snmp/TvWriteJournal.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// What the change journal keeps of a write beyond its varbinds.
struct TvWriteContext {
    // Every item's value (by item index) as the switch had it when the window last read it; empty when
    // not known. A value counts for a variable only when the item's OID built from these values is the
    // OID written (a table row is the row that was read).
    std::vector<std::string> Known;
    std::string UndoOf; // the journal entry this write takes back
};

// Performs the SNMP exchanges of one variable list: reads of a scalar group, row-by-row table walks and
// writes of chosen items, blocking or asynchronous. Works on its own target record, taken from the
// program's settings at construction or by LoadSettings.
class TvSNMPRequest {
public:
    // Completion of an asynchronous exchange. The record lives only during the call.
    using Callback = std::function<void(TvSNMPError& error, TvSNMPVarList& list)>;

    TvSNMPRequest();
    ~TvSNMPRequest();
    TvSNMPRequest(const TvSNMPRequest&) = delete;
    TvSNMPRequest& operator=(const TvSNMPRequest&) = delete;

    // Takes the connection settings from the program's settings again, keeping the timeout and retries.
    void LoadSettings();

    // One blocking read (first) or walk continuation. True when a table row arrived and the walk may go on.
    bool GetStep(bool first);
    // The same read, sent asynchronously; `callback` runs when the reply (or the timeout) arrives.
    void GetAsync(Callback callback, bool first);
    // Writes the writable items; `include` lists item indexes separated by "," (empty: every writable
    // item); `values`, when not empty, gives the value of the item at the same position of `include`.
    // Every write is kept in the installed change journal (TvWriteJournal) before it leaves, and its
    // outcome when it comes.
    void Set(const std::string& include = "", const std::vector<std::string>& values = {},
             const TvWriteContext& context = {});
    void SetAsync(Callback callback, const std::string& include = "",
                  const std::vector<std::string>& values = {}, const TvWriteContext& context = {});

    bool AcceptRowFilter() { return AcceptRow(RowFilter); }
    // Gives up every exchange in flight at once: nothing more of them is sent and no callback of theirs
    // runs. The request can be used again afterwards.
    void CancelAll();

    // The outcome of one reply to the PDU `sent`: the status mapped, the reply checked against the
    // request and, for reads, stored into VarList. Never raises. Shared by the blocking and the
    // asynchronous path.
    TvSNMPError AcceptReply(TvPduKind kind, const std::vector<TvVarBind>& sent, int status,
                            const TvSNMPReply& reply, bool read);

    std::string ExpandExpression(const std::string& expression, const std::string& marker, bool quoteTexts);
    std::string DecodeKey(int index, const std::string& instance);
    std::string EncodeKey(int index);
    void StoreVarbind(int index, const TvSnmpValue& value);
    TvSnmpValue MakeVarbind(int index);
    void ComputeValue(int index, bool afterRead);
    bool AcceptRow(const std::string& filter);
    bool OutOfColumn(const std::string& base, const std::string& current, const std::string& returned);

    bool UseGetNext = false;
    // Table walks under SNMPv2c and SNMPv3 read rows ahead with GETBULK (copied from gSNMPUseGetBulk);
    // the rows, their order and every outcome are those of the GET-NEXT walk.
    bool UseGetBulk = true;
    // Rows the owner can still use (0: no limit); a GETBULK never asks for more.
    std::int32_t BulkRowLimit = 0;
    // Where and how every exchange of this request goes: built from the program's settings by
    // LoadSettings; its timeout and retries are the request's own.
    TvSNMPTarget Target;
    TvSNMPVarList VarList;
    std::string RowFilter;
    bool Enabled = true;
    std::int32_t Outstanding = 0;
    // The window or command whose writes these are, as the change journal names them.
    std::string Source;

private:
    enum class Stored { Row, Ended, Scalar };

    bool IsTable() const { return VarList.ItemType == 2 || VarList.ItemType == 3; }
    std::string BaseOid(int index) const;
    std::string RowIndex();
    static TvSNMPEngine& Engine();
    std::vector<TvVarBind> FillRead(bool first, TvPduKind& kind);
    std::vector<TvVarBind> FillWrite(std::vector<int>* items = nullptr);
    void PrepareWrite(const std::string& include, const std::vector<std::string>& values);
    // The varbinds of a write; with `written`, also what the journal keeps of them.
    std::vector<TvVarBind> WriteVarbinds(const std::string& include, const std::vector<std::string>& values,
                                         const TvWriteContext* context = nullptr,
                                         std::vector<TvWrittenVar>* written = nullptr);
    std::vector<TvWrittenVar> Describe(const std::vector<TvVarBind>& vbs, const std::vector<int>& items,
                                       const TvSNMPVarList& read, const TvWriteContext& context) const;
    std::string JournalBegin(std::vector<TvWrittenVar> vars, const TvWriteContext& context) const;
    static void JournalEnd(const std::string& entry, const TvWriteOutcome& outcome);
    static void JournalEnd(const std::string& entry, const TvSNMPError& outcome);
    Stored StoreReply(int& code, TvPduKind kind, const std::vector<TvVarBind>& sent,
                      const std::vector<TvVarBind>& received);
    void CheckAnswer(TvPduKind kind, const std::vector<TvVarBind>& sent,
                     const std::vector<TvVarBind>& received) const;
    void CheckType(int index, const TvVarBind& varbind) const;
    // Refuses (-537) a value to be written that is not a value of its item's syntax.
    void CheckValue(int index) const;
    bool Ended(int index) const;
    // `exchange`: the engine's id of the exchange answered, when it may be a journaled write.
    void HandleReply(const Callback& callback, TvPduKind kind, const std::vector<TvVarBind>& sent, bool read,
                     int status, const TvSNMPReply& reply, long exchange = 0);
    long SendAsync(TvPduKind kind, std::vector<TvVarBind> varbinds, Callback callback, bool read);

    // GETBULK: each column's varbinds of the last bulk reply, read from in order, and how many rows to
    // ask for next.
    struct BulkColumn {
        std::string From; // the OID the bulk request asked from
        std::vector<TvVarBind> VarBinds;
        size_t Next = 0;
    };
    bool BulkUsable() const;
    std::vector<int> BulkColumns() const; // the columns a walk step asks, in order
    std::string AgentKey() const;
    std::optional<TvSNMPReply> FromBulk(const std::vector<TvVarBind>& sent);
    // Takes a bulk reply to `sent` as the rows held; with `append`, a reply asked from the last rows held
    // (a read-ahead) goes after them. False, with nothing changed when appending, for a reply that is no
    // proper answer.
    bool TakeBulk(const std::vector<TvVarBind>& sent, int status, const TvSNMPReply& reply,
                  bool append = false);
    TvSNMPTarget BulkTarget() const;
    void SendBulk(std::vector<TvVarBind> varbinds, Callback callback);
    void DeliverLater(std::vector<TvVarBind> sent, TvSNMPReply reply, Callback callback, int status = 0);
    void DeliverRows(const Callback& callback, const std::vector<TvVarBind>& sent, const TvSNMPReply& reply,
                     int status = 0);
    // Rows already here that the owner asked for, waiting to be handed on.
    struct HeldRow {
        std::vector<TvVarBind> Sent;
        TvSNMPReply Reply;
        Callback Done;
        int Status = 0;
    };
    std::deque<HeldRow> held_;
    bool delivering_ = false; // inside DeliverRows: rows asked for now are taken by its loop

    // The next bulk reply, asked for from the last rows held while those rows are handed out, so the
    // round trip overlaps the owner's work; walking with GET-NEXT, the next row, asked for as soon as a
    // reply shows every column going on to the same row, and used only when the next step asks exactly
    // that. Sent blocking (GetStep awaits it) or asynchronously (its reply waits here, or the owner's
    // row request waits for it).
    struct ReadAhead {
        long Id = 0;
        TvPduKind Kind = TvPduKind::GetBulk;
        bool Blocking = false;
        std::vector<TvVarBind> Sent;
        std::int32_t Repetitions = 0;
        bool Arrived = false;
        int Status = 0;
        TvSNMPReply Reply;
        std::optional<HeldRow> Waiting;
    };
    std::optional<ReadAhead> readAhead_;
    void StartReadAhead(bool blocking);
    void StartNextAhead(const std::vector<TvVarBind>& sent, int status, const TvSNMPReply& reply,
                        bool blocking);
    bool NextAheadFor(const std::vector<TvVarBind>& vbs) const;
    // Keeps the reply of read-ahead `id` (if it is still wanted); true when a step waits for it.
    bool KeepReadAhead(long id, int status, TvSNMPReply& reply);
    void ContinueAfterNextAhead();
    void DropReadAhead();
    std::optional<TvSNMPReply> TakeReadAhead(const std::vector<TvVarBind>& sent, int status,
                                             const TvSNMPReply& reply);
    void ContinueAfterReadAhead(std::vector<TvVarBind> sent, Callback callback, bool fromGetAsync);
    std::vector<BulkColumn> bulk_;
    std::int32_t maxRepetitions_ = kBulkStart;
    std::int32_t askedRepetitions_ = 0;
    static constexpr std::int32_t kBulkStart = 16;
    static constexpr std::int32_t kBulkMax = 128;

    std::vector<bool> ended_;              // table columns that have left their column in this walk
    std::set<long> pending_;               // asynchronous exchanges not yet answered
    std::map<long, std::string> journal_;  // asynchronous writes not yet answered: their journal entries
    std::shared_ptr<TvSNMPRequest*> self_; // replies reach the request only while this lives
};
