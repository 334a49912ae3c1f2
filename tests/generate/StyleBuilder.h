#pragma once

#include "data/InsultStyle.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A style made in memory: template and lists by number, its combination count computed.
std::unique_ptr<razzlewick::InsultStyle> MakeStyle(
    const std::string& templateText, const std::map<int32_t, std::vector<std::string>>& lists);
