#pragma once

#include "catalog/TvMenuTree.h"
#include "guibase/TvWindowHost.h"
#include "profile/ConnectionTexts.h"
#include "profile/OperatingMode.h"

#include <QMainWindow>
#include <QRect>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollArea;
class QTimer;
class QToolButton;
struct TvNotification;
class TvMainMenu;
class TvMenuQuickFind;
class TConfigForm;
class TvSNMPRequest2Edits;
class TvSNMPRequest2Leds;
class TvStatusPanel;

// The main window: front panel picture, hidden value holders, status bar and the management menu.
class TfrmMain : public QMainWindow, public TvWindowHost {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Start-up of the window, run once before it is shown: session, mode, message files, command line,
    // device profile, front panel, caption, menus. False when start-up ended the program (the operator
    // has been told why). Raises the error exception when the session cannot be opened.
    bool FormCreate(const std::vector<std::string>& params);

    // The program file whose folder decides the mode and holds the message files and the standalone
    // profiles. Defaults to the running program.
    void SetProgramFile(const std::string& path) { programFile_ = path; }

    // What dedicated windows and commands use of the main window.
    QWidget* HostWindow() override { return this; }
    const ConnectionTexts& Connection() const override { return connection_; }
    const std::string& ProgramFile() const override { return programFile_; }
    OperatingMode Mode() const override { return mode_; }
    QLabel* HostStatus() override;
    QLabel* CommandStatus() override;
    QLabel* StpVersionHolder() override { return stSTP; }
    void ReadStpVersion() override;

    // A menu entry by caption ("&" ignored), searched through the whole menu bar; null when absent.
    QAction* MenuEntry(const QString& caption) const;

    // Where a window of `size` opens on a screen whose free area is `room`: centred, and shrunk where it
    // would not fit, so no edge is ever off the screen.
    static QRect PlaceOnScreen(QSize size, const QRect& room);

    // Brings the window to the front, also from minimised.
    void Activate();

    // The management menu (built with the window, before FormCreate) and its quick-find (Ctrl+K, "/").
    TvMainMenu& MainMenu() const { return *menu_; }
    TvMenuQuickFind* QuickFind = nullptr;

    // Enables or disables "Statistics", "History" and "Alarm/Event" under "RMON" after a read of the
    // switch's RMON state.
    void SetRmonEntriesEnabled(bool enabled);

    QFrame* Panel1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* ST_RmonState = nullptr;          // value holder of the RMON state read
    QLabel* stSTP = nullptr;                 // value holder of the running spanning tree version
    TvStatusPanel* StatusPanel0 = nullptr;   // status bar panel 0: LED poll lines, RMON and STP read errors
    TvStatusPanel* StatusPanel1 = nullptr;   // status bar panel 1: the last device command's outcome
    QToolButton* NewNotifications = nullptr; // the status bar's mark of notifications not seen yet
    // The LED panels on the picture, in the order of the front-panel table (power, console, ports).
    std::vector<QFrame*> LedPanels;

    // The front-panel binding: absent until built and after the tear-down.
    TvSNMPRequest2Leds* FrontPanel() const { return frontPanel_.get(); }

    static constexpr int ClientWidth = 925;
    static constexpr int ClientHeight = 139;

protected:
    // Builds the LED shapes and starts the LED poll.
    virtual void BuildFrontPanel();
    // Receives the switch's notifications when a port is given (command line or profile); says why not
    // when the port cannot be had.
    void StartNotifications();
    // A notification came: the status bar marks it, a link change reads the LEDs at once.
    void NotificationArrived(const TvNotification& n);
    // Reads the switch's RMON state into ST_RmonState and sets the RMON entries from it.
    virtual void ReadRmonState();
    // Stops the LED poll, waits for its outstanding read and releases the binding.
    virtual void ReleaseFrontPanel();
    // Centres the window, frame included, on its screen and entirely on it.
    void PlaceWindow();
    // Tooltips and accessible names of the LEDs: "Power", "Console", "Port 1" ... with their state.
    void NameLeds();
    void closeEvent(QCloseEvent* event) override;

    // Builds and shows the generic configuration window of a recipe as a window of its own, destroyed once
    // it has closed; raises the recipe's window instead when it is open.
    void OpenRecipeWindow(const TvWindowRecipe& recipe);

public:
    // Entries the main window adds to the Help menu, before "About": the program's own functions, not the
    // switch's, which the management menu's tree does not hold. They open as the tree's windows do.
    static std::span<const TvMenuNode> OwnEntries();
    // The entries of the Snapshot menu, between the management menu and the Window menu.
    static std::span<const TvMenuNode> SnapshotEntries();
    // Called with every generic window just before it is shown (tests drive it from here).
    std::function<void(TConfigForm& form)> RecipeWindowShown;

private:
    // Every leaf's click: generic entries open their recipe, siblings start their program, the others
    // run the opener registered for their target.
    void MenuEntryClick(const TvMenuNode& node);
    // Whether what an entry opens exists in this build; entries that have not landed stay disabled.
    static bool EntryLanded(const TvMenuNode& node);
    // The Window menu: the open windows, by caption; a choice raises one.
    void FillWindowMenu();
    // Starts the sibling program of a table argument with this window's connection settings.
    void LaunchSibling(const char* argument);

    TvMainMenu* menu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    std::string programFile_;
    OperatingMode mode_ = OperatingMode::Suite;
    ConnectionTexts connection_;
    bool released_ = false;
    int unseenNotifications_ = 0;
    QTimer* markTimer_ = nullptr; // coalesces the mark's updates
    bool listening_ = false;      // this window started the notification receiver
    bool exiting_ = false;        // the operator chose to exit: the windows close for good
    std::unique_ptr<TvSNMPRequest2Leds> frontPanel_;
    std::unique_ptr<TvSNMPRequest2Edits> rmonState_;
    std::unique_ptr<TvSNMPRequest2Edits> stpVersion_;
};
