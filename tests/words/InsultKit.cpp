#include "tests/words/InsultKit.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <sstream>
#include <string_view>
#include <utility>

namespace {

// The table's columns, each in its own order.
constexpr std::array<std::string_view, 3> kColumns = {
    "artless bawdy beslubbering bootless churlish cockered clouted craven currish dankish "
    "dissembling droning errant fawning fobbing froward frothy gleeking goatish gorbellied "
    "impertinent infectious jarring loggerheaded lumpish mammering mangled mewling paunchy "
    "pribbling puking puny qualling rank reeky roguish ruttish saucy spleeny spongy surly "
    "tottering unmuzzled vain venomed villainous warped wayward weedy yeasty",
    "base-court bat-fowling beef-witted beetle-headed boil-brained clapper-clawed clay-brained "
    "common-kissing crook-pated dismal-dreaming dizzy-eyed doghearted dread-bolted earth-vexing "
    "elf-skinned fat-kidneyed fen-sucked flap-mouthed fly-bitten folly-fallen fool-born "
    "full-gorged guts-griping half-faced hasty-witted hedge-born hell-hated idle-headed "
    "ill-breeding ill-nurtured knotty-pated milk-livered motley-minded onion-eyed plume-plucked "
    "pottle-deep pox-marked reeling-ripe rough-hewn rude-growing rump-fed shard-borne "
    "sheep-biting spur-galled swag-bellied tardy-gaited tickle-brained toad-spotted "
    "unchin-snouted weather-bitten",
    "apple-john baggage barnacle bladder boar-pig bugbear bum-bailey canker-blossom clack-dish "
    "clotpole coxcomb codpiece death-token dewberry flap-dragon flax-wench flirt-gill "
    "foot-licker fustilarian giglet gudgeon haggard harpy hedge-pig horn-beast hugger-mugger "
    "joithead lewdster lout maggot-pie malt-worm mammet measle minnow miscreant moldwarp "
    "mumble-news nut-hook pigeon-egg pignut puttock pumpion ratsbane scut skainsmate strumpet "
    "varlot vassal whey-face wagtail"};

// Other spellings of the table's words.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kVariants = {{
    {"clotpoll", "clotpole"},
    {"jolthead", "joithead"},
    {"varlet", "varlot"},
    {"mouldwarp", "moldwarp"},
}};

std::string Folded(std::string_view word)
{
    std::string folded;
    for (const char c : word) {
        if (c != '-')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

struct Place {
    size_t column;
    size_t row;
};

// Every spelling, folded, with the table word it stands for and that word's place.
const std::map<std::string, std::pair<std::string, Place>>& Table()
{
    static const auto table = [] {
        std::map<std::string, std::pair<std::string, Place>> words;
        for (size_t column = 0; column < kColumns.size(); ++column) {
            std::istringstream in{std::string(kColumns[column])};
            size_t row = 0;
            for (std::string word; in >> word; ++row)
                words.emplace(Folded(word), std::make_pair(word, Place{column, row}));
        }
        for (const auto& [variant, word] : kVariants)
            words.emplace(Folded(variant), words.at(Folded(word)));
        return words;
    }();
    return table;
}

}  // namespace

std::vector<std::string> KitWordsIn(const std::vector<std::string>& words)
{
    std::vector<std::string> kit;
    for (const std::string& word : words) {
        if (const auto found = Table().find(Folded(word)); found != Table().end())
            kit.push_back(found->second.first);
    }
    return kit;
}

size_t LongestRunInKitOrder(const std::vector<std::string>& kitWords)
{
    size_t longest = 0;
    size_t run = 0;
    const Place* previous = nullptr;
    for (const std::string& word : kitWords) {
        const Place& place = Table().at(Folded(word)).second;
        const bool follows =
            previous != nullptr && place.column == previous->column && place.row > previous->row;
        run = follows ? run + 1 : 1;
        longest = std::max(longest, run);
        previous = &place;
    }
    return longest;
}
