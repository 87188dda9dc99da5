#include "profile/DeviceProfile.h"
#include "profile/TvIni.h"

#include "SessionDefaults.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSessionDefaults();
        // As the command line may have left them: every one differs from the profile defaults.
        gSNMPSecurity.Version = 3;
        gSNMPDevice.Port = 1161;
        gSNMPSecurity.SecurityModel = 3;
        gSNMPSecurity.SecurityLevel = 3;
        gSNMPSecurity.SecurityName = "cli";
        gSNMPSecurity.AuthPassword = "clipass";
        gSNMPSecurity.AuthProtocol = 2;
        gSNMPSecurity.PrivProtocol = 2;
        gSNMPScope.ContextName = "clictx";
        gSNMPSecurity.ReadCommunity = "cliread";
        gSNMPSecurity.WriteCommunity = "cliwrite";
    }
    std::string Path() const { return dir_.path().toStdString() + "/10.0.0.5.cfg"; }
    void Write(const std::string& bytes) {
        std::ofstream(Path(), std::ios::binary | std::ios::trunc) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    QTemporaryDir dir_;
    ConnectionTexts texts_;
};

TEST_F(ProfileTest, SectionOnlyGivesEveryDefaultAndKeepsCommunities) {
    Write("[Program Information]");
    ASSERT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Read);
    EXPECT_EQ(gSNMPSecurity.Version, 0);
    EXPECT_EQ(gSNMPDevice.Port, 161);
    EXPECT_EQ(gSNMPSecurity.SecurityModel, 1);
    EXPECT_EQ(gSNMPSecurity.SecurityLevel, 1);
    EXPECT_EQ(gSNMPSecurity.AuthProtocol, 1);
    EXPECT_EQ(gSNMPSecurity.PrivProtocol, 1);
    EXPECT_EQ(gSNMPSecurity.SecurityName, "");
    EXPECT_EQ(gSNMPSecurity.AuthPassword, "");
    EXPECT_EQ(gSNMPScope.ContextName, "");
    EXPECT_EQ(gSNMPSecurity.ReadCommunity, "cliread");
    EXPECT_EQ(gSNMPSecurity.WriteCommunity, "cliwrite");
    EXPECT_EQ(texts_.Version, "0");
    EXPECT_EQ(texts_.AgentPort, "161");
    EXPECT_EQ(texts_.SecurityLevel, "1");
    EXPECT_EQ(texts_.GetCommStr, "") << "communities are not profile settings";
}

// "GetBulk=0" turns GETBULK off; a profile without the key (the original layout) leaves the setting
// as the command line made it.
TEST_F(ProfileTest, GetBulkKeyTurnsItOffAndItsAbsenceChangesNothing) {
    const struct {
        const char* bytes;
        bool before, after;
    } cases[] = {
        {"[Program Information]\r\nVersion=1\r\n", true, true},
        {"[Program Information]\r\nVersion=1\r\n", false, false},
        {"[Program Information]\r\nGetBulk=0\r\n", true, false},
        {"[Program Information]\r\nGetBulk=1\r\n", false, true},
        {"[Program Information]\r\nGetBulk=\r\n", true, true},
    };
    for (const auto& c : cases) {
        Write(c.bytes);
        gSNMPUseGetBulk = c.before;
        ASSERT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Read);
        EXPECT_EQ(gSNMPUseGetBulk, c.after) << c.bytes;
    }
    gSNMPUseGetBulk = true;
}

// "NotificationPort=162" receives notifications there; without the key the command line's choice stands,
// and a value that is no port receives none. The settings dialog keeps the key when it rewrites the file.
TEST_F(ProfileTest, NotificationPortKey) {
    const struct {
        const char* bytes;
        int before, after;
    } cases[] = {
        {"[Program Information]\r\nVersion=1\r\n", -1, -1},
        {"[Program Information]\r\nVersion=1\r\n", 1162, 1162},
        {"[Program Information]\r\nNotificationPort=162\r\n", -1, 162},
        {"[Program Information]\r\nNotificationPort=-1\r\n", 162, -1},
        {"[Program Information]\r\nNotificationPort=99999\r\n", 162, -1},
        {"[Program Information]\r\nNotificationPort=\r\n", 162, 162},
    };
    for (const auto& c : cases) {
        Write(c.bytes);
        gNotificationPort = c.before;
        ASSERT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Read);
        EXPECT_EQ(gNotificationPort, c.after) << c.bytes;
    }
    gNotificationPort = -1;
    TvProfileSettings s;
    EXPECT_EQ(ProfileBytes(s).find("NotificationPort"), std::string::npos);
    s.GetBulk = "1";
    s.NotificationPort = "162";
    EXPECT_TRUE(ProfileBytes(s).ends_with("\r\nGetBulk=1\r\nNotificationPort=162"));
}

TEST_F(ProfileTest, ListPositionsBecomeSessionCodes) {
    struct Case {
        const char* line;
        std::int32_t TvSNMPSecurity::*field;
        int code;
    } cases[] = {
        {"PrivProtocol=0", &TvSNMPSecurity::PrivProtocol, 1},
        {"PrivProtocol=1", &TvSNMPSecurity::PrivProtocol, 2},
        {"PrivProtocol=2", &TvSNMPSecurity::PrivProtocol, 9},
        {"AuthProtocol=2", &TvSNMPSecurity::AuthProtocol, 3},
        {"AuthProtocol=-1", &TvSNMPSecurity::AuthProtocol, 0},
        {"AuthProtocol=x", &TvSNMPSecurity::AuthProtocol, 1},
        {"SecurityLevel=2", &TvSNMPSecurity::SecurityLevel, 3},
        {"SecurityLevel= 1 ", &TvSNMPSecurity::SecurityLevel, 2},
        {"SecurityModel=3", &TvSNMPSecurity::SecurityModel, 3},
        {"SecurityModel=3x", &TvSNMPSecurity::SecurityModel, 1},
    };
    for (const auto& c : cases) {
        Write(std::string("[Program Information]\r\n") + c.line);
        ASSERT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Read);
        EXPECT_EQ(gSNMPSecurity.*c.field, c.code) << c.line;
    }
    Write("[Program Information]\r\nSecurityLevel=2\r\nPrivProtocol=2");
    ReadProfileFile(Path(), texts_);
    EXPECT_EQ(texts_.SecurityLevel, "3");
    EXPECT_EQ(texts_.PrivProtocol, "9");
}

TEST_F(ProfileTest, NumbersAreCutAndTextsTrimmed) {
    Write(
        "[program information]\nagentport=65697\nVersion=259\nSecurityName=  admin \t\nContextEngineID=8000\n"
        "AuthPassword=\nPrivPassword= p w ");
    ASSERT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Read);
    EXPECT_EQ(gSNMPDevice.Port, 161);
    EXPECT_EQ(gSNMPSecurity.Version, 3);
    EXPECT_EQ(gSNMPSecurity.SecurityName, "admin");
    EXPECT_EQ(texts_.SecurityName, "admin");
    EXPECT_EQ(gSNMPScope.ContextEngineID, "8000");
    EXPECT_EQ(gSNMPSecurity.AuthPassword, "");
    EXPECT_EQ(gSNMPSecurity.PrivPassword, "p w");
}

TEST_F(ProfileTest, MissingOrUnreadableFileChangesNothing) {
    EXPECT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Missing);
    Write("[Program Information]\r\nVersion=1");
    ::chmod(Path().c_str(), 0);
    if (::geteuid() != 0) {
        EXPECT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Unreadable);
    }
    EXPECT_EQ(ReadProfileFile(dir_.path().toStdString(), texts_), ProfileRead::Unreadable);
    EXPECT_EQ(gSNMPSecurity.Version, 3);
    EXPECT_EQ(gSNMPDevice.Port, 1161);
    EXPECT_EQ(texts_, ConnectionTexts{});
}

// A FIFO or a device named as the profile is refused at once: opening a FIFO to read it would wait for a
// writer, for ever, before any window appears.
TEST_F(ProfileTest, OnlyARegularFileIsRead) {
    ASSERT_EQ(::mkfifo(Path().c_str(), 0600), 0);
    EXPECT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Unreadable);
    EXPECT_EQ(TvIni(Path()).ReadString(kProfileSection, "Version", "none"), "none");
    EXPECT_EQ(ReadProfileFile("/dev/null", texts_), ProfileRead::Unreadable);
    EXPECT_EQ(gSNMPSecurity.Version, 3);
    EXPECT_EQ(texts_, ConnectionTexts{});
}

TEST_F(ProfileTest, ReadableByOthersIsTold) {
    Write("[Program Information]\r\nAuthPassword=authpass123");
    const std::pair<mode_t, bool> cases[] = {
        {0600, false}, {0400, false}, {0640, true}, {0604, true}, {0644, true}};
    for (const auto& [mode, readable] : cases) {
        ASSERT_EQ(::chmod(Path().c_str(), mode), 0);
        EXPECT_EQ(ProfileReadableByOthers(Path()), readable) << std::oct << mode;
    }
    EXPECT_FALSE(ProfileReadableByOthers(Path() + ".missing"));
}

TvProfileSettings V3Settings() {
    TvProfileSettings s;
    s.AgentIP = "10.0.0.5";
    s.AgentPort = "1161";
    s.Version = "3";
    s.SecurityName = "MD5_DES_User";
    s.AuthPassword = "authpass123";
    s.PrivPassword = "privpass123";
    s.AuthProtocol = "1";
    s.PrivProtocol = "2";
    s.ContextEngineID = "80001f88";
    s.SecurityLevel = "2";
    s.ContextName = "ctx";
    s.GetCommStr = "ctx";
    s.SetCommStr = "";
    s.UpdateDate = "1/2/25";
    s.UpdateTime = "10:11:12 AM";
    return s;
}

TEST_F(ProfileTest, BytesFollowTheSharedLayout) {
    TvProfileSettings s;
    s.AgentIP = "10.90.90.90";
    s.AgentPort = "161";
    s.Version = "0";
    s.AuthProtocol = s.PrivProtocol = s.SecurityLevel = "-1";
    s.ContextName = s.GetCommStr = "rdcomm";
    s.SetCommStr = "wrtcomm";
    s.UpdateDate = "2025-01-02";
    s.UpdateTime = "10:11:12";
    EXPECT_EQ(ProfileBytes(s),
              "[Program Information]\r\nAgentIP=10.90.90.90\r\nAgentPort=161\r\nVersion=0\r\n"
              "SecurityName=\r\nAuthPassword=\r\nPrivPassword=\r\nAuthProtocol=-1\r\nPrivProtocol=-1\r\n"
              "ContextEngineID=\r\nSecurityLevel=-1\r\nContextName=rdcomm\r\nGetCommStr=rdcomm\r\n"
              "SetCommStr=wrtcomm\r\nUpdateDate=2025-01-02\r\nUpdateTime=10:11:12\r\nSecurityModel=3");
}

TEST_F(ProfileTest, WrittenProfileReadsBackAsTheSameSettings) {
    TvProfileSettings s = V3Settings();
    s.StampNow();
    ASSERT_TRUE(WriteProfile(Path(), s));
    EXPECT_EQ(Read(Path()), ProfileBytes(s));
    ASSERT_EQ(ReadProfileFile(Path(), texts_), ProfileRead::Read);
    EXPECT_EQ(gSNMPDevice.Port, 1161);
    EXPECT_EQ(gSNMPSecurity.Version, 3);
    EXPECT_EQ(gSNMPSecurity.SecurityName, "MD5_DES_User");
    EXPECT_EQ(gSNMPSecurity.AuthPassword, "authpass123");
    EXPECT_EQ(gSNMPSecurity.PrivPassword, "privpass123");
    EXPECT_EQ(gSNMPSecurity.AuthProtocol, 2);
    EXPECT_EQ(gSNMPSecurity.PrivProtocol, 9);
    EXPECT_EQ(gSNMPSecurity.SecurityLevel, 3);
    EXPECT_EQ(gSNMPSecurity.SecurityModel, 3);
    EXPECT_EQ(gSNMPScope.ContextEngineID, "80001f88");
    EXPECT_EQ(gSNMPScope.ContextName, "ctx");
    const TvIni ini(Path());
    EXPECT_EQ(ini.ReadString(kProfileSection, "UpdateDate", ""), s.UpdateDate);
    EXPECT_EQ(ini.ReadString(kProfileSection, "UpdateTime", ""), s.UpdateTime);
}

TEST_F(ProfileTest, WriteReplacesTheOldFileOwnerOnly) {
    Write(std::string(10000, 'o'));
    ::chmod(Path().c_str(), 0644);
    ASSERT_TRUE(WriteProfile(Path(), V3Settings()));
    EXPECT_EQ(Read(Path()), ProfileBytes(V3Settings()));
    struct stat st {};
    ASSERT_EQ(::stat(Path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << "the profile holds passwords";
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"10.0.0.5.cfg"}) << "temporary file left";
}

TEST_F(ProfileTest, FailedWriteKeepsTheOldFile) {
    Write("old");
    std::string reason;
    EXPECT_FALSE(WriteProfile(dir_.path().toStdString() + "/no/such/folder/x.cfg", V3Settings(), &reason));
    EXPECT_EQ(reason, std::strerror(ENOENT)) << "the system's reason is handed back";
    EXPECT_FALSE(WriteProfile("", V3Settings()));
    if (::geteuid() != 0) {
        ::chmod(dir_.path().toLocal8Bit().constData(), 0500);
        EXPECT_FALSE(WriteProfile(Path(), V3Settings()));
        ::chmod(dir_.path().toLocal8Bit().constData(), 0700);
    }
    EXPECT_EQ(Read(Path()), "old");
}

TEST(ProfileLocation, FollowsTheOperatingMode) {
    QTemporaryDir etc;
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, etc.path());
    const std::string program = "/opt/tarvo_ems/QTR5190MX/qtr5190mx";
    EXPECT_EQ(ProfilePath(OperatingMode::Standalone, program, "10.0.0.5"),
              "/opt/tarvo_ems/QTR5190MX/10.0.0.5.cfg");
    EXPECT_EQ(ProfilePath(OperatingMode::Standalone, program, "../x"), std::nullopt);
    EXPECT_EQ(ProfilePath(OperatingMode::Standalone, program, ""), std::nullopt);
    EXPECT_EQ(ProfilePath(OperatingMode::Suite, program, "10.0.0.5"), std::nullopt) << "no settings file";

    QDir(etc.path()).mkpath("Tarvo");
    { std::ofstream(etc.path().toStdString() + "/Tarvo/Nimbro5.1.conf") << "[General]\nother=1\n"; }
    EXPECT_EQ(ProfilePath(OperatingMode::Suite, program, "10.0.0.5"), "../Conf/MBF/10.0.0.5.cfg")
        << "no Path key";
    {
        std::ofstream(etc.path().toStdString() + "/Tarvo/Nimbro5.1.conf")
            << "[ExePath]\nPath=/opt/nimbro/bin/\n";
    }
    EXPECT_EQ(ProfilePath(OperatingMode::Suite, program, "10.0.0.5"),
              "/opt/nimbro/bin/../Conf/MBF/10.0.0.5.cfg");
    // A line Qt cannot parse: the profile is looked up for reading and again for saving, and both
    // lookups must find the same place (Qt reports the error only to the read that parsed the file).
    {
        std::ofstream(etc.path().toStdString() + "/Tarvo/Nimbro5.1.conf")
            << "[ExePath]\nPath=/opt/suite/bin/\n[unterminated\n";
    }
    for (int lookup = 0; lookup < 2; ++lookup)
        EXPECT_EQ(ProfilePath(OperatingMode::Suite, program, "10.0.0.5"),
                  "/opt/suite/bin/../Conf/MBF/10.0.0.5.cfg")
            << "lookup " << lookup;
    // A value Qt would rebuild from a data stream, whose length asks for 48 GB: the file is damaged, and
    // taken as no settings file rather than read.
    {
        std::ofstream(etc.path().toStdString() + "/Tarvo/Nimbro5.1.conf")
            << "[ExePath]\nPath=@Variant(\\0\\0\\0\\vx2\\0\\2\\x4\\x89)\n";
    }
    EXPECT_EQ(ProfilePath(OperatingMode::Suite, program, "10.0.0.5"), std::nullopt) << "streamed value";
}

TEST(ProfileLocation, StandaloneOnlyDirectlyInsideTarvoEms) {
    struct Case {
        const char* program;
        OperatingMode mode;
    } cases[] = {
        {"/opt/tarvo_ems/QTR5190MX/qtr5190mx", OperatingMode::Standalone},
        {"/opt/tarvo_ems/qtr5190mx", OperatingMode::Suite},
        {"/opt/Tarvo_EMS/QTR5190MX/qtr5190mx", OperatingMode::Suite},
        {"/opt/tarvo_ems/a/b/qtr5190mx", OperatingMode::Suite},
        {"/tarvo_ems/x/qtr5190mx", OperatingMode::Standalone},
        {"qtr5190mx", OperatingMode::Suite},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideOperatingMode(c.program), c.mode) << c.program;
}

} // namespace
