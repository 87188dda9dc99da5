#include "windows/TNotificationsForm.h"

#include "guibase/TvPlainText.h"
#include "guibase/TvTableExport.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/TvNotificationLog.h"
#include "snmp/TvSNMPEngine.h"
#include "windows/TvNotificationModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const bool TNotificationsFormRegistered =
    TvWindowRegistry::Register("TNotificationsForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TNotificationsForm>(host, entry);
    });

} // namespace

TNotificationsForm::TNotificationsForm(QWidget* parent, TvNotificationLog* log)
    : TvDedicatedWindow(parent, "TNotificationsForm"), log_(log ? *log : TvNotificationLog::Instance()) {
    setWindowTitle(QStringLiteral("Notifications"));
    const auto make = [this](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    edtFilter = make(new QLineEdit(this), "edtFilter");
    edtFilter->setPlaceholderText(
        QStringLiteral("Filter: any text of a line (kind, source, variable, value)"));
    edtFilter->setClearButtonEnabled(true);
    LV_Notifications = make(new QTreeView(this), "LV_Notifications");
    lblCounts = make(TvPlainText::NewLabel(QString(), this), "lblCounts");
    lblCounts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BT_Clear = make(new QPushButton(QStringLiteral("C&lear"), this), "BT_Clear");
    BT_Export = make(new QPushButton(QStringLiteral("&Export CSV..."), this), "BT_Export");
    BT_Close = make(new QPushButton(QStringLiteral("Close"), this), "BT_Close");

    model_ = new TvNotificationModel(log_, this);
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(model_);
    filter_->setFilterKeyColumn(-1);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    LV_Notifications->setModel(filter_);
    LV_Notifications->setRootIsDecorated(false);
    LV_Notifications->setUniformRowHeights(true);
    LV_Notifications->setAlternatingRowColors(true);
    LV_Notifications->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV_Notifications->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LV_Notifications->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV_Notifications->header()->setSectionResizeMode(QHeaderView::Interactive);
    LV_Notifications->header()->setStretchLastSection(true);
    const int widths[] = {170, 130, 90, 160};
    for (int c = 0; c < static_cast<int>(std::size(widths)); ++c)
        LV_Notifications->setColumnWidth(c, widths[c]);
    TvTableExport::Install(LV_Notifications);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = TvPlainText::NewLabel(QStringLiteral("&Filter"), this);
    filterLabel->setBuddy(edtFilter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(edtFilter, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BT_Clear);
    buttons->addWidget(BT_Export);
    buttons->addStretch();
    buttons->addWidget(BT_Close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(LV_Notifications, 1);
    layout->addWidget(lblCounts);
    layout->addLayout(buttons);
    QWidget* order[] = {edtFilter, LV_Notifications, BT_Clear, BT_Export, BT_Close};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    resize(900, 460);

    connect(edtFilter, &QLineEdit::textChanged, filter_, &QSortFilterProxyModel::setFilterFixedString);
    connect(BT_Clear, &QPushButton::clicked, &log_, &TvNotificationLog::Clear);
    connect(BT_Export, &QPushButton::clicked, this,
            [this] { TvTableExport::Of(LV_Notifications)->ExportCsv(); });
    connect(BT_Close, &QPushButton::clicked, this, &QDialog::close);
    // Rows come in batches: the view follows the newest while it shows the end of the table.
    connect(model_, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar* bar = LV_Notifications->verticalScrollBar();
        followEnd_ = bar->value() >= bar->maximum();
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this, &TNotificationsForm::RowsArrived);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { lblCounts->setText(CountsText()); });
    counts_.setInterval(1000);
    connect(&counts_, &QTimer::timeout, this, [this] { lblCounts->setText(CountsText()); });
    counts_.start();
    lblCounts->setText(CountsText());
}

TNotificationsForm::~TNotificationsForm() = default;

void TNotificationsForm::RowsArrived() {
    if (followEnd_)
        LV_Notifications->scrollToBottom();
    lblCounts->setText(CountsText());
}

QString TNotificationsForm::CountsText() const {
    QString text = QStringLiteral("%1 shown (the last %2 are kept), %3 a second")
                       .arg(model_->rowCount())
                       .arg(log_.Capacity())
                       .arg(log_.Rate());
    const TvSNMPEngine* engine = TvSNMPEngine::Instance();
    if (!engine || engine->ListenSocket() < 0)
        return text + QStringLiteral(". Not listening: give a port with /L or NotificationPort in the device "
                                     "profile.");
    const TvSNMPEngine::NotificationCounts counts = engine->Notifications();
    return text + QStringLiteral("; from other addresses: %1, dropped (malformed or not authenticated): %2; "
                                 "listening on UDP port %3.")
                      .arg(counts.Foreign)
                      .arg(counts.Dropped)
                      .arg(engine->ListenPort());
}
