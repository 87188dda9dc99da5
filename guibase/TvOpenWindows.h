#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QDialog;
class QWidget;

// The windows open beside the main window, one per menu entry: choosing an entry again raises its window,
// the Window menu lists them, Ctrl+W closes the active one, and they close together when the program
// exits. A closed window is deleted only once no nested wait (a question, a dialog, a blocking exchange)
// runs: such a wait may belong to the window itself, with its code still on the stack.
class TvOpenWindows {
public:
    struct Edits {
        std::function<QStringList()> Unsent; // labels of values changed and not sent
        std::function<void()> Forget;        // gives them up without asking
    };

    // Tracks `window` under `key` (a menu entry's target; empty: never found by key) until it closes,
    // then deletes it.
    static void Add(QDialog* window, const QString& key, Edits edits = {});
    // Raises the open window of `key`; false when there is none.
    static bool Raise(const QString& key);
    // Brings `window` to the front, also from minimised.
    static void Activate(QWidget* window);
    // The open windows, in the order they opened.
    static std::vector<QWidget*> All();
    // "Caption: Label, Label" for each open window holding unsent values.
    static QStringList Unsent();
    // Gives up every unsent value, closes the dialogs and questions of each window, and closes the
    // windows, each cancelling what it has in flight.
    static void CloseAll();
    // Deletes the windows that have closed, at once (the program is ending).
    static void DeleteClosed();
    // Closed windows not deleted yet (tests).
    static int ClosedCount();
};
