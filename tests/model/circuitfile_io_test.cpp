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

TEST(CircuitFileSaving, ReplacingKeepsPermissionsAndLinks) {
    TempFolder folder;
    const auto real = folder / "real.vfl";
    WriteBytes(real, "old");
    ASSERT_EQ(chmod(real.c_str(), 0644), 0);
    std::filesystem::create_symlink(real, folder / "link.vfl");
    auto cells = std::make_unique<CellGrid>();
    cells->at(4, 4) = Lamp;
    WriteCircuit(folder / "link.vfl", *cells);

    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.vfl"));
    struct stat info {};
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    auto scratch = std::make_unique<NodeGrid>();
    ASSERT_EQ(ReadCircuit(real, *scratch), ReadVerdict::Valid);
    EXPECT_EQ(scratch->at(4, 4), Lamp);
    EXPECT_EQ(EntriesIn(folder.path()), 2u);
}

}  // namespace
}  // namespace vorn::test
