#pragma once

#include "data/InsultGenerator.h"
#include "data/InsultStyle.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace razzlewick {

// The most text one insult may hold, its ".\r\n" aside. Words that name further placeholders
// can multiply an insult at every step; a text box lays out a line in time that grows with
// the square of its length, so a few hundred bytes of data could otherwise freeze the window.
inline constexpr size_t kInsultLimit = 4096;
// The most text the filling-in of one insult may rewrite, summed over its steps: a long
// chain of words that each name the next placeholder keeps an insult short yet rewrites it
// once per list. Real styles rewrite a few hundred bytes.
inline constexpr size_t kInsultWorkLimit = 16 * kInsultLimit;
// The most text an insult's start may take while it is filled in (see Compose): more is text
// of placeholders alone, which only hostile data makes and a press should not wait for.
inline constexpr size_t kInsultKeptLimit = 2 * kInsultLimit;
// The most text one batch may hold (a batch can have 32,767 insults).
inline constexpr size_t kBatchTextLimit = size_t{16} << 20;

// Whether composing may bring back a word that the style's recent insults took.
enum class Repeats {
    Allowed,      // every word is the draw the sequence gives
    AvoidRecent,  // a word among the style's recent draws is drawn again
};

// Composes count insults from the style's template, each followed by ".\r\n", appends the
// batch to the style's history (even when empty) and returns it.
//
// The template's first character is upper-cased (capitalise) or lower-cased (not) in the
// stored template, so the change lasts. Then, per insult, placeholders %0 to %N-1 (N = the
// number of lists) are replaced in ascending order as plain text, each from one draw of the
// random source: "????" for a number without a list, the empty word for an empty list. Later
// placeholders are matched in the text earlier ones inserted; %10 reads as %1 followed by 0.
// With Repeats::AvoidRecent a word the style's recent insults took is drawn again from the
// same source, so a seed still gives the same text; only words that went into an insult count
// as taken.
// An insult longer than kInsultLimit is cut to its first kInsultLimit characters, the start
// of the insult without the bound: each step fills in only the start that can reach them, up
// to the kInsultLimit-th character that is no percent sign or digit. One whose start to keep
// grows past kInsultKeptLimit, or whose filling-in would rewrite more than kInsultWorkLimit,
// ends before its first percent sign, where a placeholder not yet filled may begin, so it too
// is the start of the whole. The lists an insult does
// not reach still take their draws, so the insults after it are the same as without the
// bounds. A batch ends early, with the whole insults composed so far, at the insult that
// would take it past kBatchTextLimit.
std::string Compose(InsultStyle& style, int16_t count, bool capitalise,
                    Repeats repeats = Repeats::Allowed);
// The same batch, the template's first letter and the recent draws changed alike, but not
// recorded in the history: for batches nobody steps back to (the terminal's).
std::string ComposeWithoutHistory(InsultStyle& style, int16_t count, bool capitalise,
                                  Repeats repeats = Repeats::Allowed);

// The engine's Generate: Compose in its current style; with none, "" and nothing changes.
std::string Generate(InsultGenerator& generator, int16_t count, bool capitalise,
                     Repeats repeats = Repeats::Allowed);

}  // namespace razzlewick
