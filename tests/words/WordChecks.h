#pragma once

#include "data/InsultStyle.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

// Reading checks on a style's template and lists that need no composing. Every list draws a
// word for every insult, but a sentence meets only the lists its template and its shape name:
// a shape is a word that carries placeholders of later lists, which the composer fills in
// their turns.

// One way a style's insults are built: the template with its shape (if any) put in, cut at
// the placeholders. Every form is as likely as the shape it comes from.
struct SentenceForm {
    struct Piece {
        int32_t list = -1;  // -1 for literal text
        std::string text;   // the literal text
    };
    std::string shape;  // the shape word, or empty when the template has none
    std::vector<Piece> pieces;
    std::vector<int32_t> Lists() const;
    std::string Literal() const;
};
std::vector<SentenceForm> SentenceForms(const razzlewick::InsultStyle& style);

// The placeholders of a text, in order.
std::vector<int32_t> PlaceholdersOf(std::string_view text);

// Whether a list holds shapes: words that bring in further lists.
bool HoldsShapes(const razzlewick::WordList& list);

// The lists that call the person something: those a shape puts straight after a vocative
// ", you", ", thou" or ", O", and the lists that follow them with only a blank between
// ("thou %1 %2 %3").
std::set<int32_t> EpithetLists(const razzlewick::InsultStyle& style);

// Snowball stems of the content words of a text: words of three letters or more that are not
// function words; a hyphenated word counts as its parts and as one joined word.
std::set<std::string> ContentStems(std::string_view windows1252);

// The content words of a text in lower case, a hyphenated word whole ("hen-hearted").
std::set<std::string> ContentWords(std::string_view windows1252);

// The share of insults in which a content word comes back, by stem, in two parts of the
// sentence (the literal text of template and shape is one part, each word put in another).
// Counted over the forms and every pair of parts, so an insult with two echoes counts twice:
// the share never understates. `findings` gets one line per stem and pair of places.
double EchoShare(const razzlewick::InsultStyle& style, std::vector<std::string>* findings);

// A word that ends one part of the sentence and starts the next ("a sulk" + "sulk on ...").
// Literal text of blanks and punctuation alone does not separate the parts around it.
std::vector<std::string> StutteredWords(const razzlewick::InsultStyle& style);

// The most times "and" can occur in one insult.
int MostAndsInOneInsult(const razzlewick::InsultStyle& style);

// Words (runs between blanks) of the insults: the average over all insults and the most
// any one can have.
struct WordCount {
    double average = 0;
    size_t most = 0;
};
WordCount InsultWordCount(const razzlewick::InsultStyle& style);

// An opening content word that starts more than one entry in twelve (and more than four) of
// a list: "\"hold\" opens 6 of 42".
std::vector<std::string> OverusedOpenings(const razzlewick::WordList& list);

// The kind and the word or phrase of the blocklist that `text` holds ("body: paunchy"), or
// empty. Words are compared whole and by their hyphenated parts, never as substrings.
std::string BlockedWord(std::string_view text);

// A swear word only the styles behind the level-1 warning may use ("arse"), or empty. Words
// are compared whole and by their hyphenated parts.
std::string CoarseWord(std::string_view text);

// A slur that `text` holds anywhere, even inside an innocent word, as mail and chat filters
// match them ("sniggering"); empty when there is none.
std::string SlurInside(std::string_view text);

// The words of a text for spelling: letters with inner hyphens and apostrophes kept, case kept.
std::vector<std::string> SpellingWords(std::string_view windows1252);
