#pragma once

#include "configform/TSNMPEditorPanel.h"

#include <functional>

class QDialog;
class TListViewPanel;

// A table panel: the list view of a conceptual table with Refresh, and the Add, Edit and Delete
// dialogs, which borrow the editor rows as the editor of one table row. Rows are created and
// destroyed through the row-status column.
class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT

public:
    // Sender is the button that opened the dialog.
    using Event = std::function<void(QObject* sender)>;

    TSNMPListViewPanel(QWidget* owner, TvSNMPRequest2Edits* binding);

    // Declare the row-status column and its create and destroy values (matched without regard to
    // case against the column's entries); raise the error exception for a value it does not offer.
    void SetAddStatus(int index, const QString& value);
    void SetDeleteStatus(int index, const QString& value);

    bool NoEdit = false;
    TListViewPanel* ListViewPanel = nullptr;
    Event OnAddInit;
    Event OnAfterAdd;
    Event OnBeforeEdit;
    Event OnAfterEdit;

    void RefreshButtonTableClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListViewClick();
    void ListViewDblClick();
    // The index columns of a line of the table, "Caption: value" joined by commas.
    QString RowDescription(int row) const;
    // The hint of the line under the pointer (empty when there is none).
    QString HintAt(const QPoint& viewportPos) const;

    // The open Add or Edit dialog, for tests; null when none is open.
    QDialog* OpenDialog() const { return dialog_; }
    // Whether double clicks open the Edit dialog (add-only tables remove it).
    bool DoubleClickEdits = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // True, with a status line, while a read of the panel is on its way.
    bool RefuseWhileReading();
    // Widens the window so that columns of `needed` pixels in all fit, up to the screen's width.
    void GrowWindowFor(int needed);
    QString DialogCaption() const;
    void RunAddDialog(QObject* sender);
    void RunEditDialog(QObject* sender);
    // The dialog's panel: shares the messages; its Set button writes this panel's rows.
    TSNMPPanel* MakeDialogPanel(QDialog& dialog);
    void ReturnEditsPanel();
    void UpdateCount();

    QDialog* dialog_ = nullptr;
};
