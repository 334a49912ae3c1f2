#pragma once

#include "data/InsultStyle.h"

#include <string>
#include <string_view>
#include <vector>

// Reading checks on a style's template and lists that need no composing. Every list draws a
// word for every insult, so any two lists of a style always meet in one sentence.

// Lower case, then a trailing "'s", "s", one of "ing", "ed", "er", and a final "e" removed:
// crude, but "tailgating" meets "tailgate" and "sulks" meets "sulk".
std::string CrudeStem(std::string_view word);

// A content word (four letters or more, not a function word) that two lists, or the template
// and a list, share by stem. Hyphenated words count as their parts and as one joined word, so
// "loud-mouthed" meets "loudmouth". Each finding names the stem and the first entry of each
// place that holds it: "tailgat: list 1 \"tailgating\" / list 3 \"tailgate at seventy\"".
std::vector<std::string> RepeatedContentWords(const razzlewick::InsultStyle& style);

// A word that ends one part of the sentence and starts the next ("a sulk" + "sulk on ...").
// Template text of blanks and punctuation alone does not separate the slots around it.
std::vector<std::string> StutteredWords(const razzlewick::InsultStyle& style);

// The most times "and" can occur in one insult: the template's own plus the most of any
// word of each list.
int MostAndsInOneInsult(const razzlewick::InsultStyle& style);

// An opening content word that starts more than one entry in twelve (and more than four) of
// a list: "\"hold\" opens 6 of 42".
std::vector<std::string> OverusedOpenings(const razzlewick::WordList& list);

// The kind and the word or phrase of the blocklist that `text` holds ("body: paunchy"), or
// empty. Words are compared whole and by their hyphenated parts, never as substrings.
std::string BlockedWord(std::string_view text);
