#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// One subcommand of quill-tool: reads its arguments, prints JSON to standard
// output and returns the exit code. Bad input gives one line on standard
// error and a non-zero code.
using Arguments = std::vector<std::string>;

int runConfig(const Arguments& args);
int runLabels(const Arguments& args);
int runFont(const Arguments& args);
int runAnim(const Arguments& args);
int runSave(const Arguments& args);
int runScene(const Arguments& args);
int runCheck(const Arguments& args);

// Prints the JSON document and returns 0.
int printJson(const nlohmann::json& document);
// Prints "quill-tool <command>: <message>" to standard error and returns 1.
int fail(const std::string& command, const std::string& message);
// The value after `--name` in the arguments, or the fallback.
std::string option(const Arguments& args, const std::string& name, const std::string& fallback);
// The arguments that are neither options nor their values.
Arguments positional(const Arguments& args, const std::vector<std::string>& optionsWithValue);
