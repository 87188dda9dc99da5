#pragma once

#include "binding/TvDedicatedWindow.h"

#include <memory>
#include <string>

class QComboBox;
class QPushButton;
class QStatusBar;
class QTreeView;
class QWidget;
class TvSNMPRequest2Edits;
class TvStatusPanel;

// The IP routing table of the switch, read only: one line per route, refreshed on request.
class TIP_Routing : public TvDedicatedWindow {
    Q_OBJECT

public:
    TIP_Routing(QWidget* parent, const std::string& agentIP);
    ~TIP_Routing() override;

    QTreeView* LV_IP_Routing;
    QWidget* EditPanel; // the binding's edits, kept hidden: the window only reads
    QComboBox* CB_Type;
    QPushButton* BT_Set;
    QPushButton* BT_Get;
    QPushButton* Button1;
    QStatusBar* StatusBar1;
    TvStatusPanel* StatusPanel0;

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }

    void BT_GetClick();
    void Button1Click();

private:
    void Read();

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
