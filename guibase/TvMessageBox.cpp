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
    switch (kind) {
    case Kind::Information:
        return QMessageBox::information(parent, caption, text);
    case Kind::Error:
        return QMessageBox::critical(parent, caption, text);
    case Kind::Warning:
        return QMessageBox::warning(parent, caption, text);
    case Kind::YesNo:
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No);
    case Kind::OkCancel:
        return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel);
    }
    return QMessageBox::NoButton;
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
