#pragma once

#include "binding/TvDedicatedWindow.h"

#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;
class TvNotificationLog;
class TvNotificationModel;

// The notifications the switch sent in this run: time, source, kind and variables, the newest last;
// filtered by any text of a line, copied (Ctrl+C) and exported as CSV. Its counts line tells the rate,
// what was dropped and where the program listens.
class TNotificationsForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    // Shows the program's log unless given another (tests).
    explicit TNotificationsForm(QWidget* parent, TvNotificationLog* log = nullptr);
    ~TNotificationsForm() override;

    QLineEdit* edtFilter;
    QTreeView* LV_Notifications;
    QLabel* lblCounts;
    QPushButton* BT_Clear;
    QPushButton* BT_Export;
    QPushButton* BT_Close;

    TvNotificationModel* Model() const { return model_; }
    QSortFilterProxyModel* Filter() const { return filter_; }
    // The counts line as it is now.
    QString CountsText() const;

private:
    void RowsArrived();

    TvNotificationLog& log_;
    TvNotificationModel* model_;
    QSortFilterProxyModel* filter_;
    QTimer counts_;         // the rate changes without arrivals too
    bool followEnd_ = true; // the view showed the last row when rows came
};
