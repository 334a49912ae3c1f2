// Feeds arbitrary text to the packer as a JSON source: read, merged, judged and written as a
// data file, which must read back with the same styles and templates.
#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/ContentChecks.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/SourceMerge.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>
#include <vector>

using namespace razzlewick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<SourceStyle> source;
    try {
        source = ReadJsonSource(text, "fuzz.json");
    } catch (const SourceError&) {
        return 0;  // a source that cannot be packed is an expected outcome
    }
    InsultGenerator packed;
    ContentChecks checks;
    AddToEngine(packed, source, "fuzz.json", checks);
    checks.CheckStyles(packed);
    std::ostringstream findings;
    checks.Print(findings, false);

    const int fd = memfd_create("fuzz.dat", 0);
    if (fd < 0) {
        return 0;
    }
    Archive storing(fd, Archive::Mode::Storing);
    packed.Serialize(storing);
    storing.Close();
    InsultGenerator read;
    bool whole = false;
    if (lseek(fd, 0, SEEK_SET) == 0) {
        Archive loading(fd, Archive::Mode::Loading);
        whole = read.Serialize(loading);
    }
    close(fd);
    if (!whole || read.Styles().size() != packed.Styles().size()) {
        std::abort();
    }
    for (const auto& [key, style] : packed.Styles()) {
        const auto found = read.Styles().find(key);
        if (found == read.Styles().end() || found->second.TemplateText() != style.TemplateText()) {
            std::abort();
        }
    }
    return 0;
}
