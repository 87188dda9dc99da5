#include "profile/TvSettingsFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// A settings file holding a value Qt would rebuild from a data stream is set aside before anything reads
// it (such a value makes Qt ask for gigabytes); the program's own values are plain text and stay.
TEST(TvSettingsFile, OnlyAFileWithStreamedValuesIsSetAside) {
    const struct {
        const char* content;
        bool damaged;
    } cases[] = {
        {"[RecentSwitches]\n1\\Address=10.90.90.90\n1\\Port=161\nsize=1\n", false},
        {"[WindowPlacement]\nTIP_Routing=@ByteArray(\\x1\\xd9\\xd0\\xcb)\n", false},
        {"[RecentSwitches]\n1\\Port=@Variant(\\0\\0\\0\\vx2\\0\\2\\x4\\x89)\nsize=1\n", true},
        {"[Other]\nx=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\n", true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("qtr5190mx.conf");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        EXPECT_EQ(TvSettingsFile::HoldsStreamedValues(path), c.damaged) << c.content;
        EXPECT_EQ(TvSettingsFile::SetAsideIfDamaged(path), c.damaged) << c.content;
        EXPECT_EQ(QFile::exists(path), !c.damaged) << c.content;
        EXPECT_EQ(QFile::exists(path + ".damaged"), c.damaged) << c.content;
    }
    EXPECT_FALSE(TvSettingsFile::HoldsStreamedValues("/nonexistent/qtr5190mx.conf"));
}

} // namespace
