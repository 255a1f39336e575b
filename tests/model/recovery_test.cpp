#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "recovery.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

TEST(RecoveryNote, KeepsEveryNameAndRefusesTextsWithoutItsWriter) {
    for (const std::string name : {"", "/home/ученик/схема 1.vfl", "a\\nb", "line\nbreak\r\\", "C:\\x.vfl"}) {
        const RecoveryNote note{name, "29ed267e-2378", 1023592, 1};
        EXPECT_EQ(ParseRecoveryNote(FormatRecoveryNote(note)), note) << name;
    }
    for (const char* text : {"", "original x\nstart 5\n", "original x\nboot b\n", "boot b\nstart -1\n", "boot b\nstart 5x\n"})
        EXPECT_FALSE(ParseRecoveryNote(text)) << text;
}

TEST(RecoveryNote, ProcessIdTakenOnlyFromTheProgramsOwnNames) {
    const std::pair<const char*, long> cases[] = {
        {"123.vfl", 123}, {"123.note", 123}, {"4194304.vfl", 4194304}, {"0.vfl", 0},        {"012.vfl", 0}, {"abc.vfl", 0},
        {"12a.note", 0},  {"123.vfl.tmp", 0}, {"1234567890.vfl", 0},  {".vfl", 0},         {"123.VFL", 0}, {"123", 0}};
    for (const auto& [name, pid] : cases) EXPECT_EQ(RecoveryProcess(name), pid) << name;
}

TEST(RecoveryNote, ARunningWriterIsKnownByBootAndStartNotByIdAlone) {
    const long self = static_cast<long>(::getpid());
    const std::optional<RecoveryNote> me = ProcessIdentity(self);
    ASSERT_TRUE(me);
    EXPECT_TRUE(IsWriterRunning(self, *me));
    EXPECT_FALSE(IsWriterRunning(self, RecoveryNote{"", me->bootId, me->startTicks + 1, 0}));  // an id used again
    EXPECT_FALSE(IsWriterRunning(self, RecoveryNote{"", "another boot", me->startTicks, 0}));
}

class RecoveryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vorn-recovery-test-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A copy of pid written `age` seconds ago, with its note unless noteless.
    void Put(long pid, int age, const std::string& original, bool withNote = true) {
        if (withNote) WriteRecoveryNote(RecoveryNotePath(folder_, pid), {original, "boot", 1, 0});
        std::ofstream(RecoveryCircuitPath(folder_, pid)) << " 1 1 8\r\n";
        fs::last_write_time(RecoveryCircuitPath(folder_, pid), fs::file_time_type::clock::now() - std::chrono::seconds(age));
    }

    fs::path folder_;
};

TEST_F(RecoveryFolder, OffersTheCopiesOfEndedProgramsNewestFirst) {
    Put(101, 50, "/old.vfl");
    Put(102, 10, "/new.vfl");
    Put(103, 20, "/running.vfl");
    Put(104, 30, "", false);  // no note: the writer cannot be running
    Put(::getpid(), 0, "/mine.vfl");
    ASSERT_EQ(WriteRecoveryNote(RecoveryNotePath(folder_, 105), {"/x.vfl", "boot", 1, 0}), 0);  // no copy yet
    std::ofstream(folder_ / "other.vfl") << "";

    const auto running = [](long pid, const RecoveryNote&) { return pid == 103 || pid == 104; };
    std::vector<std::pair<long, std::string>> offered;
    for (const StaleRecovery& copy : FindStaleRecoveries(folder_, running)) offered.emplace_back(copy.pid, copy.note.originalName);
    EXPECT_EQ(offered, (std::vector<std::pair<long, std::string>>{{102, "/new.vfl"}, {104, ""}, {101, "/old.vfl"}}));
    EXPECT_FALSE(fs::exists(RecoveryNotePath(folder_, 105)));  // a note alone is gone
    EXPECT_TRUE(fs::exists(RecoveryCircuitPath(folder_, 103)));
}

TEST_F(RecoveryFolder, AFirstRefusalKeepsTheCopyAndASecondRemovesIt) {
    Put(201, 5, "/a.vfl");
    const auto stale = [this] { return FindStaleRecoveries(folder_, [](long, const RecoveryNote&) { return false; }); };
    ASSERT_TRUE(RefuseRecovery(folder_, stale().at(0)));
    ASSERT_EQ(stale().size(), 1u);
    EXPECT_EQ(stale()[0].note, (RecoveryNote{"/a.vfl", "boot", 1, 1}));
    EXPECT_FALSE(RefuseRecovery(folder_, stale()[0]));
    EXPECT_TRUE(fs::is_empty(folder_));
}

// Each row: a change at `at` ms (or, with written, a write then), and
// whether the change is written at once and when a write falls due.
TEST(RecoverySchedule, WritesAtOnceAfterAGapElseWhenTheIntervalIsOver) {
    struct Step {  // a change at `at` ms (with written: a write then); written at once? due when?
        bool written;
        std::int64_t at;
        bool now;
        std::optional<std::int64_t> due;
    };
    const std::pair<int, std::vector<Step>> runs[] = {
        {30, {{false, 100, true, 0}, {true, 100, false, {}}, {false, 4000, false, 30100}, {false, 5099, false, 30100},
              {true, 30100, false, {}}, {false, 35100, true, 60100}}},
        {30, {{true, 0, false, {}}, {false, 5000, true, 30000}}},  // exactly five seconds on
        {10, {{true, 0, false, {}}, {false, 1, false, 10000}}},
        {0, {{false, 100, false, {}}, {false, 10000, false, {}}}},  // switched off
    };
    for (const auto& [interval, steps] : runs) {
        RecoverySchedule schedule(interval);
        for (const Step& step : steps) {
            if (step.written) schedule.Written(step.at);
            else EXPECT_EQ(schedule.Changed(step.at), step.now) << interval << " at " << step.at;
            EXPECT_EQ(schedule.DueAt(), step.due) << interval << " at " << step.at;
        }
        schedule.Clean();
        EXPECT_FALSE(schedule.DueAt());
    }
}

}  // namespace
}  // namespace vorn
