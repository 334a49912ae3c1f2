#include "tools/razzlewick-data/JsonWriter.h"

#include "data/InsultGenerator.h"
#include "data/Windows1252.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace razzlewick {

namespace {

// DEL and the C1 controls (the code page's five unassigned bytes) written as JSON escapes,
// as the library writes the C0 ones: they stand only inside strings, and the terminal the
// JSON is printed on must not get them raw.
std::string WithControlsEscaped(const std::string& json)
{
    std::string escaped;
    escaped.reserve(json.size());
    for (size_t i = 0; i < json.size(); ++i) {
        const auto byte = static_cast<unsigned char>(json[i]);
        const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0;
        const unsigned control = byte == 0x7F                                   ? 0x7F
                                 : byte == 0xC2 && next >= 0x80 && next <= 0x9F ? next
                                                                                : 0;
        if (control == 0) {
            escaped += json[i];
            continue;
        }
        char text[8];
        std::snprintf(text, sizeof text, "\\u%04x", control);
        escaped += text;
        i += byte == 0xC2 ? 1 : 0;
    }
    return escaped;
}

}  // namespace

std::string WriteEngineJson(const InsultGenerator& engine)
{
    // ordered_json keeps the members in the order a person reads a style.
    using nlohmann::ordered_json;
    ordered_json styles = ordered_json::array();
    // std::map<std::string> already orders keys by unsigned bytes, and int32 lists by number.
    for (const auto& [key, style] : engine.Styles()) {
        ordered_json lists = ordered_json::array();
        for (const auto& [number, words] : style.WordLists()) {
            ordered_json texts = ordered_json::array();
            for (const std::string& word : words.Words())
                texts.push_back(Windows1252ToUtf8(word));
            lists.push_back({{"number", number}, {"words", std::move(texts)}});
        }
        styles.push_back({{"key", Windows1252ToUtf8(key)},
                          {"name", Windows1252ToUtf8(style.Name())},
                          {"template", Windows1252ToUtf8(style.TemplateText())},
                          {"lists", std::move(lists)}});
    }
    ordered_json document;
    document["styles"] = std::move(styles);
    return WithControlsEscaped(document.dump(2)) + "\n";
}

}  // namespace razzlewick
