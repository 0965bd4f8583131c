#pragma once

// Keeps the code's layers pointing one way: a table of the folders each folder
// may include from, and a scan of the sources' #include "..." lines against it.
// Everything but checkTree and the load functions works on strings, so the
// rules can be tested without files.

#include <filesystem>
#include <string>
#include <vector>

namespace layercheck {

// One table line: a folder relative to the repository root and what it may
// include besides itself; "X/**" stands for every layer at or under X.
struct Layer {
    std::string name;
    std::vector<std::string> deps;
    int line = 0;
};

class LayerTable {
public:
    // Reads bare table lines. On a malformed line the table is left as it was
    // and `error` names the line.
    bool parse(const std::string& text, std::string& error);
    // Reads the table from the fenced block between the <!-- layers --> and
    // <!-- /layers --> lines of a README; line numbers are the README's.
    bool parseReadme(const std::string& readme, std::string& error);

    // The layer with the longest name that is a whole-component prefix of
    // `folder`, or "" when none is.
    std::string layerOf(const std::string& folder) const;
    // Whether code in layer `from` may include code in layer `to`.
    bool allows(const std::string& from, const std::string& to) const;

    const std::vector<Layer>& layers() const { return layers_; }

private:
    bool parseLines(const std::vector<std::string>& lines, const std::vector<int>& numbers,
                    std::string& error);

    std::vector<Layer> layers_;
};

// One refused include, or a file or include outside every layer. A line of 0
// stands for the file as a whole.
struct Violation {
    std::string file;
    int line = 0;
    std::string message;

    // "FILE:LINE: MESSAGE", as a compiler would put it.
    std::string text() const;
};

struct Report {
    int files = 0;
    int includes = 0;
    std::vector<Violation> violations;

    std::string summary() const;
};

// Checks one file, given by its path relative to the repository root and its
// text, and adds what it finds to `report`. Only included paths whose first
// folder is a scan root's or a layer's are checked; the others belong to
// libraries outside the tree.
void checkFile(const LayerTable& table, const std::vector<std::string>& scanRoots,
               const std::string& file, const std::string& text, Report& report);

bool readTextFile(const std::filesystem::path& path, std::string& text, std::string& error);
bool loadTable(const std::filesystem::path& readme, LayerTable& table, std::string& error);

// Checks every source file under root/SCAN_ROOT for each scan root, in sorted
// order. False, with `error`, only when a scan root or a file cannot be read.
bool checkTree(const LayerTable& table, const std::filesystem::path& root,
               const std::vector<std::string>& scanRoots, Report& report, std::string& error);

} // namespace layercheck
