#pragma once

#include "binding/TvDedicatedWindow.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

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
struct TvSNMPError;

// The global spanning tree parameters. Checks the timer relations before a write, leaves Hello Time
// out under MSTP and writes a changed protocol version in a request of its own before the rest.
class TSTP_Info : public TvDedicatedWindow {
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
    void FillMstpRow();
    // The controls into the values of `request`; false (the error shown) when one does not fit.
    bool Collected(TvSNMPRequest2Edits& request);

    // Reads the requests one after the other; a failed one ends the turn. Hello Time then follows the
    // running version.
    void Read(std::vector<TvSNMPRequest2Edits*> order);
    void NextRead();
    void ReadDone(const TvSNMPError& reply);
    // Labels of `items`, for the status line.
    QString Labels(const TvSNMPRequest2Edits& request, const std::vector<int>& items) const;
    // A new version restarts the protocol on every port: asked first. True to go on.
    bool VersionConfirmed(const QString& version);

    // One write of a turn: the items of one request, and the version the switch runs once it took them
    // (empty: the same).
    struct WriteStep {
        TvSNMPRequest2Edits* Request;
        std::vector<int> Items;
        QString Version;
    };
    // Sends the steps one after the other, each once the switch took the one before.
    void Write(std::vector<WriteStep> steps);
    void NextWrite();
    void WriteDone(const TvSNMPError& reply);

    QPointer<QLabel> running_;
    std::unique_ptr<TvSNMPRequest2Edits> mstp_;
    std::unique_ptr<TvSNMPRequest2Edits> full_;
    std::vector<TvSNMPRequest2Edits*> reads_; // still to read in this turn
    std::vector<WriteStep> writes_;           // the step in flight first
    QString written_;                         // labels of what this Set sends, for the status line
};

// The menu's "STP Control " entry: reads the running version into the main window, then opens the
// spanning tree window.
void BridgeSTPInformationClick(TvWindowHost& host, const TvMenuNode& entry);
