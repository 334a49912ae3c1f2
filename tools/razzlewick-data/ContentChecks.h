#pragma once

#include "data/LoadObserver.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace razzlewick {

class InsultGenerator;
class InsultStyle;

// Finds what composes badly in the styles being checked or packed, each finding a warning
// that names the file (with the line and column of a JSON source), the style, the list and
// the word. It hears the records as they are read (as the loader's observer, or from pack
// replaying its sources), and CheckStyles then looks at each style as the merge left it,
// which is how the program composes it: together with whatever else the engine holds.
class ContentChecks final : public LoadObserver {
public:
    void FileOpened(const std::string& path) override;
    void StyleStarted(const std::string& key) override;
    void TemplateRead(const std::string& name, const std::string& templateText) override;
    void ListStarted(int32_t number, int32_t wordCount) override;
    void WordRead(std::string_view word, const std::string* kept) override;

    // Where in a source the next record part stands (":LINE:COLUMN", or "" for none); a data
    // file has no places. FileOpened clears it.
    void At(std::string placeSuffix) { at_ = std::move(placeSuffix); }

    // The placeholders, list numbers, reach and template of every style the records named,
    // blamed on the last file that held the style; and a key that differs from another
    // the engine or a tab knows only in case.
    void CheckStyles(const InsultGenerator& engine);

    const std::vector<std::string>& Warnings() const { return warnings_; }
    // One line per finding, "razzlewick-data: warning: ...", or "error:" when strict.
    void Print(std::ostream& out, bool strict) const;

private:
    // A word holding a placeholder, judged once its style's lists are all known.
    struct PlaceholderWord {
        std::string key;
        std::string where;
        int32_t list = 0;
        std::string text;
    };
    void CheckPlaceholderWord(const InsultStyle& style, const PlaceholderWord& word);
    void CheckTemplate(const std::string& key, const InsultStyle& style, const std::string& where);
    void CheckCase(const std::string& key, const InsultGenerator& engine, const std::string& where);
    void Warn(const std::string& where, const std::string& what);
    // A control character in the key, name, template or a word (`part`), which a terminal
    // would act on; tabs and line breaks have findings of their own.
    void WarnOfControls(const std::string& where, std::string_view part, std::string_view text);
    // "FILE: style "KEY"" for the file, and place, that last held the style's list; `where`
    // (the style's own) when no record named the list.
    std::string ListPlace(const std::string& key, int32_t list, const std::string& where) const;
    // "FILE: style "KEY"" (the file followed by the place of the part, when known), with
    // ", list N" when withList is set and a list record is being read.
    std::string Place(const std::string& file, const std::string& key, bool withList) const;

    std::string file_;
    std::string at_;
    std::string key_;
    int32_t list_ = 0;
    bool inList_ = false;
    int32_t wordIndex_ = 0;
    // A file reached again under another path (a program started from its own folder) has
    // been checked already.
    bool skipping_ = false;
    std::set<std::string> filesSeen_;
    std::set<int32_t> listsOfRecord_;
    std::set<std::string> keysOfFile_;
    // Style key: the last file that held it, with the place of its template.
    std::map<std::string, std::string> fileOfStyle_;
    // Style key and list number: the last file that held the list, with its place.
    std::map<std::pair<std::string, int32_t>, std::string> fileOfList_;
    std::vector<PlaceholderWord> placeholderWords_;
    std::vector<std::string> warnings_;
};

}  // namespace razzlewick
