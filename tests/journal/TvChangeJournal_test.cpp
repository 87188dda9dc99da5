#include "base/TvException.h"
#include "journal/TvChangeJournal.h"
#include "journal/TvJournalReader.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"
#include "support/CoreSession.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "values/TvOptionList.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <sys/stat.h>

namespace {

std::string Folder(const QTemporaryDir& dir) {
    return (dir.path() + "/journal").toStdString();
}

// Every byte the journal keeps, in every file.
std::string FileBytes(const std::string& folder) {
    std::string all;
    for (const std::string& path : TvChangeJournal::Files(folder)) {
        QFile f(QString::fromStdString(path));
        if (f.open(QIODevice::ReadOnly))
            all += f.readAll().toStdString();
    }
    return all;
}

int Mode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 0777) : -1;
}

TvWriteRecord Record(const std::string& source = "System Information") {
    TvWriteRecord r;
    r.Source = source;
    r.Address = "10.90.90.90";
    r.Port = 161;
    r.Version = 1;
    TvWrittenVar v;
    v.Oid = "1.3.6.1.2.1.1.6.0";
    v.Label = "Location";
    v.Syntax = 0x4c;
    v.Sent = "Rack 7";
    v.BeforeKnown = true;
    v.Before = "Rack 3";
    v.Restore = "Rack 3";
    v.Restorable = true;
    r.Vars = {v};
    r.Secrets = {"rdcomm", "wrtcomm", "", ""};
    return r;
}

} // namespace

// What is written is read back: the entry's fields and each kind of outcome, paired by the entry's id.
TEST(ChangeJournal, EntriesAndOutcomesReadBack) {
    QTemporaryDir dir;
    const std::string folder = Folder(dir);
    TvChangeJournal journal(folder);
    struct Case {
        TvWriteOutcome Outcome;
        bool Ends;
        const char* Line;
    };
    const Case cases[] = {
        {{TvWriteOutcome::Ok, 0, ""}, true, "Ok"},
        {{TvWriteOutcome::Error, -117, "(SNMP) Cannot create/set variable, Not Writable!"},
         true,
         "(SNMP) Cannot create/set variable, Not Writable!"},
        {{TvWriteOutcome::NoReply, -405, ""}, true, "no reply"},
        {{TvWriteOutcome::NoReply, 0, "given up before the answer came"},
         true,
         "no reply (given up before the answer came)"},
        {{}, false, "unknown (no outcome was kept)"},
    };
    std::vector<std::string> ids;
    for (size_t k = 0; k < std::size(cases); ++k) {
        ids.push_back(journal.Begin(Record()));
        ASSERT_FALSE(ids.back().empty()) << journal.Problem();
    }
    // Outcomes arrive in any order.
    for (size_t k = std::size(cases); k-- > 0;)
        if (cases[k].Ends)
            journal.End(ids[k], cases[k].Outcome);
    const TvJournalReader::Result read = TvJournalReader::Read(folder);
    ASSERT_EQ(read.Entries.size(), std::size(cases));
    EXPECT_EQ(read.Damaged, 0);
    for (size_t k = 0; k < std::size(cases); ++k) {
        const TvJournalEntry& e = read.Entries[k];
        EXPECT_EQ(e.Id, ids[k]);
        EXPECT_EQ(e.OutcomeLine(), cases[k].Line) << k;
    }
    const TvJournalEntry& e = read.Entries[0];
    EXPECT_EQ(e.Switch(), "10.90.90.90:161");
    EXPECT_EQ(e.Version, "2c");
    EXPECT_EQ(e.Security, "");
    EXPECT_EQ(e.Source, "System Information");
    EXPECT_FALSE(e.User.empty());
    EXPECT_GT(e.UtcMs, 0);
    EXPECT_FALSE(e.Local.empty());
    ASSERT_EQ(e.Vars.size(), 1u);
    EXPECT_EQ(e.Vars[0].Oid, "1.3.6.1.2.1.1.6.0");
    EXPECT_EQ(e.Vars[0].Label, "Location");
    EXPECT_EQ(e.Vars[0].Syntax, 0x4c);
    EXPECT_EQ(e.Vars[0].Before, "Rack 3");
    EXPECT_EQ(e.Vars[0].Sent, "Rack 7");
    EXPECT_EQ(e.Vars[0].Restore, "Rack 3");
    EXPECT_TRUE(e.Vars[0].BeforeKnown && e.Vars[0].Restorable);

    // An undo that succeeded marks the write it undid.
    TvWriteRecord undo = Record("Change Journal");
    undo.UndoOf = ids[0];
    journal.End(journal.Begin(undo), {TvWriteOutcome::Ok, 0, ""});
    const TvJournalReader::Result again = TvJournalReader::Read(folder);
    EXPECT_EQ(again.Entries.back().UndoOf, ids[0]);
    EXPECT_EQ(again.Entries.front().UndoneBy, again.Entries.back().Id);
}

// A line cut short by a killed writer is skipped, and the next entry starts on a line of its own.
TEST(ChangeJournal, ATornLineIsSkipped) {
    QTemporaryDir dir;
    const std::string folder = Folder(dir);
    TvChangeJournal journal(folder);
    const std::string first = journal.Begin(Record());
    {
        QFile f(QString::fromStdString(folder + "/changes.jsonl"));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(R"({"type":"outcome","id":")");
    }
    EXPECT_EQ(TvJournalReader::Read(folder).Damaged, 1);
    const std::string second = journal.Begin(Record());
    journal.End(second, {TvWriteOutcome::Ok, 0, ""});
    const TvJournalReader::Result read = TvJournalReader::Read(folder);
    EXPECT_EQ(read.Damaged, 1);
    ASSERT_EQ(read.Entries.size(), 2u);
    EXPECT_EQ(read.Entries[0].Id, first);
    EXPECT_EQ(read.Entries[0].Outcome, TvJournalEntry::Result::Unknown);
    EXPECT_EQ(read.Entries[1].OutcomeLine(), "Ok");
}

// The file rotates before it would pass its size, the newest files are kept, and reading goes through
// them oldest first.
TEST(ChangeJournal, RotatesAtItsSizeKeepingTheLastFiles) {
    QTemporaryDir dir;
    const std::string folder = Folder(dir);
    constexpr std::int64_t size = 2000;
    constexpr int kept = 3;
    TvChangeJournal journal(folder, size, kept);
    std::vector<std::string> ids;
    for (int k = 0; k < 60; ++k) {
        ids.push_back(journal.Begin(Record()));
        journal.End(ids.back(), {TvWriteOutcome::Ok, 0, ""});
    }
    const std::vector<std::string> files = TvChangeJournal::Files(folder, kept);
    for (const std::string& f : files) {
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(f))) << f;
        EXPECT_LE(QFileInfo(QString::fromStdString(f)).size(), size) << f;
        EXPECT_EQ(Mode(f), 0600) << f;
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(folder + "/changes.4.jsonl")));
    TvJournalReader::Result read;
    std::vector<std::string> lines;
    for (const std::string& f : files) {
        QFile file(QString::fromStdString(f));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const QByteArray& l : file.readAll().split('\n'))
            lines.push_back(l.toStdString());
    }
    read = TvJournalReader::Parse(lines);
    ASSERT_GT(read.Entries.size(), 10u);
    ASSERT_LT(read.Entries.size(), ids.size());
    // The last ones, in order, each with its outcome.
    const size_t skip = ids.size() - read.Entries.size();
    for (size_t k = 0; k < read.Entries.size(); ++k) {
        EXPECT_EQ(read.Entries[k].Id, ids[skip + k]);
        EXPECT_EQ(read.Entries[k].OutcomeLine(), "Ok") << k;
    }
}

// The folder and the file are the user's alone, also a file that was not.
TEST(ChangeJournal, FolderAndFileArePrivate) {
    QTemporaryDir dir;
    const std::string folder = Folder(dir);
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    ::chmod(folder.c_str(), 0755);
    {
        QFile f(QString::fromStdString(folder + "/changes.jsonl"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ::chmod((folder + "/changes.jsonl").c_str(), 0644);
    TvChangeJournal journal(folder);
    ASSERT_FALSE(journal.Begin(Record()).empty());
    EXPECT_EQ(Mode(folder), 0700);
    EXPECT_EQ(Mode(folder + "/changes.jsonl"), 0600);

    // A journal that cannot be written says why.
    TvChangeJournal blocked(folder + "/changes.jsonl/inside");
    EXPECT_TRUE(blocked.Begin(Record()).empty());
    EXPECT_FALSE(blocked.Problem().empty());
}

// Values of key, password and community variables, and anything holding the session's community
// strings or passwords, are kept as "(hidden)" and can never be written back from the journal.
TEST(ChangeJournal, SecretsAreNeverKept) {
    QTemporaryDir dir;
    const std::string folder = Folder(dir);
    TvChangeJournal journal(folder);
    TvWriteRecord r = Record("window of s3cretWrite");
    r.Secrets = {"s3cretRead", "s3cretWrite", "authS3cret!", "privS3cret!"};
    const auto var = [](std::string oid, std::string before, std::string sent) {
        TvWrittenVar v;
        v.Oid = std::move(oid);
        v.Syntax = 0x4c;
        v.BeforeKnown = true;
        v.Before = v.Restore = std::move(before);
        v.Restorable = true;
        v.Sent = std::move(sent);
        return v;
    };
    r.Vars = {
        // A community name column of the catalog: hidden whatever it holds.
        var("1.3.6.1.6.3.18.1.1.1.2.7.100.101.102.97.117.108.116", "oldCommunity", "newCommunity"),
        // An MD5 key.
        var("1.3.6.1.4.1.59371.11.69.2.3.4.1.2.3", "oldkey", "newkey"),
        // A plain variable that happens to hold a session secret.
        var("1.3.6.1.2.1.1.6.0", "near s3cretWrite", "authS3cret!"),
        // One that does not.
        var("1.3.6.1.2.1.1.4.0", "ops", "noc"),
    };
    const std::string id = journal.Begin(r);
    journal.End(id, {TvWriteOutcome::Error, -1, "refused for privS3cret!"});
    const std::string bytes = FileBytes(folder);
    for (const char* secret : {"s3cretRead", "s3cretWrite", "authS3cret!", "privS3cret!", "oldCommunity",
                               "newCommunity", "oldkey", "newkey", "wrtcomm"})
        EXPECT_EQ(bytes.find(secret), std::string::npos) << secret;
    const TvJournalEntry e = TvJournalReader::Read(folder).Entries.at(0);
    ASSERT_EQ(e.Vars.size(), 4u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(e.Vars[k].Before, "(hidden)") << k;
        EXPECT_EQ(e.Vars[k].Sent, "(hidden)") << k;
        EXPECT_FALSE(e.Vars[k].Restorable) << k;
    }
    EXPECT_EQ(e.Vars[3].Sent, "noc");
    EXPECT_TRUE(e.Vars[3].Restorable);
    EXPECT_EQ(e.OutcomeLine(), "(hidden)");
    EXPECT_EQ(e.Source, "(hidden)");
}

TEST(ChangeJournal, DefaultFolderFollowsXdgStateHome) {
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    struct Case {
        const char* State; // null: unset
        const char* Expected;
    };
    for (const Case& c : {Case{"/srv/state", "/srv/state/qtr5190mx"},
                          Case{"relative/state", "/home/op/.local/state/qtr5190mx"},
                          Case{nullptr, "/home/op/.local/state/qtr5190mx"}}) {
        qputenv("HOME", "/home/op");
        if (c.State)
            qputenv("XDG_STATE_HOME", c.State);
        else
            qunsetenv("XDG_STATE_HOME");
        EXPECT_EQ(TvChangeJournal::DefaultFolder(), c.Expected) << (c.State ? c.State : "(unset)");
    }
    qputenv("HOME", savedHome);
    if (savedState.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", savedState);
}

namespace {

constexpr TvSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", synDisplayString, accReadWrite}, // the switch refuses it
    {"1.3.6.1.2.1.1.6", "Location", synDisplayString, accReadWrite},
    {nullptr},
};

const TvOptionList kAdmin(TvOptionList::kIntegers, {{1, "up"}, {2, "down"}, {3, "testing"}});

const TvSNMPVarDef kIfAdmin[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", synInteger, accReadWrite, &kAdmin},
    {nullptr},
};

class JournalSimTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureCoreSession();
        sim_ = std::make_unique<SimSwitch>();
        ASSERT_TRUE(sim_->Start({"--log"})) << sim_->Error();
    }
    static void TearDownTestSuite() { sim_.reset(); }
    void SetUp() override {
        gSNMPDevice.Address = "127.0.0.1";
        gSNMPDevice.Port = sim_->Port();
        gSNMPSecurity.Version = 1;
        gSNMPSecurity.ReadCommunity = "rdcomm";
        gSNMPSecurity.WriteCommunity = "wrtcomm";
        gSNMPTimeout = 100;
        journal_ = std::make_unique<TvChangeJournal>(Folder(dir_));
        TvWriteJournal::Install(journal_.get());
    }
    void TearDown() override { journal_.reset(); }

    std::vector<TvJournalEntry> Entries() const { return TvJournalReader::Read(Folder(dir_)).Entries; }
    // The SET lines the agent logged after `from`.
    static std::vector<std::string> AgentSets(size_t from) {
        std::vector<std::string> sets;
        const std::string log = "\n" + sim_->Log().substr(from);
        for (size_t at = log.find("\nSET "); at != std::string::npos; at = log.find("\nSET ", at + 1))
            sets.push_back(log.substr(at + 1, log.find('\n', at + 1) - at - 1));
        return sets;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TvChangeJournal> journal_;
    static std::unique_ptr<SimSwitch> sim_;
};
std::unique_ptr<SimSwitch> JournalSimTest::sim_;

} // namespace

// Each write, blocking or through the event pump, is one entry with its OIDs, values and outcome: Ok,
// the switch's refusal, or no reply from a switch that stays silent.
TEST_F(JournalSimTest, EveryWriteIsOneEntryWithItsOutcome) {
    struct Case {
        const char* Name;
        bool Async;
        const char* Include;
        const char* Community;
        size_t AgentSets;
        TvJournalEntry::Result Outcome;
        const char* Text;
    };
    const Case cases[] = {
        {"blocking, taken", false, "1", "wrtcomm", 1, TvJournalEntry::Result::Ok, "Ok"},
        {"async, taken", true, "1", "wrtcomm", 1, TvJournalEntry::Result::Ok, "Ok"},
        {"blocking, refused", false, "0,1", "wrtcomm", 2, TvJournalEntry::Result::Error,
         "(SNMP) Cannot create/set variable, Not Writable!"},
        {"async, refused", true, "0", "wrtcomm", 1, TvJournalEntry::Result::Error,
         "(SNMP) Cannot create/set variable, Not Writable!"},
        {"blocking, silent", false, "1", "nobody", 0, TvJournalEntry::Result::NoReply, "no reply"},
        {"async, silent", true, "1", "nobody", 0, TvJournalEntry::Result::NoReply, "no reply"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        gSNMPSecurity.WriteCommunity = c.Community;
        gSNMPTimeout = std::string(c.Community) == "nobody" ? 5 : 100;
        const size_t before = Entries().size();
        const size_t mark = sim_->Log().size();
        TvSNMPRequest request;
        request.Source = c.Name;
        request.VarList.Assign(TvSNMPVarList(kSystem, 0, 0));
        request.VarList.Item(0).Value = "changed";
        request.VarList.Item(1).Value = std::string("Rack of ") + c.Name;
        bool done = false;
        if (c.Async) {
            request.SetAsync([&](TvSNMPError&, TvSNMPVarList&) { done = true; }, c.Include);
            ASSERT_TRUE(PumpUntil([&] { return done; }));
        } else {
            try {
                request.Set(c.Include);
            } catch (const TvException&) {
            }
        }
        ASSERT_TRUE(sim_->AwaitMarker());
        EXPECT_EQ(AgentSets(mark).size(), c.AgentSets);
        const std::vector<TvJournalEntry> entries = Entries();
        ASSERT_EQ(entries.size(), before + 1);
        const TvJournalEntry& e = entries.back();
        EXPECT_EQ(e.Source, c.Name);
        EXPECT_EQ(e.Switch(), "127.0.0.1:" + std::to_string(sim_->Port()));
        EXPECT_EQ(e.Outcome, c.Outcome);
        EXPECT_EQ(e.OutcomeLine(), c.Text);
        const std::string include = c.Include;
        ASSERT_EQ(e.Vars.size(), include == "0,1" ? 2u : 1u);
        EXPECT_EQ(e.Vars.back().Oid, include == "0" ? "1.3.6.1.2.1.1.1.0" : "1.3.6.1.2.1.1.6.0");
        EXPECT_EQ(e.Vars.back().Sent, include == "0" ? "changed" : std::string("Rack of ") + c.Name);
    }
    gSNMPSecurity.WriteCommunity = "wrtcomm";
}

// A write given up while in flight (its window closed) still says that no answer was awaited.
TEST_F(JournalSimTest, AWriteGivenUpSaysSo) {
    SimSwitch slow;
    ASSERT_TRUE(slow.Start({"--delay", "400"})) << slow.Error();
    gSNMPDevice.Port = slow.Port();
    {
        TvSNMPRequest request;
        request.VarList.Assign(TvSNMPVarList(kSystem, 0, 0));
        request.VarList.Item(1).Value = "given up";
        request.SetAsync([](TvSNMPError&, TvSNMPVarList&) { ADD_FAILURE() << "answered"; }, "1");
        ASSERT_EQ(Entries().size(), 1u); // kept before it left
        EXPECT_EQ(Entries().back().Outcome, TvJournalEntry::Result::Unknown);
    }
    EXPECT_EQ(Entries().back().OutcomeLine(), "no reply (given up before the answer came)");
}

// The value before is the one read in the window for the very variable written: a scalar, the row
// that was read; an enumeration is written back as its number.
TEST_F(JournalSimTest, ValuesBeforeBelongToTheVariableWritten) {
    TvSNMPRequest scalar;
    scalar.VarList.Assign(TvSNMPVarList(kSystem, 0, 0));
    scalar.GetStep(true);
    const std::string location = scalar.VarList.Item(1).Value;
    TvWriteContext read;
    read.Known = {scalar.VarList.Item(0).Value, location};
    scalar.Set("1", {"Moved"}, read);

    TvSNMPRequest table;
    table.VarList.Assign(TvSNMPVarList(kIfAdmin, 2, 1));
    TvWriteContext row;
    row.Known = {"3", "up"};
    table.VarList.Item(0).Value = "3";
    table.VarList.Item(1).Value = "down";
    table.Set("1", {}, row);
    // Another row than the one read: nothing is known of it.
    table.VarList.Item(0).Value = "4";
    table.Set("1", {}, row);
    // Nothing read at all.
    table.VarList.Item(0).Value = "3";
    table.VarList.Item(1).Value = "up";
    table.Set("1");

    const std::vector<TvJournalEntry> e = Entries();
    ASSERT_EQ(e.size(), 4u);
    const TvJournalEntry::Var& s = e[0].Vars.at(0);
    EXPECT_TRUE(s.BeforeKnown && s.Restorable);
    EXPECT_EQ(s.Before, location);
    EXPECT_EQ(s.Restore, location);
    EXPECT_EQ(s.Sent, "Moved");
    const TvJournalEntry::Var& t = e[1].Vars.at(0);
    EXPECT_EQ(t.Oid, "1.3.6.1.2.1.2.2.1.7.3");
    EXPECT_EQ(t.Before, "up");
    EXPECT_EQ(t.Restore, "1");
    EXPECT_EQ(t.Sent, "down");
    EXPECT_EQ(e[2].Vars.at(0).Oid, "1.3.6.1.2.1.2.2.1.7.4");
    EXPECT_FALSE(e[2].Vars.at(0).BeforeKnown);
    EXPECT_FALSE(e[3].Vars.at(0).BeforeKnown);
    scalar.Set("1", {location});
}
