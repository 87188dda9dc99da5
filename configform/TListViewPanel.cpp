#include "configform/TListViewPanel.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TCtrlBtnPanel.h"
#include "guibase/TvTableExport.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

TListViewPanel::TListViewPanel(QWidget* owner, TvSNMPRequest2Edits* binding) : QWidget(owner) {
    setObjectName("ListViewPanel");
    ListView = new QTreeView(this);
    ListView->setObjectName("ListView");
    binding->BindListView(ListView, false);
    TvTableExport::Install(ListView);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView);

    int width = 0;
    const TvSNMPVarList& list = binding->Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        width += 8 * static_cast<int>(list.Item(i).Label.size());
    width += 2 * ListView->frameWidth();
    resize(std::min(width, MaxWidth), PanelHeight);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    for (QWidget* w : QList<QWidget*>{buttons->CountText, buttons->SamplesLabel, buttons->RefreshButton,
                                      buttons->EditButton, buttons->CloseButton})
        w->show();
    buttons->EditButton->setEnabled(false);
    buttons->DeleteButton->setEnabled(false);
    for (QWidget* w :
         QList<QWidget*>{buttons->SetCheckedButton, buttons->CheckAllButton, buttons->ClearChecksButton})
        w->hide();
    buttons->AddButton->setVisible(AddStatusIndex != -1);
    buttons->DeleteButton->setVisible(DeleteStatusIndex != -1);
    buttons->ArrangeButtons();
}
