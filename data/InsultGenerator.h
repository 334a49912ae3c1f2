#pragma once

#include "data/Archive.h"
#include "data/DataFolders.h"
#include "data/FileErrorInfo.h"
#include "data/InsultStyle.h"
#include "data/LoadResult.h"
#include "data/MemoryAllowance.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace razzlewick {

class LoadObserver;

// The engine: every style read from the data files, keyed by style name (case-sensitive).
// Data from several files merges into it. Composing and the history are added on top by
// the generator code through currentStyle.
class InsultGenerator final {
public:
    explicit InsultGenerator(std::string fileName = {});
    ~InsultGenerator();

    InsultGenerator(const InsultGenerator&) = delete;
    InsultGenerator& operator=(const InsultGenerator&) = delete;

    // Loading: a wrong version sets loadedOk false and reads nothing more; ArchiveError
    // propagates, keeping every style record completed before it. Records are read one by
    // one, whatever count the file declares, and what they may cost in memory is bounded by
    // the bytes read (MemoryAllowance).
    void Serialize(Archive& archive);
    // Makes the style of that exact name current; an unknown name changes nothing.
    void SelectStyle(const std::string& name);
    // Clears and deletes every style; currentStyle becomes none.
    void RemoveAll();

    // Opens `path` (or the last fileName, or "insltdat.dat") with no sharing and reads
    // or writes the whole engine. Returns -1 when the open failed (then `error` is filled),
    // otherwise 0, and loadedOk tells whether the read (or write) succeeded.
    int32_t OpenDataFile(Archive::Mode mode, const std::string* path, FileErrorInfo* error);

    // Reads every *.dat of each folder of DataFolderSearchOrder in turn, in name order,
    // appending one line per file (and per folder that is there but cannot be read, and a
    // closing line when nothing was found or read) to `report`, which may be null, and
    // recording the search in searchedFolders. True only when files were found and all of
    // them read. The core shows no cursor: the application holds a wait cursor around this.
    bool LoadDataFiles(std::vector<LoadResult>* report);
    // As above with the program folder given (ending in '/', or empty for none), and the
    // current folder searched or skipped.
    bool LoadDataFiles(std::vector<LoadResult>* report, const std::string& programFolder,
                       CurrentFolderSearch current = CurrentFolderSearch::Included);

    // Reads every folder again, as the last LoadDataFiles did, into fresh styles. A style that
    // is there again keeps its history, its place in it and its recent draws, and stays current if it was.
    bool ReloadDataFiles(std::vector<LoadResult>* report);

    std::string fileName;
    bool loadedOk = false;
    int32_t filesLoaded = 0;
    int32_t filesFound = 0;
    InsultStyle* currentStyle = nullptr;  // not owning; one of styles or none
    std::map<std::string, std::unique_ptr<InsultStyle>> styles;
    // Every folder of the last LoadDataFiles, in search order, with what came of it.
    std::vector<SearchedFolder> searchedFolders;
    // Why folders the desktop's variables name were not searched, one sentence each.
    std::vector<std::string> ignoredSettings;
    // Hears of every file and record read; not owning, none by default.
    LoadObserver* observer = nullptr;

private:
    // Adds the file being read to the style's files.
    void NoteFile(InsultStyle& style) const;
    // Reads the data files of `folder` ("" = the current folder) into `searched`. A folder
    // that cannot be listed gives a line of its own when `reportUnreadable` is set.
    void LoadFolder(const std::string& folder, bool reportUnreadable, SearchedFolder& searched,
                    bool* result);

    std::string programFolder_;                                    // of the last LoadDataFiles
    CurrentFolderSearch current_ = CurrentFolderSearch::Included;  // of the last LoadDataFiles
    // What the styles read so far may still cost.
    MemoryAllowance allowance_;
};

}  // namespace razzlewick
