#pragma once

#include "data/Archive.h"
#include "data/DataFileOutcome.h"
#include "data/DataFolders.h"
#include "data/InsultStyle.h"
#include "data/LoadResult.h"
#include "data/MemoryAllowance.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace razzlewick {

class LoadObserver;

// The engine: every style read from the data files, keyed by style name (case-sensitive), the
// style chosen for composing, and what the last search for data files found. Data from several
// files merges into it. The composer (generate/) composes in the current style; the history
// operations here walk that style's history. Searching and reading files is in
// DataFileLoading.cpp.
class InsultGenerator final {
public:
    explicit InsultGenerator(std::string fileName = {});
    ~InsultGenerator();

    InsultGenerator(const InsultGenerator&) = delete;
    InsultGenerator& operator=(const InsultGenerator&) = delete;

    // Loading: false for a wrong version, with nothing more read; ArchiveError propagates,
    // keeping every style record completed before it. Records are read one by one, whatever
    // count the file declares, and what they may cost in memory is bounded by the bytes read
    // (MemoryAllowance). Storing writes every style and gives true.
    bool Serialize(Archive& archive);

    const std::map<std::string, InsultStyle>& Styles() const { return styles_; }
    // The style of that exact key, or none.
    const InsultStyle* FindStyle(const std::string& key) const;
    InsultStyle* FindStyle(const std::string& key);
    // The style of that key, added empty and named by the key when the engine has none yet:
    // how styles that come from elsewhere than a data file join.
    InsultStyle& AddStyle(const std::string& key);
    // Makes the style of that exact key current; an unknown key changes nothing.
    void SelectStyle(const std::string& key);
    // The style SelectStyle chose, or none.
    InsultStyle* CurrentStyle() { return currentStyle_; }
    const InsultStyle* CurrentStyle() const { return currentStyle_; }
    // Clears and deletes every style; no style is current.
    void RemoveAll();

    // The current style's combination count and history. With no style current they give ""
    // or 0 and change nothing.
    int64_t CombinationCount() const;
    std::string StepBack();
    std::string StepForward();
    std::string CurrentText() const;
    int32_t HistoryState() const;
    int32_t HistorySize() const;

    // Opens `path` (or the last FileName, or "insltdat.dat") with no sharing and reads or
    // writes the whole engine.
    DataFileOutcome OpenDataFile(Archive::Mode mode, const std::string* path);

    // Reads every *.dat of each folder of DataFolderSearchOrder in turn, in name order,
    // appending one line per file (and per folder that is there but cannot be read, and a
    // closing line when nothing was found or read) to `report`, which may be null, and
    // recording the search (below). True only when files were found and all of them read.
    // The core shows no cursor: the application holds a wait cursor around this.
    bool LoadDataFiles(std::vector<LoadResult>* report);
    // As above with the program folder given (ending in '/', or empty for none), and the
    // current folder searched or skipped.
    bool LoadDataFiles(std::vector<LoadResult>* report, const std::string& programFolder,
                       CurrentFolderSearch current = CurrentFolderSearch::Included);
    // Reads every folder again, as the last LoadDataFiles did, into fresh styles. A style that
    // is there again keeps its history, its place in it and its recent draws, and stays
    // current if it was.
    bool ReloadDataFiles(std::vector<LoadResult>* report);

    // The file OpenDataFile last opened, or the one given at construction.
    const std::string& FileName() const { return fileName_; }
    // The last search: the files it found and the files it read whole; every folder, in search
    // order, with what came of it; why folders the desktop's variables name were not searched,
    // one sentence each.
    int32_t FilesFound() const { return filesFound_; }
    int32_t FilesLoaded() const { return filesLoaded_; }
    const std::vector<SearchedFolder>& SearchedFolders() const { return searchedFolders_; }
    const std::vector<std::string>& IgnoredSettings() const { return ignoredSettings_; }
    // Forgets the last search, as though there had been none; the styles stay.
    void ForgetSearch();

    // Hears of every file and record read; not owning, none by default.
    LoadObserver* Observer() const { return observer_; }
    void SetObserver(LoadObserver* observer) { observer_ = observer; }

private:
    // Reads the data files of `folder` ("" = the current folder) into `searched`. A folder
    // that cannot be listed gives a line of its own when `reportUnreadable` is set.
    void LoadFolder(const std::string& folder, bool reportUnreadable, SearchedFolder& searched,
                    bool* result);

    std::string fileName_;
    int32_t filesLoaded_ = 0;
    int32_t filesFound_ = 0;
    InsultStyle* currentStyle_ = nullptr;  // not owning; one of styles_ or none
    std::map<std::string, InsultStyle> styles_;
    std::vector<SearchedFolder> searchedFolders_;
    std::vector<std::string> ignoredSettings_;
    LoadObserver* observer_ = nullptr;
    std::string programFolder_;                                    // of the last LoadDataFiles
    CurrentFolderSearch current_ = CurrentFolderSearch::Included;  // of the last LoadDataFiles
    // What the styles read so far may still cost.
    MemoryAllowance allowance_;
};

}  // namespace razzlewick
