// quill-layercheck: fails the build's checks when an #include points up the
// layers listed in README.md.
#include "tools/layercheck/LayerCheck.h"

#include <cstring>
#include <iostream>

namespace {

const char* const Usage =
    "usage: quill-layercheck [--root DIR] [--table FILE] [SCAN_ROOT ...]\n"
    "  Checks every #include \"...\" in the .h/.hpp/.cpp/.cc/.c files under\n"
    "  DIR/SCAN_ROOT (default: engine game) against the layer table in the\n"
    "  fenced block between <!-- layers --> and <!-- /layers --> of FILE\n"
    "  (default: DIR/README.md). DIR defaults to the current folder.\n"
    "  Exit status: 0 clean, 1 includes outside the table, 2 a table, folder\n"
    "  or argument problem.\n";

} // namespace

int main(int argc, char** argv) {
    std::string root = ".";
    std::string tableFile;
    std::vector<std::string> scanRoots;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << Usage;
            return 0;
        } else if (std::strcmp(argv[i], "--root") == 0 && hasValue) {
            root = argv[++i];
        } else if (std::strcmp(argv[i], "--table") == 0 && hasValue) {
            tableFile = argv[++i];
        } else if (argv[i][0] == '-') {
            std::cerr << "layercheck: unknown or incomplete option " << argv[i] << '\n' << Usage;
            return 2;
        } else {
            scanRoots.push_back(argv[i]);
        }
    }
    if (tableFile.empty()) {
        tableFile = (std::filesystem::path(root) / "README.md").string();
    }
    if (scanRoots.empty()) {
        scanRoots = {"engine", "game"};
    }

    layercheck::LayerTable table;
    layercheck::Report report;
    std::string error;
    if (!layercheck::loadTable(tableFile, table, error) ||
        !layercheck::checkTree(table, root, scanRoots, report, error)) {
        std::cerr << "layercheck: " << error << '\n';
        return 2;
    }
    for (const layercheck::Violation& violation : report.violations) {
        std::cout << violation.text() << '\n';
    }
    std::cout << report.summary() << '\n';
    return report.violations.empty() ? 0 : 1;
}
