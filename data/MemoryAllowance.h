#pragma once

#include <cstdint>

namespace razzlewick {

// What the styles, lists and words read into one engine may cost in memory: eight times the
// bytes the data files gave and 16 MiB besides. An empty style or list takes a few bytes of a
// file and some hundreds of bytes of memory, so a file of a million of them would cost
// hundreds of megabytes; real vocabularies stay far below. Each cost is what the engine's
// containers take for the record, rounded up.
class MemoryAllowance final {
public:
    static constexpr uint64_t kStyleCost = 400;
    static constexpr uint64_t kListCost = 144;
    static constexpr uint64_t kWordCost = 48;

    // A new data file begins: the bytes of the last one count from now on.
    void StartFile();
    // Charges `cost`, with `fileBytesRead` read so far from the current file. Raises
    // ArchiveError, charging nothing, when the charge would pass the allowance.
    void Charge(uint64_t cost, uint64_t fileBytesRead);
    // Everything the engine held is gone.
    void Reset() { *this = MemoryAllowance(); }

private:
    uint64_t charged_ = 0;
    uint64_t earlierFiles_ = 0;  // bytes of the files read before the current one
    uint64_t currentFile_ = 0;   // bytes of the current file at its last charge
};

}  // namespace razzlewick
