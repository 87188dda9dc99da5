#pragma once

#include <QMessageBox>
#include <QString>

#include "guibase/TvText.h"

#include <functional>
#include <memory>

class QWidget;

// The one way the program shows a message box. Tests install a hook that answers instead of a person.
// The text is shown as written, never as markup: it often carries what the switch or the operator wrote.
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
    // The box that would be shown (not yet shown), for a hook that wants to look at it.
    static std::unique_ptr<QMessageBox> Make(QWidget* parent, Kind kind, const QString& title,
                                             const QString& text);

    // A box holds its own window only, so that the other windows stay live. While one of these lives,
    // boxes hold the whole program instead: for questions about the whole switch (save, restart).
    class ProgramModal {
    public:
        ProgramModal();
        ~ProgramModal();
        ProgramModal(const ProgramModal&) = delete;
        ProgramModal& operator=(const ProgramModal&) = delete;
    };
    // How the next box would hold the program (tests).
    static Qt::WindowModality Modality(const QWidget* parent);

private:
    static QMessageBox::StandardButton Show(QWidget* parent, Kind kind, const QString& title,
                                            const QString& text);
};
