#pragma once

#include "data/FileErrorInfo.h"

namespace razzlewick {

// What came of reading or writing one data file (InsultGenerator::OpenDataFile): read or
// written whole; not opened at all, and why; or opened but not read whole (another version,
// data that breaks off) or not written whole.
struct DataFileOutcome final {
    enum class Result { Succeeded, NotOpened, Incomplete };

    Result result = Result::Succeeded;
    FileErrorInfo openError;  // NotOpened: the cause, the system's code and the path

    bool Succeeded() const { return result == Result::Succeeded; }
};

}  // namespace razzlewick
