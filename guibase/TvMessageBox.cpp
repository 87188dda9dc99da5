#include "guibase/TvMessageBox.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

int programModal = 0;

TvMessageBox::Hook& AnswerHook() {
    static TvMessageBox::Hook hook;
    return hook;
}

} // namespace

TvMessageBox::ProgramModal::ProgramModal() {
    ++programModal;
}
TvMessageBox::ProgramModal::~ProgramModal() {
    --programModal;
}

Qt::WindowModality TvMessageBox::Modality(const QWidget* parent) {
    return parent && programModal == 0 ? Qt::WindowModal : Qt::ApplicationModal;
}

void TvMessageBox::SetHook(Hook hook) {
    AnswerHook() = std::move(hook);
}

std::unique_ptr<QMessageBox> TvMessageBox::Make(QWidget* parent, Kind kind, const QString& title,
                                                const QString& text) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton preset = QMessageBox::Ok;
    switch (kind) {
    case Kind::Information:
        break;
    case Kind::Error:
        icon = QMessageBox::Critical;
        break;
    case Kind::Warning:
        icon = QMessageBox::Warning;
        break;
    case Kind::YesNo:
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
        preset = QMessageBox::No;
        break;
    case Kind::OkCancel:
        icon = QMessageBox::Question;
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        preset = QMessageBox::Cancel;
        break;
    }
    auto box = std::make_unique<QMessageBox>(icon, title, QString(), buttons, parent);
    // Before the text: a box guesses markup from its text unless told otherwise.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setDefaultButton(preset);
    return box;
}

QMessageBox::StandardButton TvMessageBox::Show(QWidget* parent, Kind kind, const QString& title,
                                               const QString& text) {
    const QString caption = title.isEmpty() ? QCoreApplication::applicationName() : title;
    if (AnswerHook())
        return AnswerHook()(kind, caption, text);
    std::unique_ptr<QMessageBox> box = Make(parent, kind, caption, text);
    box->setWindowModality(Modality(parent));
    // A parent destroyed while the box is open takes the box with it.
    const QPointer<QMessageBox> alive(box.get());
    const int result = box->exec();
    if (!alive) {
        (void)box.release();
        return QMessageBox::Cancel;
    }
    if (result == -1)
        return QMessageBox::Cancel;
    return box->standardButton(box->clickedButton());
}

void TvMessageBox::Information(QWidget* parent, const QString& text, const QString& title) {
    Show(parent, Kind::Information, title, text);
}
void TvMessageBox::Error(QWidget* parent, const QString& text, const QString& title) {
    Show(parent, Kind::Error, title, text);
}
void TvMessageBox::Warning(QWidget* parent, const QString& text, const QString& title) {
    Show(parent, Kind::Warning, title, text);
}
bool TvMessageBox::YesNo(QWidget* parent, const QString& text, const QString& title) {
    return Show(parent, Kind::YesNo, title, text) == QMessageBox::Yes;
}
bool TvMessageBox::OkCancel(QWidget* parent, const QString& text, const QString& title) {
    return Show(parent, Kind::OkCancel, title, text) == QMessageBox::Ok;
}
