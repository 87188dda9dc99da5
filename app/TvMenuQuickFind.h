#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QListWidget;
class TvMainMenu;

// Quick-find over the management menu: a field that filters the menu's leaves by caption and path as
// the operator types (case-insensitive, every word must occur), Up/Down to choose, Enter to open the
// chosen entry, Escape to close. Hidden entries are never offered; unavailable ones are shown greyed and
// are not opened.
class TvMenuQuickFind : public QFrame {
    Q_OBJECT
public:
    TvMenuQuickFind(const TvMainMenu& menu, QWidget* owner);

    // Shows the field below the owner's menu bar with an empty search.
    void Open();

    QLineEdit* edtFind = nullptr;
    QListWidget* lstFound = nullptr;
    QLabel* lblHint = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void edtFindTextChanged(const QString& text);
    void lstFoundCurrentRowChanged(int row);
    void OpenCurrent();
    void Move(int rows);

    const TvMainMenu& menu_;
    QWidget* owner_;
};
