#pragma once

// The command line of veltrano-cli: commands, options and their texts for --help and usage
// errors. Parsing checks only the form of the arguments; the database decides the rest.

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace veltrano::cli {

enum class Command { None, Survey, List, Replace, Diff };

struct Arguments {
    Command command = Command::None;
    bool help = false;
    std::optional<std::string> database; // none: the database a running ACT! has open
    std::optional<std::string> user;
    std::optional<std::string> password;
    // survey, diff
    bool json = false;
    // list
    std::string node;
    std::optional<std::string> sortColumn;
    bool descending = false;
    // replace
    std::string table; // one of the seven table names, spelt as the tree spells it
    std::string searchText;
    std::string replaceText;
    bool save = false;
    // diff: database A is `database`; a side's own login comes before the common one
    std::string databaseB;
    std::optional<std::string> userA;
    std::optional<std::string> passwordA;
    std::optional<std::string> userB;
    std::optional<std::string> passwordB;
    std::vector<std::string> ignored;
};

// Wrong usage: what is wrong and for which command (None: the program as a whole).
struct UsageError {
    Command command = Command::None;
    std::string problem;
};

std::variant<Arguments, UsageError> ParseArguments(const std::vector<std::string>& args);

// "Usage: veltrano-cli ..." for the command, or for the program.
std::string UsageLine(Command command);
// The --help text of the command, or of the program.
std::string HelpText(Command command);

} // namespace veltrano::cli
