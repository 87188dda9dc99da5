#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "catalog/TvWindowRecipe.h"

// What a click on a menu entry does. Submenus hold entries; every other kind is a leaf.
enum class TvMenuKind : unsigned char {
    Submenu,
    Scalar,       // generic window with one scalar panel (recipe)
    Table,        // generic window with one table panel (recipe)
    Pages,        // generic window with tabbed pages (recipe)
    Window,       // a dedicated window class
    SpanningTree, // reads the running version, then opens the spanning tree window
    Sibling,      // starts a sibling program of the suite
    Command,      // device command with confirmation
    SnmpSettings, // the SNMP settings dialog
    Help,
    About,
    NoAction, // shown, but nothing is bound to it
    Hidden,   // exists, never shown
};

// One entry of the main window's menu. Static data: nodes point at their children, never own them.
struct TvMenuNode {
    const char* Caption = ""; // exact, trailing blanks and line feeds included
    const char* Name = "";    // the entry's own name; its handler is Name + "Click"
    TvMenuKind Kind = TvMenuKind::Submenu;
    bool SeparatorBefore = false;
    bool Hidden = false;   // never shown (a hidden submenu hides all it holds)
    bool Disabled = false; // disabled whatever the run-time state
    // Window and spanning tree: the window class; command, SNMP settings, help, about: the registered
    // target of the command or dialog. Sibling: the table argument ("/TRmon_History").
    const char* Target = "";
    // Window: the caption prefix the menu gives the window, null when the window sets its own.
    const char* WindowCaption = nullptr;
    std::span<const TvMenuNode> Children{};

    constexpr bool IsLeaf() const { return Kind != TvMenuKind::Submenu; }
    constexpr bool IsGeneric() const {
        return Kind == TvMenuKind::Scalar || Kind == TvMenuKind::Table || Kind == TvMenuKind::Pages;
    }
};

// The management menu tree in the order on screen; top-level entries form the menu bar.
class TvMenuTree {
public:
    static std::span<const TvMenuNode> Bar();

    // The entry with this name anywhere in the tree, or null.
    static const TvMenuNode* Find(std::string_view name);

    // The recipe of a generic entry (scalar, table, pages), found by the entry's name; null otherwise.
    static const TvWindowRecipe* Recipe(const TvMenuNode& node);

    // Visits every entry depth first in screen order with the captions of the submenus above it.
    using Visitor = std::function<void(const TvMenuNode& node, std::span<const TvMenuNode* const> parents)>;
    static void Walk(const Visitor& visit);

    // Leaves of the tree, submenus not counted.
    static int LeafCount();
};
