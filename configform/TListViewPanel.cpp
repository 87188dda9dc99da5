#include "configform/TListViewPanel.h"

#include "binding/TvListSortProxy.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TCtrlBtnPanel.h"
#include "guibase/TvTableExport.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

TListViewPanel::TListViewPanel(QWidget* owner, TvSNMPRequest2Edits* binding) : QWidget(owner) {
    setObjectName("ListViewPanel");
    FilterEdit = new QLineEdit(this);
    FilterEdit->setObjectName("FilterEdit");
    FilterEdit->setPlaceholderText("Filter the lines (Esc closes)");
    FilterEdit->setAccessibleName("Filter");
    FilterEdit->setClearButtonEnabled(true);
    FilterEdit->hide();
    FilterEdit->installEventFilter(this);
    ListView = new QTreeView(this);
    ListView->setObjectName("ListView");
    // Keys, passwords and communities show as dots until the panel's "Show secrets" box is ticked.
    binding->MaskSecrets = true;
    binding->BindListView(ListView, false);
    TvTableExport::Install(ListView);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(FilterEdit);
    layout->addWidget(ListView);

    if (TvListSortProxy* proxy = binding->ListProxy())
        connect(FilterEdit, &QLineEdit::textChanged, proxy,
                [proxy](const QString& text) { proxy->setFilterFixedString(text); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, &TListViewPanel::OpenFilter);

    // Columns follow the lines as they arrive until the operator sizes one himself.
    QHeaderView* header = ListView->header();
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (!fitting_)
            operatorSized_ = true;
    });
    if (QAbstractItemModel* model = ListView->model()) {
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first, int last) { Measure(first, last); });
        connect(model, &QAbstractItemModel::modelReset, this, &TListViewPanel::ScheduleFit);
    }

    int width = 0;
    const TvSNMPVarList& list = binding->Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        width += 8 * static_cast<int>(list.Item(i).Label.size());
    width += 2 * ListView->frameWidth();
    resize(std::min(width, MaxWidth), PanelHeight);
}

void TListViewPanel::ScheduleFit() {
    if (operatorSized_ || fitPending_)
        return;
    // One fit per batch of lines, after the view has taken them in.
    fitPending_ = true;
    QTimer::singleShot(0, this, [this] {
        fitPending_ = false;
        FitColumns();
    });
}

void TListViewPanel::Measure(int first, int last) {
    const QAbstractItemModel* model = ListView->model();
    if (operatorSized_ || !model)
        return;
    // Only the new lines are measured: a long read costs one look at each cell.
    const QFontMetrics metrics = ListView->fontMetrics();
    const int columns = model->columnCount();
    if (static_cast<int>(widest_.size()) < columns)
        widest_.resize(static_cast<size_t>(columns), 0);
    bool grew = false;
    for (int r = first; r <= last; ++r)
        for (int k = 0; k < columns; ++k) {
            const int w = metrics.horizontalAdvance(model->index(r, k).data().toString());
            if (w > widest_[static_cast<size_t>(k)]) {
                widest_[static_cast<size_t>(k)] = w;
                grew = true;
            }
        }
    if (grew)
        ScheduleFit();
}

void TListViewPanel::FitColumns() {
    if (operatorSized_ || !ListView->model())
        return;
    QHeaderView* header = ListView->header();
    // Room for the cell's margins and grid line around the text.
    const int padding =
        2 * ListView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListView) + 10;
    fitting_ = true;
    for (int k = 0; k < header->count(); ++k) {
        if (header->isSectionHidden(k) || header->sectionSize(k) == 0)
            continue;
        const int text = k < static_cast<int>(widest_.size()) ? widest_[static_cast<size_t>(k)] + padding : 0;
        const int wanted = std::max(header->sectionSizeHint(k), text);
        if (header->sectionSize(k) != wanted)
            header->resizeSection(k, wanted);
    }
    fitting_ = false;
    if (ColumnsFitted)
        ColumnsFitted(header->length());
}

void TListViewPanel::OpenFilter() {
    if (!isVisible())
        return;
    FilterEdit->show();
    FilterEdit->setFocus(Qt::ShortcutFocusReason);
    FilterEdit->selectAll();
}

void TListViewPanel::CloseFilter() {
    FilterEdit->clear();
    FilterEdit->hide();
    ListView->setFocus(Qt::OtherFocusReason);
}

bool TListViewPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FilterEdit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Escape closes the filter, not the window.
        CloseFilter();
        return true;
    }
    return QWidget::eventFilter(watched, event);
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
