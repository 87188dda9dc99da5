#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalog/TvCatalog.h"
#include "catalog/TvMenuTree.h"
#include "profile/SiblingCommandLine.h"
#include "support/TestPaths.h"

namespace {

const char* KindText(TvMenuKind k) {
    switch (k) {
    case TvMenuKind::Submenu:
        return "submenu";
    case TvMenuKind::Scalar:
        return "scalar";
    case TvMenuKind::Table:
        return "table";
    case TvMenuKind::Pages:
        return "pages";
    case TvMenuKind::Window:
        return "window";
    case TvMenuKind::SpanningTree:
        return "spanning-tree";
    case TvMenuKind::Sibling:
        return "sibling";
    case TvMenuKind::Command:
        return "command";
    case TvMenuKind::SnmpSettings:
        return "settings";
    case TvMenuKind::Help:
        return "help";
    case TvMenuKind::About:
        return "about";
    case TvMenuKind::NoAction:
        return "none";
    case TvMenuKind::Hidden:
        return "hidden";
    }
    return "?";
}

// The reviewed reference form: depth, quoted caption (line feed as \n), name, kind, flags, target;
// a separator is its depth and "-".
std::vector<std::string> Listing() {
    std::vector<std::string> lines;
    TvMenuTree::Walk([&lines](const TvMenuNode& n, std::span<const TvMenuNode* const> parents) {
        const std::string depth = std::to_string(parents.size());
        if (n.SeparatorBefore)
            lines.push_back(depth + "\t-");
        std::string caption;
        for (const char* c = n.Caption; *c; ++c)
            caption += *c == '\n' ? std::string("\\n") : std::string(1, *c);
        std::string flags = n.Hidden ? "hidden" : "";
        if (n.Disabled)
            flags += flags.empty() ? "disabled" : ",disabled";
        lines.push_back(depth + "\t\"" + caption + "\"\t" + n.Name + '\t' + KindText(n.Kind) + '\t' + flags +
                        '\t' + n.Target);
    });
    return lines;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot open " << path;
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

} // namespace

// Captions, names, order, separators, kinds and hidden entries, entry by entry.
TEST(MenuTree, MatchesReviewedReference) {
    const std::vector<std::string> expected = ReadLines(SourceDir() + "/tests/catalog/menu_tree.tsv");
    const std::vector<std::string> actual = Listing();
    const size_t n = std::min(expected.size(), actual.size());
    for (size_t i = 0; i < n; ++i)
        if (expected[i] != actual[i]) {
            ADD_FAILURE() << "line " << i + 1 << "\nexpected: " << expected[i] << "\nactual:   " << actual[i];
            return;
        }
    EXPECT_EQ(expected.size(), actual.size());
}

TEST(MenuTree, LeavesByKind) {
    std::map<TvMenuKind, int> leaves;
    TvMenuTree::Walk([&leaves](const TvMenuNode& n, auto) {
        if (n.IsLeaf())
            ++leaves[n.Kind];
    });
    const std::map<TvMenuKind, int> expected = {
        {TvMenuKind::Scalar, 79}, {TvMenuKind::Table, 120},      {TvMenuKind::Pages, 14},
        {TvMenuKind::Window, 19}, {TvMenuKind::SpanningTree, 1}, {TvMenuKind::Sibling, 15},
        {TvMenuKind::Command, 2}, {TvMenuKind::SnmpSettings, 1}, {TvMenuKind::Help, 1},
        {TvMenuKind::About, 1},   {TvMenuKind::NoAction, 1},     {TvMenuKind::Hidden, 41},
    };
    EXPECT_EQ(leaves, expected);
    EXPECT_EQ(TvMenuTree::LeafCount(), 295);
}

TEST(MenuTree, NamesAreUniqueAndFound) {
    std::set<std::string> names;
    TvMenuTree::Walk([&names](const TvMenuNode& n, auto) {
        EXPECT_TRUE(names.insert(n.Name).second) << n.Name << " twice";
        EXPECT_EQ(TvMenuTree::Find(n.Name), &n);
    });
    EXPECT_EQ(TvMenuTree::Find("NoSuchEntry"), nullptr);
    EXPECT_EQ(TvMenuTree::Find(""), nullptr);
}

// Every generic leaf opens its own recipe of the same kind, and every recipe has its leaf.
TEST(MenuTree, GenericLeavesAndRecipesMatchOneToOne) {
    std::set<std::string> generic;
    TvMenuTree::Walk([&generic](const TvMenuNode& n, auto) {
        const TvWindowRecipe* r = TvMenuTree::Recipe(n);
        if (!n.IsGeneric()) {
            EXPECT_EQ(r, nullptr) << n.Name;
            return;
        }
        generic.insert(n.Name);
        ASSERT_NE(r, nullptr) << n.Name << " has no recipe";
        const TvRecipeKind expected = n.Kind == TvMenuKind::Scalar  ? TvRecipeKind::Scalar
                                      : n.Kind == TvMenuKind::Table ? TvRecipeKind::Table
                                                                    : TvRecipeKind::Pages;
        EXPECT_EQ(r->Kind, expected) << n.Name;
        EXPECT_FALSE(n.Hidden) << n.Name;
    });
    std::set<std::string> recipes;
    for (const TvWindowRecipe* r : TvCatalog::Recipes())
        recipes.insert(r->Name);
    EXPECT_EQ(generic, recipes);
}

// Hidden submenus hide all they hold.
TEST(MenuTree, HiddenSubmenus) {
    std::vector<std::string> hiddenMenus;
    TvMenuTree::Walk([&hiddenMenus](const TvMenuNode& n, std::span<const TvMenuNode* const> parents) {
        if (!n.IsLeaf() && n.Hidden)
            hiddenMenus.push_back(n.Name);
        for (const TvMenuNode* p : parents) {
            if (p->Hidden) {
                EXPECT_TRUE(n.Hidden) << n.Name << " shown inside hidden " << p->Name;
            }
        }
    });
    EXPECT_EQ(hiddenMenus, (std::vector<std::string>{"POEManagement1", "Other1", "MACBindingManagement1"}));
    const TvMenuNode* exit = TvMenuTree::Find("Exit");
    ASSERT_NE(exit, nullptr);
    EXPECT_TRUE(exit->Hidden && exit->Disabled);
}

TEST(MenuTree, SiblingsNameKnownPrograms) {
    const std::set<std::string> programs = {"EthernetLike", "Bridge", "VLan", "Rmon", "Layer3"};
    int n = 0;
    TvMenuTree::Walk([&](const TvMenuNode& node, auto) {
        if (node.Kind != TvMenuKind::Sibling)
            return;
        ++n;
        EXPECT_TRUE(programs.contains(SiblingProgram(node.Target))) << node.Name << ' ' << node.Target;
    });
    EXPECT_EQ(n, 15);
}

TEST(MenuTree, DedicatedWindowCaptions) {
    const struct {
        const char* entry;
        const char* caption; // null: the window sets its own
    } cases[] = {
        {"CurrentTime1", "Current Time: "},
        {"MeterTable1", "ACL Meter Table: "},
        {"MemberSwitch1", "Member Switch Information Table : "},
        {"OSPFDefaultInformationOriginate1", "OSPF Default Information Originate: "},
        {"MIB2IFCounter", nullptr},
        {"BasicInformation1", nullptr},
    };
    for (const auto& c : cases) {
        const TvMenuNode* n = TvMenuTree::Find(c.entry);
        ASSERT_NE(n, nullptr) << c.entry;
        EXPECT_EQ(n->Kind, TvMenuKind::Window);
        EXPECT_EQ(n->WindowCaption ? std::string(n->WindowCaption) : std::string("(none)"),
                  c.caption ? std::string(c.caption) : std::string("(none)"))
            << c.entry;
    }
}
