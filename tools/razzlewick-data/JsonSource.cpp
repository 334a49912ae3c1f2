#include "tools/razzlewick-data/JsonSource.h"

#include "data/DataLimits.h"
#include "data/Windows1252.h"
#include "data/WordCipher.h"
#include "tools/razzlewick-data/JsonGuard.h"
#include "tools/razzlewick-data/JsonPlaces.h"
#include "tools/razzlewick-data/Quoted.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <limits>

namespace razzlewick {

namespace {

using nlohmann::json;

class SourceReader final {
public:
    explicit SourceReader(const std::string& fileName) : fileName_(fileName) {}

    std::vector<SourceStyle> Read(std::string_view text)
    {
        text_ = text;
        RefuseUtf16(text);
        GuardJsonSource(text, fileName_);
        json document;
        try {
            document = json::parse(text.begin(), text.end());
        } catch (const json::parse_error& error) {
            throw SyntaxError(text, error);
        }
        places_ = FindSourcePlaces(text);
        const std::string root;
        Expect(document, json::value_t::object, root, "an object with the member \"styles\"");
        CheckMembers(document, root, {"styles"});
        const json& styles =
            Member(document, root, "styles", json::value_t::array, "an array of styles");
        std::vector<SourceStyle> result;
        for (std::size_t i = 0; i < styles.size(); ++i)
            result.push_back(ReadStyle(styles[i], i));
        // Every character the code page lacks at once, so one run finds them all.
        if (!characterErrors_.empty()) {
            std::string message;
            for (const std::string& line : characterErrors_)
                message += (message.empty() ? "" : "\n") + line;
            throw SourceError(message);
        }
        return result;
    }

private:
    SourceStyle ReadStyle(const json& value, std::size_t index)
    {
        const std::string path = "/styles/" + std::to_string(index);
        const StylePlaces* places = index < places_.size() ? &places_[index] : nullptr;
        const auto placeOf = [places](SourcePlace StylePlaces::*part) {
            return places != nullptr ? places->*part : SourcePlace{};
        };
        Expect(value, json::value_t::object, path, "a style object");
        CheckMembers(value, path, {"key", "name", "template", "lists"});
        SourceStyle style;
        style.keyPlace = placeOf(&StylePlaces::key);
        style.templatePlace = placeOf(&StylePlaces::templateText);
        const json& key = Member(value, path, "key", json::value_t::string, "a string");
        const std::string keyText = key.get<std::string>();
        const std::string where = "style " + QuotedUtf8(keyText);
        style.key = StyleText(key, style.keyPlace, where + ", the key");
        style.name = value.contains("name")
                         ? StyleText(Member(value, path, "name", json::value_t::string, "a string"),
                                     placeOf(&StylePlaces::name), where + ", the name")
                         : style.key;
        style.templateText =
            StyleText(Member(value, path, "template", json::value_t::string, "a string"),
                      style.templatePlace, where + ", the template");
        if (value.contains("lists")) {
            const json& lists =
                Member(value, path, "lists", json::value_t::array, "an array of lists");
            for (std::size_t i = 0; i < lists.size(); ++i) {
                const ListPlaces* listPlaces =
                    places != nullptr && i < places->lists.size() ? &places->lists[i] : nullptr;
                style.lists.push_back(
                    ReadList(lists[i], path + "/lists/" + std::to_string(i), listPlaces, where));
            }
        }
        return style;
    }

    SourceList ReadList(const json& value, const std::string& path, const ListPlaces* places,
                        const std::string& style)
    {
        Expect(value, json::value_t::object, path, "a list object");
        CheckMembers(value, path, {"number", "words"});
        SourceList list;
        list.number = Number(value, path);
        if (places != nullptr)
            list.place = places->object;
        const json& words =
            Member(value, path, "words", json::value_t::array, "an array of strings");
        const std::string where = style + ", list " + std::to_string(list.number);
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::string wordPath = path + "/words/" + std::to_string(i);
            Expect(words[i], json::value_t::string, wordPath, "a string");
            const SourcePlace place =
                places != nullptr && i < places->words.size() ? places->words[i] : SourcePlace{};
            list.words.push_back(Word(words[i], wordPath, place,
                                      where + ", word " + QuotedUtf8(words[i].get<std::string>())));
            list.wordPlaces.push_back(place);
        }
        return list;
    }

    // Text editors that save "Unicode" mostly mean UTF-16, which the JSON parser would
    // only call a bad literal.
    void RefuseUtf16(std::string_view text) const
    {
        if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
            throw SourceError(fileName_ +
                              ": the file is UTF-16 text (it starts with a UTF-16 byte-order "
                              "mark): save it as UTF-8");
        }
        if (text.size() >= 2 && (text[0] == '\0' || text[1] == '\0')) {
            throw SourceError(fileName_ +
                              ": the file looks like UTF-16 text (it has zero bytes between "
                              "its letters): save it as UTF-8");
        }
    }

    int32_t Number(const json& list, const std::string& path) const
    {
        const std::string numberPath = path + "/number";
        constexpr const char* kExpected = "a whole number from -2147483648 to 2147483647";
        if (!list.contains("number"))
            Fail(path, "missing member \"number\" (" + std::string(kExpected) + ")");
        const json& value = list["number"];
        const bool inRange = (value.is_number_integer() && !value.is_number_unsigned() &&
                              value.get<int64_t>() >= std::numeric_limits<int32_t>::min() &&
                              value.get<int64_t>() <= std::numeric_limits<int32_t>::max()) ||
                             (value.is_number_unsigned() &&
                              value.get<uint64_t>() <= std::numeric_limits<int32_t>::max());
        if (!inRange)
            Fail(numberPath, "expected " + std::string(kExpected) + ", found " + Describe(value));
        return static_cast<int32_t>(value.get<int64_t>());
    }

    // A word additionally has to fit the stored form's size limit.
    std::string Word(const json& value, const std::string& path, const SourcePlace& place,
                     const std::string& where)
    {
        std::string word = Text(value, place, where);
        const std::size_t stored = WordCipher().Encode(word).size();
        if (stored > kLongestStoredWord) {
            Fail(path,
                 "word of " + std::to_string(word.size()) + " characters takes " +
                     std::to_string(stored) + " bytes when stored; at most " +
                     std::to_string(kLongestStoredWord) + " fit",
                 place);
        }
        return word;
    }

    // A key, name or template: Text, no longer than a data file holds.
    std::string StyleText(const json& value, const SourcePlace& place, const std::string& where)
    {
        std::string text = Text(value, place, where);
        if (text.size() > kLongestText) {
            throw SourceError(fileName_ + PlaceSuffix(place) + ": " + where + ": " +
                              std::to_string(text.size()) + " characters, more than the " +
                              std::to_string(kLongestText) + " a data file holds");
        }
        return text;
    }

    // The string in Windows-1252. Each character the code page lacks is noted, with `where`
    // and its own line and column, and stands as '?' until the reading ends.
    std::string Text(const json& value, const SourcePlace& place, const std::string& where)
    {
        const std::string& utf8 = value.get_ref<const std::string&>();
        Utf8ToWindows1252Result converted = Utf8ToWindows1252(utf8);
        if (converted.ok)
            return std::move(converted.text);
        // The JSON parser already rejects malformed UTF-8, so only characters without a byte
        // get here.
        std::string text;
        for (std::size_t at = 0; at < utf8.size();) {
            const std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[at]));
            const std::string_view sequence = std::string_view(utf8).substr(at, length);
            const Utf8ToWindows1252Result one = Utf8ToWindows1252(sequence);
            if (one.ok) {
                text += one.text;
            } else {
                text += '?';
                const SourcePlace character =
                    place.line != 0 ? CharacterPlace(text_, place, at) : SourcePlace{};
                characterErrors_.push_back(fileName_ + PlaceSuffix(character) + ": " + where +
                                           ": the character " + CodePoint(sequence) + " " +
                                           QuotedUtf8(sequence) + " is not in Windows-1252");
            }
            at += length;
        }
        return text;
    }

    static std::size_t SequenceLength(unsigned char lead)
    {
        return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    }

    // "U+4E2D" for one UTF-8 sequence.
    static std::string CodePoint(std::string_view sequence)
    {
        const auto lead = static_cast<unsigned char>(sequence.front());
        char32_t character = sequence.size() == 1 ? lead : lead & (0x7F >> sequence.size());
        for (std::size_t i = 1; i < sequence.size(); ++i)
            character = (character << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
        return name;
    }

    const json& Member(const json& object, const std::string& path, const char* name,
                       json::value_t type, const char* expected) const
    {
        if (!object.contains(name))
            Fail(path, "missing member \"" + std::string(name) + "\" (" + expected + ")");
        const json& value = object[name];
        Expect(value, type, path + "/" + name, expected);
        return value;
    }

    void Expect(const json& value, json::value_t type, const std::string& path,
                const char* expected) const
    {
        if (value.type() != type)
            Fail(path, "expected " + std::string(expected) + ", found " + Describe(value));
    }

    // An unknown member is most likely a misspelt one, which would otherwise be dropped
    // without a word.
    void CheckMembers(const json& object, const std::string& path,
                      std::initializer_list<std::string_view> known) const
    {
        for (const auto& item : object.items()) {
            if (std::find(known.begin(), known.end(), item.key()) == known.end())
                Fail(path, "unexpected member \"" + item.key() + "\"");
        }
    }

    static std::string Describe(const json& value)
    {
        switch (value.type()) {
            case json::value_t::null:
                return "null";
            case json::value_t::boolean:
                return "a boolean";
            case json::value_t::string:
                return "a string";
            case json::value_t::array:
                return "an array";
            case json::value_t::object:
                return "an object";
            default:
                return "the number " + value.dump();
        }
    }

    [[noreturn]] void Fail(const std::string& path, const std::string& message,
                           const SourcePlace& place = {}) const
    {
        throw SourceError(fileName_ + PlaceSuffix(place) + ": at " + (path.empty() ? "/" : path) +
                          ": " + message);
    }

    SourceError SyntaxError(std::string_view text, const json::parse_error& error) const
    {
        // The library counts the byte after the failure; report the line and column of the
        // byte it stopped at, counting columns in characters from 1, as editors do.
        const std::size_t offset =
            std::min<std::size_t>(error.byte > 0 ? error.byte - 1 : 0, text.size());
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i < offset; ++i) {
            if (text[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        std::string detail = error.what();
        // Drop the library's "[json.exception.parse_error.101] parse error at line 1, column 2: ".
        if (const auto at = detail.find("parse error"); at != std::string::npos) {
            if (const auto colon = detail.find(": ", at); colon != std::string::npos)
                detail = detail.substr(colon + 2);
        }
        // The library quotes what it last read whole, which may be a line of 100,000 letters.
        constexpr std::string_view kLastRead = "; last read: '";
        constexpr std::size_t kQuotedRead = 30;
        if (const auto at = detail.find(kLastRead);
            at != std::string::npos && detail.size() > at + kLastRead.size() + kQuotedRead + 1)
            detail = detail.substr(0, at + kLastRead.size() + kQuotedRead) + "...'";
        return SourceError(fileName_ + ":" + std::to_string(line) + ":" + std::to_string(column) +
                           ": JSON syntax error: " + detail);
    }

    const std::string& fileName_;
    std::string_view text_;
    std::vector<StylePlaces> places_;
    std::vector<std::string> characterErrors_;
};

}  // namespace

std::string PlaceSuffix(const SourcePlace& place)
{
    if (place.line == 0)
        return {};
    return ":" + std::to_string(place.line) + ":" + std::to_string(place.column);
}

std::vector<SourceStyle> ReadJsonSource(std::string_view text, const std::string& fileName)
{
    return SourceReader(fileName).Read(text);
}

}  // namespace razzlewick
