// Snapshots against the simulated switch: every table and group of the catalog read, no secret kept, the
// file owner-only and read back as written, a changed setting and a removed row found by the comparison,
// a cancel that hands nothing over; and the comparison's rules on snapshots made by hand.
#include "catalog/TvCatalog.h"
#include "catalog/TvSecretVars.h"
#include "snapshot/TvSnapshotDiff.h"
#include "snapshot/TvSnapshotFile.h"
#include "snapshot/TvSnapshotPlan.h"
#include "snapshot/TvSnapshotRestore.h"
#include "snapshot/TvSnapshotTaker.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPRequest.h"
#include "support/CoreSession.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <optional>
#include <set>
#include <sys/stat.h>

namespace {

// The simulated switch, shared by the cases that read it (one agent for the executable).
SimSwitch& Sim() {
    static SimSwitch* sim = [] {
        auto* s = new SimSwitch;
        if (!s->Start({"--log"}))
            ADD_FAILURE() << s->Error();
        return s;
    }();
    return *sim;
}

void UseSim() {
    EnsureCoreSession();
    gSNMPDevice.Address = "127.0.0.1";
    gSNMPDevice.Port = Sim().Port();
    gSNMPSecurity.Version = 1;
    gSNMPSecurity.ReadCommunity = "rdcomm";
    gSNMPSecurity.WriteCommunity = "wrtcomm";
}

std::optional<TvSnapshot> Take() {
    std::optional<TvSnapshot> out;
    TvSnapshotTaker taker;
    taker.OnFinished = [&out](TvSnapshot& s) { out = s; };
    taker.Start();
    PumpUntil([&] { return out.has_value(); }, 60000);
    return out;
}

// Writes one value with the program's one write path.
void Write(const std::string& oid, int syntax, const std::string& value) {
    TvSNMPRequest request;
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itInstance;
    list.AddItem(oid, oid, syntax, accReadWrite);
    list.Item(0).Value = value;
    request.VarList.Assign(list);
    request.Set();
}

constexpr const char* kTrapState = "1.3.6.1.4.1.59371.12.1.2.22"; // Basic Configuration, 1 enabled 2 disabled
constexpr const char* kTrustHostStatus = "1.3.6.1.4.1.59371.12.1.2.13.1.1.3";

TEST(SnapshotOfSwitch, HoldsEveryCatalogEntryNoSecretAndFindsChanges) {
    UseSim();
    // The plan: every panel and page of the generic entries (a table shown alike by two entries once),
    // then the dedicated windows.
    std::set<std::tuple<const TvSNMPVarDef*, int, int>> panels;
    for (const TvWindowRecipe* r : TvCatalog::Recipes())
        for (const TvPanelRecipe& p : r->Panels)
            panels.insert({p.Table, p.ItemType, p.KeyCount});
    const auto plan = TvSnapshotPlan::All();
    ASSERT_GE(plan.size(), panels.size());
    EXPECT_EQ(plan.size() - panels.size(), 20u) << "the dedicated windows' groups and tables";

    const std::optional<TvSnapshot> before = Take();
    ASSERT_TRUE(before);
    ASSERT_EQ(before->Entries.size(), plan.size());
    for (const TvSnapshotEntry& e : before->Entries)
        EXPECT_FALSE(e.Failed) << e.Title() << ": " << e.Error;
    EXPECT_EQ(before->SysName, "QTR-5190MX");
    EXPECT_EQ(before->SysObjectID, "1.3.6.1.4.1.59371.10.69.1");
    EXPECT_FALSE(before->Taken.empty());

    // No secret column, though the tables that hold them were read.
    std::set<std::string> oids;
    for (const TvSnapshotEntry& e : before->Entries)
        for (const TvSnapshotRow& r : e.Rows)
            for (const TvSnapshotValue& v : r.Values)
                oids.insert(v.Oid);
    for (const TvSecretVar& secret : TvSecretVars::All())
        EXPECT_FALSE(oids.count(secret.Oid)) << secret.Oid << " (" << secret.What << ")";
    const TvSnapshotEntry* communities = before->Find("CommunityTable#0");
    ASSERT_TRUE(communities);
    EXPECT_FALSE(communities->Rows.empty());
    const TvSnapshotEntry* md5 = before->Find("MD5Information1#0");
    ASSERT_TRUE(md5);
    EXPECT_FALSE(md5->Rows.empty());

    // The file: owner-only, and read back as it was written.
    QTemporaryDir dir;
    const std::string path = dir.filePath("switch.json").toStdString();
    std::string error;
    ASSERT_TRUE(TvSnapshotFile::Write(path, *before, error)) << error;
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    TvSnapshot read;
    ASSERT_TRUE(TvSnapshotFile::Read(path, read, error)) << error;
    EXPECT_EQ(TvSnapshotFile::ToJson(read), TvSnapshotFile::ToJson(*before));

    // One setting changed and one row removed: exactly these two differences, by their labels and texts.
    const TvSnapshotEntry* basic = before->Find("BasicConfig2#0");
    ASSERT_TRUE(basic);
    const TvSnapshotValue* trap = basic->Rows.at(0).Find(kTrapState);
    ASSERT_TRUE(trap);
    const bool enabled = trap->Text == "enabled";
    Write(std::string(kTrapState) + ".0", synInteger, enabled ? "2" : "1");
    const TvSnapshotEntry* hosts = before->Find("TrustHostTable1#0");
    ASSERT_TRUE(hosts);
    ASSERT_EQ(hosts->Rows.size(), 2u);
    const std::string removed = hosts->Rows.back().Index;
    Write(std::string(kTrustHostStatus) + "." + removed, synInteger, "6");

    const std::optional<TvSnapshot> after = Take();
    ASSERT_TRUE(after);
    const TvSnapshotComparison cmp = TvSnapshotDiff::Compare(*before, *after, false);
    EXPECT_EQ(cmp.Compared, static_cast<int>(plan.size()));
    ASSERT_EQ(cmp.Differences.size(), 2u) << cmp.Summary();
    const TvSnapshotDifference& changed = cmp.Differences[0];
    EXPECT_EQ(changed.What, TvSnapshotDifference::Changed);
    EXPECT_EQ(changed.Entry, "Basic Configuration");
    EXPECT_EQ(changed.Row, "0");
    EXPECT_EQ(changed.Label, "SNMP Trap State");
    EXPECT_EQ(changed.Old, enabled ? "enabled" : "disabled");
    EXPECT_EQ(changed.New, enabled ? "disabled" : "enabled");
    const TvSnapshotDifference& gone = cmp.Differences[1];
    EXPECT_EQ(gone.What, TvSnapshotDifference::RowRemoved);
    EXPECT_EQ(gone.Entry, "Trust Host Table");
    EXPECT_EQ(gone.Row, removed);
    EXPECT_NE(gone.Old.find("Trust Host Row Status=active"), std::string::npos) << gone.Old;
    // Counters moved meanwhile: kept in the snapshot, listed only when asked for.
    EXPECT_GT(cmp.LiveLeftOut, 0);
    EXPECT_GT(TvSnapshotDiff::Compare(*before, *after, true).Differences.size(), 2u);
}

TEST(SnapshotOfSwitch, CancelHandsNothingOver) {
    UseSim();
    bool finished = false;
    int progress = 0;
    TvSnapshotTaker taker;
    taker.OnFinished = [&](TvSnapshot&) { finished = true; };
    taker.OnProgress = [&](int done, int) {
        progress = done;
        taker.Cancel();
    };
    taker.Start();
    ASSERT_TRUE(PumpUntil([&] { return progress > 0; }));
    EXPECT_FALSE(taker.Running());
    // Everything sent before the marker has been answered: no reply of the cancelled reads is taken.
    ASSERT_TRUE(Sim().AwaitMarker());
    EXPECT_TRUE(PumpUntil([] { return TvSNMPEngine::Instance()->OutstandingCount() == 0; }));
    EXPECT_FALSE(finished);
    EXPECT_LT(taker.Done(), taker.Total());
}

// A switch that does not answer: every table fails with the timeout at once, not each after its own.
TEST(SnapshotOfSwitch, SilentSwitchFailsEveryEntryOnce) {
    UseSim();
    SimSwitch silent;
    ASSERT_TRUE(silent.Start()) << silent.Error();
    gSNMPDevice.Port = silent.Port();
    silent.Stop();
    const std::int32_t timeout = gSNMPTimeout;
    gSNMPTimeout = 5; // the silence is all this waits for
    const std::optional<TvSnapshot> s = Take();
    gSNMPTimeout = timeout;
    ASSERT_TRUE(s);
    ASSERT_EQ(s->FailedEntries().size(), s->Entries.size());
    for (const TvSnapshotEntry& e : s->Entries)
        EXPECT_NE(e.Error.find("timed out"), std::string::npos) << e.Title() << ": " << e.Error;
    EXPECT_TRUE(s->SysName.empty());
}

// Snapshots by hand: one entry of one table with the given rows ("index=text" per row, one column).
TvSnapshot Made(std::initializer_list<std::pair<const char*, const char*>> rows, int syntax = 0x02,
                bool failed = false) {
    TvSnapshot s;
    TvSnapshotEntry e;
    e.Name = "PortTable1";
    e.Caption = "Port Table";
    e.Table = true;
    e.Failed = failed;
    for (const auto& [index, text] : rows)
        e.Rows.push_back({index, {{"1.3.6.1.4.1.59371.9.1.2", "Speed", syntax, accReadWrite, text, text}}});
    s.Entries.push_back(e);
    return s;
}

TEST(SnapshotCompare, Rules) {
    struct Case {
        const char* Name;
        TvSnapshot Before, After;
        bool Live;
        std::vector<std::string> Expected; // "kind row label old new"
        bool Nothing = false;
        int LiveLeftOut = 0;
    };
    const auto line = [](const TvSnapshotDifference& d) {
        return std::to_string(d.What) + ' ' + d.Row + ' ' + d.Label + ' ' + d.Old + ' ' + d.New;
    };
    const Case cases[] = {
        {"equal", Made({{"1", "a"}}), Made({{"1", "a"}}), false, {}},
        {"changed", Made({{"1", "a"}, {"2", "b"}}), Made({{"1", "a"}, {"2", "c"}}), false, {"0 2 Speed b c"}},
        {"row added",
         Made({{"1", "a"}}),
         Made({{"1", "a"}, {"2", "b"}}),
         false,
         {"1 2 (row added)  Speed=b"}},
        {"row removed",
         Made({{"1", "a"}, {"2", "b"}}),
         Made({{"2", "b"}}),
         false,
         {"2 1 (row removed) Speed=a "}},
        {"counter left out", Made({{"1", "5"}}, 0x41), Made({{"1", "9"}}, 0x41), false, {}, false, 1},
        {"counter asked for", Made({{"1", "5"}}, 0x41), Made({{"1", "9"}}, 0x41), true, {"0 1 Speed 5 9"}},
        {"failed entry", Made({{"1", "a"}}), Made({}, 0x02, true), false, {}, true},
        {"no entries", TvSnapshot{}, TvSnapshot{}, false, {}, true},
    };
    for (const Case& c : cases) {
        const TvSnapshotComparison cmp = TvSnapshotDiff::Compare(c.Before, c.After, c.Live);
        std::vector<std::string> got;
        for (const TvSnapshotDifference& d : cmp.Differences)
            got.push_back(line(d));
        EXPECT_EQ(got, c.Expected) << c.Name;
        EXPECT_EQ(cmp.NothingToCompare(), c.Nothing) << c.Name;
        EXPECT_EQ(cmp.LiveLeftOut, c.LiveLeftOut) << c.Name;
        if (c.Nothing) {
            EXPECT_EQ(cmp.Summary().rfind("Nothing to compare", 0), 0u) << c.Name;
        }
    }
}

// What may be written back, what is named as disruptive, and what the write sends.
TEST(SnapshotRestore, WritesOnlyWritableValuesOfExistingRows) {
    const auto diff = [](const char* key, const char* oid, const char* row, const char* old, const char* now,
                         TvSnapshotDifference::Kind kind = TvSnapshotDifference::Changed) {
        TvSnapshotDifference d;
        d.What = kind;
        d.EntryKey = key;
        d.Entry = key;
        d.Oid = oid;
        d.Label = oid;
        d.Row = row;
        d.Old = old;
        d.New = now;
        return d;
    };
    const struct {
        TvSnapshotDifference Diff;
        const char* Refusal; // empty: restorable
    } cases[] = {
        {diff("BasicConfig2#0", kTrapState, "0", "enabled", "disabled"), ""},
        {diff("BasicConfig2#0", "1.3.6.1.4.1.59371.12.1.2.3", "0", "warm-start", "no-reset"), ""},
        {diff("BasicInformation2#0", "1.3.6.1.4.1.59371.12.1.1.12", "0", "a", "b"), "not writable"},
        {diff("TrustHostTable1#0", "1.3.6.1.4.1.59371.12.1.2.13.1.1.1", "2", "2", "3"), "not writable"},
        {diff("TrustHostTable1#0", kTrustHostStatus, "2", "", "", TvSnapshotDifference::RowRemoved), "rows"},
        {diff("TrustHostTable1#0", "1.3.6.1.4.1.59371.12.1.2.13.1.1.2", "2", "(absent)", "10.0.0.1"), "both"},
        {diff("NoSuchEntry#0", kTrapState, "0", "enabled", "disabled"), "catalog"},
    };
    std::vector<TvSnapshotDifference> all;
    for (const auto& c : cases) {
        const std::string refusal = TvSnapshotRestore::Refusal(c.Diff);
        if (*c.Refusal == '\0')
            EXPECT_EQ(refusal, "") << c.Diff.Oid;
        else
            EXPECT_NE(refusal.find(c.Refusal), std::string::npos) << c.Diff.Oid << ": " << refusal;
        all.push_back(c.Diff);
    }
    // Only the two restorable values go out, at their full OIDs, with the catalog's options.
    const TvSNMPVarList list = TvSnapshotRestore::Writes(all);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(0).Oid, std::string(kTrapState) + ".0");
    EXPECT_EQ(list.MakeVarbind(0).Int, 1);
    EXPECT_EQ(list.Item(1).Oid, "1.3.6.1.4.1.59371.12.1.2.3.0");
    EXPECT_EQ(list.MakeVarbind(1).Int, 3);
    // The restart is named; writing the harmless value back is not.
    const auto disruptive = TvSnapshotRestore::Disruptive(all);
    ASSERT_EQ(disruptive.size(), 1u);
    EXPECT_NE(disruptive[0].find("restarts the switch"), std::string::npos) << disruptive[0];
    EXPECT_TRUE(TvSnapshotRestore::Disruptive(
                    {diff("BasicConfig2#0", "1.3.6.1.4.1.59371.12.1.2.3", "0", "no-reset", "warm-start")})
                    .empty());
}

TEST(SnapshotFile, RefusesWhatIsNoSnapshot) {
    const struct {
        const char* Json;
        const char* Why;
    } cases[] = {
        {"", "not JSON"},
        {"{\"format\": \"other\"}", "not a snapshot"},
        {"{\"format\": \"qtr5190mx-snapshot\", \"version\": 2}", "version 2"},
        {"{\"format\": \"qtr5190mx-snapshot\", \"version\": 1, \"entries\": [{\"page\": 0}]}",
         "without a name"},
    };
    for (const auto& c : cases) {
        TvSnapshot s;
        std::string error;
        EXPECT_FALSE(TvSnapshotFile::FromJson(c.Json, s, error)) << c.Json;
        EXPECT_NE(error.find(c.Why), std::string::npos) << error;
    }
    // Bytes of the switch's texts go through as they are.
    TvSnapshot s = Made({{"1", "caf\xe9\t\x01"}});
    s.SysDescr = "\xff\x80";
    TvSnapshot back;
    std::string error;
    ASSERT_TRUE(TvSnapshotFile::FromJson(TvSnapshotFile::ToJson(s), back, error)) << error;
    EXPECT_EQ(back.SysDescr, s.SysDescr);
    EXPECT_EQ(back.Entries.at(0).Rows.at(0).Values.at(0).Text, "caf\xe9\t\x01");
}

} // namespace
