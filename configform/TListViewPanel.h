#pragma once

#include <QString>
#include <QWidget>

class QTreeView;
class TCtrlBtnPanel;
class TvSNMPRequest2Edits;

// The list view of a table panel, one line per table row, with the row-status settings that decide
// whether rows can be added and deleted.
class TListViewPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int MaxWidth = 450;
    static constexpr int PanelHeight = 350;

    TListViewPanel(QWidget* owner, TvSNMPRequest2Edits* binding);

    // Chooses the buttons of a table panel and arranges them.
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    QTreeView* ListView = nullptr;
    int DeleteStatusIndex = -1;
    int AddStatusIndex = -1;
    QString AddStatusValue;
    QString DeleteStatusValue;
};
