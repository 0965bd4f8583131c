#include <nlohmann/json.hpp>

#include <iostream>
#include <string>

// Helps content authors; subcommands print JSON and exit non-zero with one
// clear line on bad input.
int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help") {
        nlohmann::json usage = {{"tool", "quill-tool"}, {"subcommands", nlohmann::json::array()}};
        std::cout << usage.dump(2) << '\n';
        return argc < 2 ? 1 : 0;
    }
    std::cerr << "quill-tool: unknown subcommand '" << argv[1] << "'\n";
    return 2;
}
