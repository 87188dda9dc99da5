#include "guibase/TvOpenWindows.h"

#include "snmp/TvBlockingWait.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {

struct Tracked {
    QPointer<QDialog> Window;
    QString Key;
    TvOpenWindows::Edits Edits;
};

std::vector<Tracked>& Open() {
    static std::vector<Tracked> open;
    return open;
}

std::vector<QPointer<QDialog>>& Closed() {
    static std::vector<QPointer<QDialog>> closed;
    return closed;
}

constexpr int kReapRetryMs = 50;

// Deletes closed windows once the stack holds no nested wait; until then tries again shortly.
void Reap() {
    auto& closed = Closed();
    std::erase_if(closed, [](const QPointer<QDialog>& w) { return w.isNull(); });
    if (closed.empty())
        return;
    if (QThread::currentThread()->loopLevel() > 1 || TvBlockingWait::Depth() > 0 ||
        QApplication::activeModalWidget()) {
        QTimer::singleShot(kReapRetryMs, qApp, Reap);
        return;
    }
    TvOpenWindows::DeleteClosed();
}

void Forget(QDialog* window) {
    auto& open = Open();
    std::erase_if(open, [window](const Tracked& t) { return t.Window == window || t.Window.isNull(); });
}

} // namespace

void TvOpenWindows::Add(QDialog* window, const QString& key, Edits edits) {
    Open().push_back({window, key, std::move(edits)});
    auto* close = new QAction(window);
    close->setObjectName("CloseWindowAction");
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    close->setShortcutContext(Qt::WindowShortcut);
    window->addAction(close);
    QObject::connect(close, &QAction::triggered, window, &QWidget::close);
    QObject::connect(window, &QDialog::finished, window, [window] {
        Forget(window);
        Closed().emplace_back(window);
        QTimer::singleShot(0, qApp, Reap);
    });
    QObject::connect(window, &QObject::destroyed, qApp, [window] { Forget(window); });
}

bool TvOpenWindows::Raise(const QString& key) {
    if (key.isEmpty())
        return false;
    for (const Tracked& t : Open())
        if (t.Key == key && t.Window && t.Window->isVisible()) {
            Activate(t.Window);
            return true;
        }
    return false;
}

void TvOpenWindows::Activate(QWidget* window) {
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

std::vector<QWidget*> TvOpenWindows::All() {
    std::vector<QWidget*> all;
    for (const Tracked& t : Open())
        if (t.Window && t.Window->isVisible())
            all.push_back(t.Window);
    return all;
}

QStringList TvOpenWindows::Unsent() {
    QStringList lines;
    for (const Tracked& t : Open()) {
        if (!t.Window || !t.Edits.Unsent)
            continue;
        const QStringList labels = t.Edits.Unsent();
        if (!labels.isEmpty())
            lines << t.Window->windowTitle() + ": " + labels.join(", ");
    }
    return lines;
}

void TvOpenWindows::CloseAll() {
    // A copy: each close takes its window off the list.
    const std::vector<Tracked> open = Open();
    for (const Tracked& t : open) {
        if (!t.Window)
            continue;
        if (t.Edits.Forget)
            t.Edits.Forget();
        // Its own dialogs and questions first: their answer is "no" now.
        for (QDialog* child : t.Window->findChildren<QDialog*>())
            if (child->isVisible())
                child->reject();
    }
    for (const Tracked& t : open)
        if (t.Window)
            t.Window->close();
}

void TvOpenWindows::DeleteClosed() {
    auto closed = std::move(Closed());
    Closed().clear();
    for (QPointer<QDialog>& w : closed)
        delete w.data();
}

int TvOpenWindows::ClosedCount() {
    return static_cast<int>(std::count_if(Closed().begin(), Closed().end(),
                                          [](const QPointer<QDialog>& w) { return !w.isNull(); }));
}
