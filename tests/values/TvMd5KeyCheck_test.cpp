#include "values/TvMd5KeyCheck.h"
#include "values/TvSecret.h"

#include <sys/prctl.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <optional>

namespace {

using Mode = TvMd5KeyCheck::Mode;
using Field = TvMd5KeyCheck::Field;
using Failure = TvMd5KeyCheck::Failure;

const std::vector<std::string> kListed = {"1", "2", "17"};

struct CheckCase {
    Mode mode;
    const char* keyId;
    const char* key;
    const char* status;
    std::optional<Failure> expected;
};

const CheckCase kChecks[] = {
    // Adding: the checks in their order; the first that fails is the one reported.
    {Mode::Add, "", "", "active", Failure{"KeyID is needed.", Field::KeyID}},
    {Mode::Add, "2", "", "active", Failure{"KeyID must be different.", Field::KeyID}},
    {Mode::Add, "2", "has space", "active", Failure{"KeyID must be different.", Field::KeyID}},
    {Mode::Add, "02", "good", "createAndGo", Failure{"KeyID must be different.", Field::KeyID}},
    {Mode::Add, "3", "", "active", Failure{"Key is needed.", Field::Key}},
    {Mode::Add, "3", "has space", "active", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    {Mode::Add, "3", " lead", "createAndGo", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    {Mode::Add, "3", "tab\tkey", "createAndGo", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    {Mode::Add, "3", "seventeen-chars-x", "createAndGo", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    // Written exactly as typed or refused: no character outside ASCII is cut or re-encoded.
    {Mode::Add, "3", "schl\xc3\xbcssel", "createAndGo", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    {Mode::Add, "3", "schl\xfcssel", "createAndGo", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    {Mode::Add, "3", "del\x7f", "createAndGo", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    {Mode::Add, "3", "good", "active", Failure{"Status should be createAndGo.", Field::Status}},
    {Mode::Add, "3", "good", "", Failure{"Status should be createAndGo.", Field::Status}},
    {Mode::Add, "3", "sixteen-chars-xx", "createAndGo", std::nullopt},
    {Mode::Add, "3", "k", "createAndGo", std::nullopt},
    {Mode::Add, "255", "backbone", "createAndGo", std::nullopt},
    // Editing: the Key ID and the status are the row's own; only the key is checked.
    {Mode::Edit, "2", "", "active", Failure{"Key is needed.", Field::Key}},
    {Mode::Edit, "2", "in side", "active", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    {Mode::Edit, "2", "seventeen-chars-x", "active", Failure{TvMd5KeyCheck::kInvalidKey, Field::Key}},
    {Mode::Edit, "2", "sixteen-chars-xx", "active", std::nullopt},
    {Mode::Edit, "", "new", "destroy", std::nullopt},
};

TEST(TvMd5KeyCheck, ChecksInTheirOrder) {
    for (const CheckCase& c : kChecks) {
        const TvMd5KeyCheck::Entry entry{c.mode, c.keyId, c.key, c.status};
        EXPECT_EQ(TvMd5KeyCheck::Check(entry, kListed), c.expected)
            << (c.mode == Mode::Add ? "add " : "edit ") << c.keyId << " [" << c.key << "] " << c.status;
    }
}

TEST(TvMd5KeyCheck, AnEmptyTableTakesAnyKeyId) {
    EXPECT_EQ(TvMd5KeyCheck::Check({Mode::Add, "1", "secret", "createAndGo"}, {}), std::nullopt);
}

TEST(TvSecret, WipeZeroesWhatTheTextHeld) {
    std::string key = "a-rather-long-secret-key-beyond-any-small-buffer";
    const char* data = key.data();
    const size_t held = key.size();
    TvSecret::Wipe(key);
    EXPECT_TRUE(key.empty());
    // Same buffer: clearing never gives the memory back, so it can be inspected.
    ASSERT_EQ(key.data(), data);
    for (size_t i = 0; i < held; ++i)
        EXPECT_EQ(data[i], '\0') << i;
}

// A crash writes no core file holding the passwords, and no other process of the user may read the
// memory: both read back from the kernel.
TEST(TvSecret, CoreDumpsAreOff) {
    EXPECT_TRUE(TvSecret::KeepOutOfCoreDumps());
    rlimit core{};
    ASSERT_EQ(::getrlimit(RLIMIT_CORE, &core), 0);
    EXPECT_EQ(core.rlim_cur, 0u);
    EXPECT_EQ(core.rlim_max, 0u);
    EXPECT_EQ(::prctl(PR_GET_DUMPABLE, 0, 0, 0, 0), 0);
}

} // namespace
