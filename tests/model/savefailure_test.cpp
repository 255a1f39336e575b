// Everyday save failures are explained; anything else is left to the error report.
#include <gtest/gtest.h>

#include <cerrno>

#include "savefailure.h"

TEST(SaveFailure, EverydayFailuresAreExplainedOthersAreLeftToTheReport) {
    for (int everyday : {ENOENT, ENOTDIR, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EISDIR, ENAMETOOLONG})
        EXPECT_TRUE(vorn::SaveFailureReason(everyday)) << everyday;
    for (int unexpected : {0, EIO, ENOMEM, EBUSY, EINVAL}) EXPECT_FALSE(vorn::SaveFailureReason(unexpected)) << unexpected;
    EXPECT_NE(vorn::SaveFailureReason(ENOENT), vorn::SaveFailureReason(EACCES));  // missing and locked told apart
}
