#include "configform/TSNMPListViewPanel.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvDedicatedWindow.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TListViewPanel.h"
#include "configform/TMsgPanel.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeView>

#include <algorithm>

namespace {

int FindEntry(const QComboBox* combo, const QString& value) {
    for (int k = 0; k < combo->count(); ++k)
        if (combo->itemText(k).compare(value, Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

// The Add and Edit dialogs: Close, Escape and the close box ask before typed values are given up.
class RowDialog : public QDialog {
public:
    explicit RowDialog(QWidget* parent) : QDialog(parent) {
        setWindowModality(Qt::WindowModal); // holds its window only: the others stay live
    }
    std::function<bool()> MayClose;

    void done(int result) override {
        if (MayClose && !MayClose())
            return;
        QDialog::done(result);
    }
};

// Runs a click handler; an error it raises becomes a status line instead of reaching the event loop.
template <typename Fn> void Guard(TvSNMPRequest2Edits* binding, Fn fn) {
    try {
        fn();
    } catch (const TvException& e) {
        if (binding)
            binding->ShowStatus(e.Message());
    }
}

} // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, TvSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(owner, binding) {
    ListViewPanel = new TListViewPanel(ClientArea, binding);
    ListViewPanel->ColumnsFitted = [this](int needed) { GrowWindowFor(needed); };
    QTreeView* view = ListViewPanel->ListView;
    view->viewport()->installEventFilter(this);
    view->viewport()->setMouseTracking(true);
    connect(view, &QTreeView::doubleClicked, this, [this] { ListViewDblClick(); });
    if (QAbstractItemModel* model = view->model()) {
        connect(model, &QAbstractItemModel::rowsInserted, this, &TSNMPListViewPanel::UpdateCount);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &TSNMPListViewPanel::UpdateCount);
        connect(model, &QAbstractItemModel::modelReset, this, [this] {
            // A new read empties the list: no line is selected any more.
            Buttons->EditButton->setEnabled(false);
            Buttons->DeleteButton->setEnabled(false);
            UpdateCount();
        });
    }
    if (QItemSelectionModel* selection = view->selectionModel())
        connect(selection, &QItemSelectionModel::selectionChanged, this, [this] {
            const bool selected = Binding() && Binding()->SelectedRow() >= 0;
            Buttons->EditButton->setEnabled(selected && !NoEdit);
            Buttons->DeleteButton->setEnabled(selected);
        });

    disconnect(Buttons->RefreshButton, nullptr, this, nullptr);
    connect(Buttons->RefreshButton, &QPushButton::clicked, this,
            &TSNMPListViewPanel::RefreshButtonTableClick);
    connect(Buttons->EditButton, &QPushButton::clicked, this, &TSNMPListViewPanel::EditButtonClick);
    connect(Buttons->AddButton, &QPushButton::clicked, this, &TSNMPListViewPanel::AddButtonClick);
    connect(Buttons->DeleteButton, &QPushButton::clicked, this, &TSNMPListViewPanel::DeleteButtonClick);

    ListViewPanel->ArrangeCtrlBtn(Buttons);
    if (EditsPanel->AllRowsReadOnly()) {
        Buttons->EditButton->hide();
        Buttons->ArrangeButtons();
    }
    SetContent(ListViewPanel);
    OnAddInit = [this](QObject*) { EditsPanel->ClearRows(); };
    // The rows are edited in the Add and Edit dialogs, which ask for themselves.
    UnsentEdits = nullptr;
}

void TSNMPListViewPanel::SetAddStatus(int index, const QString& value) {
    const QComboBox* combo =
        index >= 0 && index < EditsPanel->RowCount() ? EditsPanel->Row(index).Combo() : nullptr;
    const int entry = combo ? FindEntry(combo, value) : -1;
    if (entry < 0)
        throw TvException("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + ToBytes(value),
                          errUnknown);
    ListViewPanel->AddStatusIndex = index;
    ListViewPanel->AddStatusValue = combo->itemText(entry);
    Buttons->AddButton->show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int index, const QString& value) {
    const QComboBox* combo =
        index >= 0 && index < EditsPanel->RowCount() ? EditsPanel->Row(index).Combo() : nullptr;
    const int entry = combo ? FindEntry(combo, value) : -1;
    if (entry < 0)
        throw TvException("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + ToBytes(value),
                          errUnknown);
    ListViewPanel->DeleteStatusIndex = index;
    ListViewPanel->DeleteStatusValue = combo->itemText(entry);
    Buttons->DeleteButton->show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::UpdateCount() {
    if (const QAbstractItemModel* model = ListViewPanel->ListView->model())
        Buttons->SetCount(model->rowCount());
}

void TSNMPListViewPanel::RefreshButtonTableClick() {
    // A second walk over a running one, blocking or not, would mix their rows.
    if (!Binding() || Binding()->Busy)
        return;
    Buttons->EditButton->setEnabled(false);
    Buttons->DeleteButton->setEnabled(false);
    ReadBinding();
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event) {
    QTreeView* view = ListViewPanel ? ListViewPanel->ListView : nullptr;
    if (view && watched == view->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!view->indexAt(mouse->position().toPoint()).isValid())
                view->clearSelection();
            ListViewClick();
        } else if (event->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(event);
            const QString hint = HintAt(help->pos());
            if (hint.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), TvPlainText::ToolTip(hint), view->viewport());
            return true;
        }
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::ListViewClick() {
    if (!Binding())
        return;
    if (Binding()->SelectedRow() >= 0) {
        Buttons->EditButton->setEnabled(!NoEdit);
        Buttons->DeleteButton->setEnabled(true);
    } else {
        if (!NoEdit)
            Buttons->EditButton->setEnabled(false);
        Buttons->DeleteButton->setEnabled(false);
        EditsPanel->ClearRows();
    }
}

void TSNMPListViewPanel::ListViewDblClick() {
    if (DoubleClickEdits && !NoEdit && Binding() && Binding()->SelectedRow() >= 0 &&
        Buttons->EditButton->isVisibleTo(Buttons) && Buttons->EditButton->isEnabled())
        EditButtonClick();
}

QString TSNMPListViewPanel::HintAt(const QPoint& viewportPos) const {
    const QTreeView* view = ListViewPanel->ListView;
    const QModelIndex index = view->indexAt(viewportPos);
    const QAbstractItemModel* model = view->model();
    if (!index.isValid() || !model)
        return {};
    const int columns = model->columnCount();
    qsizetype longest = 0;
    for (int k = 0; k < columns; ++k)
        longest = std::max(longest, model->headerData(k, Qt::Horizontal).toString().size());
    QString hint;
    for (int k = 0; k < columns; ++k) {
        const QString caption = model->headerData(k, Qt::Horizontal).toString();
        hint += caption + QString(longest - caption.size(), '\t') + "  " +
                model->index(index.row(), k).data().toString() + "\n";
    }
    return hint;
}

bool TSNMPListViewPanel::RefuseWhileReading() {
    TvSNMPRequest2Edits* binding = Binding();
    if (!binding)
        return true;
    // A dialog or a write over a walk still on its way would work on rows the walk is replacing.
    if (binding->Busy) {
        binding->ShowStatus(TvSNMPRequest2Controls::opGet, TvDedicatedWindow::kWaitingMessage);
        return true;
    }
    return false;
}

void TSNMPListViewPanel::GrowWindowFor(int needed) {
    QWidget* win = window();
    QTreeView* view = ListViewPanel->ListView;
    if (!win || win != Window() || !win->isVisible())
        return;
    const int missing = needed + view->verticalScrollBar()->sizeHint().width() - view->viewport()->width();
    if (missing <= 0)
        return;
    // Wide enough for every column, but never wider than the screen; the left edge moves in if need be.
    const QScreen* screen = win->screen();
    const QRect room =
        screen ? screen->availableGeometry() : QRect(0, 0, win->width() + missing, win->height());
    const int frame = win->frameGeometry().width() - win->width();
    const int width = std::min(win->width() + missing, room.width() - frame);
    if (width <= win->width())
        return;
    win->resize(width, win->height());
    const int right = win->frameGeometry().right();
    if (right > room.right())
        win->move(std::max(room.left(), win->x() - (right - room.right())), win->y());
}

void TSNMPListViewPanel::showEvent(QShowEvent* event) {
    // Assistive technology names the table after its page or window.
    ListViewPanel->ListView->setAccessibleName(DialogCaption());
    TSNMPEditorPanel::showEvent(event);
}

QString TSNMPListViewPanel::RowDescription(int row) const {
    const TvListViewModel* model = Binding() ? Binding()->ListModel() : nullptr;
    if (!model || row < 0)
        return {};
    // The index columns name a row; a table without them is named by its first column.
    const int keys = std::clamp(Binding()->Request.VarList.KeyCount, 1, model->ColumnCount());
    const TvListSortProxy* proxy = Binding()->ListProxy();
    QStringList parts;
    for (int k = 0; k < keys; ++k) {
        const QString cell = model->Cell(row, k);
        parts << model->headerData(k, Qt::Horizontal).toString() + ": " +
                     (proxy && proxy->IsMasked(k) ? TvListSortProxy::Masked(cell) : cell);
    }
    return parts.join(", ");
}

QString TSNMPListViewPanel::DialogCaption() const {
    // A page's panel is named after its tab.
    if (QWidget* sheet = parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(sheet->parentWidget()))
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                if (const int at = tabs->indexOf(sheet); at >= 0)
                    return tabs->tabText(at);
    if (QWidget* parent = parentWidget(); parent && parent->isWindow())
        return parent->windowTitle();
    return Window() ? Window()->windowTitle() : QString();
}

TSNMPPanel* TSNMPListViewPanel::MakeDialogPanel(QDialog& dialog) {
    auto* panel = new TSNMPPanel(&dialog, MessagePanel, Binding());
    EditsPanel->ForgetEdits();
    panel->UnsentEdits = [this] { return EditsPanel->UnsentEdits(); };
    QPushButton* set = panel->Buttons->SetCheckedButton;
    set->setProperty("tag", 1);
    connect(set, &QPushButton::clicked, this, [this, set] { SetCheckedButtonClick(set); });
    connect(panel->Buttons->CheckAllButton, &QPushButton::clicked, this, [this] { EditsPanel->CheckAll(); });
    connect(panel->Buttons->ClearChecksButton, &QPushButton::clicked, this,
            [this] { EditsPanel->ClearChecks(); });
    return panel;
}

void TSNMPListViewPanel::ReturnEditsPanel() {
    EditsPanel->hide();
    EditsPanel->setParent(ClientArea);
    EditsPanel->hide();
}

void TSNMPListViewPanel::AddButtonClick() {
    TvSNMPRequest2Edits* binding = Binding();
    if (!binding || dialog_ || (!binding->Asynchronous && binding->Busy))
        return;
    const HandlerScope scope(*this);
    if (RefuseWhileReading())
        return;
    Guard(binding, [&] {
        if (OnAddInit)
            OnAddInit(Buttons->AddButton);
        RunAddDialog(Buttons->AddButton);
        if (OnAfterAdd)
            OnAfterAdd(Buttons->AddButton);
    });
}

void TSNMPListViewPanel::RunAddDialog(QObject*) {
    TvSNMPRequest2Edits& binding = *Binding();
    RowDialog dialog(window());
    dialog.setObjectName("AddDialog");
    dialog.setWindowTitle(DialogCaption() + " (Add)");
    dialog_ = &dialog;
    binding.SetConstraintOwner(&dialog);
    // Whatever happens inside, the rows come home before the dialog goes.
    struct Home {
        TSNMPListViewPanel* panel;
        ~Home() {
            panel->ReturnEditsPanel();
            panel->dialog_ = nullptr;
            if (panel->Binding())
                panel->Binding()->SetConstraintOwner(panel->Window());
        }
    } home{this};

    TSNMPPanel* panel = MakeDialogPanel(dialog);
    dialog.MayClose = [panel] { return panel->ConfirmDiscard("Close"); };
    const int keys = binding.Request.VarList.KeyCount;
    for (int i = 0; i < keys && i < EditsPanel->RowCount(); ++i) {
        // Keys are always written and must be typed.
        EditsPanel->MakeRowWritable(i);
        const EditRow& row = EditsPanel->Row(i);
        row.Check->setChecked(true);
        row.Check->show();
        row.Check->setEnabled(false);
        row.Value->setEnabled(true);
    }
    const int status = ListViewPanel->AddStatusIndex;
    if (status >= 0 && status < EditsPanel->RowCount()) {
        const EditRow& row = EditsPanel->Row(status);
        EditsPanel->SetRowValue(status, ListViewPanel->AddStatusValue);
        row.Value->setEnabled(false);
        row.Check->setChecked(true);
        row.Check->setEnabled(false);
    }
    EditsPanel->ArrangeCtrlBtn(panel->Buttons);
    panel->Buttons->RefreshButton->hide();
    panel->Buttons->ArrangeButtons();
    EditsPanel->ArrangeRows(true);
    panel->SetContent(EditsPanel);
    panel->AttachToForm(&dialog);

    ListViewPanel->ListView->clearSelection();
    Buttons->EditButton->setEnabled(false);
    Buttons->DeleteButton->setEnabled(false);

    QPointer<TSNMPListViewPanel> alive(this);
    dialog.exec();
    if (!alive)
        return;
    if (Binding())
        RefreshButtonTableClick();
}

void TSNMPListViewPanel::EditButtonClick() {
    TvSNMPRequest2Edits* binding = Binding();
    if (!binding || NoEdit || dialog_ || (!binding->Asynchronous && binding->Busy))
        return;
    // Nothing selected, nothing to edit: the dialog would write a row the operator never chose.
    if (binding->SelectedRow() < 0)
        return;
    const HandlerScope scope(*this);
    if (RefuseWhileReading())
        return;
    Guard(binding, [&] {
        if (OnBeforeEdit)
            OnBeforeEdit(Buttons->EditButton);
        RunEditDialog(Buttons->EditButton);
        if (OnAfterEdit)
            OnAfterEdit(Buttons->EditButton);
    });
}

void TSNMPListViewPanel::RunEditDialog(QObject*) {
    TvSNMPRequest2Edits& binding = *Binding();
    RowDialog dialog(window());
    dialog.setObjectName("EditDialog");
    dialog.setWindowTitle(Window() ? Window()->windowTitle() : QString());
    dialog_ = &dialog;
    binding.SetConstraintOwner(&dialog);

    // The Edit dialog neither creates nor destroys rows: the status values leave the list meanwhile.
    struct Removed {
        int Row;
        int Position;
        QString Text;
    };
    std::vector<Removed> removed;
    std::vector<int> hidden;
    struct Home {
        TSNMPListViewPanel* panel;
        std::vector<Removed>& removed;
        std::vector<int>& hidden;
        ~Home() {
            for (auto it = removed.rbegin(); it != removed.rend(); ++it)
                if (QComboBox* combo = panel->EditsPanel->Row(it->Row).Combo())
                    combo->insertItem(it->Position, it->Text);
            for (int row : hidden)
                panel->EditsPanel->ShowRow(row);
            panel->ReturnEditsPanel();
            panel->dialog_ = nullptr;
            if (panel->Binding())
                panel->Binding()->SetConstraintOwner(panel->Window());
        }
    } home{this, removed, hidden};

    TSNMPPanel* panel = MakeDialogPanel(dialog);
    dialog.MayClose = [panel] { return panel->ConfirmDiscard("Close"); };
    panel->Buttons->SetCheckedButton->setEnabled(false);
    EditsPanel->ApplyRowStates(false);
    EditsPanel->ArrangeCtrlBtn(panel->Buttons);
    EditsPanel->ArrangeRows(true);
    panel->Buttons->RefreshButton->hide();
    panel->Buttons->ArrangeButtons();
    EditsPanel->SetValueWidth(200);

    for (const auto& [index, value] :
         {std::pair{ListViewPanel->AddStatusIndex, ListViewPanel->AddStatusValue},
          std::pair{ListViewPanel->DeleteStatusIndex, ListViewPanel->DeleteStatusValue}}) {
        if (index < 0 || index >= EditsPanel->RowCount())
            continue;
        QComboBox* combo = EditsPanel->Row(index).Combo();
        const int at = combo ? FindEntry(combo, value) : -1;
        if (at < 0)
            continue;
        removed.push_back({index, at, combo->itemText(at)});
        combo->removeItem(at);
        if (combo->count() == 0 && std::find(hidden.begin(), hidden.end(), index) == hidden.end()) {
            EditsPanel->HideRow(index);
            hidden.push_back(index);
        }
    }
    if (!hidden.empty())
        EditsPanel->ArrangeRows(true);
    panel->SetContent(EditsPanel);
    panel->AttachToForm(&dialog);

    QPointer<TSNMPListViewPanel> alive(this);
    dialog.exec();
    if (!alive)
        return;
    if (Binding())
        RefreshButtonTableClick();
}

void TSNMPListViewPanel::DeleteButtonClick() {
    TvSNMPRequest2Edits* binding = Binding();
    const int status = ListViewPanel->DeleteStatusIndex;
    if (!binding || dialog_ || status < 0 || (!binding->Asynchronous && binding->Busy))
        return;
    // Without a selected line the write would go to whatever index the editor rows hold.
    if (binding->SelectedRow() < 0)
        return;
    if (RefuseWhileReading())
        return;
    const HandlerScope scope(*this);
    if (!TvMessageBox::YesNo(this, "Are you sure to delete ?\n" + RowDescription(binding->SelectedRow()),
                             "Delete"))
        return;
    try {
        // The row status alone, with the keys of the selected line; the table is read again once the
        // switch has taken it.
        binding->Set(binding->Asynchronous, true, {status}, {ToBytes(ListViewPanel->DeleteStatusValue)});
    } catch (const TvException& e) {
        binding->ShowStatus(e.Message());
    }
    if (!binding->Asynchronous)
        RefreshButtonTableClick();
}
