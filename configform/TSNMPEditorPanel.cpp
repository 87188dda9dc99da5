#include "configform/TSNMPEditorPanel.h"

#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"

#include <QPushButton>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, TvSNMPRequest2Edits* binding)
    : TSNMPPanel(owner, nullptr, binding) {
    EditsPanel = new TEditsPanel(ClientArea, binding);
    QPushButton* set = Buttons->SetCheckedButton;
    connect(set, &QPushButton::clicked, this, [this, set] { SetCheckedButtonClick(set); });
    set->setEnabled(false);
    connect(Buttons->CheckAllButton, &QPushButton::clicked, this, [this] { EditsPanel->CheckAll(); });
    connect(Buttons->ClearChecksButton, &QPushButton::clicked, this, [this] { EditsPanel->ClearChecks(); });
    EditsPanel->ArrangeCtrlBtn(Buttons);
    SetContent(EditsPanel);
    UnsentEdits = [this] { return EditsPanel->UnsentEdits(); };
}

void TSNMPEditorPanel::SetValueWidth(int width) {
    EditsPanel->SetValueWidth(width);
    SetContent(EditsPanel);
    if (Window())
        AttachToForm(Window());
}

void TSNMPEditorPanel::SetVarFormat(int row, const QString& format) {
    EditsPanel->SetVarFormat(row, format);
}

void TSNMPEditorPanel::SetCheckedButtonClick(QPushButton* sender) {
    const HandlerScope scope(*this);
    QPointer<QPushButton> button(sender);
    if (!EditsPanel->WriteChecked() || !button)
        return;
    if (button->property("tag").toInt() == 1) {
        // The dialog closes after its write: rows left unticked are not asked about.
        EditsPanel->ForgetEdits();
        if (QWidget* window = button->window())
            window->close();
    }
}
