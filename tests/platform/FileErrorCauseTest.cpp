#include "platform/FileErrorCause.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace razzlewick;

namespace {

TEST(FileErrorCause, ClassifiesOpenErrors)
{
    const std::pair<int, int32_t> rows[] = {
        {ENOENT, 2},       {ENOTDIR, 3}, {ENAMETOOLONG, 3}, {ELOOP, 3},  {EMFILE, 4},
        {ENFILE, 4},       {EACCES, 5},  {EPERM, 5},        {EISDIR, 5}, {EIO, 10},
        {EWOULDBLOCK, 11}, {ENOSPC, 13}, {EINVAL, 1},       {EROFS, 1},  {0, 1},
    };
    for (const auto& [error, cause] : rows) {
        EXPECT_EQ(platform::FileErrorCauseFromErrno(error), cause) << "errno " << error;
    }
}

}  // namespace
