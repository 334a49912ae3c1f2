#pragma once

#include <string>
#include <vector>

namespace razzlewick {

// One file of a source's installed copy.
struct InstalledCopy final {
    std::string path;           // as the loader names it
    bool inUserFolder = false;  // where install writes: what it replaces, uninstall removes
};

// The installed copy of a source: the data files it stands in for once installed. In the
// user's folder, the file install makes of it (`dataName`, ignoring the case of A-Z); in every
// folder the program reads, each data file that holds styles and only the source's (`keys`,
// ignoring case), such as a copy packed beside the source. A file that holds other styles too
// (the shipped data, which a source may extend) is no copy. Each file once, the file of the
// name first, then in the order they are read. With no keys, only the file of the name.
std::vector<InstalledCopy> InstalledCopies(const std::string& dataName,
                                           const std::vector<std::string>& keys);

// The paths of `copies`, all or those in the user's folder.
std::vector<std::string> CopyPaths(const std::vector<InstalledCopy>& copies, bool userFolderOnly);

// The data file install makes of SOURCE: its name without the folder and the last
// extension, ending in .dat.
std::string InstalledName(const std::string& source);

}  // namespace razzlewick
