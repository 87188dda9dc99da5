#include "binding/TvRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TvRadioGroup::TvRadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit ItemIndexChanged(id);
    });
}

void TvRadioGroup::SetItems(const QStringList& items) {
    for (QAbstractButton* button : group_->buttons()) {
        group_->removeButton(button);
        delete button;
    }
    items_ = items;
    for (int i = 0; i < items_.size(); ++i) {
        auto* button = new QRadioButton(items_[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        group_->addButton(button, i);
        layout_->addWidget(button);
    }
}

int TvRadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void TvRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < items_.size()) {
        group_->button(index)->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = group_->checkedButton()) {
        // An exclusive group refuses to clear its only checked button.
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
        emit ItemIndexChanged(-1);
    }
}
