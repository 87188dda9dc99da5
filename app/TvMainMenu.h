#pragma once

#include "catalog/TvMenuTree.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMainWindow;

// The management menu of the main window, built from the menu tree: one QAction per entry, its
// objectName the entry's name. An entry is enabled when its run-time state allows it and what it
// opens exists in this build.
class TvMainMenu : public QObject {
    Q_OBJECT
public:
    using Landed = std::function<bool(const TvMenuNode& node)>;
    using Click = std::function<void(const TvMenuNode& node)>;

    // Fills the window's menu bar. landed tells which entries have their window; click receives the
    // triggered leaves.
    TvMainMenu(QMainWindow* window, const Landed& landed, const Click& click);

    // The action of an entry by name (for a submenu: its menu action), or null.
    QAction* Entry(std::string_view name) const;

    // Run-time state of an entry; the entry is enabled only if it has also landed.
    void SetAllowed(std::string_view name, bool allowed);
    bool IsAllowed(std::string_view name) const;
    void SetVisible(std::string_view name, bool visible);

    // One leaf as the quick-find offers it.
    struct Leaf {
        const TvMenuNode* Node = nullptr;
        QAction* Action = nullptr;
        std::vector<QAction*> Parents; // the submenus above it, outermost first
        QString Path;                  // submenu captions above it, joined for display and search
        QString Caption;               // the caption as one line, blanks trimmed
    };
    const std::vector<Leaf>& Leaves() const { return leaves_; }
    // Shown when neither it nor a submenu above it is hidden.
    static bool IsShown(const Leaf& leaf);
    // Can be opened: shown and enabled, with every submenu above it enabled.
    static bool IsOpenable(const Leaf& leaf);

    // A caption on one line without surrounding blanks, as lists and searches show it.
    static QString DisplayCaption(const char* caption);
    // The caption with a mnemonic on its first free letter (word starts first); the letter joins
    // `used` (lower case). Ampersands of the caption are kept as such.
    static QString WithMnemonic(const QString& caption, QString& used);

private:
    struct State {
        QAction* Action = nullptr;
        bool Landed = true;
        bool Allowed = true;
    };
    void Apply(State& state);

    std::map<std::string, State, std::less<>> entries_;
    std::vector<Leaf> leaves_;
};
