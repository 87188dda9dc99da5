#include "app/TfrmMain.h"

#include "app/TvMainMenu.h"
#include "app/TvMenuQuickFind.h"
#include "app/TvProcessLauncher.h"
#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvSNMPRequest2Leds.h"
#include "binding/TvStatusPanel.h"
#include "catalog/TvFrontPanel.h"
#include "catalog/TvNotificationNames.h"
#include "configform/TConfigForm.h"
#include "configform/TvRecipeWindow.h"
#include "guibase/TvBusyPointer.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvWindowPlacement.h"
#include "guibase/TvWindowRegistry.h"
#include "profile/CommandLine.h"
#include "profile/DeviceProfile.h"
#include "profile/SiblingCommandLine.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvBootCounter.h"
#include "snmp/TvNotificationLog.h"
#include "snmp/TvNotificationReceiver.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

// Each front-panel read, for diagnosis: QT_LOGGING_RULES="qtr.frontpanel.info=true".
Q_LOGGING_CATEGORY(lcFrontPanel, "qtr.frontpanel", QtWarningMsg)

namespace {

constexpr int kPictureWidth = 919;
constexpr int kPictureHeight = 113;
constexpr int kStatusBarHeight = 20;

// "SNMP Engine", "Message Processing and Dispatching", "SNMP Target MIB", "User-based Security Model",
// "View-based Access Control Model", "Notifications", "Community".
constexpr const char* kSnmpV3Entries[] = {"Engine", "MPD",           "TARGET",      "USM",
                                          "VACM",   "Notification1", "CommunityMIB"};

// "Statistics", "History" and "Alarm/Event" under "RMON".
constexpr const char* kRmonEntries[] = {"Statistics1", "History1", "AlarmEvent1"};

QString PlainCaption(QString text) {
    return text.remove(QLatin1Char('&'));
}

QAction* FindEntry(const QList<QAction*>& actions, const QString& caption) {
    for (QAction* action : actions) {
        if (PlainCaption(action->text()) == caption)
            return action;
        if (QMenu* sub = action->menu())
            if (QAction* found = FindEntry(sub->actions(), caption))
                return found;
    }
    return nullptr;
}

// The change journal is the program's own record of its writes; the notifications, of what the switch
// reported by itself.
constexpr TvMenuNode kOwnEntries[] = {
    {.Caption = "Change Journal",
     .Name = "ChangeJournal1",
     .Kind = TvMenuKind::Window,
     .Target = "TChangeJournalForm"},
    {.Caption = "Notifications",
     .Name = "NotificationLog1",
     .Kind = TvMenuKind::Window,
     .Target = "TNotificationsForm"},
};
constexpr const TvMenuNode& kNotificationsEntry = kOwnEntries[1];

// The Snapshot menu: the whole switch saved, compared and written back, the program's own functions too.
constexpr TvMenuNode kSnapshotEntries[] = {
    {.Caption = "Save Snapshot...",
     .Name = "SaveSnapshot1",
     .Kind = TvMenuKind::Window,
     .Target = "TSnapshotSave"},
    {.Caption = "Compare With Snapshot...",
     .Name = "CompareWithSnapshot1",
     .Kind = TvMenuKind::Window,
     .Target = "TSnapshotCompareLive"},
    {.Caption = "Compare Two Snapshots...",
     .Name = "CompareTwoSnapshots1",
     .Kind = TvMenuKind::Window,
     .Target = "TSnapshotCompareFiles"},
};

QLabel* HiddenHolder(QWidget* parent, const char* name, int left, int top) {
    auto* label = TvPlainText::NewLabel(QString(), parent);
    label->setObjectName(name);
    label->move(left, top);
    label->hide();
    return label;
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent), programFile_(QCoreApplication::applicationFilePath().toLocal8Bit().toStdString()) {
    setObjectName("frmMain");
    setWindowTitle("QTR-5190MX");
    // Window managers honour a missing maximise button only with customised hints.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setLineWidth(1);
    ScrollBox1 = new QScrollArea(Panel1);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    content->setObjectName("ScrollBoxContent");
    content->setFixedSize(kPictureWidth, kPictureHeight);
    Image1 = TvPlainText::NewLabel(QString(), content);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    // Embedded, decoded by Qt's JPEG plugin; if that is missing the LEDs still show on a dark face.
    Image1->setStyleSheet("background-color: #3a3d42;");
    if (const QPixmap picture(":/frontpanel.jpg"); !picture.isNull())
        Image1->setPixmap(picture);
    for (const TvLedPanelRow& row : FrontPanelLedPanels()) {
        auto* panel = new QFrame(content);
        panel->setObjectName(row.Name);
        panel->setGeometry(row.Left, row.Top, row.Width, row.Height);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        LedPanels.push_back(panel);
    }
    ST_RmonState = HiddenHolder(content, "ST_RmonState", 240, 92);
    stSTP = HiddenHolder(content, "stSTP", 160, 92);
    ScrollBox1->setWidget(content);
    ScrollBox1->setGeometry(3, 3, kPictureWidth, kPictureHeight);
    setCentralWidget(Panel1);

    statusBar()->setObjectName("StatusBar1");
    statusBar()->setFixedHeight(kStatusBarHeight);
    StatusPanel0 = new TvStatusPanel(statusBar(), 1);
    StatusPanel0->setObjectName("StatusBar1Panel0");
    StatusPanel0->setMinimumWidth(50);
    StatusPanel1 = new TvStatusPanel(statusBar(), 0); // as wide as its line; the poll's panel gives way
    StatusPanel1->setObjectName("StatusBar1Panel1");
    StatusPanel1->setMinimumWidth(50);
    // Shown once a notification came that the Notifications window has not shown yet; a click opens it.
    NewNotifications = new QToolButton(statusBar());
    NewNotifications->setObjectName("NewNotifications");
    NewNotifications->setAutoRaise(true);
    NewNotifications->setToolTip(
        TvPlainText::ToolTip("New notifications from the switch: click to show them"));
    NewNotifications->hide();
    statusBar()->addPermanentWidget(NewNotifications);
    connect(NewNotifications, &QToolButton::clicked, this, [this] { MenuEntryClick(kNotificationsEntry); });
    // Redrawn a few times a second at most, however fast they come.
    markTimer_ = new QTimer(this);
    markTimer_->setSingleShot(true);
    markTimer_->setInterval(200);
    connect(markTimer_, &QTimer::timeout, this, [this] {
        if (unseenNotifications_ == 0)
            return;
        NewNotifications->setText(QString("%1 new notification%2")
                                      .arg(unseenNotifications_)
                                      .arg(unseenNotifications_ == 1 ? "" : "s"));
        NewNotifications->show();
    });
    connect(&TvNotificationLog::Instance(), &TvNotificationLog::Added, this, &TfrmMain::NotificationArrived);

    menu_ = new TvMainMenu(this, &TfrmMain::EntryLanded,
                           [this](const TvMenuNode& node) { MenuEntryClick(node); });
    QuickFind = new TvMenuQuickFind(*menu_, this);
    if (auto* help = menuBar()->findChild<QMenu*>("Help1"))
        for (const TvMenuNode& node : OwnEntries()) {
            auto* action = new QAction(QString::fromLatin1(node.Caption), help);
            action->setObjectName(node.Name);
            action->setEnabled(EntryLanded(node));
            help->insertAction(menu_->Entry("About1"), action);
            connect(action, &QAction::triggered, this, [this, &node] { MenuEntryClick(node); });
        }
    // Snapshots, after the management menu.
    auto* snapshots = new QMenu("Sna&pshot", this);
    snapshots->setObjectName("SnapshotMenu");
    for (const TvMenuNode& node : SnapshotEntries()) {
        QAction* action = snapshots->addAction(QString::fromLatin1(node.Caption));
        action->setObjectName(node.Name);
        action->setEnabled(EntryLanded(node));
        connect(action, &QAction::triggered, this, [this, &node] { MenuEntryClick(node); });
    }
    if (const QList<QAction*> actions = menuBar()->actions(); !actions.isEmpty())
        menuBar()->insertMenu(actions.last(), snapshots);
    // The open windows, before Help as desktop programs have it.
    windowMenu_ = new QMenu("&Window", this);
    windowMenu_->setObjectName("WindowMenu");
    const QList<QAction*> bar = menuBar()->actions();
    menuBar()->insertMenu(bar.isEmpty() ? nullptr : bar.last(), windowMenu_);
    connect(windowMenu_, &QMenu::aboutToShow, this, &TfrmMain::FillWindowMenu);
    InstallBusyPointer();
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_K), QKeySequence(Qt::Key_Slash)})
        connect(new QShortcut(keys, this), &QShortcut::activated, QuickFind, &TvMenuQuickFind::Open);

    resize(ClientWidth, ClientHeight);
}

TfrmMain::~TfrmMain() {
    // The windows opened from here are windows of their own: they go with this one.
    exiting_ = true;
    TvOpenWindows::CloseAll();
    TvOpenWindows::DeleteClosed();
    // Destroyed without a close (start-up failed, or by its owner): the poll must not outlive the LEDs.
    if (!released_) {
        released_ = true;
        TfrmMain::ReleaseFrontPanel();
    }
    if (listening_)
        TvNotificationReceiver::Stop();
}

void TfrmMain::BuildFrontPanel() {
    frontPanel_ = std::make_unique<TvSNMPRequest2Leds>(this);
    TvSNMPRequest2Leds& leds = *frontPanel_;
    leds.Request.VarList.Assign(TvSNMPVarList(kFrontPanelLedStatus, TvSNMPVarList::itInstance, 0));
    leds.Request.VarList.Instance = kFrontPanelInstance;
    leds.SetLedMode(lmPaired, kFrontPanelHeaderLength);
    leds.Request.Target.Timeout = kFrontPanelTimeout;
    const auto rows = FrontPanelLedPanels();
    for (size_t i = 0; i < rows.size(); ++i)
        leds.AddLeds(0, rows[i].Octets, *rows[i].Map, LedPanels[i], rows[i].FirstLeft, rows[i].Gap,
                     TvLedShape::Rectangle, kLedSize, kLedSize);
    leds.Request.VarList.Name = kFrontPanelListName;
    leds.OnGetDone = [](TvSNMPRequest2Controls&, TvSNMPError& reply) {
        qCInfo(lcFrontPanel, "LEDs read from %s:%u: %d %s", reply.AgentAddress.c_str(),
               unsigned(reply.AgentPort), reply.Code, reply.Message.c_str());
    };
    try {
        leds.Start(kFrontPanelPollInterval);
    } catch (const std::exception&) {
        // The LEDs stay dark and the timer keeps asking; its ticks report what goes wrong.
    }
    leds.SetStatusTarget(StatusPanel0);
    NameLeds();
}

std::span<const TvMenuNode> TfrmMain::OwnEntries() {
    return kOwnEntries;
}

std::span<const TvMenuNode> TfrmMain::SnapshotEntries() {
    return kSnapshotEntries;
}

QRect TfrmMain::PlaceOnScreen(QSize size, const QRect& room) {
    const QSize fit = size.boundedTo(room.size());
    return QRect(room.left() + (room.width() - fit.width()) / 2,
                 room.top() + (room.height() - fit.height()) / 2, fit.width(), fit.height());
}

void TfrmMain::PlaceWindow() {
    const QScreen* screen = isVisible() && this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize frame = frameGeometry().size() - size();
    const QRect place = PlaceOnScreen(size() + frame, screen->availableGeometry());
    resize(place.size() - frame);
    move(place.topLeft());
}

void TfrmMain::NameLeds() {
    if (!frontPanel_)
        return;
    // Power, console, then the ports in order: the order the panels were added in.
    const auto& leds = frontPanel_->Leds();
    for (size_t k = 0; k < leds.size(); ++k)
        if (leds[k].Shape)
            leds[k].Shape->SetName(k == 0   ? QString("Power")
                                   : k == 1 ? QString("Console")
                                            : QString("Port %1").arg(k - 1));
}

void TfrmMain::ReadRmonState() {
    if (!rmonState_) {
        rmonState_ = std::make_unique<TvSNMPRequest2Edits>(this);
        rmonState_->Asynchronous = false;
        rmonState_->Request.VarList.Assign(TvSNMPVarList(kRmonState, TvSNMPVarList::itScalars, 0));
        rmonState_->BindStaticText(0, ST_RmonState);
    }
    try {
        rmonState_->Get();
    } catch (const std::exception& e) {
        StatusPanel0->setText(FromBytes(e.what()));
        return;
    }
    const QString state = ST_RmonState->text();
    if (state == "disabled")
        SetRmonEntriesEnabled(false);
    else if (state == "enabled")
        SetRmonEntriesEnabled(true);
}

void TfrmMain::ReadStpVersion() {
    stpVersion_ = std::make_unique<TvSNMPRequest2Edits>(this);
    stpVersion_->Asynchronous = false;
    stpVersion_->Request.VarList.Assign(TvSNMPVarList(kStpVersion, TvSNMPVarList::itScalars, 0));
    stpVersion_->BindStaticText(0, stSTP);
    try {
        stpVersion_->Get();
    } catch (const std::exception& e) {
        StatusPanel0->setText(FromBytes(e.what()));
    }
}

void TfrmMain::StartNotifications() {
    if (gNotificationPort < 0)
        return;
    const std::string failure =
        TvNotificationReceiver::Start(gNotificationPort, TvNotificationLog::Instance(), programFile_);
    listening_ = failure.empty();
    if (!failure.empty())
        TvMessageBox::Warning(this, FromBytes(failure));
}

void TfrmMain::NotificationArrived(const TvNotification& n) {
    ++unseenNotifications_;
    if (!markTimer_->isActive())
        markTimer_->start();
    // A port that went down or up is read at once, and its LED names what came.
    const std::uint32_t port = n.LinkInterface();
    if (!frontPanel_ || port == 0)
        return;
    const auto& leds = frontPanel_->Leds();
    const std::size_t led = port + 1; // after power and console
    if (led < leds.size() && leds[led].Shape)
        leds[led].Shape->SetNote(
            "Last notification: " + FromBytes(TvNotificationNames::KindText(n.Kind)) + " at " +
            QDateTime::fromMSecsSinceEpoch(n.ReceivedMs).toString("yyyy-MM-dd HH:mm:ss"));
    frontPanel_->ReadNow();
}

void TfrmMain::ReleaseFrontPanel() {
    if (!frontPanel_)
        return;
    frontPanel_->Stop();
    frontPanel_->Request.Enabled = false;
    frontPanel_->Cancel(); // the poll on its way is given up; its reply reaches nothing
    frontPanel_.reset();
}

QLabel* TfrmMain::HostStatus() {
    return StatusPanel0;
}

QLabel* TfrmMain::CommandStatus() {
    return StatusPanel1;
}

QAction* TfrmMain::MenuEntry(const QString& caption) const {
    return FindEntry(menuBar()->actions(), caption);
}

void TfrmMain::SetRmonEntriesEnabled(bool enabled) {
    for (const char* entry : kRmonEntries)
        menu_->SetAllowed(entry, enabled);
}

bool TfrmMain::EntryLanded(const TvMenuNode& node) {
    switch (node.Kind) {
    case TvMenuKind::Submenu:
    case TvMenuKind::Sibling:
    case TvMenuKind::NoAction:
        return true;
    case TvMenuKind::Scalar:
    case TvMenuKind::Table:
    case TvMenuKind::Pages:
        return TvMenuTree::Recipe(node) != nullptr;
    case TvMenuKind::Hidden:
        return false;
    default:
        return TvWindowRegistry::Find(node.Target) != nullptr;
    }
}

void TfrmMain::MenuEntryClick(const TvMenuNode& node) {
    // A command's outcome stands until the operator turns to something else.
    StatusPanel1->clear();
    if (&node == &kNotificationsEntry) {
        unseenNotifications_ = 0;
        NewNotifications->hide();
    }
    if (const TvWindowRecipe* recipe = TvMenuTree::Recipe(node)) {
        OpenRecipeWindow(*recipe);
        return;
    }
    if (node.Kind == TvMenuKind::Sibling) {
        LaunchSibling(node.Target);
        return;
    }
    if (node.Kind == TvMenuKind::NoAction)
        return;
    // Looked up at the click: the entry was enabled only when its opener existed.
    if (const TvWindowRegistry::Opener* open = TvWindowRegistry::Find(node.Target))
        (*open)(*this, node);
}

void TfrmMain::OpenRecipeWindow(const TvWindowRecipe& recipe) {
    // The entry's window, when it is open, comes to the front instead of a second one.
    const QString key = QString::fromLatin1(recipe.Name);
    if (TvOpenWindows::Raise(key))
        return;
    // 64-bit counters need SNMPv2c; the choice holds for every request created afterwards.
    if (recipe.Has(wndCounter64Prompt) && gSNMPSecurity.Version == 0 &&
        TvMessageBox::OkCancel(this, "This table has Counter64 ! \n Do you want to chane to SNMP V2 ?",
                               "Changes SNMP Version"))
        gSNMPSecurity.Version = 1;

    // A window of its own, beside this one: its questions and dialogs hold only itself.
    auto* form = new TConfigForm(nullptr);
    form->setWindowTitle(FromBytes(recipe.Caption(connection_.AgentIP)));
    try {
        TvRecipeWindow::Build(*form, recipe);
    } catch (const TvException& e) {
        delete form;
        TvMessageBox::Error(this, FromBytes(e.Message()));
        return;
    }
    if (recipe.Has(wndRefreshRmonOnClose))
        form->OnClosed = [this] {
            // Not while the program ends: nothing would show the state, and the read would hold the exit.
            if (!exiting_)
                ReadRmonState();
        };
    TvOpenWindows::Add(form, key, {[form] { return form->UnsentEdits(); }, [form] { form->ForgetEdits(); }});
    connect(form, &QDialog::finished, form, [form, key] { TvWindowPlacement::Save(*form, key); });
    if (RecipeWindowShown)
        RecipeWindowShown(*form);
    TvWindowPlacement::Restore(*form, key);
    form->show();
    form->raise();
    form->activateWindow();
}

void TfrmMain::LaunchSibling(const char* argument) {
    const SiblingCommand command = BuildSiblingCommand(connection_, argument);
    QStringList arguments;
    for (const std::string& a : command.Arguments)
        arguments << FromBytes(a);
    const QString program = FromBytes(command.Program);
    // The suite's own program ignores a failed start; here the operator is told, not left waiting.
    if (QString reason; !TvProcessLauncher::StartDetached(program, arguments, &reason))
        TvMessageBox::Error(this, "Cannot start the program \"" + program + "\".\n" + reason);
}

bool TfrmMain::FormCreate(const std::vector<std::string>& params) {
    // 1. Client area of the front panel, resizable, no maximise button: done at construction; the menu
    // bar (built by then) is added on top of the client area.
    const int menuHeight = menuBar()->actions().isEmpty() ? 0 : menuBar()->sizeHint().height();
    resize(ClientWidth, ClientHeight + menuHeight);
    PlaceWindow();

    // 2. The session; its failure propagates to the caller. The engine boots counter lives in the per-user
    // data folder, not in the current folder (which may be "/" or shared with other users).
    InitSNMPSession(BootCounterFolder("qtr5190mx"));

    // 3. Operating mode.
    mode_ = DecideOperatingMode(programFile_);
    menu_->SetVisible("SNMPConfigure1", mode_ == OperatingMode::Standalone);

    // 4. Message files beside the program.
    LoadMessageFiles(ProgramFolder(programFile_) + "errMSg/");

    // 5. Requests wait two seconds.
    gSNMPTimeout = 200;

    // 6.
    if (params.empty()) {
        TvMessageBox::Information(this, "No parameter input");
        return false;
    }

    // 7.
    if (const CommandLineResult scan = ScanCommandLine(params); !scan.Ok) {
        TvMessageBox::Error(this, FromBytes(scan.Message));
        return false;
    }

    // 8.
    connection_.CopyFromSession();

    // 9. The profile replaces what the command line set, communities excepted.
    std::string profilePath;
    const ProfileRead profile =
        ReadProfile(gSNMPDevice.Address, mode_, programFile_, connection_, &profilePath);
    if (profile == ProfileRead::Unreadable)
        TvMessageBox::Warning(this, "Cannot read the device profile " +
                                        QFile::decodeName(profilePath.c_str()) +
                                        ".\nThe settings of the command line are used.");
    // Used all the same (the suite may have written it so), but the operator learns that it is exposed.
    if (profile == ProfileRead::Read &&
        (!connection_.AuthPassword.empty() || !connection_.PrivPassword.empty()) &&
        ProfileReadableByOthers(profilePath))
        StatusPanel1->setText("The device profile " + QFile::decodeName(profilePath.c_str()) +
                              " holds a password and other users can read it (chmod 600 makes it private).");

    // 10.
    BuildFrontPanel();
    StartNotifications();

    // 11.
    setWindowTitle(windowTitle() + " : " + FromBytes(gSNMPDevice.Address));

    // 12. SNMPv3 administration only under SNMPv3.
    for (const char* entry : kSnmpV3Entries)
        menu_->SetAllowed(entry, gSNMPSecurity.Version == 3);

    // The window shows at once, its LEDs dark until the first reply; the read below waits without
    // freezing it.
    show();
    PlaceWindow(); // again, now that the frame is known

    // 13.
    ReadRmonState();
    return true;
}

void TfrmMain::Activate() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // Asked once: the windows holding values not sent are named, and the answer covers them all.
    const QStringList unsent = TvOpenWindows::Unsent();
    const QString question = unsent.isEmpty() ? QString("Are you sure to exit?")
                                              : "These windows hold values changed and not sent:\n" +
                                                    unsent.join('\n') + "\n\nExit and discard them?";
    if (!TvMessageBox::YesNo(this, question, "Exit")) {
        event->ignore();
        return;
    }
    // The windows opened from here go first, each cancelling what it has in flight, then any other
    // dialog still up.
    exiting_ = true;
    TvOpenWindows::CloseAll();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
    // Gone from the screen at once.
    hide();
    if (!released_) {
        released_ = true;
        ReleaseFrontPanel();
    }
    event->accept();
}

void TfrmMain::FillWindowMenu() {
    windowMenu_->clear();
    const std::vector<QWidget*> open = TvOpenWindows::All();
    for (QWidget* window : open) {
        // A caption is text, not a mnemonic.
        QAction* raise = windowMenu_->addAction(QString(window->windowTitle()).replace('&', "&&"));
        connect(raise, &QAction::triggered, window, [window] { TvOpenWindows::Activate(window); });
    }
    if (open.empty())
        windowMenu_->addAction("No open windows")->setEnabled(false);
}
