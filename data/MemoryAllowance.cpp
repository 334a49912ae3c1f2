#include "data/MemoryAllowance.h"

#include "data/ArchiveError.h"

#include <string>

namespace razzlewick {

namespace {

constexpr uint64_t kBytesFactor = 8;
constexpr uint64_t kFreeBytes = uint64_t{16} << 20;

}  // namespace

void MemoryAllowance::StartFile()
{
    earlierFiles_ += currentFile_;
    currentFile_ = 0;
}

void MemoryAllowance::Charge(uint64_t cost, uint64_t fileBytesRead)
{
    currentFile_ = fileBytesRead;
    const uint64_t allowed = kFreeBytes + kBytesFactor * (earlierFiles_ + currentFile_);
    if (charged_ + cost > allowed) {
        throw ArchiveError("the records read so far would take more than " +
                           std::to_string(allowed >> 20) +
                           " MiB of memory, more than the data's size justifies");
    }
    charged_ += cost;
}

}  // namespace razzlewick
