#include "tools/razzlewick-data/ContentChecks.h"

#include "cli/StyleTabs.h"
#include "cli/TerminalText.h"
#include "data/DataLimits.h"
#include "data/InsultGenerator.h"
#include "data/InsultStyle.h"
#include "data/Windows1252.h"
#include "platform/AsciiCase.h"
#include "tools/razzlewick-data/ExpansionChecks.h"
#include "tools/razzlewick-data/PlaceholderTypos.h"
#include "tools/razzlewick-data/Quoted.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>

namespace razzlewick {

namespace {

// How much of a word too long to keep a finding quotes.
constexpr size_t kQuotedWordLength = 40;

// Orders names as EqualsIgnoringAsciiCase compares them.
bool LessIgnoringCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return platform::FoldAsciiCase(x) < platform::FoldAsciiCase(y);
    });
}

// Tabs have findings of their own, with the line breaks.
bool IsBlank(char c)
{
    return c == ' ';
}

// "a tab", "a line break (CR)", ... for the control characters that split an insult's line,
// joined with "and"; "" when the text holds none.
std::string LineSplitters(std::string_view text)
{
    std::vector<std::string_view> kinds;
    const auto note = [&](char c, std::string_view kind) {
        if (text.find(c) != std::string_view::npos)
            kinds.push_back(kind);
    };
    note('\t', "a tab");
    note('\r', "a carriage return (CR)");
    note('\n', "a line feed (LF)");
    std::string joined;
    for (size_t i = 0; i < kinds.size(); ++i)
        joined.append(i == 0 ? "" : i + 1 == kinds.size() ? " and " : ", ").append(kinds[i]);
    return joined;
}

// The control characters other than the line splitters above: C0, DEL, and the five bytes
// Windows-1252 leaves unassigned, which are C1 controls. A terminal would act on them. A table,
// as lists of a million words are checked while they load.
constexpr std::array<bool, 256> kControlBytes = [] {
    std::array<bool, 256> table{};
    for (size_t byte = 0; byte < 0x20; ++byte)
        table[byte] = byte != '\t' && byte != '\r' && byte != '\n';
    for (const size_t byte : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D})
        table[byte] = true;
    return table;
}();

// The bytes Windows-1252 gives no character.
constexpr std::string_view kUnassignedBytes = "\x81\x8D\x8F\x90\x9D";

bool IsControl(char c)
{
    return kControlBytes[static_cast<unsigned char>(c)];
}

// "the control character \e", "the control characters \e, \x9d": those `text` holds, each
// once, as the terminal shows them; "" for none.
std::string Controls(std::string_view text)
{
    std::string seen;
    std::string shown;
    for (const char c : text) {
        if (!IsControl(c) || seen.find(c) != std::string::npos)
            continue;
        seen += c;
        shown += (shown.empty() ? "" : ", ") + TerminalTextFrom1252(std::string_view(&c, 1));
    }
    if (seen.empty())
        return {};
    return (seen.size() == 1 ? "the control character " : "the control characters ") + shown;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits of every placeholder in `text` ("%" followed by digits), in order.
std::vector<std::string_view> PlaceholderDigits(std::string_view text)
{
    std::vector<std::string_view> found;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        size_t end = at + 1;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
        if (end > at + 1)
            found.push_back(text.substr(at + 1, end - at - 1));
    }
    return found;
}

// "1", "1 and 3", "1, 3 and 5", each number after `prefix` ("%1 and %3"); past the first ten,
// how many more, as a hostile file may leave out a million.
std::string Numbers(const std::set<size_t>& numbers, std::string_view prefix)
{
    constexpr size_t kNamed = 10;
    const size_t named = numbers.size() > kNamed ? kNamed : numbers.size();
    std::string text;
    size_t i = 0;
    for (auto number = numbers.begin(); i < named; ++number, ++i) {
        text.append(i == 0                    ? ""
                    : i + 1 == numbers.size() ? " and "
                                              : ", ")
            .append(prefix)
            .append(std::to_string(*number));
    }
    if (named < numbers.size())
        text += " and " + std::to_string(numbers.size() - named) + " more";
    return text;
}

// Which placeholders a style of `count` lists fills: lists 0 to count-1, whatever their numbers.
std::string FilledRange(size_t count)
{
    if (count == 0)
        return "the style has no lists";
    if (count == 1)
        return "only %0 is filled (1 list)";
    return "only %0 to %" + std::to_string(count - 1) + " are filled (" + std::to_string(count) +
           " lists)";
}

// What the composer makes of one placeholder of a template with `count` lists, or "" when
// it fills it as written. Lists are filled in ascending order and matched as plain text,
// so the first number that is a prefix of the digits takes the placeholder.
std::string PlaceholderProblem(std::string_view digits, size_t count,
                               const std::set<size_t>& covered, bool& shownAsTyped)
{
    shownAsTyped = false;
    for (size_t k = 0; k < count; ++k) {
        const std::string number = std::to_string(k);
        if (!digits.starts_with(number))
            continue;
        if (number.size() == digits.size())
            return {};
        return "placeholder %" + std::string(digits) + " is read as %" + number +
               " followed by \"" + std::string(digits.substr(number.size())) + "\"";
    }
    // A list stranded by a missing number has a finding of its own.
    if (digits.size() < 10 && covered.contains(std::stoul(std::string(digits))))
        return {};
    shownAsTyped = true;
    return "placeholder %" + std::string(digits) + " has no list: " + FilledRange(count);
}

// "; the template holds "$3": did you mean %3?" when the template writes the placeholder of
// an unreached list another way. Only then: "$3" or "{3}" is ordinary text elsewhere.
std::string MistypedPlaceholder(std::string_view text, size_t number)
{
    const std::string digits = std::to_string(number);
    for (const std::string& typed : {"$" + digits, "{" + digits + "}"}) {
        for (size_t at = text.find(typed); at != std::string_view::npos;
             at = text.find(typed, at + 1)) {
            const size_t end = at + typed.size();
            if (end < text.size() && IsDigit(text[end]))
                continue;
            return "; the template holds \"" + typed + "\" at character " + std::to_string(at + 1) +
                   ": did you mean %" + digits + "?";
        }
    }
    return {};
}

// Whether a stray "%" of the template stands just before the list's number ("%l3", "% 3"),
// or is "%O" for list 0, whose finding already says why the list is not reached.
bool TypoStandsFor(std::string_view text, size_t number)
{
    const std::string digits = std::to_string(number);
    for (const PlaceholderTypo& typo : PlaceholderTypos(text)) {
        if (number == 0 && typo.offset + 1 < text.size() &&
            (text[typo.offset + 1] == 'O' || text[typo.offset + 1] == 'o'))
            return true;
        const size_t at = text.find(digits, typo.offset + 1);
        if (typo.shownAsTyped && at != std::string_view::npos && at <= typo.offset + 2 &&
            (at + digits.size() == text.size() || !IsDigit(text[at + digits.size()])))
            return true;
    }
    return false;
}

}  // namespace

void ContentChecks::FileOpened(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(path, error);
    skipping_ = !filesSeen_.insert(error ? path : resolved.string()).second;
    file_ = path;
    at_.clear();
    inList_ = false;
    style_ = nullptr;
    ++files_;
}

uint32_t ContentChecks::PlaceHere()
{
    std::string place = file_ + at_;
    if (places_.empty() || places_.back() != place)
        places_.push_back(std::move(place));
    return static_cast<uint32_t>(places_.size() - 1);
}

void ContentChecks::StyleStarted(const std::string& key)
{
    if (skipping_)
        return;
    key_ = key;
    inList_ = false;
    ++records_;
    style_ = &styles_[key];
    style_->place = PlaceHere();
    if (key.empty())
        Warn(Place(file_ + at_, key_, false),
             "the key is empty, so no tab and no --style names it");
    WarnOfControls(Place(file_ + at_, key_, false), "the key", key);
    repeatedRecord_ = style_->file == files_;
    if (repeatedRecord_) {
        Warn(Place(file_ + at_, key_, false),
             "a second style of this key in the same file: the two merge "
             "into one, and this one's template wins");
    }
    style_->file = files_;
}

void ContentChecks::TemplateRead(const std::string& name, const std::string& templateText)
{
    if (skipping_ || style_ == nullptr)
        return;
    style_->place = PlaceHere();
    if (name != key_)  // a name left out is the key, which has been judged
        WarnOfControls(Place(file_ + at_, key_, false), "the name", name);
    WarnOfControls(Place(file_ + at_, key_, false), "the template", templateText);
    if (const std::string splitters = LineSplitters(templateText); !splitters.empty()) {
        Warn(Place(file_ + at_, key_, false),
             "the template holds " + splitters + ", which an insult's one line cannot show");
    }
    for (const PlaceholderTypo& typo : PlaceholderTypos(templateText)) {
        Warn(Place(file_ + at_, key_, false), "the template holds " + typo.what);
        if (typo.shownAsTyped)
            brokenStyles_.insert(key_);
    }
}

void ContentChecks::ListStarted(int32_t number, int32_t /*wordCount*/)
{
    if (skipping_ || style_ == nullptr)
        return;
    list_ = number;
    inList_ = true;
    wordIndex_ = 0;
    ListNotes& list = style_->lists[number];
    const bool again = list.record == records_;
    list = {PlaceHere(), records_};
    if (number < 0)
        Warn(Place(file_ + at_, key_, true), "a negative list number, so its words are never used");
    else if (again)
        Warn(Place(file_ + at_, key_, true),
             "the style has two lists of this number; they are joined");
}

void ContentChecks::WordRead(std::string_view word, const std::string* kept)
{
    if (skipping_)
        return;
    const int32_t index = wordIndex_++;
    // One pass over the word finds whether anything is wrong; the message is made only then,
    // as lists of a million words are checked while they load.
    bool doubledBlank = false;
    bool placeholder = false;
    bool percent = !word.empty() && word.front() == '%';
    bool control = !word.empty() && IsControl(word.front());
    for (size_t i = 1; i < word.size(); ++i) {
        doubledBlank = doubledBlank || (IsBlank(word[i]) && IsBlank(word[i - 1]));
        placeholder = placeholder || (word[i - 1] == '%' && IsDigit(word[i]));
        percent = percent || word[i] == '%';
        control = control | IsControl(word[i]);
    }
    const bool blankAtStart = !word.empty() && IsBlank(word.front());
    const bool blankAtEnd = !word.empty() && IsBlank(word.back());
    const bool splits = word.find_first_of("\t\r\n") != std::string_view::npos;
    const bool cut = word.size() > kLongestWord;
    if (kept == nullptr && !word.empty() && !doubledBlank && !placeholder && !blankAtStart &&
        !blankAtEnd && !splits && !control && !cut && !percent) {
        return;
    }
    const std::string where = Place(file_ + at_, key_, true);
    if (kept != nullptr) {
        const std::string from = keptIn_.empty() ? std::string() : ", read from " + keptIn_;
        keptIn_.clear();
        if (!repeatedRecord_) {
            Warn(where, "dropped duplicate word " + Quoted(word) + " (the list holds " +
                            Quoted(*kept) + from + ")");
        }
        return;
    }
    if (word.empty()) {
        Warn(where + ", word #" + std::to_string(index), "the word is empty");
        return;
    }
    // A word cut on reading is named by its start: a finding is one line to read.
    const std::string named =
        where + ", word " +
        Quoted(cut ? std::string(word.substr(0, kQuotedWordLength)) + "..." : std::string(word));
    if (cut) {
        Warn(named, "a word of " + std::to_string(word.size()) +
                        " characters: the program keeps its first " + std::to_string(kLongestWord));
    }
    if (blankAtStart)
        Warn(named, "a blank at the start");
    if (blankAtEnd)
        Warn(named, "a blank at the end");
    if (doubledBlank)
        Warn(named, "two blanks in a row");
    if (splits) {
        Warn(named, "holds " + LineSplitters(word) + ", which an insult's one line cannot show");
    }
    if (control)
        WarnOfControls(named, "the word", word);
    if (percent) {
        for (const PlaceholderTypo& typo : PlaceholderTypos(word)) {
            Warn(named, "holds " + typo.what);
            if (typo.shownAsTyped)
                brokenStyles_.insert(key_);
        }
    }
    // Whether a later list fills it is known only once the style's lists are all read.
    if (placeholder && style_ != nullptr)
        style_->placeholderWords.push_back({named, list_, std::string(word)});
}

void ContentChecks::CheckStyles(const InsultGenerator& engine)
{
    // The tabs' names first: they are what a key differing in case most likely meant.
    std::vector<std::string_view> known(StyleTabs::kNames.begin(), StyleTabs::kNames.end());
    for (const auto& entry : engine.Styles())
        known.push_back(entry.first);
    std::stable_sort(known.begin(), known.end(), LessIgnoringCase);

    for (const auto& [key, style] : engine.Styles()) {
        const auto notes = styles_.find(key);
        if (notes == styles_.end())
            continue;
        const std::string where = Place(places_[notes->second.place], key, false);
        CheckCase(key, known, where);
        const size_t count = style.WordLists().size();
        const std::set<size_t> covered = CheckListNumbers(key, style, where);
        for (const auto& [number, list] : style.WordLists()) {
            if (list.empty()) {
                Warn(ListPlace(key, notes->second, number, where) + ", list " +
                         std::to_string(number),
                     "the list is empty, so its placeholder comes out as nothing");
            }
        }
        const std::string& text = style.TemplateText();
        for (const std::string_view digits : PlaceholderDigits(text)) {
            bool shownAsTyped = false;
            if (const std::string problem =
                    PlaceholderProblem(digits, count, covered, shownAsTyped);
                !problem.empty()) {
                Warn(where, problem);
                if (shownAsTyped)
                    brokenStyles_.insert(key);
            }
        }
        CheckTemplate(key, style, notes->second, where);
        for (const PlaceholderWord& word : notes->second.placeholderWords)
            CheckPlaceholderWord(key, style, word, covered);
        const size_t last = text.find_last_not_of(" \t");
        // ".!?,;:" and the Windows-1252 ellipsis: the full stop the program adds follows them.
        if (last != std::string::npos &&
            std::string_view(".!?,;:\x85").find(text[last]) != std::string_view::npos) {
            Warn(where, "the template ends in \"" + Windows1252ToUtf8(text.substr(last, 1)) +
                            "\", and the program adds a full stop after it");
        }
        for (const ExpansionFinding& finding : ExpansionFindings(style))
            Warn(ListPlace(key, notes->second, finding.list, where) + finding.place, finding.what);
    }
}

std::set<size_t> ContentChecks::CheckListNumbers(const std::string& key, const InsultStyle& style,
                                                 const std::string& where)
{
    const size_t count = style.WordLists().size();
    // A missing number is one cause, one finding: the "????" it leaves, and the lists
    // past the count that it strands, whose placeholders stay as typed.
    std::set<size_t> missing;
    std::set<size_t> stranded;
    for (size_t k = 0; k < count; ++k) {
        if (!style.WordLists().contains(static_cast<int32_t>(k)))
            missing.insert(k);
    }
    for (const auto& [number, list] : style.WordLists()) {
        if (number >= 0 && static_cast<size_t>(number) >= count)
            stranded.insert(static_cast<size_t>(number));
    }
    if (!missing.empty()) {
        const bool one = missing.size() == 1;
        std::string what = (one ? "no list " : "no lists ") + Numbers(missing, "") + ", so " +
                           Numbers(missing, "%") + (one ? " comes" : " come") + " out as \"????\"";
        if (!stranded.empty()) {
            what += "; and as " + FilledRange(count) + ", " + Numbers(stranded, "%") +
                    (stranded.size() == 1 ? " stays" : " stay") + " as typed (" +
                    (stranded.size() == 1 ? "list " : "lists ") + Numbers(stranded, "") +
                    " never used)";
        }
        Warn(where, what);
        brokenStyles_.insert(key);
    }
    std::set<size_t> covered = missing;
    covered.insert(stranded.begin(), stranded.end());
    return covered;
}

void ContentChecks::CheckTemplate(const std::string& key, const InsultStyle& style,
                                  const StyleNotes& notes, const std::string& where)
{
    const size_t count = style.WordLists().size();
    if (PlaceholderDigits(style.TemplateText()).empty()) {
        Warn(where, "the template has no placeholder, so every insult is the same text" +
                        std::string(count > 0 ? " and no list's words ever show" : ""));
        return;
    }
    for (const size_t number : ListsNotReached(style)) {
        if (TypoStandsFor(style.TemplateText(), number))
            continue;
        const std::string listWhere = ListPlace(key, notes, static_cast<int32_t>(number), where) +
                                      ", list " + std::to_string(number);
        Warn(listWhere,
             "no template or shape reaches it: neither the template nor a word of a "
             "list it reaches holds %" +
                 std::to_string(number) +
                 ", so its words never show (the combination count still counts "
                 "them)" +
                 MistypedPlaceholder(style.TemplateText(), number));
    }
}

std::string ContentChecks::ListPlace(const std::string& key, const StyleNotes& notes, int32_t list,
                                     const std::string& where) const
{
    const auto found = notes.lists.find(list);
    return found != notes.lists.end() ? Place(places_[found->second.place], key, false) : where;
}

void ContentChecks::CheckCase(const std::string& key, const std::vector<std::string_view>& known,
                              const std::string& where)
{
    // Among the names equal to the key without regard to case, the first that differs.
    for (auto other = std::lower_bound(known.begin(), known.end(), key, LessIgnoringCase);
         other != known.end() && platform::EqualsIgnoringAsciiCase(*other, key); ++other) {
        if (*other != key) {
            const std::string named(*other);
            Warn(where, "differs from the style " + Quoted(named) +
                            " only in case, so it is a style of its own with a tab of its own: "
                            "did you mean " +
                            Quoted(named) + "?");
            return;
        }
    }
}

void ContentChecks::CheckPlaceholderWord(const std::string& key, const InsultStyle& style,
                                         const PlaceholderWord& word,
                                         const std::set<size_t>& covered)
{
    // A word that brings in placeholders of later lists gives the sentence its shape: the
    // composer fills them in the later lists' turns. Any other placeholder stays as typed.
    const size_t count = style.WordLists().size();
    for (const std::string_view digits : PlaceholderDigits(word.text)) {
        bool shownAsTyped = false;
        if (std::string problem = PlaceholderProblem(digits, count, covered, shownAsTyped);
            !problem.empty()) {
            Warn(word.where, problem);
            if (shownAsTyped)
                brokenStyles_.insert(key);
            continue;
        }
        const int32_t number = std::stoi(std::string(digits));
        if (covered.contains(static_cast<size_t>(number)))
            continue;
        if (!style.WordLists().contains(number)) {
            Warn(word.where, "holds the placeholder %" + std::string(digits) +
                                 ", which has no list and comes out as \"????\"");
            brokenStyles_.insert(key);
        } else if (number <= word.list) {
            brokenStyles_.insert(key);
            Warn(word.where, "holds the placeholder %" + std::string(digits) +
                                 ", which stays as typed: only lists after list " +
                                 std::to_string(word.list) + " fill its words");
        }
    }
}

void ContentChecks::Print(std::ostream& out, bool strict) const
{
    const char* const kind = strict ? "error: " : "warning: ";
    for (const std::string& warning : warnings_)
        out << "razzlewick-data: " << kind << warning << '\n';
    if (warningCount_ > warnings_.size())
        out << "razzlewick-data: " << kind << "and " << warningCount_ - warnings_.size()
            << " more\n";
}

void ContentChecks::WarnOfControls(const std::string& where, std::string_view part,
                                   std::string_view text)
{
    if (const std::string controls = Controls(text); !controls.empty()) {
        if (text.find_first_of(kUnassignedBytes) != std::string_view::npos)
            brokenStyles_.insert(key_);
        Warn(where, std::string(part) + " holds " + controls +
                        ", which a terminal would act on; the terminal programs show escapes "
                        "instead");
    }
}

void ContentChecks::Warn(const std::string& where, const std::string& what)
{
    ++warningCount_;
    if (warnings_.size() < kShownWarnings)
        warnings_.push_back(where + ": " + what);
}

std::string ContentChecks::Place(const std::string& file, const std::string& key,
                                 bool withList) const
{
    std::string place = file + ": style " + Quoted(key);
    if (withList && inList_)
        place += ", list " + std::to_string(list_);
    return place;
}

}  // namespace razzlewick
