#include "engine/core/Log.h"
#include "tools/quill-tool/Commands.h"

#include <iostream>
#include <map>

namespace {

struct Command {
    int (*run)(const Arguments&);
    const char* usage;
};

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> all = {
        {"config",
         {runConfig, "config [--config FILE] [--parameters FILE]: what config.xml and "
                     "GameParameters.cfg are read as"}},
        {"labels",
         {runLabels, "labels [LANGUAGE] [--config FILE] [--file LABELS]: the label table of the "
                     "active or the named language"}},
        {"anim",
         {runAnim, "anim FILE [--at MS]: the animation as read and, at a time, the state of every "
                   "object from its real action trees"}},
        {"font",
         {runFont, "font FILE TEXT [--box WIDTH]: line height, text width and, with a box "
                   "width, the wrapped lines"}},
        {"check",
         {runCheck, "check: every file the content names exists and reads, every picture loads, "
                    "every label key has a text in each language; problems as file:line: "
                    "message on standard error, exit 1 when any"}},
        {"save", {runSave, "save FILE: the save file with its settings, profiles and item groups"}},
        {"scene",
         {runScene,
          "scene ID [--seed N] [--language CODE] [--flow FILE] [--rules FILE] "
          "[--index FILE] [--config FILE]: the scene as the game loads it: its steps, its "
          "items with group, typeId, layer, box and renderer number, and the goals a "
          "first visit picks with the seed"}},
    };
    return all;
}

} // namespace

int printJson(const nlohmann::json& document) {
    // Texts read from damaged files may hold bytes that are not UTF-8: they
    // print as U+FFFD rather than end the tool.
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return 0;
}

int fail(const std::string& command, const std::string& message) {
    std::cerr << "quill-tool " << command << ": " << message << '\n';
    return 1;
}

std::string option(const Arguments& args, const std::string& name, const std::string& fallback) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == name) {
            return args[i + 1];
        }
    }
    return fallback;
}

Arguments positional(const Arguments& args, const std::vector<std::string>& optionsWithValue) {
    Arguments result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool isOption = false;
        for (const std::string& name : optionsWithValue) {
            isOption = isOption || args[i] == name;
        }
        if (isOption) {
            ++i;
        } else {
            result.push_back(args[i]);
        }
    }
    return result;
}

// Helps content authors; subcommands print JSON and exit non-zero with one
// clear line on bad input.
int main(int argc, char** argv) {
    // Standard output carries only the JSON; the engine's diagnostics go aside.
    setEngineLog(&std::cerr);
    if (argc < 2 || std::string(argv[1]) == "--help") {
        nlohmann::json usage = {{"tool", "quill-tool"}, {"subcommands", nlohmann::json::array()}};
        for (const auto& [name, command] : commands()) {
            usage["subcommands"].push_back({{"name", name}, {"usage", command.usage}});
        }
        std::cout << usage.dump(2) << '\n';
        return argc < 2 ? 1 : 0;
    }
    const auto found = commands().find(argv[1]);
    if (found == commands().end()) {
        std::cerr << "quill-tool: unknown subcommand '" << argv[1] << "'\n";
        return 2;
    }
    return found->second.run(Arguments(argv + 2, argv + argc));
}
