#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeView;
class TvSNMPRequest2Edits;
class TvStatusPanel;
class TvWindowHost;
struct TvMenuNode;

// The global spanning tree parameters. Checks the timer relations before a write, leaves Hello Time
// out under MSTP and writes a changed protocol version in a request of its own before the rest.
class TSTP_Info : public QDialog {
    Q_OBJECT

public:
    // `runningVersion` is the main window's holder of the version the switch runs ("stp", "rstp" or
    // "mstp"); the window compares with it and updates it when the switch takes a new version.
    TSTP_Info(QWidget* parent, QLabel* runningVersion, const QString& agentIP);
    ~TSTP_Info() override;

    QComboBox* Combo_STPVersion = nullptr;
    QLineEdit* ET_AgingTime = nullptr;
    QLineEdit* ET_HelloTime = nullptr;
    QLineEdit* ET_ForwardDelay = nullptr;
    QLineEdit* ET_Priority = nullptr;
    QLineEdit* ED_TxHoldCount = nullptr;
    QComboBox* Combo_BPDU = nullptr;
    QTreeView* ListView1 = nullptr; // hidden: the MSTP parameters as one row
    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Set = nullptr;
    QLabel* NoteForwardDelay = nullptr;
    QLabel* NoteHelloTime = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    TvStatusPanel* StatusPanel0 = nullptr;

    TvSNMPRequest2Edits* FullRequest() const { return full_.get(); }
    TvSNMPRequest2Edits* MstpRequest() const { return mstp_.get(); }

    void Combo_STPVersionChange();
    void BT_GetClick();
    void BT_SetClick();

private:
    void FormCreate();
    QString Running() const;
    void SetHelloTimeEnabled(bool enabled);
    void Say(const QString& message);
    // The constraints of the edits a write sends; a refusal is shown and returns false.
    bool FieldsPass(std::initializer_list<QLineEdit*> edits);
    // One blocking write; false (the error shown) when it failed.
    bool Write(TvSNMPRequest2Edits& request);
    void FillMstpRow();

    QPointer<QLabel> running_;
    std::unique_ptr<TvSNMPRequest2Edits> mstp_;
    std::unique_ptr<TvSNMPRequest2Edits> full_;
};

// The menu's "STP Control " entry: reads the running version into the main window, then opens the
// spanning tree window.
void BridgeSTPInformationClick(TvWindowHost& host, const TvMenuNode& entry);
