#pragma once

#include <QMessageBox>
#include <QString>

#include "guibase/TvText.h"

#include <functional>

class QWidget;

// The one way the program shows a message box. Tests install a hook that answers instead of a person.
// Texts are shown as plain text: what they quote of the switch is never read as markup.
class TvMessageBox {
public:
    enum class Kind { Information, Error, Warning, YesNo, OkCancel };

    // Receives every box that would be shown and returns the button "pressed".
    using Hook =
        std::function<QMessageBox::StandardButton(Kind kind, const QString& title, const QString& text)>;

    static void Information(QWidget* parent, const QString& text, const QString& title = QString());
    static void Error(QWidget* parent, const QString& text, const QString& title = QStringLiteral("Error"));
    static void Warning(QWidget* parent, const QString& text,
                        const QString& title = QStringLiteral("Warning"));
    // True when the answer is Yes.
    static bool YesNo(QWidget* parent, const QString& text, const QString& title);
    // True when the answer is OK.
    static bool OkCancel(QWidget* parent, const QString& text, const QString& title);

    // An empty hook restores the real boxes.
    static void SetHook(Hook hook);

private:
    static QMessageBox::StandardButton Show(QWidget* parent, Kind kind, const QString& title,
                                            const QString& text);
};
