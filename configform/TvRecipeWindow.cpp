#include "configform/TvRecipeWindow.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "guibase/TvMessageBox.h"

#include <QCheckBox>
#include <QPushButton>

#include <memory>

void TvRecipeWindow::ApplyAddPreset(TSNMPListViewPanel& panel, TvAddPreset preset) {
    TEditsPanel* rows = panel.EditsPanel;
    switch (preset) {
    case TvAddPreset::None:
        return;
    case TvAddPreset::ViewTreeFamily:
        panel.OnAddInit = [rows](QObject*) {
            rows->ClearRows();
            rows->SetRowValue(3, "included");
            rows->SetRowValue(4, "nonVolatile");
        };
        return;
    case TvAddPreset::Community:
        panel.OnAddInit = [rows](QObject*) {
            for (int row : {1, 2}) {
                rows->CheckRow(row);
                rows->Row(row).Check->setEnabled(false);
            }
            rows->ClearRows();
            rows->SetRowValue(6, "nonVolatile");
        };
        panel.OnAfterAdd = [rows](QObject*) {
            for (int row : {1, 2})
                rows->Row(row).Check->setEnabled(true);
        };
        return;
    case TvAddPreset::VlanStatic:
        panel.OnAddInit = [rows](QObject*) {
            rows->CheckRow(1);
            rows->Row(1).Check->setEnabled(false);
            rows->ClearRows();
        };
        panel.OnAfterAdd = [rows](QObject*) { rows->Row(1).Check->setEnabled(true); };
        return;
    }
}

void TvRecipeWindow::Build(TConfigForm& form, const TvWindowRecipe& recipe) {
    const bool paged = recipe.Kind == TvRecipeKind::Pages;
    if (paged)
        form.MakePaged();
    for (const TvPanelRecipe& p : recipe.Panels) {
        auto binding = std::make_unique<TvSNMPRequest2Edits>(&form);
        binding->Request.VarList.Assign(TvSNMPVarList(p.Table, p.ItemType, p.KeyCount));
        // The change journal names the writes after the window and, in a paged one, the page.
        QString name = QString::fromLatin1(recipe.CaptionTitle).simplified();
        while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' ')))
            name.chop(1);
        binding->Request.Source = name.toLatin1().toStdString();
        if (paged && p.PageTitle)
            binding->Request.Source += " / " + std::string(p.PageTitle);
        // 64-bit counters cannot be read with SNMPv1.
        if (p.Has(pnlVersionFloor) && binding->Request.Target.Version == 0)
            binding->Request.Target.Version = 1;
        if (p.Has(pnlSynchronous))
            binding->Asynchronous = false;
        const QString title = p.PageTitle ? QString::fromLatin1(p.PageTitle) : QString();

        TSNMPEditorPanel* editor = nullptr;
        TSNMPListViewPanel* table = nullptr;
        if (p.Kind == TvPanelKind::Scalar) {
            editor = paged ? form.AddEditorPage(title, std::move(binding))
                           : form.AddEditorPanel(std::move(binding));
        } else {
            const TvRowStatus& rs = p.RowStatus;
            table = paged ? form.AddListViewPage(title, std::move(binding), rs.Column, rs.AddValue, rs.Column,
                                                 rs.DeleteValue)
                          : form.AddListViewPanel(std::move(binding), rs.Column, rs.AddValue, rs.Column,
                                                  rs.DeleteValue);
            editor = table;
        }

        for (const TvColumnFormat& f : p.Formats)
            editor->SetVarFormat(f.Column, QString::fromLatin1(f.Format));
        for (int column : p.PortBitmaps)
            editor->EditsPanel->SetOctetItem(column, kPortBitmapPerLine, kPortBitmapPorts);
        if (p.ValueWidth > 0)
            editor->SetValueWidth(p.ValueWidth);
        if (p.Has(pnlSpinLock) && editor->EditsPanel->RowCount() > 0) {
            // The TestAndIncr value goes with every write.
            editor->EditsPanel->CheckRow(0);
            editor->EditsPanel->Row(0).Check->hide();
        }
        if (table) {
            if (p.Has(pnlAddOnly)) {
                table->Buttons->EditButton->hide();
                table->DoubleClickEdits = false;
                table->Buttons->ArrangeButtons();
            }
            if (p.Has(pnlNoEdit))
                table->NoEdit = true;
            ApplyAddPreset(*table, p.AddPreset);
        }
    }
    if (recipe.Height > 0)
        form.resize(form.width(), recipe.Height);
    if (recipe.WidthIncrease > 0)
        form.resize(form.width() + recipe.WidthIncrease, form.height());
}
