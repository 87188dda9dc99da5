#include "monitors/TCounterWindow.h"
#include "guibase/TvTableExport.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "monitors/TvCounterClock.h"
#include "values/TvValueText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Longest interval the timer takes in milliseconds without overflow, rounded to a day.
constexpr int kMaxIntervalSeconds = 86400;

} // namespace

TCounterWindow::TCounterWindow(QWidget* parent, TvCounterSampler::Baseline baseline)
    : TvDedicatedWindow(parent, "TCounterWindow"), sampler_(baseline) {
    ST_Time = TvPlainText::NewLabel(QString(), this);
    ST_Time->setObjectName("ST_Time");
    ST_Time->setFrameShape(QFrame::StyledPanel);
    CB_Interval = new QComboBox(this);
    CB_Interval->setObjectName("CB_Interval");
    CB_Interval->setEditable(true);
    CB_Interval->setInsertPolicy(QComboBox::NoInsert);
    CB_Interval->addItems({"1", "5", "10"});
    BT_Reset = new QPushButton("Reset", this);
    BT_Reset->setObjectName("BT_Reset");
    BT_Start = new QPushButton("Start", this);
    BT_Start->setObjectName("BT_Start");
    BT_Stop = new QPushButton("Pause", this);
    BT_Stop->setObjectName("BT_Stop");
    ExitButton = new QPushButton("Exit", this);
    for (QPushButton* b : {BT_Reset, BT_Start, BT_Stop, ExitButton})
        b->setAutoDefault(false);
    HiddenList = new QTreeView(this);
    HiddenList->hide();

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TCounterWindow::Timer1Timer);
    connect(BT_Start, &QPushButton::clicked, this, &TCounterWindow::BT_StartClick);
    connect(BT_Stop, &QPushButton::clicked, this, &TCounterWindow::BT_StopClick);
    connect(BT_Reset, &QPushButton::clicked, this, &TCounterWindow::BT_ResetClick);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::close);
    connect(CB_Interval, &QComboBox::activated, this, &TCounterWindow::CB_IntervalChange);
    connect(CB_Interval->lineEdit(), &QLineEdit::editingFinished, this, &TCounterWindow::CB_IntervalChange);
}

TCounterWindow::~TCounterWindow() {
    Timer1.stop();
    // The controls die after this (and the derived) part of the window: an edit that loses the focus
    // then must not reach a handler.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

QString TCounterWindow::TimeText() {
    const QLocale locale = QLocale::system();
    // The long format may name the time zone: the windows show the time of day only.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return locale.toString(TvCounterClock::Now().time(), format.trimmed());
}

void TCounterWindow::BuildLayout(QWidget* content, const QList<QWidget*>& extraButtons,
                                 const QString& clockCaption) {
    auto* clockLabel = TvPlainText::NewLabel(clockCaption, this);
    clockLabel->setBuddy(ST_Time);
    auto* intervalLabel = TvPlainText::NewLabel("Poll  Interval", this);
    intervalLabel->setBuddy(CB_Interval);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(clockLabel);
    buttons->addWidget(ST_Time);
    buttons->addWidget(intervalLabel);
    buttons->addWidget(CB_Interval);
    buttons->addSpacing(8);
    buttons->addWidget(BT_Reset);
    buttons->addWidget(BT_Start);
    buttons->addWidget(BT_Stop);
    for (QWidget* w : extraButtons)
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(ExitButton);

    auto* body = new QHBoxLayout;
    body->addWidget(content, 1);
    body->addLayout(buttons);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName("StatusBar1");
    StatusBar->setSizeGripEnabled(false);
    StatusPanel = new TvStatusPanel(StatusBar);
    StatusPanel->setObjectName("StatusPanel0");

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(body, 1);
    outer->addWidget(StatusBar);

    QWidget* previous = CB_Interval;
    for (QWidget* w :
         QList<QWidget*>{BT_Reset, BT_Start, BT_Stop} + extraButtons + QList<QWidget*>{ExitButton}) {
        setTabOrder(previous, w);
        previous = w;
    }
}

QTreeWidget* TCounterWindow::MakeCounterList(const QString& name) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(name);
    list->setColumnCount(6);
    // Delta and Peak count per poll, Rate per second.
    list->setHeaderLabels({"Name", "Value", "Delta /poll", "Rate /s", "Peak /poll", "Peak Occured at"});
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setStyleSheet(QStringLiteral("QTreeWidget::item { border: 1px solid #d0d0d0; }"));
    list->header()->setSectionResizeMode(QHeaderView::Interactive);
    list->header()->setDefaultSectionSize(110);
    list->header()->resizeSection(0, 170);
    list->header()->resizeSection(3, 150); // room for bits per second beside octets
    list->header()->resizeSection(5, 120);
    TvTableExport::Install(list);
    return list;
}

void TCounterWindow::MakeCounterBinding(const QString& hiddenName) {
    counters_ = std::make_unique<TvSNMPRequest2Edits>(this);
    Adopt(*counters_);
    HiddenList->setObjectName(hiddenName);
}

void TCounterWindow::Adopt(TvSNMPRequest2Edits& binding) {
    binding.Asynchronous = true;
    Watch(binding);
    binding.OnGetDone = [this](TvSNMPRequest2Controls& b, TvSNMPError& reply) {
        ReadFinished(static_cast<TvSNMPRequest2Edits&>(b), reply);
    };
}

void TCounterWindow::Read(TvSNMPRequest2Edits& binding, ReadDone done) {
    std::erase_if(pending_, [&](const auto& p) { return p.first == &binding; });
    pending_.emplace_back(&binding, std::move(done));
    TvSNMPError failed;
    try {
        binding.Get();
        return;
    } catch (const TvException& e) {
        failed.Code = e.Code();
        failed.Message = e.Message();
    } catch (const std::exception& e) {
        failed.Code = errUnknown;
        failed.Message = e.what();
    }
    binding.ShowStatus(TvSNMPRequest2Controls::opGet, failed.Message);
    ReadFinished(binding, failed);
}

void TCounterWindow::ReadFinished(TvSNMPRequest2Edits& binding, const TvSNMPError& reply) {
    const auto it =
        std::find_if(pending_.begin(), pending_.end(), [&](const auto& p) { return p.first == &binding; });
    if (it != pending_.end()) {
        const ReadDone done = std::move(it->second);
        pending_.erase(it);
        if (done)
            done(reply);
    }
    if (deferred_ && !Waiting()) {
        const std::function<void()> work = std::move(deferred_);
        deferred_ = nullptr;
        work();
    }
}

void TCounterWindow::PrepareRows(const QStringList& captions, const QString& blank) {
    const QString now = TimeText();
    CounterList->clear();
    for (const QString& caption : captions)
        new QTreeWidgetItem(CounterList, {caption, blank, blank, blank, blank, now});
}

void TCounterWindow::AddUpTime(TvSNMPVarList& list) {
    // A scalar group is walked from its bases, an instance list read as it stands.
    const bool instance = list.ItemType == TvSNMPVarList::itInstance;
    list.AddItem(instance ? "1.3.6.1.2.1.1.3.0" : "1.3.6.1.2.1.1.3", "sysUpTime", synTimeTicks, accReadOnly);
}

std::optional<std::uint32_t> TCounterWindow::UpTime() const {
    const TvSNMPVarList& list = counters_->Request.VarList;
    if (list.Count() == 0 || list.Item(list.Count() - 1).Label != "sysUpTime")
        return std::nullopt;
    const std::string text = HiddenCell(list.Count() - 1);
    if (text.empty())
        return std::nullopt;
    try {
        return TvValueText::TextToTicks(text);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string TCounterWindow::HiddenCell(int column) const {
    TvListViewModel* model = counters_ ? counters_->ListModel() : nullptr;
    return model ? ToBytes(model->Cell(0, column)) : std::string();
}

void TCounterWindow::AfterSample(const std::vector<CounterCells>&, const QString&) {}

void TCounterWindow::SampleCounters() {
    const std::int64_t now = TvCounterClock::ElapsedMs();
    const QString time = TimeText();
    std::vector<CounterCells> cells;
    auto write = [&] {
        for (size_t k = 0; k < cells.size(); ++k) {
            QTreeWidgetItem* row = CounterList->topLevelItem(static_cast<int>(k));
            if (!row)
                break;
            const CounterCells& c = cells[k];
            if (c.value)
                row->setText(1, QString::number(c.Value));
            if (c.deltaRate) {
                row->setText(2, QString::number(c.Delta));
                // Octets are read as bytes; links are spoken of in bits.
                QString rate = QString::number(c.Rate);
                if (row->text(0).endsWith(QLatin1String("Octets")))
                    rate += QString(" (%1 bit/s)").arg(c.Rate * 8);
                row->setText(3, rate);
                row->setText(4, QString::number(c.Peak));
            }
            if (c.peak) {
                row->setText(4, QString::number(c.Peak));
                row->setText(5, time);
            }
        }
    };
    TvCounterSampler::Break broken = TvCounterSampler::Break::None;
    try {
        broken = sampler_.Sample(RawCounters(), now, cells, UpTime());
    } catch (...) {
        write();
        throw;
    }
    write();
    if (broken == TvCounterSampler::Break::Restart)
        Report(TvSNMPRequest2Controls::opGet,
               "The switch restarted (its up time went back): counting starts again from these values.");
    else if (broken == TvCounterSampler::Break::WentDown)
        Report(TvSNMPRequest2Controls::opGet,
               "A 64-bit counter went down (it was cleared): counting starts again from these values.");
    AfterSample(cells, time);
}

void TCounterWindow::Timer1Timer() {
    ST_Time->setText(TimeText());
    // A slow switch: the tick that comes while a read is on its way is skipped, never queued.
    if (!Waiting())
        Tick();
}

void TCounterWindow::Tick() {
    if (running_ && counters_)
        SampleRead();
}

void TCounterWindow::SampleRead() {
    Read(*counters_, [this](const TvSNMPError& reply) {
        // A failed read has said so in the status line; the next tick tries again.
        if (reply.Code != 0 || !counters_->ListModel() || counters_->ListModel()->RowCount() == 0)
            return;
        try {
            BeforeSample();
            SampleCounters();
        } catch (const TvException& e) {
            Report(TvSNMPRequest2Controls::opGet, e.Message());
        } catch (const std::exception& e) {
            Report(TvSNMPRequest2Controls::opGet, e.what());
        }
    });
}

void TCounterWindow::WhenIdle(std::function<void()> work) {
    if (Waiting())
        deferred_ = std::move(work);
    else
        work();
}

void TCounterWindow::BT_StartClick() {
    running_ = true;
}

void TCounterWindow::BT_StopClick() {
    running_ = false;
}

void TCounterWindow::CB_IntervalChange() {
    const QString text = CB_Interval->currentText().trimmed();
    if (text == QString::number(interval_))
        return;
    bool ok = false;
    const int seconds = text.toInt(&ok);
    if (!ok || seconds < 1 || seconds > kMaxIntervalSeconds) {
        TvMessageBox::Error(this,
                            QString("'%1' is not a valid poll interval: give whole seconds from 1 to %2.")
                                .arg(text)
                                .arg(kMaxIntervalSeconds));
        CB_Interval->setCurrentText(QString::number(interval_));
        return;
    }
    interval_ = seconds;
    CB_Interval->setCurrentText(text);
    Timer1.setInterval(seconds * 1000);
}
