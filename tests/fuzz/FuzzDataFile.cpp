// Feeds arbitrary bytes to the data-file reader as a file, and to the word decoder.
#include "data/Archive.h"
#include "data/ArchiveError.h"
#include "data/InsultGenerator.h"
#include "data/WordCipher.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace razzlewick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const WordCipher cipher{std::string(kWordKey)};
    const std::string word = cipher.Decode(bytes);
    if (word.find('\0') != std::string::npos) {
        std::abort();  // a decoded word ends at its terminator
    }

    // The reader works on a real file descriptor, as it does at start-up.
    const int fd = memfd_create("fuzz.dat", 0);
    if (fd < 0) {
        return 0;
    }
    if (write(fd, data, size) == static_cast<ssize_t>(size) && lseek(fd, 0, SEEK_SET) == 0) {
        InsultGenerator engine;
        try {
            Archive archive(fd, Archive::Mode::Loading);
            engine.Serialize(archive);
            archive.Close();
        } catch (const ArchiveError&) {
            // A broken file is an expected outcome; anything else escapes and is a finding.
        }
    }
    close(fd);
    return 0;
}
