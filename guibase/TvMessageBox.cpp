#include "guibase/TvMessageBox.h"

#include <QCoreApplication>

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

QMessageBox::StandardButton TvMessageBox::Show(QWidget* parent, Kind kind, const QString& title,
                                               const QString& text) {
    const QString caption = title.isEmpty() ? QCoreApplication::applicationName() : title;
    if (AnswerHook())
        return AnswerHook()(kind, caption, text);
    QMessageBox::Icon icon = QMessageBox::Question;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton preset = QMessageBox::NoButton;
    switch (kind) {
    case Kind::Information:
        icon = QMessageBox::Information;
        break;
    case Kind::Error:
        icon = QMessageBox::Critical;
        break;
    case Kind::Warning:
        icon = QMessageBox::Warning;
        break;
    case Kind::YesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        preset = QMessageBox::No;
        break;
    case Kind::OkCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        preset = QMessageBox::Cancel;
        break;
    }
    QMessageBox box(icon, caption, text, buttons, parent);
    if (preset != QMessageBox::NoButton)
        box.setDefaultButton(preset);
    box.setWindowModality(Modality(parent));
    return static_cast<QMessageBox::StandardButton>(box.exec());
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
