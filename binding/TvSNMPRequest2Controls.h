#pragma once

#include "snmp/TvSNMPError.h"
#include "snmp/TvSNMPRequest.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPlainTextEdit;
class QStatusBar;
class TvStatusPanel;

// Base of every binding of one request to visual controls: runs reads and writes (blocking or through
// the event pump), calls the steps the concrete bindings fill in, and reports each outcome in one
// status line (memo, status bar or status-bar panel) or, without a status target, in a message box.
class TvSNMPRequest2Controls {
public:
    enum Operation { opGet = 0, opSet = 1 };
    // Fired when an asynchronous read or write ends; the reply lives only during the call.
    using DoneEvent = std::function<void(TvSNMPRequest2Controls& binding, TvSNMPError& reply)>;

    explicit TvSNMPRequest2Controls(QWidget* owner);
    virtual ~TvSNMPRequest2Controls();
    TvSNMPRequest2Controls(const TvSNMPRequest2Controls&) = delete;
    TvSNMPRequest2Controls& operator=(const TvSNMPRequest2Controls&) = delete;

    TvSNMPRequest Request; // owned; its VarList is filled by the creator
    DoneEvent OnGetDone;
    DoneEvent OnSetDone;
    // Fired when an exchange starts (true) and when it ends or is cancelled (false); never from the
    // destructor.
    std::function<void(bool busy)> OnBusyChanged;
    bool Asynchronous = true;
    bool Busy = false;       // an exchange is in flight; read it, never set it (SetBusy tells the window)
    QPointer<QWidget> Owner; // parent of message boxes, not owned
    int ReceivedCount = 0;   // replies (scalars) or rows (tables) accepted by the last read
    Operation LastOperation = opGet;
    bool RefreshAfterSet = true; // re-read a table after a successful write
    // A table read stops after this many rows (0: no limit), keeping them, with a status line that
    // says so: an agent with an endless table must not fill the window without end.
    int MaxRows = kDefaultMaxRows;
    static constexpr int kDefaultMaxRows = 100000;

    void SetStatusTarget(QPlainTextEdit* memo);
    void SetStatusTarget(QStatusBar* bar);
    void SetStatusTarget(TvStatusPanel* panel);
    QWidget* StatusTarget() const { return statusTarget_; }

    // Reads the whole list into the controls. Errors of a blocking read and failures to send an
    // asynchronous one are raised.
    void Get();
    // Writes the list; `collect` copies the controls into the values first. Errors are raised as for
    // Get.
    void Set(bool refreshAfter, bool collect);
    // Writes the items named in `items` (indexes into the list) and nothing else: only their controls
    // are collected, only they are sent. `values`, when not empty, gives the value of the item at the
    // same position. The change journal keeps the write with the values it replaces (KnownValues) and,
    // for an undo, the entry `undoOf` it takes back. Request.Source names the window there; when it is
    // empty, the owner window's title does.
    void Set(bool refreshAfter, bool collect, const std::vector<int>& items,
             const std::vector<std::string>& values = {}, const std::string& undoOf = {});
    // Of `items`, those whose value in the list now differs from what the switch had at the last read
    // of this scalar group (or took at the last write): a group write sends what the operator changed
    // only. Every item counts as changed before the first read.
    std::vector<int> Differing(const std::vector<int>& items) const;
    // Every item's value as the switch had it when this window last read it (or took it at a write),
    // by item index; empty when unknown (before the first read of a scalar group).
    virtual std::vector<std::string> KnownValues() const { return known_; }
    // Gives up the exchange in flight at once: nothing more is sent for it and none of its replies
    // reaches the controls.
    void Cancel();
    // Formats `text` into the template of LastOperation and publishes it; nothing without a target.
    void ShowStatus(const std::string& text);
    // The same for the operation `operation`, which becomes LastOperation.
    void ShowStatus(Operation operation, const std::string& text);
    bool RowLimitReached() const { return IsTable() && MaxRows > 0 && ReceivedCount >= MaxRows; }
    void StopAtRowLimit(TvSNMPError& reply);

    // Steps the concrete bindings fill in.
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    // Once per accepted scalar reply or table row; the values are already in the items.
    virtual void ReceiveOne() = 0;
    virtual void ControlsToValues() {}
    virtual void GetFailed(TvSNMPError& reply);
    virtual void SetFailed(TvSNMPError& reply);
    virtual void AfterGet() {}
    virtual void AfterSet() {}

    // The status line of `text` for the template `form`, the list name `name` and the time `time`
    // (exposed for tests of the template rules).
    static std::string FormatStatus(const std::string& form, const std::string& name, const std::string& text,
                                    const std::string& time);
    // Current local time as "hh:nn:ss" on the 12-hour clock and the locale's AM/PM designator.
    static std::string StatusTime();

protected:
    // Whether item `index` takes part in the write being prepared (every writable item when the write
    // names none).
    bool Writing(int index) const;

private:
    void SetBusy(bool busy);
    // The switch took the write in flight: its values are what the switch has now.
    void Written();
    void RememberRead();
    bool IsTable() const;
    void ReadReply(TvSNMPError& reply);
    void WriteReply(TvSNMPError& reply);
    void FinishGet(TvSNMPError& reply);
    void SendNextRow();
    // A processing error inside a reply: ends the operation and reports the message.
    void ProcessingFailed(Operation operation, const std::string& message);
    void Report(const std::string& message);
    TvSNMPRequest::Callback Guarded(void (TvSNMPRequest2Controls::*handler)(TvSNMPError&));

    QPointer<QWidget> statusTarget_;
    const std::vector<int>* writing_ = nullptr;     // the items of the write being prepared, if it names them
    std::vector<std::pair<int, std::string>> sent_; // the items of the write in flight and their values
    std::vector<std::string> known_;                // the values the switch has, as last read or written
    std::shared_ptr<int> alive_ = std::make_shared<int>(0); // replies reach the binding only while it lives
};
