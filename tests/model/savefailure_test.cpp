// Everyday save failures are explained; anything else is left to the error report.
#include <gtest/gtest.h>

#include <cerrno>

#include "circuitfile.h"
#include "savefailure.h"

TEST(SaveFailure, EverydayFailuresAreExplainedOthersAreLeftToTheReport) {
    for (int everyday : {ENOENT, ENOTDIR, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EISDIR, ENAMETOOLONG, EFBIG})
        EXPECT_TRUE(vorn::SaveFailureReason(everyday)) << everyday;
    for (int unexpected : {0, EIO, ENOMEM, EBUSY, EINVAL}) EXPECT_FALSE(vorn::SaveFailureReason(unexpected)) << unexpected;
    EXPECT_NE(vorn::SaveFailureReason(ENOENT), vorn::SaveFailureReason(EACCES));  // missing and locked told apart
}

// A write-protected file is told apart from a folder without the right to write.
TEST(SaveFailure, AWriteProtectedFileHasItsOwnReason) {
    const auto locked = vorn::SaveFailureReason(vorn::ReadOnlyFileError("x"));
    ASSERT_TRUE(locked);
    EXPECT_NE(locked, vorn::SaveFailureReason(EACCES));
    EXPECT_EQ(vorn::SaveFailureReason(vorn::CircuitFileError(EACCES, "x")), vorn::SaveFailureReason(EACCES));
}
