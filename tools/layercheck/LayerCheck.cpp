#include "tools/layercheck/LayerCheck.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace layercheck {

namespace {

const char* const OpenMarker = "<!-- layers -->";
const char* const CloseMarker = "<!-- /layers -->";
const char* const AllBelow = "/**";

std::string trim(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        result.push_back(line);
    }
    return result;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Whether `path` is `folder` or lies under it, by whole components.
bool isUnder(const std::string& path, const std::string& folder) {
    return path == folder ||
           (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
            path[folder.size()] == '/');
}

// A relative folder path in plain form: "a/b", never "/a", "a//b", "a/" or "a/../b".
bool isFolderPath(const std::string& path) {
    if (path.empty() || path.find_first_of("*\\") != std::string::npos) {
        return false;
    }
    std::istringstream in(path);
    for (std::string component; std::getline(in, component, '/');) {
        if (component.empty() || component == "." || component == "..") {
            return false;
        }
    }
    return path.back() != '/';
}

bool matchesDep(const std::string& dep, const std::string& layer) {
    if (endsWith(dep, AllBelow)) {
        return isUnder(layer, dep.substr(0, dep.size() - 3));
    }
    return layer == dep;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string firstComponent(const std::string& path) {
    return path.substr(0, path.find('/'));
}

// The path of an `#include "..."` line; angle-bracket includes are left to the compiler.
bool quotedInclude(const std::string& line, std::string& path) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#') {
        return false;
    }
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0) {
        return false;
    }
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos || line[at] != '"') {
        return false;
    }
    const std::size_t end = line.find('"', at + 1);
    if (end == std::string::npos) {
        return false;
    }
    path = line.substr(at + 1, end - at - 1);
    return true;
}

bool isSourceFile(const fs::path& path) {
    static const std::set<std::string> extensions = {".h", ".hpp", ".cpp", ".cc", ".c"};
    return extensions.count(path.extension().string()) != 0;
}

} // namespace

bool LayerTable::parse(const std::string& text, std::string& error) {
    const std::vector<std::string> all = lines(text);
    std::vector<int> numbers(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        numbers[i] = static_cast<int>(i) + 1;
    }
    return parseLines(all, numbers, error);
}

bool LayerTable::parseReadme(const std::string& readme, std::string& error) {
    const std::vector<std::string> all = lines(readme);
    std::size_t open = 0;
    while (open < all.size() && trim(all[open]) != OpenMarker) {
        ++open;
    }
    if (open == all.size()) {
        error = std::string("no ") + OpenMarker + " line";
        return false;
    }
    std::vector<std::string> table;
    std::vector<int> numbers;
    int fenceLine = 0; // the open fence's line, 0 outside a fence
    bool fenced = false;
    for (std::size_t i = open + 1; i < all.size(); ++i) {
        const std::string line = trim(all[i]);
        if (line == CloseMarker) {
            if (fenceLine != 0) {
                error = "line " + std::to_string(fenceLine) + ": ``` block is not closed";
                return false;
            }
            if (!fenced) {
                error = "line " + std::to_string(open + 1) + ": no ``` block after " + OpenMarker;
                return false;
            }
            return parseLines(table, numbers, error);
        }
        if (line.compare(0, 3, "```") == 0) {
            fenceLine = fenceLine == 0 ? static_cast<int>(i) + 1 : 0;
            fenced = true;
        } else if (fenceLine != 0) {
            table.push_back(all[i]);
            numbers.push_back(static_cast<int>(i) + 1);
        }
    }
    error =
        "line " + std::to_string(open + 1) + ": no " + CloseMarker + " line after " + OpenMarker;
    return false;
}

bool LayerTable::parseLines(const std::vector<std::string>& lines, const std::vector<int>& numbers,
                            std::string& error) {
    std::vector<Layer> parsed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = trim(lines[i].substr(0, lines[i].find('#')));
        if (line.empty()) {
            continue;
        }
        const std::string where = "line " + std::to_string(numbers[i]) + ": ";
        const std::size_t arrow = line.find("->");
        const std::vector<std::string> name = words(line.substr(0, arrow));
        if (arrow == std::string::npos || name.size() != 1 || !isFolderPath(name[0])) {
            error = where + "expected \"LAYER -> DEP ...\", got \"" + line + "\"";
            return false;
        }
        Layer layer{name[0], words(line.substr(arrow + 2)), numbers[i]};
        for (const std::string& dep : layer.deps) {
            const bool below = endsWith(dep, AllBelow);
            if (!isFolderPath(below ? dep.substr(0, dep.size() - 3) : dep)) {
                error = where + "\"" + dep + "\" is neither a folder nor FOLDER/**";
                return false;
            }
        }
        for (const Layer& earlier : parsed) {
            if (earlier.name == layer.name) {
                error = where + layer.name + " is already listed on line " +
                        std::to_string(earlier.line);
                return false;
            }
        }
        parsed.push_back(layer);
    }
    if (parsed.empty()) {
        error = "the table lists no layers";
        return false;
    }
    // A dep that names no layer is a typo; with it the table would quietly refuse too much.
    for (const Layer& layer : parsed) {
        for (const std::string& dep : layer.deps) {
            const bool known = std::any_of(parsed.begin(), parsed.end(), [&](const Layer& other) {
                return matchesDep(dep, other.name);
            });
            if (!known) {
                error = "line " + std::to_string(layer.line) + ": " + dep + " matches no layer";
                return false;
            }
        }
    }
    layers_ = std::move(parsed);
    return true;
}

std::string LayerTable::layerOf(const std::string& folder) const {
    std::string best;
    for (const Layer& layer : layers_) {
        if (isUnder(folder, layer.name) && layer.name.size() > best.size()) {
            best = layer.name;
        }
    }
    return best;
}

bool LayerTable::allows(const std::string& from, const std::string& to) const {
    if (from == to) {
        return true;
    }
    for (const Layer& layer : layers_) {
        if (layer.name == from) {
            return std::any_of(layer.deps.begin(), layer.deps.end(),
                               [&](const std::string& dep) { return matchesDep(dep, to); });
        }
    }
    return false;
}

std::string Violation::text() const {
    return file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message;
}

std::string Report::summary() const {
    return "layercheck: " + std::to_string(files) + " files, " + std::to_string(includes) +
           " includes checked, " + std::to_string(violations.size()) + " violations";
}

void checkFile(const LayerTable& table, const std::vector<std::string>& scanRoots,
               const std::string& file, const std::string& text, Report& report) {
    ++report.files;
    const std::string layer = table.layerOf(folderOf(file));
    if (layer.empty()) {
        report.violations.push_back({file, 0, "is in no layer of the table"});
        return;
    }
    std::set<std::string> checkedRoots;
    for (const std::string& root : scanRoots) {
        checkedRoots.insert(firstComponent(root));
    }
    for (const Layer& other : table.layers()) {
        checkedRoots.insert(firstComponent(other.name));
    }
    const std::vector<std::string> all = lines(text);
    for (std::size_t i = 0; i < all.size(); ++i) {
        std::string written;
        if (!quotedInclude(all[i], written)) {
            continue;
        }
        // "engine/ui/../app/Log.h" is engine/app's, whatever it looks like.
        const std::string path = fs::path(written).lexically_normal().generic_string();
        if (path.find('/') == std::string::npos || checkedRoots.count(firstComponent(path)) == 0) {
            continue;
        }
        ++report.includes;
        const int line = static_cast<int>(i) + 1;
        const std::string target = table.layerOf(folderOf(path));
        if (target.empty()) {
            report.violations.push_back({file, line, "\"" + written + "\" is in no layer"});
        } else if (!table.allows(layer, target)) {
            report.violations.push_back(
                {file, line, layer + " may not include " + target + " (\"" + written + "\")"});
        }
    }
}

bool readTextFile(const fs::path& path, std::string& text, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path.string();
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool loadTable(const fs::path& readme, LayerTable& table, std::string& error) {
    std::string text;
    if (!readTextFile(readme, text, error)) {
        return false;
    }
    if (!table.parseReadme(text, error)) {
        error = readme.string() + ": " + error;
        return false;
    }
    return true;
}

bool checkTree(const LayerTable& table, const fs::path& root,
               const std::vector<std::string>& scanRoots, Report& report, std::string& error) {
    std::vector<std::string> files;
    for (const std::string& scanRoot : scanRoots) {
        const fs::path folder = root / scanRoot;
        std::error_code failure;
        if (!fs::is_directory(folder, failure)) {
            error = "no folder " + folder.string();
            return false;
        }
        fs::recursive_directory_iterator it(folder, failure);
        for (; !failure && it != fs::recursive_directory_iterator(); it.increment(failure)) {
            if (it->is_regular_file(failure) && isSourceFile(it->path())) {
                files.push_back(it->path().lexically_relative(root).generic_string());
            }
        }
        if (failure) {
            error = "cannot list " + folder.string() + ": " + failure.message();
            return false;
        }
    }
    // Overlapping scan roots ("engine engine/ui") must not count a file twice.
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    for (const std::string& file : files) {
        std::string text;
        if (!readTextFile(root / file, text, error)) {
            return false;
        }
        checkFile(table, scanRoots, file, text, report);
    }
    return true;
}

} // namespace layercheck
