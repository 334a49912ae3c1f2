#include "tools/razzlewick-data/JsonPlaces.h"

#include "tools/razzlewick-data/JsonReading.h"

#include <nlohmann/json.hpp>

#include <string>

namespace razzlewick {

namespace {

using nlohmann::json;

class PlaceFinder final {
public:
    PlaceFinder(std::string_view text, const char* const* furthest)
        : text_(text), furthest_(furthest), lines_(text)
    {
    }

    std::vector<StylePlaces> Take() { return std::move(styles_); }

    bool null() { return Value(false); }
    bool boolean(bool) { return Value(false); }
    bool number_integer(json::number_integer_t) { return Value(false); }
    bool number_unsigned(json::number_unsigned_t) { return Value(false); }
    bool number_float(json::number_float_t, const json::string_t&) { return Value(false); }
    bool binary(json::binary_t&) { return Value(false); }
    bool string(json::string_t&) { return Value(true); }

    bool start_object(std::size_t)
    {
        Value(false);
        frames_.push_back({false, 0, {}});
        return true;
    }
    bool start_array(std::size_t)
    {
        Value(false);
        frames_.push_back({true, 0, {}});
        return true;
    }
    bool end_object() { return Pop(); }
    bool end_array() { return Pop(); }

    bool key(json::string_t& name)
    {
        frames_.back().key = name;
        // A member named again replaces the first, in the parser as here.
        if (StylePlaces* style = OpenStyle(); style != nullptr && frames_.size() == 3) {
            if (name == "lists")
                style->lists.clear();
        } else if (ListPlaces* list = OpenList(); list != nullptr && frames_.size() == 5) {
            if (name == "words")
                list->words.clear();
        }
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&)
    {
        return false;
    }

private:
    struct Frame {
        bool array = false;
        std::size_t count = 0;  // elements begun so far
        std::string key;        // the member being read
    };

    // A value begins: a string just read (its closing quote the last byte read), or the
    // opening bracket of an object or array.
    bool Value(bool isString)
    {
        if (!frames_.empty() && frames_.back().array)
            ++frames_.back().count;
        const auto read = static_cast<std::size_t>(*furthest_ - text_.data());
        const std::size_t start = isString ? OpeningQuote(text_, read - 1) : read - 1;
        const std::size_t depth = frames_.size();
        if (depth == 2 && Is(0, "styles") && frames_[1].array) {
            styles_.resize(frames_[1].count);
            styles_.back().object = lines_.At(start);
        } else if (StylePlaces* style = OpenStyle(); depth == 3 && style != nullptr && isString) {
            const std::string& member = frames_[2].key;
            if (member == "key")
                style->key = lines_.At(start);
            else if (member == "name")
                style->name = lines_.At(start);
            else if (member == "template")
                style->templateText = lines_.At(start);
        } else if (depth == 4 && style != nullptr && Is(2, "lists") && frames_[3].array) {
            style->lists.resize(frames_[3].count);
            style->lists.back().object = lines_.At(start);
        } else if (ListPlaces* list = OpenList();
                   depth == 6 && list != nullptr && Is(4, "words") && frames_[5].array) {
            list->words.resize(frames_[5].count, SourcePlace{});
            if (isString)
                list->words.back() = lines_.At(start);
        }
        return true;
    }

    bool Pop()
    {
        frames_.pop_back();
        return true;
    }

    bool Is(std::size_t depth, std::string_view member) const
    {
        return !frames_[depth].array && frames_[depth].key == member;
    }

    // The style object being read, when the reader is inside one.
    StylePlaces* OpenStyle()
    {
        if (frames_.size() < 3 || !Is(0, "styles") || !frames_[1].array || frames_[2].array ||
            styles_.size() != frames_[1].count || styles_.empty())
            return nullptr;
        return &styles_.back();
    }

    // The list object being read, when the reader is inside one.
    ListPlaces* OpenList()
    {
        StylePlaces* style = OpenStyle();
        if (style == nullptr || frames_.size() < 5 || !Is(2, "lists") || !frames_[3].array ||
            frames_[4].array || style->lists.size() != frames_[3].count || style->lists.empty())
            return nullptr;
        return &style->lists.back();
    }

    std::string_view text_;
    const char* const* furthest_;
    LineCounter lines_;
    std::vector<Frame> frames_;
    std::vector<StylePlaces> styles_;
};

// Bytes in the UTF-8 sequence that `lead` begins.
std::size_t SequenceLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

unsigned HexValue(std::string_view digits)
{
    unsigned value = 0;
    for (const char digit : digits) {
        value <<= 4;
        if (digit >= '0' && digit <= '9')
            value |= static_cast<unsigned>(digit - '0');
        else if (digit >= 'a' && digit <= 'f')
            value |= static_cast<unsigned>(digit - 'a' + 10);
        else if (digit >= 'A' && digit <= 'F')
            value |= static_cast<unsigned>(digit - 'A' + 10);
    }
    return value;
}

}  // namespace

std::vector<StylePlaces> FindSourcePlaces(std::string_view text)
{
    const char* furthest = text.data();
    PlaceFinder finder(text, &furthest);
    json::sax_parse(ReadingIterator(text.data(), &furthest),
                    ReadingIterator(text.data() + text.size(), nullptr), &finder);
    return finder.Take();
}

SourcePlace CharacterPlace(std::string_view text, const SourcePlace& string,
                           std::size_t decodedOffset)
{
    SourcePlace place{string.offset + 1, string.line, string.column + 1};
    std::size_t decoded = 0;
    // A JSON string holds no line break of its own, so only the column moves.
    while (decoded < decodedOffset && place.offset < text.size() && text[place.offset] != '"') {
        std::size_t raw = 1;
        std::size_t bytes = 1;
        if (text[place.offset] == '\\' && place.offset + 1 < text.size()) {
            raw = 2;
            if (text[place.offset + 1] == 'u' && place.offset + 6 <= text.size()) {
                raw = 6;
                const unsigned unit = HexValue(text.substr(place.offset + 2, 4));
                const bool pair =
                    unit >= 0xD800 && unit <= 0xDBFF && text.substr(place.offset + 6, 2) == "\\u";
                raw = pair ? 12 : 6;
                bytes = pair ? 4 : unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
            }
            place.column += static_cast<uint32_t>(raw);
        } else {
            raw = bytes = SequenceLength(static_cast<unsigned char>(text[place.offset]));
            place.column += 1;
        }
        place.offset += raw;
        decoded += bytes;
    }
    return place;
}

}  // namespace razzlewick
