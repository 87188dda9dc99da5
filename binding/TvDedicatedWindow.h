#pragma once

#include "binding/TvSNMPRequest2Controls.h"
#include "guibase/TvOpenWindows.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class TvWindowHost;
struct TvMenuNode;

// What every dedicated window shares: the caption its menu entry gives, one status line for outcomes and
// errors, actions that stay disabled while one of its exchanges is in flight (so that nothing starts
// twice and no write interleaves with a read), and a close that cancels what is in flight at once.
class TvDedicatedWindow : public QDialog {
    Q_OBJECT

public:
    TvDedicatedWindow(QWidget* parent, const char* objectName);
    ~TvDedicatedWindow() override;

    // Takes the entry's caption (when the menu gives one) and shows the window, beside the main window,
    // where it was when this entry's window last closed.
    void ShowFor(TvWindowHost& host, const TvMenuNode& entry);

    // Opens the window of `entry` as a window of its own, deleted once it has closed, and returns it;
    // when the entry's window is open already, raises that one instead and returns null. `args` follow
    // the parent in the window's constructor.
    template <typename Window, typename... Args>
    static Window* Open(TvWindowHost& host, const TvMenuNode& entry, Args&&... args) {
        if (TvOpenWindows::Raise(EntryKey(entry)))
            return nullptr;
        auto* window = new Window(nullptr, std::forward<Args>(args)...);
        TvOpenWindows::Add(window, EntryKey(entry));
        window->ShowFor(host, entry);
        return window;
    }
    // The key an entry's window is found under: its target.
    static QString EntryKey(const TvMenuNode& entry);

    // Whether an exchange of the window is in flight.
    bool Waiting() const;

    // Shown on an action while it waits, and when something would start an exchange meanwhile.
    static constexpr const char* kWaitingTip = "Waits for the switch's answer to the request in flight.";
    static constexpr const char* kWaitingMessage =
        "The switch has not answered the request in flight yet; try again when it has.";

    void done(int result) override;

protected:
    // The window's exchanges run on `binding`: its busy state gates the actions and closing cancels it.
    // The first one watched carries the window's status line.
    void Watch(TvSNMPRequest2Controls& binding);
    // Controls that would start an exchange: disabled while one is in flight, also when the window's own
    // code enables one meanwhile (it comes back when the exchange ends).
    void GateWhileBusy(std::initializer_list<QWidget*> actions);
    // True when no exchange is in flight; otherwise says so in the status line, for the operation `op`.
    bool Idle(TvSNMPRequest2Controls::Operation op);
    // An outcome or error of `op` in the window's status line (a message box without one).
    void Report(TvSNMPRequest2Controls::Operation op, const std::string& text);
    // Called when the last exchange in flight ends, after the gated actions came back: the window
    // disables again what its own state rules out (no row selected, say).
    virtual void UpdateActions() {}
    // Called as the window closes, after its exchanges were cancelled.
    virtual void Closing() {}

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BusyChanged();
    void HoldOff(QWidget* action);

    std::vector<TvSNMPRequest2Controls*> watched_; // owned by the window; unhooked before they go
    std::vector<QPointer<QWidget>> gated_;
    std::vector<std::pair<QPointer<QWidget>, QString>> heldOff_; // gated actions disabled, their tips
    bool closed_ = false;
    QString placement_;   // the key its place is kept under: the menu entry's target
    bool gating_ = false; // the gate itself is changing an action
};
