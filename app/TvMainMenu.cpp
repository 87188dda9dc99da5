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

QString TvMainMenu::WithMnemonic(const QString& caption, QString& used) {
    QString text = caption;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    auto take = [&](qsizetype at) {
        used += text[at].toLower();
        return text.left(at) + QLatin1Char('&') + text.mid(at);
    };
    // The first free letter that starts a word, else any free letter, else none.
    for (int pass = 0; pass < 2; ++pass)
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool wordStart = i == 0 || text[i - 1] == QLatin1Char(' ');
            if (text[i].isLetter() && (pass == 1 || wordStart) && !used.contains(text[i].toLower()))
                return take(i);
        }
    return text;
}

QString TvMainMenu::DisplayCaption(const char* caption) {
    return Text(caption).simplified();
}

TvMainMenu::TvMainMenu(QMainWindow* window, const Landed& landed, const Click& click) : QObject(window) {
    setObjectName("MainMenu1");
    QMenuBar* bar = window->menuBar();
    std::vector<QAction*> parents;
    QStringList path;
    QString mnemonics; // taken by the menus of the bar

    // Adds the entries of one level to menu (null: the menu bar).
    std::function<void(std::span<const TvMenuNode>, QMenu*)> add = [&](std::span<const TvMenuNode> nodes,
                                                                       QMenu* menu) {
        for (const TvMenuNode& node : nodes) {
            if (node.SeparatorBefore && menu)
                menu->addSeparator();
            QAction* action = nullptr;
            if (!node.IsLeaf()) {
                // The menus of the bar open with Alt and a letter of their own.
                QMenu* sub = menu ? menu->addMenu(Text(node.Caption))
                                  : bar->addMenu(node.Hidden ? Text(node.Caption)
                                                             : WithMnemonic(Text(node.Caption), mnemonics));
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
