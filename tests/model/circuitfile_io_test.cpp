// Failures of the file system: reported with their error number, and never
// at the cost of the user's existing file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <utility>

#include "circuitfile.h"
#include "temp_folder.h"

namespace vorn::test {
namespace {

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CircuitFileError& error) {
        return error.code().value();
    }
    return 0;
}

std::size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(CircuitFileErrors, MissingFoldersAndFoldersRaiseTheirErrorNumberAndNameTheFile) {
    TempFolder folder;
    auto cells = std::make_unique<CellGrid>();
    auto scratch = std::make_unique<NodeGrid>();
    const struct {
        std::filesystem::path path;
        bool write;
        int error;
    } cases[] = {{folder / "missing.vfl", false, ENOENT}, {folder.path(), false, EISDIR},
                 {folder / "no" / "x.vfl", true, ENOENT}, {folder.path(), true, EISDIR}};
    for (const auto& c : cases) {
        try {
            if (c.write) WriteCircuit(c.path, *cells);
            else ReadCircuit(c.path, *scratch);
            ADD_FAILURE() << "no error raised for " << c.path;
        } catch (const CircuitFileError& error) {
            EXPECT_EQ(error.code().value(), c.error) << c.path;
            EXPECT_NE(std::string(error.what()).find(c.path.string()), std::string::npos) << error.what();
        }
    }
}

// Saving a large circuit with the file size limited to a few bytes: the
// write fails part-way as on a full disk.
TEST(CircuitFileErrors, AFailedWriteLeavesTheOldFileIntactAndNoLeftovers) {
    TempFolder folder;
    const auto target = folder / "keep.vfl";
    WriteBytes(target, "; the teacher's circuit\r\n 1 1 1\r\n");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        auto cells = std::make_unique<CellGrid>();
        for (int x = 0; x < kFieldSize; ++x) cells->at(x, 5) = WireE;
        _exit(ErrorOf([&] { WriteCircuit(target, *cells); }) == EFBIG ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write did not raise EFBIG";
    EXPECT_EQ(ReadBytes(target), "; the teacher's circuit\r\n 1 1 1\r\n");
    EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

// Symbolic links stay links; a file with hard links is written in place, so
// every link shows the new circuit; permissions, and as root the owner, stay.
TEST(CircuitFileSaving, ReplacingKeepsPermissionsOwnerAndLinks) {
    TempFolder folder;
    const auto real = folder / "real.vfl";
    WriteBytes(real, "old");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    const bool root = geteuid() == 0;
    ASSERT_TRUE(!root || chown(real.c_str(), 4321, 4322) == 0);
    std::filesystem::create_symlink(real, folder / "link.vfl");
    std::filesystem::create_hard_link(real, folder / "hard.vfl");
    auto cells = std::make_unique<CellGrid>();
    cells->at(4, 4) = Lamp;
    WriteCircuit(folder / "link.vfl", *cells);
    auto scratch = std::make_unique<NodeGrid>();
    ASSERT_EQ(ReadCircuit(folder / "hard.vfl", *scratch), ReadVerdict::Valid);
    EXPECT_EQ(*scratch, *cells);
    EXPECT_EQ(std::filesystem::hard_link_count(real), 2u);

    // Once the file has one link left, it is replaced by a new one.
    std::filesystem::remove(folder / "hard.vfl");
    WriteCircuit(folder / "link.vfl", *cells);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.vfl"));
    struct stat info {};
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_TRUE(!root || std::pair(info.st_uid, info.st_gid) == std::pair(4321u, 4322u)) << info.st_uid;
    EXPECT_EQ(EntriesIn(folder.path()), 2u);
}

// Decided on the mode, so that root, whom the system lets write anything,
// is refused too.
TEST(CircuitFileSaving, AWriteProtectedFileIsRefusedAndKept) {
    for (unsigned mode : {0444u, 0400u, 0555u, 0u}) EXPECT_TRUE(IsWriteProtectedMode(mode)) << mode;
    for (unsigned mode : {0644u, 0200u, 0464u, 0446u}) EXPECT_FALSE(IsWriteProtectedMode(mode)) << mode;
    TempFolder folder;
    const auto handedOut = folder / "task.vfl";
    WriteBytes(handedOut, "; the teacher's circuit\r\n");
    ASSERT_EQ(chmod(handedOut.c_str(), 0444), 0);
    auto cells = std::make_unique<CellGrid>();
    EXPECT_THROW(WriteCircuit(handedOut, *cells), ReadOnlyFileError);
    EXPECT_EQ(ReadBytes(handedOut), "; the teacher's circuit\r\n");
    EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

// Leftovers of a killed save go at the next save beside them; the files of
// running processes, this one included, and other names stay.
TEST(CircuitFileSaving, StaleTemporaryFilesAreRemoved) {
    TempFolder folder;
    const pid_t gone = fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string dead = ".vorn-save-" + std::to_string(gone) + "-3.tmp";
    const std::string kept[] = {".vorn-save-" + std::to_string(getpid()) + "-9.tmp", ".vorn-save-1-0.tmp",
                                ".vorn-save-" + std::to_string(gone) + "-.tmp"};
    for (const std::string& name : kept) WriteBytes(folder / name, "x");
    WriteBytes(folder / dead, "x");
    auto cells = std::make_unique<CellGrid>();
    WriteCircuit(folder / "c.vfl", *cells);
    EXPECT_FALSE(std::filesystem::exists(folder / dead));
    for (const std::string& name : kept) EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    EXPECT_EQ(RemoveStaleSaveFiles(folder / "c.vfl"), 0);
}

}  // namespace
}  // namespace vorn::test
