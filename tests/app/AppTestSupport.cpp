#include "tests/app/AppTestSupport.h"

#include "data/Archive.h"
#include "data/Windows1252.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"

using namespace razzlewick;

namespace apptest {

void TempSettings::Set(const char* key, int value) const
{
    SettingsFile().WriteInteger(SettingsKeys::kSection, key, value);
}

void TempSettings::WriteFile(const std::string& contents) const
{
    configHome_.WriteFile(SettingsFile().FileName(), contents);
}

int TempSettings::Get(const char* key, int defaultValue) const
{
    return SettingsFile().ReadInteger(SettingsKeys::kSection, key, defaultValue);
}

void AddStyles(InsultGenerator& engine, const std::vector<StyleFixture>& styles)
{
    for (const StyleFixture& fixture : styles) {
        InsultStyle& style = engine.AddStyle(fixture.key.empty() ? fixture.name : fixture.key);
        style.SetName(fixture.name);
        style.SetTemplateText(fixture.templateText);
        for (size_t k = 0; k < fixture.lists.size(); ++k) {
            WordList& list = style.AddList(static_cast<int32_t>(k));
            for (const std::string& word : fixture.lists[k])
                list.AddUnique(word);
        }
        style.ComputeCombinations();
    }
}

bool WriteDataFile(const std::string& path, const std::vector<StyleFixture>& styles)
{
    InsultGenerator engine;
    AddStyles(engine, styles);
    return engine.OpenDataFile(Archive::Mode::Storing, &path).Succeeded();
}

std::vector<StyleFixture> FourStyles()
{
    return {
        {"Arabian",
         "May the fleas of %0 camels nest in your %1",
         {{"a thousand", "seven", "ninety"}, {"beard", "armpits", "tent"}}},
        {"Shakespearean", "Thou %0 %1", {{"froward", "puny", "rank"}, {"canker", "knave"}}},
        {"Modern", "You %0 %1", {{"tiresome", "ridiculous"}, {"troll", "spammer", "crank"}}},
        {"Mediterranean",
         "Your %0 smells of %1",
         {{"uncle", "goat"}, {"old olives", "bad sardines", "sour wine"}}},
    };
}

QString FromEngineText(const std::string& text)
{
    return QString::fromStdString(Windows1252ToUtf8(text));
}

QString AsCopied(const std::string& text)
{
    QString copied = FromEngineText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (copied.endsWith(u'\n'))
        copied.chop(1);
    return copied;
}

}  // namespace apptest
