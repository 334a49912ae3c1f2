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
    // The file (or "A or B") that gave the list the word the next dropped word duplicates,
    // when it was read before this one.
    void KeptIn(std::string files) { keptIn_ = std::move(files); }

    // The placeholders, list numbers, reach and template of every style the records named,
    // blamed on the last file that held the style; and a key that differs from another
    // the engine or a tab knows only in case.
    void CheckStyles(const InsultGenerator& engine);

    // The styles whose insults would show "????", a placeholder or a "%" as typed, or a byte
    // Windows-1252 has no character for: what install refuses without --force.
    const std::set<std::string>& BrokenStyles() const { return brokenStyles_; }

    // How many findings there are, shown or not.
    size_t WarningCount() const { return warningCount_; }
    // One line per finding, "razzlewick-data: warning: ...", or "error:" when strict; past the
    // first kShownWarnings, one line with the number of the others.
    void Print(std::ostream& out, bool strict) const;

    // A file of a million empty lists would otherwise keep a million findings in memory.
    static constexpr size_t kShownWarnings = 1000;

private:
    // A word holding a placeholder, judged once its style's lists are all known.
    struct PlaceholderWord {
        std::string where;
        int32_t list = 0;
        std::string text;
    };
    // Where a list record of a style stood last (an index into places_), and the style
    // record that held it, to find a number twice in one record.
    struct ListNotes {
        uint32_t place = 0;
        uint32_t record = 0;
    };
    // What the records said of one style.
    struct StyleNotes {
        uint32_t place = 0;  // of the template of the last record, an index into places_
        uint32_t file = 0;   // the file that held the last record, counted from 1
        std::map<int32_t, ListNotes> lists;
        std::vector<PlaceholderWord> placeholderWords;
    };

    // `covered`: numbers whose findings the style's missing-list finding makes.
    void CheckPlaceholderWord(const std::string& key, const InsultStyle& style,
                              const PlaceholderWord& word, const std::set<size_t>& covered);
    // The one finding of missing list numbers: the "????" they leave and the lists past the
    // count they strand. Returns those numbers, whose other findings it stands for.
    std::set<size_t> CheckListNumbers(const std::string& key, const InsultStyle& style,
                                      const std::string& where);
    void CheckTemplate(const std::string& key, const InsultStyle& style, const StyleNotes& notes,
                       const std::string& where);
    // A key that differs from a tab's name or another key only in case; `known` holds them
    // all, sorted without regard to case.
    void CheckCase(const std::string& key, const std::vector<std::string_view>& known,
                   const std::string& where);
    void Warn(const std::string& where, const std::string& what);
    // A control character in the key, name, template or a word (`part`), which a terminal
    // would act on; tabs and line breaks have findings of their own.
    void WarnOfControls(const std::string& where, std::string_view part, std::string_view text);
    // The place of the current record part, as an index into places_.
    uint32_t PlaceHere();
    // "FILE: style "KEY"" for the file, and place, that last held the style's list; `where`
    // (the style's own) when no record named the list.
    std::string ListPlace(const std::string& key, const StyleNotes& notes, int32_t list,
                          const std::string& where) const;
    // "FILE: style "KEY"" (the file followed by the place of the part, when known), with
    // ", list N" when withList is set and a list record is being read.
    std::string Place(const std::string& file, const std::string& key, bool withList) const;

    std::string file_;
    std::string at_;
    std::string keptIn_;
    // The record is a second one of its style in its file: that warning covers its duplicates.
    bool repeatedRecord_ = false;
    std::string key_;
    StyleNotes* style_ = nullptr;  // the notes of the style record being read
    int32_t list_ = 0;
    bool inList_ = false;
    int32_t wordIndex_ = 0;
    // A file reached again under another path (a program started from its own folder) has
    // been checked already.
    bool skipping_ = false;
    std::set<std::string> filesSeen_;
    uint32_t files_ = 0;    // files opened so far
    uint32_t records_ = 0;  // style records begun so far
    // "FILE" or "FILE:LINE:COLUMN", each once in a row: a data file's records all share one.
    std::vector<std::string> places_;
    std::map<std::string, StyleNotes> styles_;
    std::vector<std::string> warnings_;
    std::set<std::string> brokenStyles_;
    size_t warningCount_ = 0;
};

}  // namespace razzlewick
