#pragma once

#include "data/InsultStyle.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

using WordsByList = std::map<int32_t, std::vector<std::string>>;

// Gives `style` the template and the lists by number, and computes its combination count.
void FillStyle(razzlewick::InsultStyle& style, const std::string& templateText,
               const WordsByList& lists);
// A style made in memory so.
std::unique_ptr<razzlewick::InsultStyle> MakeStyle(const std::string& templateText,
                                                   const WordsByList& lists);
