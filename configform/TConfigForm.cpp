#include "configform/TConfigForm.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TEditsPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "guibase/TvMessageBox.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kCloseRetryMs = 10;

} // namespace

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner) {
    setObjectName("ConfigForm");
    setWindowTitle("ConfigForm");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    resize(0, 0);
    QCoreApplication::postEvent(this, new QEvent(WM_CONFIG_REFRESH));
}

TConfigForm::~TConfigForm() {
    // Normally FormClose has released them; a window dropped unclosed still must not leave a read going.
    closing_ = true;
    closed_ = true;
    for (auto& binding : bindings_)
        binding->Request.Enabled = false;
    ReleaseBindings();
}

void TConfigForm::ReleaseBindings() {
    for (TSNMPPanel* panel : panels_) {
        panel->ReleaseBinding();
        if (auto* editor = qobject_cast<TSNMPEditorPanel*>(panel))
            editor->EditsPanel->ReleaseBinding();
    }
    current_ = nullptr;
    // A request waits for its outstanding replies while it is destroyed, letting window messages run:
    // whatever runs then finds the list already empty.
    auto doomed = std::move(bindings_);
    bindings_.clear();
    doomed.clear();
}

void TConfigForm::CheckType(FormType wanted, const char* message) const {
    if (type_ != wanted)
        throw TvException(message, errUnknown);
}

void TConfigForm::GrowClient(QSize size) {
    const QSize now = this->size();
    resize(std::min(std::max(now.width(), size.width()), TSNMPPanel::MaxClientWidth),
           std::min(std::max(now.height(), size.height()), TSNMPPanel::MaxClientHeight));
}

TvSNMPRequest2Edits* TConfigForm::Binding(int index) const {
    return index >= 0 && index < BindingCount() ? bindings_[static_cast<size_t>(index)].get() : nullptr;
}

TSNMPPanel* TConfigForm::Panel(int index) const {
    return index >= 0 && index < static_cast<int>(panels_.size()) ? panels_[static_cast<size_t>(index)]
                                                                  : nullptr;
}

template <typename Panel>
Panel* TConfigForm::NewPanel(QWidget* parent, std::unique_ptr<TvSNMPRequest2Edits> binding) {
    bindings_.push_back(std::move(binding));
    auto* panel = new Panel(parent, bindings_.back().get());
    panels_.push_back(panel);
    return panel;
}

void TConfigForm::SetRowStatus(TSNMPListViewPanel* panel, int addIndex, const char* addValue, int deleteIndex,
                               const char* deleteValue) {
    if (addValue && *addValue)
        panel->SetAddStatus(addIndex, addValue);
    if (deleteValue && *deleteValue)
        panel->SetDeleteStatus(deleteIndex, deleteValue);
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(std::unique_ptr<TvSNMPRequest2Edits> binding) {
    CheckType(ftNone, "Can not change Type of a Config Form!");
    type_ = ftEditor;
    auto* panel = NewPanel<TSNMPEditorPanel>(this, std::move(binding));
    panel->AttachToForm(this);
    GrowClient(panel->size());
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPanel(std::unique_ptr<TvSNMPRequest2Edits> binding, int addIndex,
                                                  const char* addValue, int deleteIndex,
                                                  const char* deleteValue) {
    CheckType(ftNone, "Can not change Type of a Config Form!");
    type_ = ftListView;
    auto* panel = NewPanel<TSNMPListViewPanel>(this, std::move(binding));
    SetRowStatus(panel, addIndex, addValue, deleteIndex, deleteValue);
    panel->AttachToForm(this);
    GrowClient(panel->size());
    return panel;
}

void TConfigForm::MakePaged() {
    CheckType(ftNone, "Can not change Type of a Config Form!");
    type_ = ftPages;
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl");
    // Tabs that do not fit scroll; Qt has no rows of tabs.
    pages_->setUsesScrollButtons(true);
    layout()->addWidget(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, [this] {
        // Building the pages selects the first one; the posted refresh reads it once shown.
        if (isVisible())
            RefreshActive();
    });
}

QWidget* TConfigForm::AddPageSheet(const QString& title) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QString("Page%1").arg(pages_->count()));
    sheet->setProperty("tag", pages_->count());
    pages_->addTab(sheet, title);
    return sheet;
}

void TConfigForm::FinishPage(QWidget* sheet, TSNMPPanel* panel) {
    const QSize sheetSize(std::max(sheet->width(), panel->width()),
                          std::max(sheet->height(), panel->height()));
    sheet->resize(sheetSize);
    const int tabHeight = pages_->tabBar()->sizeHint().height();
    pages_->resize(std::max(pages_->width(), sheetSize.width()),
                   std::max(pages_->height(), tabHeight + sheetSize.height()));
    GrowClient(pages_->size());
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const QString& title,
                                             std::unique_ptr<TvSNMPRequest2Edits> binding) {
    CheckType(ftPages, "Can not add editor page to a none-page pannel!");
    QWidget* sheet = AddPageSheet(title);
    auto* panel = NewPanel<TSNMPEditorPanel>(sheet, std::move(binding));
    panel->AttachToForm(this);
    FinishPage(sheet, panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const QString& title,
                                                 std::unique_ptr<TvSNMPRequest2Edits> binding, int addIndex,
                                                 const char* addValue, int deleteIndex,
                                                 const char* deleteValue) {
    CheckType(ftPages, "Can not add listview page to a none-page pannel!");
    QWidget* sheet = AddPageSheet(title);
    auto* panel = NewPanel<TSNMPListViewPanel>(sheet, std::move(binding));
    SetRowStatus(panel, addIndex, addValue, deleteIndex, deleteValue);
    panel->AttachToForm(this);
    FinishPage(sheet, panel);
    return panel;
}

void TConfigForm::customEvent(QEvent* event) {
    if (event->type() == WM_CONFIG_REFRESH) {
        RefreshActive();
        return;
    }
    QDialog::customEvent(event);
}

void TConfigForm::RefreshActive() {
    if (closing_)
        return;
    TvSNMPRequest2Edits* chosen = nullptr;
    TSNMPPanel* panel = nullptr;
    switch (type_) {
    case ftNone:
        return;
    case ftEditor:
    case ftListView:
        chosen = Binding(0);
        panel = Panel(0);
        break;
    case ftPages:
        if (!pages_ || pages_->count() == 0)
            return;
        if (QWidget* page = pages_->currentWidget()) {
            const int tag = page->property("tag").toInt();
            chosen = Binding(tag);
            panel = Panel(tag);
        }
        break;
    }
    if (!chosen)
        return;
    if (current_ && current_ != chosen)
        current_->Request.Enabled = false;
    current_ = chosen;
    chosen->Request.Enabled = true;
    // A read of this page still on its way goes on now that the page is visible again.
    if (chosen->Busy)
        return;
    panel->ReadBinding();
}

bool TConfigForm::FormClose() {
    closing_ = true;
    // What is in flight is given up at once; only a handler still running on the stack (a dialog of
    // the window, a blocking write) makes the close wait for its end.
    const bool busy = std::any_of(panels_.begin(), panels_.end(), [](TSNMPPanel* p) {
        const auto* editor = qobject_cast<TSNMPEditorPanel*>(p);
        return p->InHandler() || (editor && editor->EditsPanel->InHandler());
    });
    for (auto& binding : bindings_) {
        binding->Request.Enabled = false;
        if (!busy)
            binding->Cancel();
    }
    if (busy)
        return false;
    ReleaseBindings();
    return true;
}

QStringList TConfigForm::UnsentEdits() const {
    QStringList changed;
    for (TSNMPPanel* panel : panels_) {
        if (panel->UnsentEdits)
            changed << panel->UnsentEdits();
        // A table's rows are edited in its Add or Edit dialog.
        else if (auto* table = qobject_cast<TSNMPListViewPanel*>(panel); table && table->OpenDialog())
            changed << table->EditsPanel->UnsentEdits();
    }
    return changed;
}

void TConfigForm::ForgetEdits() {
    for (TSNMPPanel* panel : panels_)
        if (auto* editor = qobject_cast<TSNMPEditorPanel*>(panel))
            editor->EditsPanel->ForgetEdits();
}

void TConfigForm::done(int result) {
    if (closed_) {
        QDialog::done(result);
        return;
    }
    // Asked once, before anything stops: "No" leaves the window as it was.
    if (!closing_ && !retryPending_) {
        const QStringList changed = UnsentEdits();
        if (!changed.isEmpty() && !TvMessageBox::YesNo(this,
                                                       "These values were changed and not sent:\n" +
                                                           changed.join('\n') + "\n\nDiscard them?",
                                                       "Close"))
            return;
    }
    if (!FormClose()) {
        // Stopped reads end at their next reply or timeout; the close completes then.
        if (!retryPending_) {
            retryPending_ = true;
            QTimer::singleShot(kCloseRetryMs, this, [this, result] {
                retryPending_ = false;
                done(result);
            });
        }
        return;
    }
    // A close handled while the bindings went has finished the job already.
    if (closed_)
        return;
    closed_ = true;
    QDialog::done(result);
    if (OnClosed)
        OnClosed();
}
