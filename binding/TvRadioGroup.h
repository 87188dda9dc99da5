#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

// A titled group of radio buttons, one per item, of which at most one is chosen: the choice is the
// item index (-1 for none).
class TvRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit TvRadioGroup(const QString& title = QString(), QWidget* parent = nullptr);

    // Replaces every button; nothing is chosen afterwards.
    void SetItems(const QStringList& items);
    QStringList Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }

    int ItemIndex() const;
    // An index outside the items chooses nothing.
    void SetItemIndex(int index);

signals:
    // The operator or SetItemIndex changed the choice.
    void ItemIndexChanged(int index);

private:
    QStringList items_;
    QButtonGroup* group_;
    QVBoxLayout* layout_;
};
