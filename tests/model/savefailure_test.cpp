// Everyday save failures get a reason of their own; anything else is left to
// the error report.
#include <gtest/gtest.h>

#include <cerrno>

#include "savefailure.h"

namespace vorn::test {
namespace {

TEST(SaveFailure, EverydayFailuresAreExplainedOthersAreLeftToTheReport) {
    for (int everyday : {ENOENT, ENOTDIR, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EISDIR, ENAMETOOLONG}) {
        const auto reason = SaveFailureReason(everyday);
        ASSERT_TRUE(reason) << everyday;
        EXPECT_TRUE(reason->size() > 1 && reason->back() == '.') << everyday;
    }
    for (int unexpected : {0, EIO, ENOMEM, EBUSY, EINVAL}) EXPECT_FALSE(SaveFailureReason(unexpected)) << unexpected;
    // Folders that are missing and folders that cannot be written are told apart.
    EXPECT_NE(SaveFailureReason(ENOENT), SaveFailureReason(EACCES));
}

}  // namespace
}  // namespace vorn::test
