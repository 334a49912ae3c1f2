// A library someone left in a folder, named as the window library is: loading it leaves a
// mark in the current folder, which a test looks for.

#include <fstream>

namespace {

[[gnu::constructor]] void LeaveAMark()
{
    std::ofstream("rogue-library-ran") << "loaded\n";
}

}  // namespace
