#include "guibase/TvMessageBox.h"

#include <QCoreApplication>

namespace {

TvMessageBox::Hook& AnswerHook() {
    static TvMessageBox::Hook hook;
    return hook;
}

} // namespace

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
    QMessageBox::StandardButton preset = QMessageBox::Ok;
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
    // Texts quote the switch's values: they are shown as they are, never read as markup.
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(preset);
    const int answer = box.exec();
    return box.clickedButton() ? box.standardButton(box.clickedButton())
                               : static_cast<QMessageBox::StandardButton>(answer);
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
