#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/TvCatalog.h"
#include "catalog/TvCatalogListing.h"
#include "catalog/TvDisruptiveWrites.h"
#include "catalog/TvSecretVars.h"
#include "support/TestPaths.h"
#include "values/TvOptionList.h"

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot open " << path;
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

// Reports the first line that differs, which is far more useful than a wall of text.
void ExpectSameLines(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    const size_t n = std::min(expected.size(), actual.size());
    for (size_t i = 0; i < n; ++i)
        if (expected[i] != actual[i]) {
            ADD_FAILURE() << "line " << i + 1 << "\nexpected: " << expected[i] << "\nactual:   " << actual[i];
            return;
        }
    EXPECT_EQ(expected.size(), actual.size());
}

bool HasText(const TvOptionList* list, const std::string& text) {
    if (!list)
        return false;
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (int i = 0; i < list->Count(); ++i)
        if (lower(list->Item(i).Text) == lower(text))
            return true;
    return false;
}

const char* KindName(TvRecipeKind k) {
    switch (k) {
    case TvRecipeKind::Scalar:
        return "scalar";
    case TvRecipeKind::Table:
        return "table";
    case TvRecipeKind::Pages:
        return "pages";
    }
    return "?";
}

// One recipe in the reviewed reference form of tests/catalog/recipes.tsv.
std::string RecipeLine(const TvWindowRecipe& r) {
    std::string s = std::string(r.Name) + '\t' + KindName(r.Kind) + '\t' + r.CaptionTitle + '|' +
                    r.CaptionSeparator + '\t';
    bool firstPanel = true;
    for (const TvPanelRecipe& p : r.Panels) {
        if (!firstPanel)
            s += " / ";
        firstPanel = false;
        s += p.Kind == TvPanelKind::Scalar ? "scalar" : "table";
        s += " type " + std::to_string(p.ItemType) + " keys " + std::to_string(p.KeyCount) + " cols " +
             std::to_string(TvCatalog::RowCount(p.Table));
        if (p.PageTitle)
            s += std::string(" title=\"") + p.PageTitle + '"';
        if (p.RowStatus.Column >= 0)
            s += " status=" + std::to_string(p.RowStatus.Column) + ",\"" + p.RowStatus.Label + "\",\"" +
                 p.RowStatus.AddValue + "\",\"" + p.RowStatus.DeleteValue + '"';
        for (size_t i = 0; i < p.Formats.size(); ++i)
            s +=
                (i ? "," : " fmt=") + std::to_string(p.Formats[i].Column) + ":\"" + p.Formats[i].Format + '"';
        for (size_t i = 0; i < p.PortBitmaps.size(); ++i)
            s += (i ? "," : " bmp=") + std::to_string(p.PortBitmaps[i]);
        if (p.ValueWidth)
            s += " width=" + std::to_string(p.ValueWidth);
        const std::pair<TvPanelFlag, const char*> flags[] = {{pnlAddOnly, "addonly"},
                                                             {pnlNoEdit, "noedit"},
                                                             {pnlSpinLock, "spinlock"},
                                                             {pnlSynchronous, "sync"},
                                                             {pnlVersionFloor, "versionfloor"}};
        for (const auto& [flag, name] : flags)
            if (p.Has(flag))
                s += std::string(" ") + name;
        if (p.AddPreset != TvAddPreset::None)
            s += " preset";
    }
    std::vector<std::string> w;
    if (r.Height)
        w.push_back("height=" + std::to_string(r.Height));
    if (r.WidthIncrease)
        w.push_back("widen=" + std::to_string(r.WidthIncrease));
    if (r.Has(wndCounter64Prompt))
        w.push_back("counter64");
    if (r.Has(wndRefreshRmonOnClose))
        w.push_back("rmon");
    s += '\t';
    for (size_t i = 0; i < w.size(); ++i)
        s += (i ? " " : "") + w[i];
    return s;
}

} // namespace

// The listing the command-line tool prints is the reviewed reference, row for row.
TEST(CatalogListing, MatchesReviewedReference) {
    ExpectSameLines(ReadLines(SourceDir() + "/tests/catalog/catalog_listing.tsv"),
                    SplitLines(TvCatalogListing::Text()));
}

TEST(CatalogRecipes, MatchReviewedReferenceInMenuOrder) {
    std::vector<std::string> actual;
    for (const TvWindowRecipe* r : TvCatalog::Recipes())
        actual.push_back(RecipeLine(*r));
    ExpectSameLines(ReadLines(SourceDir() + "/tests/catalog/recipes.tsv"), actual);
}

TEST(CatalogListing, OptionsText) {
    const TvOptionList ints(TvOptionList::kIntegers, {{2, "disabled"}, {3, "enabled"}});
    const TvOptionList strs(TvOptionList::kStrings,
                            {{"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}});
    const TvOptionList blankName(TvOptionList::kIntegers, {{8, "none"}, {9, ""}});
    const TvOptionList empty(TvOptionList::kIntegers, std::span<const TvOptionPair>{});
    const struct {
        const TvOptionList* list;
        const char* text;
    } cases[] = {
        {nullptr, ""},
        {&empty, ""},
        {&ints, "2=disabled|3=enabled"},
        {&strs, "1.3.6.1.6.3.10.1.2.1=None|1.3.6.1.6.3.10.1.2.2=DES"},
        {&blankName, "8=none|9="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TvCatalogListing::OptionsText(c.list), c.text);
}

TEST(CatalogListing, IndexOnlyRowPrintsItsBlankOid) {
    const TvSNMPVarDef table[] = {
        {" ", "Base Port", synInteger, accIndex, nullptr},
        {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Port Default User Priority", synInteger, accReadWrite, nullptr},
        {}};
    EXPECT_EQ(TvCatalogListing::RowLine({"PortCapbility", 1, table}, 0),
              "PortCapbility\t1\t0\t \tBase Port\t0x2\t0x1\t");
    EXPECT_EQ(TvCatalogListing::RowLine({"X", 0, table}, 1),
              "X\t0\t1\t1.3.6.1.2.1.17.6.1.2.1.1.1\tPort Default User Priority\t0x2\t0x6\t");
}

// Sizes of the generic windows' part of the catalog. The whole program holds 269 tables with
// 1575 rows; the main window and the dedicated windows add the rest with their own tables.
TEST(CatalogCounts, TablesRowsAndOidSpaces) {
    std::set<const TvSNMPVarDef*> distinct;
    std::map<std::string, int> space;
    int rows = 0;
    for (const TvTableRef& t : TvCatalog::Tables()) {
        EXPECT_TRUE(distinct.insert(t.Table).second) << t.Entry << " listed twice";
        for (int i = 0; i < TvCatalog::RowCount(t.Table); ++i, ++rows) {
            const std::string oid = t.Table[i].Oid;
            if (oid == " ")
                ++space["blank"];
            else if (oid.starts_with("1.3.6.1.4.1.59371.11.69."))
                ++space["model"];
            else if (oid.starts_with("1.3.6.1.4.1.59371.12."))
                ++space["common"];
            else if (oid.starts_with("1.3.6.1.2.1.") || oid.starts_with("1.3.6.1.6.3."))
                ++space["standard"];
            else if (oid.starts_with("1.0.8802.1.1.1.") || oid.starts_with("1.3.6.1.3.61."))
                ++space["ieee-pim"];
            else
                ++space["other"];
        }
    }
    EXPECT_EQ(distinct.size(), 232u);
    EXPECT_EQ(rows, 1332);
    const std::map<std::string, int> expected = {
        {"blank", 27}, {"model", 207}, {"common", 768}, {"standard", 257}, {"ieee-pim", 73}};
    EXPECT_EQ(space, expected);
}

TEST(CatalogCounts, SyntaxAndAccessCodes) {
    std::map<int, int> syntax, access;
    for (const TvTableRef& t : TvCatalog::Tables())
        for (int i = 0; i < TvCatalog::RowCount(t.Table); ++i) {
            ++syntax[t.Table[i].Syntax];
            ++access[t.Table[i].Access];
        }
    const std::map<int, int> expectedSyntax = {{0x02, 779}, {0x4c, 136}, {0x41, 109}, {0x40, 89},
                                               {0x04, 71},  {0x49, 36},  {0x42, 34},  {0x03, 32},
                                               {0x43, 25},  {0x46, 12},  {0x06, 8},   {0x4d, 1}};
    const std::map<int, int> expectedAccess = {{0x06, 696}, {0x02, 429}, {0x01, 199}, {0x41, 8}};
    EXPECT_EQ(syntax, expectedSyntax);
    EXPECT_EQ(access, expectedAccess);
}

// Lists with the same contents are one object, so the count is of distinct contents.
TEST(CatalogCounts, OptionListsByKindAndSharing) {
    std::map<const TvOptionList*, int> uses;
    int rowsWithOptions = 0;
    for (const TvTableRef& t : TvCatalog::Tables())
        for (int i = 0; i < TvCatalog::RowCount(t.Table); ++i)
            if (t.Table[i].Options) {
                ++uses[t.Table[i].Options];
                ++rowsWithOptions;
            }
    EXPECT_EQ(rowsWithOptions, 410);
    std::map<int, int> kinds;
    std::set<std::string> contents;
    for (const auto& [list, n] : uses) {
        ++kinds[list->Kind()];
        EXPECT_FALSE(list->CaseSensitive());
        EXPECT_TRUE(
            contents.insert(std::to_string(list->Kind()) + ':' + TvCatalogListing::OptionsText(list)).second)
            << "two lists hold " << TvCatalogListing::OptionsText(list);
    }
    EXPECT_EQ(kinds, (std::map<int, int>{{1, 137}, {2, 3}}));

    // The most frequent contents, each one shared list.
    const struct {
        const char* text;
        int rows;
    } shared[] = {
        {"2=disabled|3=enabled", 61},
        {"1=active|4=createAndGo|6=destroy", 50},
        {"1=enabled|2=disabled", 47},
        {"1=true|2=false", 15},
        {"2=volatile|3=nonVolatile|4=permanent|5=readOnly", 10},
        {"1=enable|2=disable", 9},
        {"1=active|2=notInService|3=notReady|4=createAndGo|5=createAndWait|6=destroy", 6},
        {"2=invalid|3=valid", 2},
    };
    for (const auto& c : shared) {
        int found = 0;
        for (const auto& [list, n] : uses)
            if (TvCatalogListing::OptionsText(list) == c.text)
                found = n;
        EXPECT_EQ(found, c.rows) << c.text;
    }
}

TEST(CatalogCounts, RecipesByKindAndModifiers) {
    std::map<TvRecipeKind, int> kinds;
    std::map<std::string, int> mods;
    for (const TvWindowRecipe* r : TvCatalog::Recipes()) {
        ++kinds[r->Kind];
        mods["height"] += r->Height != 0;
        mods["widen"] += r->WidthIncrease != 0;
        for (const TvPanelRecipe& p : r->Panels) {
            ++mods["panels"];
            mods["status"] += p.RowStatus.Column >= 0;
            mods["format"] += static_cast<int>(p.Formats.size());
            mods["bitmap"] += static_cast<int>(p.PortBitmaps.size());
            mods["width"] += p.ValueWidth != 0;
            mods["addonly"] += p.Has(pnlAddOnly);
            mods["noedit"] += p.Has(pnlNoEdit);
            mods["spinlock"] += p.Has(pnlSpinLock);
            mods["preset"] += p.AddPreset != TvAddPreset::None;
        }
    }
    EXPECT_EQ(kinds[TvRecipeKind::Scalar], 79);
    EXPECT_EQ(kinds[TvRecipeKind::Table], 120);
    EXPECT_EQ(kinds[TvRecipeKind::Pages], 14);
    const std::map<std::string, int> expected = {
        {"panels", 228}, {"status", 53},  {"format", 33}, {"bitmap", 26},  {"height", 24}, {"widen", 2},
        {"width", 5},    {"addonly", 21}, {"noedit", 3},  {"spinlock", 2}, {"preset", 3}};
    EXPECT_EQ(mods, expected);
}

// What a window builds from a recipe must exist in its table: a status column whose list lacks the
// add or delete value, or a modifier beyond the last column, would fail only when an operator clicks.
TEST(CatalogRecipes, EveryModifierFitsItsTable) {
    std::set<const TvSNMPVarDef*> listed;
    for (const TvTableRef& t : TvCatalog::Tables())
        listed.insert(t.Table);
    std::set<std::string> names;
    for (const TvWindowRecipe* r : TvCatalog::Recipes()) {
        SCOPED_TRACE(r->Name);
        EXPECT_TRUE(names.insert(r->Name).second);
        ASSERT_FALSE(r->Panels.empty());
        EXPECT_EQ(r->Kind == TvRecipeKind::Pages, r->Panels.front().PageTitle != nullptr);
        for (const TvPanelRecipe& p : r->Panels) {
            EXPECT_EQ(r->Kind == TvRecipeKind::Pages, p.PageTitle != nullptr);
            ASSERT_TRUE(listed.count(p.Table));
            const int cols = TvCatalog::RowCount(p.Table);
            ASSERT_GT(cols, 0);
            EXPECT_LE(p.KeyCount, cols);
            EXPECT_TRUE(p.ItemType == 0 || p.ItemType == 2 || p.ItemType == 3);
            if (p.ItemType == 0) {
                EXPECT_EQ(p.KeyCount, 0);
            }
            if (p.RowStatus.Column >= 0) {
                EXPECT_EQ(p.Kind, TvPanelKind::Table);
                ASSERT_LT(p.RowStatus.Column, cols);
                const TvSNMPVarDef& st = p.Table[p.RowStatus.Column];
                EXPECT_STREQ(st.Label, p.RowStatus.Label);
                EXPECT_TRUE(HasText(st.Options, p.RowStatus.AddValue)) << p.RowStatus.AddValue;
                EXPECT_TRUE(HasText(st.Options, p.RowStatus.DeleteValue)) << p.RowStatus.DeleteValue;
            }
            for (const TvColumnFormat& f : p.Formats) {
                EXPECT_LT(f.Column, cols);
                EXPECT_EQ(f.Format[0], '%');
            }
            for (int c : p.PortBitmaps) {
                ASSERT_LT(c, cols);
                EXPECT_TRUE(p.Table[c].Syntax == synOctetHex || p.Table[c].Syntax == synOctetString);
            }
            if (p.Has(pnlSpinLock)) {
                EXPECT_EQ(p.Table[0].Access, accReadWrite);
            }
        }
    }
}

TEST(CatalogRecipes, AddPresetsFindTheirValues) {
    const struct {
        const char* entry;
        size_t page;
        TvAddPreset preset;
        std::vector<std::pair<int, const char*>> values;
    } cases[] = {
        {"VACMMIBViews1", 1, TvAddPreset::ViewTreeFamily, {{3, "included"}, {4, "nonVolatile"}}},
        {"CommunityTable", 0, TvAddPreset::Community, {{6, "nonVolatile"}}},
        {"N8021QVLAN1", 0, TvAddPreset::VlanStatic, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        const TvWindowRecipe* r = TvCatalog::FindRecipe(c.entry);
        ASSERT_TRUE(r);
        ASSERT_LT(c.page, r->Panels.size());
        const TvPanelRecipe& p = r->Panels[c.page];
        EXPECT_EQ(p.AddPreset, c.preset);
        for (const auto& [row, value] : c.values) {
            ASSERT_LT(row, TvCatalog::RowCount(p.Table));
            EXPECT_TRUE(HasText(p.Table[row].Options, value)) << row << " " << value;
        }
    }
}

TEST(CatalogRecipes, LookupByName) {
    const struct {
        const char* name;
        bool found;
    } cases[] = {
        {"BasicInformation2", true},
        {"Layer3TraceRouteControl1", true},
        {"USMUserTable", true},
        {"UserManagementTable1", true},
        {"POESystemControl1", false}, // hidden: table, no recipe
        {"CurrentTime1", false},
        {"dot3Statistics1", false}, // dedicated window, sibling
        {"SaveConfig", false},
        {"usmusertable", false},
        {"", false},
    };
    for (const auto& c : cases) {
        const TvWindowRecipe* r = TvCatalog::FindRecipe(c.name);
        EXPECT_EQ(r != nullptr, c.found) << c.name;
        if (r) {
            EXPECT_STREQ(r->Name, c.name);
        }
    }
    EXPECT_STREQ(TvCatalog::Recipes().front()->Name, "BasicInformation2");
    EXPECT_STREQ(TvCatalog::Recipes().back()->Name, "Layer3TraceRouteControl1");
}

TEST(CatalogRecipes, CaptionsAndSharedObjects) {
    EXPECT_EQ(TvCatalog::FindRecipe("USMUserTable")->CaptionPrefix(), "USM User Table");
    EXPECT_EQ(TvCatalog::FindRecipe("BasicInformation2")->CaptionPrefix(), "Basic Information : ");
    EXPECT_EQ(TvCatalog::FindRecipe("S1")->CaptionPrefix(), "RMON State:");
    // Captions: a prefix without a separator gets " : ", the others stay as listed.
    EXPECT_EQ(TvCatalog::FindRecipe("USMUserTable")->Caption("10.0.0.1"), "USM User Table : 10.0.0.1");
    EXPECT_EQ(TvCatalog::FindRecipe("BasicInformation2")->Caption("10.0.0.1"),
              "Basic Information : 10.0.0.1");
    EXPECT_EQ(TvCatalog::FindRecipe("S1")->Caption("10.0.0.1"), "RMON State:10.0.0.1");
    EXPECT_EQ(TvCatalog::FindRecipe("ConfigurationIdentification1")->CaptionPrefix(),
              "MSTP Configuration Identication");

    // Two entries open one table, the first with row-status settings and the second without.
    const TvPanelRecipe& port = TvCatalog::FindRecipe("PortManagementTable1")->Panels[0];
    const TvPanelRecipe& user = TvCatalog::FindRecipe("UserManagementTable1")->Panels[0];
    EXPECT_EQ(port.Table, user.Table);
    EXPECT_EQ(port.RowStatus.Column, 3);
    EXPECT_EQ(user.RowStatus.Column, -1);

    // The row status of unrelated tables borrows one list.
    const TvPanelRecipe& usm = TvCatalog::FindRecipe("USMUserTable")->Panels[1];
    const TvPanelRecipe& view = TvCatalog::FindRecipe("VACMMIBViews1")->Panels[1];
    EXPECT_EQ(usm.Table[12].Options, view.Table[5].Options);
    EXPECT_EQ(usm.Table[4].Options->Kind(), TvOptionList::kStrings);
}

// Index-only rows carry a single blank, never an empty or null OID, and are always index columns.
TEST(CatalogTables, IndexOnlyRowsAreIndexColumns) {
    for (const TvTableRef& t : TvCatalog::Tables())
        for (int i = 0; i < TvCatalog::RowCount(t.Table); ++i) {
            const TvSNMPVarDef& d = t.Table[i];
            ASSERT_NE(d.Label, nullptr);
            ASSERT_NE(std::string(d.Oid), "");
            if (std::string(d.Oid) == " ") {
                EXPECT_TRUE(d.Access == accIndex || d.Access == accImpliedIndex) << t.Entry << " " << i;
            }
            EXPECT_EQ(d.GetExpr, nullptr);
            EXPECT_EQ(d.SetExpr, nullptr);
            EXPECT_EQ(d.InitValue, nullptr);
        }
}

// Every variable marked as resetting or erasing is a writable row of the catalog whose option list
// offers the harmless value that the question leaves out.
TEST(CatalogDisruptive, MarkedVariablesAreWritableRowsWithTheirHarmlessOption) {
    std::set<std::string> found;
    for (const TvTableRef& t : TvCatalog::Tables())
        for (const TvSNMPVarDef* d = t.Table; d->Oid; ++d) {
            const TvDisruptiveVar* mark = TvDisruptiveWrites::Find(d->Oid);
            if (!mark)
                continue;
            found.insert(d->Oid);
            EXPECT_TRUE(d->Access & accWrite) << d->Label;
            ASSERT_TRUE(d->Options) << d->Label;
            EXPECT_GE(d->Options->IndexOfText(mark->Harmless), 0) << d->Label;
        }
    EXPECT_EQ(found.size(), TvDisruptiveWrites::All().size());
    for (const char* label : {"System Reset", "Reset"}) {
        bool marked = false;
        for (const TvTableRef& t : TvCatalog::Tables())
            for (const TvSNMPVarDef* d = t.Table; d->Oid; ++d)
                marked |= std::string(d->Label) == label && TvDisruptiveWrites::Find(d->Oid);
        EXPECT_TRUE(marked) << label;
    }
}

// Every secret is a text column or scalar of the catalog, and every key, password or community column
// the catalog offers is marked (a new one left unmarked would be shown and stored in clear).
TEST(CatalogSecrets, KeyPasswordAndCommunityColumnsAreMarked) {
    std::set<std::string> found;
    for (const TvTableRef& t : TvCatalog::Tables())
        for (const TvSNMPVarDef* d = t.Table; d->Oid; ++d) {
            const std::string label = d->Label;
            const bool named = label.ends_with("Key") || label.ends_with("Password") ||
                               label.ends_with("PWD") || label == "Community Name" ||
                               label.ends_with("Key Change");
            const bool numeric = d->Syntax == synInteger;
            if (TvSecretVars::Find(d->Oid)) {
                found.insert(d->Oid);
                EXPECT_FALSE(numeric) << label;
            } else {
                EXPECT_FALSE(named && !numeric) << label << " " << d->Oid << " is not marked as a secret";
            }
        }
    EXPECT_FALSE(found.empty());
}

TEST(CatalogSecrets, InstancesOfASecretColumnAreSecret) {
    struct Case {
        const char* oid;
        bool secret;
    } cases[] = {
        {"1.3.6.1.6.3.18.1.1.1.2", true},        {"1.3.6.1.6.3.18.1.1.1.2.112.117.98", true},
        {".1.3.6.1.6.3.18.1.1.1.2.1", true},     {"1.3.6.1.6.3.18.1.1.1.20.1", false},
        {"1.3.6.1.6.3.18.1.1.1.3.1", false},     {"1.3.6.1.6.3.18.1.1.1", false},
        {"1.3.6.1.6.3.15.1.2.2.1.10.5.1", true}, {"1.3.6.1.6.3.15.1.2.2.1.1.5", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TvSecretVars::FindInstance(c.oid) != nullptr, c.secret) << c.oid;
}
