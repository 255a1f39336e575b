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
    const struct {
        const char* name;
        long pid;
    } cases[] = {{"123.vfl", 123}, {"123.note", 123}, {"4194304.vfl", 4194304}, {"0.vfl", 0}, {"012.vfl", 0},
                 {"abc.vfl", 0},   {"12a.note", 0},   {"123.vfl.tmp", 0},         {"1234567890.vfl", 0}, {".vfl", 0},
                 {"123.VFL", 0},   {"123", 0}};
    for (const auto& c : cases) EXPECT_EQ(RecoveryProcess(c.name), c.pid) << c.name;
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
        if (withNote) {
            ASSERT_EQ(WriteRecoveryNote(RecoveryNotePath(folder_, pid), {original, "boot", 1, 0}), 0);
        }
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
    const std::vector<StaleRecovery> stale = FindStaleRecoveries(folder_, running);
    ASSERT_EQ(stale.size(), 3u);
    EXPECT_EQ(stale[0].pid, 102);
    EXPECT_EQ(stale[0].note.originalName, "/new.vfl");
    EXPECT_EQ(stale[1].pid, 104);
    EXPECT_EQ(stale[1].note.originalName, "");
    EXPECT_EQ(stale[2].pid, 101);
    EXPECT_FALSE(fs::exists(RecoveryNotePath(folder_, 105)));  // a note alone is gone
    EXPECT_TRUE(fs::exists(RecoveryCircuitPath(folder_, 103)));
}

TEST_F(RecoveryFolder, AFirstRefusalKeepsTheCopyAndASecondRemovesIt) {
    Put(201, 5, "/a.vfl");
    const auto none = [](long, const RecoveryNote&) { return false; };
    ASSERT_EQ(FindStaleRecoveries(folder_, none).size(), 1u);
    EXPECT_TRUE(RefuseRecovery(folder_, FindStaleRecoveries(folder_, none).at(0)));
    const std::vector<StaleRecovery> again = FindStaleRecoveries(folder_, none);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].note.refusals, 1);
    EXPECT_EQ(again[0].note.originalName, "/a.vfl");
    EXPECT_FALSE(RefuseRecovery(folder_, again[0]));
    EXPECT_TRUE(FindStaleRecoveries(folder_, none).empty());
    EXPECT_TRUE(fs::is_empty(folder_));
}

// Each row: a change at `at` ms (or, with written, a write then), and
// whether the change is written at once and when a write falls due.
TEST(RecoverySchedule, WritesAtOnceAfterAGapElseWhenTheIntervalIsOver) {
    struct Step {
        bool written;
        std::int64_t at;
        bool now;
        std::optional<std::int64_t> due;
    };
    const struct {
        int interval;
        std::vector<Step> steps;
    } runs[] = {
        {30, {{false, 100, true, 0}, {true, 100, false, {}}, {false, 4000, false, 30100}, {false, 5099, false, 30100},
              {true, 30100, false, {}}, {false, 35100, true, 60100}}},
        {30, {{true, 0, false, {}}, {false, 5000, true, 30000}}},  // exactly five seconds on
        {10, {{true, 0, false, {}}, {false, 1, false, 10000}}},
        {0, {{false, 100, false, {}}, {false, 10000, false, {}}}},  // switched off
    };
    for (const auto& run : runs) {
        RecoverySchedule schedule(run.interval);
        for (const Step& step : run.steps) {
            if (step.written) {
                schedule.Written(step.at);
            } else {
                EXPECT_EQ(schedule.Changed(step.at), step.now) << run.interval << " at " << step.at;
            }
            EXPECT_EQ(schedule.DueAt(), step.due) << run.interval << " at " << step.at;
        }
        schedule.Clean();
        EXPECT_FALSE(schedule.DueAt());
    }
}

}  // namespace
}  // namespace vorn
