#pragma once

#include "data/LoadResult.h"

#include <string>
#include <vector>

namespace razzlewick {

// Where data files are looked for, in this order. A later file's template replaces an
// earlier one's, so the folders go from the least important to the most: the desktop's data
// folders from the last of $XDG_DATA_DIRS to the first, and the user's own folder last. The
// first two are always searched, so a program started from its own folder reads its files
// twice; a later folder that resolves to one searched before is not read again, and one that
// comes again further on is read there, where it counts more.
enum class DataFolderRole {
    Program,  // the program's own folder
    Current,  // the current folder
    System,   // razzlewick/ in each of the desktop's data folders
    User,     // razzlewick/ in the user's data home: styles of their own
};

struct DataFolder final {
    DataFolderRole role = DataFolderRole::Program;
    std::string path;  // ending in '/'; "" is the current folder
};

// Whether a search reads the current folder. The window does; the terminal programs do not,
// so a shell started in a folder of someone else's files (a cloned repository, an unpacked
// download) is not led by them.
enum class CurrentFolderSearch { Included, Skipped };

// The folders in search order, the program folder given (ending in '/'; "" when it is not
// known, which searches the current folder in its place, or nothing when that is skipped).
std::vector<DataFolder> DataFolderSearchOrder(
    const std::string& programFolder, CurrentFolderSearch current = CurrentFolderSearch::Included);

// The user's own folder, where `razzlewick-data install` puts files; empty when no home
// folder is known.
std::string UserDataFolder();

enum class FolderOutcome {
    Read,         // its data files were tried (there may have been none)
    Missing,      // not there: skipped without a report line
    AlreadyRead,  // resolves to a folder searched before
    ReadLater,    // resolves to a folder further on, which counts more: read there
    Unusable,     // there, but not a folder that can be read: one report line says why
};

// What the last search made of one folder.
struct SearchedFolder final {
    DataFolderRole role = DataFolderRole::Program;
    std::string path;  // absolute, ending in '/'
    FolderOutcome outcome = FolderOutcome::Read;
    std::string sameAs;  // AlreadyRead: the earlier folder, resolved; ReadLater: the later one
    std::vector<LoadResult> lines;  // the report lines it gave, in order
};

}  // namespace razzlewick
