#include "tools/razzlewick-data/JsonGuard.h"

#include "tools/razzlewick-data/JsonReading.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/Quoted.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <set>
#include <vector>

namespace razzlewick {

namespace {

using nlohmann::json;

// The id of the library's "number overflow" error.
constexpr int kNumberOutOfRange = 406;
// How much of a name or number a message quotes.
constexpr std::size_t kQuotedLength = 24;

std::string Shortened(std::string_view text)
{
    if (text.size() <= kQuotedLength)
        return std::string(text);
    return std::string(text.substr(0, kQuotedLength)) + "... (" + std::to_string(text.size()) +
           " characters)";
}

class SourceGuard final {
public:
    SourceGuard(std::string_view text, const char* const* furthest, const std::string& fileName)
        : text_(text), furthest_(furthest), fileName_(fileName), lines_(text)
    {
    }

    // The first fault found, if any.
    const std::optional<std::string>& Fault() const { return fault_; }

    bool null() { return true; }
    bool boolean(bool) { return true; }
    bool number_integer(json::number_integer_t) { return true; }
    bool number_unsigned(json::number_unsigned_t) { return true; }
    bool number_float(json::number_float_t, const json::string_t&) { return true; }
    bool binary(json::binary_t&) { return true; }
    bool string(json::string_t& value) { return Text(value); }

    bool start_object(std::size_t)
    {
        members_.emplace_back(std::in_place);
        return Deeper();
    }
    bool start_array(std::size_t)
    {
        members_.emplace_back(std::nullopt);
        return Deeper();
    }
    bool end_object() { return Shallower(); }
    bool end_array() { return Shallower(); }

    bool key(json::string_t& name)
    {
        if (!Text(name))
            return false;
        if (!members_.empty() && members_.back() && !members_.back()->insert(name).second) {
            return Refuse(StringStart(), "the member " + QuotedUtf8(Shortened(name)) +
                                             " a second time in one object, which names each "
                                             "member once");
        }
        return true;
    }

    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& error)
    {
        if (error.id == kNumberOutOfRange) {
            const std::size_t start = position >= token.size() ? position - token.size() : 0;
            Refuse(start, "the number " + Shortened(token) + " is beyond what a number can be");
        }
        return false;
    }

private:
    // Where the string just read begins: its closing quote is the last byte read.
    std::size_t StringStart() const
    {
        return OpeningQuote(text_, static_cast<std::size_t>(*furthest_ - text_.data()) - 1);
    }

    bool Text(const std::string& value)
    {
        if (value.find('\0') == std::string::npos)
            return true;
        return Refuse(StringStart(),
                      "a string holding the character U+0000, which no key, "
                      "name, template or word can hold");
    }

    bool Deeper()
    {
        if (members_.size() <= kDeepestNesting)
            return true;
        return Refuse(static_cast<std::size_t>(*furthest_ - text_.data()) - 1,
                      "more than " + std::to_string(kDeepestNesting) +
                          " arrays and objects inside one another");
    }

    bool Shallower()
    {
        members_.pop_back();
        return true;
    }

    bool Refuse(std::size_t offset, const std::string& what)
    {
        fault_ = fileName_ + PlaceSuffix(lines_.At(offset)) + ": " + what;
        return false;
    }

    std::string_view text_;
    const char* const* furthest_;
    const std::string& fileName_;
    LineCounter lines_;
    // For each array and object open, outermost first: the members an object named so far,
    // none for an array.
    std::vector<std::optional<std::set<std::string>>> members_;
    std::optional<std::string> fault_;
};

}  // namespace

void GuardJsonSource(std::string_view text, const std::string& fileName)
{
    const char* furthest = text.data();
    SourceGuard guard(text, &furthest, fileName);
    json::sax_parse(ReadingIterator(text.data(), &furthest),
                    ReadingIterator(text.data() + text.size(), nullptr), &guard);
    if (guard.Fault())
        throw SourceError(*guard.Fault());
}

}  // namespace razzlewick
