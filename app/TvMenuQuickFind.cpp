#include "app/TvMenuQuickFind.h"

#include "app/TvMainMenu.h"
#include "guibase/TvPlainText.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 340;
constexpr int kLeafRole = Qt::UserRole;
constexpr int kOpenableRole = Qt::UserRole + 1;

const QString kHint = QStringLiteral("Enter opens the chosen entry, Esc closes.");
const QString kUnavailable = QStringLiteral("This entry is not available now.");
const QString kNothing = QStringLiteral("No menu entry matches.");

} // namespace

TvMenuQuickFind::TvMenuQuickFind(const TvMainMenu& menu, QWidget* owner)
    : QFrame(owner, Qt::Popup), menu_(menu), owner_(owner) {
    setObjectName("MenuQuickFind");
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    edtFind = new QLineEdit(this);
    edtFind->setObjectName("edtFind");
    edtFind->setPlaceholderText(QStringLiteral("Find a menu entry"));
    edtFind->setClearButtonEnabled(true);
    lstFound = new QListWidget(this);
    lstFound->setObjectName("lstFound");
    lstFound->setFocusPolicy(Qt::NoFocus);
    lstFound->setUniformItemSizes(true);
    lblHint = TvPlainText::NewLabel(kHint, this);
    lblHint->setObjectName("lblHint");
    layout->addWidget(edtFind);
    layout->addWidget(lstFound, 1);
    layout->addWidget(lblHint);
    resize(kWidth, kHeight);

    edtFind->installEventFilter(this);
    connect(edtFind, &QLineEdit::textChanged, this, &TvMenuQuickFind::edtFindTextChanged);
    connect(lstFound, &QListWidget::currentRowChanged, this, &TvMenuQuickFind::lstFoundCurrentRowChanged);
    connect(lstFound, &QListWidget::itemActivated, this, &TvMenuQuickFind::OpenCurrent);
}

void TvMenuQuickFind::Open() {
    QPoint at = owner_->mapToGlobal(QPoint((owner_->width() - kWidth) / 2, 0));
    if (const auto* main = qobject_cast<const QMainWindow*>(owner_); main && main->menuBar())
        at.ry() += main->menuBar()->height();
    move(at);
    edtFind->clear();
    edtFindTextChanged(QString()); // clear() emits nothing when the field is already empty
    show();
    raise();
    activateWindow();
    edtFind->setFocus();
}

void TvMenuQuickFind::edtFindTextChanged(const QString& text) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    auto matches = [&words](const QString& haystack) {
        for (const QString& w : words)
            if (!haystack.contains(w, Qt::CaseInsensitive))
                return false;
        return true;
    };
    // Entries whose own caption matches come first, then those found through their path.
    std::vector<int> byCaption, byPath;
    const auto& leaves = menu_.Leaves();
    for (int i = 0; i < static_cast<int>(leaves.size()); ++i) {
        const TvMainMenu::Leaf& leaf = leaves[static_cast<size_t>(i)];
        if (!TvMainMenu::IsShown(leaf))
            continue;
        if (matches(leaf.Caption))
            byCaption.push_back(i);
        else if (matches(leaf.Path + QLatin1Char(' ') + leaf.Caption))
            byPath.push_back(i);
    }
    lstFound->clear();
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    int first = -1;
    for (const std::vector<int>* group : {&byCaption, &byPath})
        for (int i : *group) {
            const TvMainMenu::Leaf& leaf = leaves[static_cast<size_t>(i)];
            auto* item = new QListWidgetItem(leaf.Path + QStringLiteral(" \u203a ") + leaf.Caption, lstFound);
            const bool openable = TvMainMenu::IsOpenable(leaf);
            item->setData(kLeafRole, i);
            item->setData(kOpenableRole, openable);
            if (!openable)
                item->setForeground(grey);
            else if (first < 0)
                first = lstFound->count() - 1;
        }
    lstFound->setCurrentRow(first >= 0 ? first : 0);
    lstFoundCurrentRowChanged(lstFound->currentRow());
}

void TvMenuQuickFind::lstFoundCurrentRowChanged(int row) {
    const QListWidgetItem* item = lstFound->item(row);
    lblHint->setText(!item ? kNothing : item->data(kOpenableRole).toBool() ? kHint : kUnavailable);
}

void TvMenuQuickFind::Move(int rows) {
    if (lstFound->count() == 0)
        return;
    const int row = std::clamp(lstFound->currentRow() + rows, 0, lstFound->count() - 1);
    lstFound->setCurrentRow(row);
}

void TvMenuQuickFind::OpenCurrent() {
    const QListWidgetItem* item = lstFound->currentItem();
    if (!item || !item->data(kOpenableRole).toBool())
        return;
    const TvMainMenu::Leaf& leaf = menu_.Leaves()[static_cast<size_t>(item->data(kLeafRole).toInt())];
    // The state may have changed while the field was open.
    if (!TvMainMenu::IsOpenable(leaf))
        return;
    hide();
    leaf.Action->trigger();
}

bool TvMenuQuickFind::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtFind && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
            Move(1);
            return true;
        case Qt::Key_Up:
            Move(-1);
            return true;
        case Qt::Key_PageDown:
            Move(10);
            return true;
        case Qt::Key_PageUp:
            Move(-10);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OpenCurrent();
            return true;
        case Qt::Key_Escape:
            hide();
            return true;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}
