#pragma once

#include "configform/TSNMPPanel.h"

class QPushButton;
class TEditsPanel;

// A panel of editor rows for a scalar group: reads with Refresh, writes the ticked rows with
// Set Checked.
class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT

public:
    TSNMPEditorPanel(QWidget* owner, TvSNMPRequest2Edits* binding);

    // Value width of the rows, then the panel and its window are sized again.
    void SetValueWidth(int width);
    // Gives the row's edit a constrained field format such as "%i{n1x4094}".
    void SetVarFormat(int row, const QString& format);

    TEditsPanel* EditsPanel = nullptr;

    // The write of a Set button; a button with tag 1 closes its window once the write went out.
    void SetCheckedButtonClick(QPushButton* sender);
};
