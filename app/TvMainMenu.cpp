#include "app/TvMainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// Latin-1 like every text of the core; the caption stays exact on the action.
QString Text(const char* bytes) {
    return QString::fromLatin1(bytes);
}

} // namespace

QString TvMainMenu::DisplayCaption(const char* caption) {
    return Text(caption).simplified();
}

TvMainMenu::TvMainMenu(QMainWindow* window, const Landed& landed, const Click& click) : QObject(window) {
    setObjectName("MainMenu1");
    QMenuBar* bar = window->menuBar();
    std::vector<QAction*> parents;
    QStringList path;

    // Adds the entries of one level to menu (null: the menu bar).
    std::function<void(std::span<const TvMenuNode>, QMenu*)> add = [&](std::span<const TvMenuNode> nodes,
                                                                       QMenu* menu) {
        for (const TvMenuNode& node : nodes) {
            if (node.SeparatorBefore && menu)
                menu->addSeparator();
            QAction* action = nullptr;
            if (!node.IsLeaf()) {
                QMenu* sub = menu ? menu->addMenu(Text(node.Caption)) : bar->addMenu(Text(node.Caption));
                sub->setObjectName(node.Name);
                action = sub->menuAction();
                parents.push_back(action);
                path << DisplayCaption(node.Caption);
                add(node.Children, sub);
                path.removeLast();
                parents.pop_back();
            } else {
                action = menu ? menu->addAction(Text(node.Caption)) : bar->addAction(Text(node.Caption));
                const TvMenuNode* target = &node;
                connect(action, &QAction::triggered, this, [click, target] { click(*target); });
                leaves_.push_back({&node, action, parents, path.join(QStringLiteral(" \u203a ")),
                                   DisplayCaption(node.Caption)});
            }
            action->setObjectName(node.Name);
            if (node.Hidden)
                action->setVisible(false);
            State& state = entries_[node.Name];
            state.Action = action;
            state.Landed = !node.Disabled && landed(node);
            Apply(state);
        }
    };
    add(TvMenuTree::Bar(), nullptr);
}

void TvMainMenu::Apply(State& state) {
    state.Action->setEnabled(state.Landed && state.Allowed);
}

QAction* TvMainMenu::Entry(std::string_view name) const {
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : it->second.Action;
}

void TvMainMenu::SetAllowed(std::string_view name, bool allowed) {
    if (const auto it = entries_.find(name); it != entries_.end()) {
        it->second.Allowed = allowed;
        Apply(it->second);
    }
}

bool TvMainMenu::IsAllowed(std::string_view name) const {
    const auto it = entries_.find(name);
    return it != entries_.end() && it->second.Allowed;
}

void TvMainMenu::SetVisible(std::string_view name, bool visible) {
    if (const auto it = entries_.find(name); it != entries_.end())
        it->second.Action->setVisible(visible);
}

bool TvMainMenu::IsShown(const Leaf& leaf) {
    if (leaf.Node->Hidden || !leaf.Action->isVisible())
        return false;
    for (const QAction* p : leaf.Parents)
        if (!p->isVisible())
            return false;
    return true;
}

bool TvMainMenu::IsOpenable(const Leaf& leaf) {
    if (!IsShown(leaf) || !leaf.Action->isEnabled())
        return false;
    for (const QAction* p : leaf.Parents)
        if (!p->isEnabled())
            return false;
    return true;
}
