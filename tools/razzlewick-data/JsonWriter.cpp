#include "tools/razzlewick-data/JsonWriter.h"

#include "data/InsultGenerator.h"
#include "data/Windows1252.h"

#include <nlohmann/json.hpp>

namespace razzlewick {

std::string WriteEngineJson(const InsultGenerator& engine)
{
    // ordered_json keeps the members in the order a person reads a style.
    using nlohmann::ordered_json;
    ordered_json styles = ordered_json::array();
    // std::map<std::string> already orders keys by unsigned bytes, and int32 lists by number.
    for (const auto& [key, style] : engine.styles) {
        ordered_json lists = ordered_json::array();
        for (const auto& [number, words] : style->wordLists) {
            ordered_json texts = ordered_json::array();
            for (const std::string& word : words->Words())
                texts.push_back(Windows1252ToUtf8(word));
            lists.push_back({{"number", number}, {"words", std::move(texts)}});
        }
        styles.push_back({{"key", Windows1252ToUtf8(key)},
                          {"name", Windows1252ToUtf8(style->name)},
                          {"template", Windows1252ToUtf8(style->templateText)},
                          {"lists", std::move(lists)}});
    }
    ordered_json document;
    document["styles"] = std::move(styles);
    return document.dump(2) + "\n";
}

}  // namespace razzlewick
