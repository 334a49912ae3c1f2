#include "tools/razzlewick-data/JsonSource.h"

#include "data/Windows1252.h"
#include "data/WordCipher.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <limits>

namespace razzlewick {

namespace {

using nlohmann::json;

// Longest stored (scrambled and escaped) word a data file may hold.
constexpr std::size_t kMaxStoredWord = 32766;

class SourceReader final {
public:
    explicit SourceReader(const std::string& fileName) : fileName_(fileName) {}

    std::vector<SourceStyle> Read(std::string_view text) const
    {
        json document;
        try {
            document = json::parse(text.begin(), text.end());
        } catch (const json::parse_error& error) {
            throw SyntaxError(text, error);
        }
        const std::string root;
        Expect(document, json::value_t::object, root, "an object with the member \"styles\"");
        CheckMembers(document, root, {"styles"});
        const json& styles =
            Member(document, root, "styles", json::value_t::array, "an array of styles");
        std::vector<SourceStyle> result;
        for (std::size_t i = 0; i < styles.size(); ++i)
            result.push_back(ReadStyle(styles[i], "/styles/" + std::to_string(i)));
        return result;
    }

private:
    SourceStyle ReadStyle(const json& value, const std::string& path) const
    {
        Expect(value, json::value_t::object, path, "a style object");
        CheckMembers(value, path, {"key", "name", "template", "lists"});
        SourceStyle style;
        style.key =
            Text(Member(value, path, "key", json::value_t::string, "a string"), path + "/key");
        style.name = value.contains("name")
                         ? Text(Member(value, path, "name", json::value_t::string, "a string"),
                                path + "/name")
                         : style.key;
        style.templateText = Text(
            Member(value, path, "template", json::value_t::string, "a string"), path + "/template");
        if (value.contains("lists")) {
            const json& lists =
                Member(value, path, "lists", json::value_t::array, "an array of lists");
            for (std::size_t i = 0; i < lists.size(); ++i)
                style.lists.push_back(ReadList(lists[i], path + "/lists/" + std::to_string(i)));
        }
        return style;
    }

    SourceList ReadList(const json& value, const std::string& path) const
    {
        Expect(value, json::value_t::object, path, "a list object");
        CheckMembers(value, path, {"number", "words"});
        SourceList list;
        list.number = Number(value, path);
        const json& words =
            Member(value, path, "words", json::value_t::array, "an array of strings");
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::string wordPath = path + "/words/" + std::to_string(i);
            Expect(words[i], json::value_t::string, wordPath, "a string");
            list.words.push_back(Word(words[i], wordPath));
        }
        return list;
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

    // A word additionally has to survive scrambling: the reader ends a word at its first
    // zero byte, and the stored form has a size limit.
    std::string Word(const json& value, const std::string& path) const
    {
        std::string word = Text(value, path);
        if (word.find('\0') != std::string::npos)
            Fail(path, "a word cannot hold the character U+0000");
        const std::size_t stored = WordCipher().Encode(word).size();
        if (stored > kMaxStoredWord) {
            Fail(path, "word of " + std::to_string(word.size()) + " characters takes " +
                           std::to_string(stored) + " bytes when stored; at most " +
                           std::to_string(kMaxStoredWord) + " fit");
        }
        return word;
    }

    std::string Text(const json& value, const std::string& path) const
    {
        const std::string& utf8 = value.get_ref<const std::string&>();
        Utf8ToWindows1252Result converted = Utf8ToWindows1252(utf8);
        if (!converted.ok) {
            // The JSON parser already rejects malformed UTF-8, so only a character without
            // a byte can get here.
            Fail(path, "character " + CharacterAt(utf8, converted.errorOffset) + " at byte " +
                           std::to_string(converted.errorOffset) +
                           " of the string is not in Windows-1252");
        }
        return std::move(converted.text);
    }

    // "U+4E2D" for the UTF-8 sequence starting at `offset`.
    static std::string CharacterAt(std::string_view utf8, std::size_t offset)
    {
        if (offset >= utf8.size())
            return "?";
        const auto lead = static_cast<unsigned char>(utf8[offset]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length && offset + i < utf8.size(); ++i)
            character = (character << 6) | (static_cast<unsigned char>(utf8[offset + i]) & 0x3F);
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

    [[noreturn]] void Fail(const std::string& path, const std::string& message) const
    {
        throw SourceError(fileName_ + ": at " + (path.empty() ? "/" : path) + ": " + message);
    }

    SourceError SyntaxError(std::string_view text, const json::parse_error& error) const
    {
        // The library counts the byte after the failure; report the line and column of the
        // byte it stopped at, counting columns in bytes from 1.
        const std::size_t offset =
            std::min<std::size_t>(error.byte > 0 ? error.byte - 1 : 0, text.size());
        std::size_t line = 1;
        std::size_t lineStart = 0;
        for (std::size_t i = 0; i < offset; ++i) {
            if (text[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        }
        std::string detail = error.what();
        // Drop the library's "[json.exception.parse_error.101] parse error at line 1, column 2: ".
        if (const auto at = detail.find("parse error"); at != std::string::npos) {
            if (const auto colon = detail.find(": ", at); colon != std::string::npos)
                detail = detail.substr(colon + 2);
        }
        return SourceError(fileName_ + ":" + std::to_string(line) + ":" +
                           std::to_string(offset - lineStart + 1) +
                           ": JSON syntax error: " + detail);
    }

    const std::string& fileName_;
};

}  // namespace

std::vector<SourceStyle> ReadJsonSource(std::string_view text, const std::string& fileName)
{
    return SourceReader(fileName).Read(text);
}

}  // namespace razzlewick
