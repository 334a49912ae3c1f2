#pragma once

#include "data/LoadObserver.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

class InsultGenerator;
class InsultStyle;

// Finds what composes badly in the styles being checked or packed, each finding a warning
// that names the file, the style, the list and the word. It hears the records as they are
// read (as the loader's observer, or from pack replaying its sources), and CheckStyles then
// looks at each style as the merge left it, which is how the program composes it.
class ContentChecks final : public LoadObserver {
public:
    void FileOpened(const std::string& path) override;
    void StyleStarted(const std::string& key) override;
    void ListStarted(int32_t number, int32_t wordCount) override;
    void WordRead(std::string_view word, const std::string* kept) override;

    // The placeholders, list numbers and template end of every style the records named,
    // blamed on the last file that held the style.
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
    void Warn(const std::string& where, const std::string& what);
    // "FILE: style "KEY"", with ", list N" when a list record is being read.
    std::string Place(const std::string& file, const std::string& key, bool withList) const;

    std::string file_;
    std::string key_;
    int32_t list_ = 0;
    bool inList_ = false;
    int32_t wordIndex_ = 0;
    // A file reached again under another path (a program started from its own folder) has
    // been checked already.
    bool skipping_ = false;
    std::set<std::string> filesSeen_;
    std::set<int32_t> listsOfRecord_;
    std::map<std::string, std::string> fileOfStyle_;  // style key: the last file that held it
    std::vector<PlaceholderWord> placeholderWords_;
    std::vector<std::string> warnings_;
};

}  // namespace razzlewick
