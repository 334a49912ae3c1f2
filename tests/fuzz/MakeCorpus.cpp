// Writes the fuzzers' seed files with the tests' own data-file writer:
// make_fuzz_corpus OUTPUT_FOLDER (tests/fuzz/corpus).
#include "tests/support/DataFileWriter.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

using namespace razzlewick;

namespace {

void Save(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::cerr << "make_fuzz_corpus: cannot write " << path << '\n';
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_corpus OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string data = std::string(argv[1]) + "/data_file/";
    const std::string settings = std::string(argv[1]) + "/settings_file/";
    const std::string shown = std::string(argv[1]) + "/compose_and_show/";

    Save(data + "empty-engine.dat", DataFileWriter().Version().Int32(0).bytes());
    Save(data + "one-style.dat", DataFileWriter()
                                     .Version()
                                     .Int32(1)
                                     .Style("Modern", "Modern", "You %0 %1", 2)
                                     .List(0, {"soggy", "Beige", "beige"})
                                     .List(1, {"toaster", "spreadsheet"})
                                     .bytes());
    Save(data + "merged-keys.dat", DataFileWriter()
                                       .Version()
                                       .Int32(2)
                                       .Style("Arabian", "Arabian", "May %0", 1)
                                       .List(0, {"camels"})
                                       .Style("Arabian", "Other", "Thou %0 %2", 2)
                                       .List(2, {"lamp"})
                                       .List(0, {"CAMELS", "djinn"})
                                       .bytes());
    Save(data + "long-prefixes.dat", DataFileWriter()
                                         .Version()
                                         .Int32(1)
                                         .Bytes({0xFF, 0x03, 0x00})
                                         .Raw("Key")
                                         .Bytes({0xFF, 0xFE, 0xFF, 0x02, 'h', 0x00, 'i', 0x00})
                                         .Bytes({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00})
                                         .Raw("%0")
                                         .Int32(1)
                                         .List(0, {std::string(300, 'x')})
                                         .bytes());
    Save(data + "broken-off.dat", DataFileWriter()
                                      .Version()
                                      .Int32(3)
                                      .Style("Modern", "Modern", "%0", 1)
                                      .List(0, {"a"})
                                      .String("Cut")
                                      .bytes());
    Save(data + "old-version.dat",
         DataFileWriter().Bytes({0x00, 0x00, 0x40, 0x40}).Int32(0).bytes());

    // Words that name the next list twice, 21 levels deep: insults that stop at their bound.
    DataFileWriter nested;
    nested.Version().Int32(1).Style("Arabian", "Arabian", "%0", 21);
    for (int32_t k = 0; k <= 20; ++k) {
        const std::string next = "%" + std::to_string(k + 1);
        nested.List(k, {"flea", next + next});
    }
    Save(shown + "nested.dat", nested.bytes());
    Save(shown + "shapes.dat", DataFileWriter()
                                   .Version()
                                   .Int32(1)
                                   .Style("Modern", "Modern", "%0", 3)
                                   .List(0, {"You %1 %2", "%2, you %1"})
                                   .List(1, {"soggy", "beige"})
                                   .List(2, {"toaster\r\nlamp", "spreadsheet"})
                                   .bytes());

    Save(
        settings + "typical.ini",
        "[settings]\r\nnum=3\r\ncaps=1\r\nautocopy=1\r\ntab=2\r\n\r\n[66]\r\nCX=640\r\nCY=480\r\n");
    Save(settings + "odd.ini",
         "; comment\n  [ Settings ]  \n NUM = \"12x\" \nlevel\n[settings]\nlevel=-3\ngarbage\n");
    return 0;
}
