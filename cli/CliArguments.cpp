#include "cli/CliArguments.h"

#include "cli/AsciiText.h"
#include "scan/modStrukturScan.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace veltrano::cli {

namespace {

// One option: the command that knows it (None: every command), whether it takes a value, and
// where it goes.
struct OptionSpec {
    std::string_view name;
    Command only;
    bool takesValue;
    void (*set)(Arguments&, std::string value);
    bool repeatable = false;
};

const std::array<OptionSpec, 16> kOptions{{
    {"--user", Command::None, true, [](Arguments& a, std::string v) { a.user = std::move(v); }},
    {"--password", Command::None, true,
     [](Arguments& a, std::string v) { a.password = std::move(v); }},
    {"--help", Command::None, false, [](Arguments& a, std::string) { a.help = true; }},
    {"--json", Command::Survey, false, [](Arguments& a, std::string) { a.json = true; }},
    {"--sort", Command::List, true,
     [](Arguments& a, std::string v) { a.sortColumn = std::move(v); }},
    {"--descending", Command::List, false, [](Arguments& a, std::string) { a.descending = true; }},
    {"--table", Command::Replace, true,
     [](Arguments& a, std::string v) { a.table = std::move(v); }},
    {"--search", Command::Replace, true,
     [](Arguments& a, std::string v) { a.searchText = std::move(v); }},
    {"--replace", Command::Replace, true,
     [](Arguments& a, std::string v) { a.replaceText = std::move(v); }},
    {"--save", Command::Replace, false, [](Arguments& a, std::string) { a.save = true; }},
    {"--json", Command::Diff, false, [](Arguments& a, std::string) { a.json = true; }},
    {"--ignore", Command::Diff, true,
     [](Arguments& a, std::string v) { a.ignored.push_back(std::move(v)); }, true},
    {"--user-a", Command::Diff, true, [](Arguments& a, std::string v) { a.userA = std::move(v); }},
    {"--password-a", Command::Diff, true,
     [](Arguments& a, std::string v) { a.passwordA = std::move(v); }},
    {"--user-b", Command::Diff, true, [](Arguments& a, std::string v) { a.userB = std::move(v); }},
    {"--password-b", Command::Diff, true,
     [](Arguments& a, std::string v) { a.passwordB = std::move(v); }},
}};

struct CommandName {
    std::string_view name;
    Command command;
};

constexpr std::array<CommandName, 4> kCommands{{
    {"survey", Command::Survey},
    {"list", Command::List},
    {"replace", Command::Replace},
    {"diff", Command::Diff},
}};

std::string TableNames() {
    std::string names;
    for (const auto& table : scan::kTabellen) {
        names += names.empty() ? "" : ", ";
        names += table.text;
    }
    return names;
}

const OptionSpec* FindOption(std::string_view name, Command command) {
    for (const auto& option : kOptions) {
        if (option.name == name && (option.only == Command::None || option.only == command)) {
            return &option;
        }
    }
    return nullptr;
}

class Parser {
public:
    Parser(Command command, const std::vector<std::string>& args) : args_(args) {
        result_.command = command;
    }

    // --help anywhere among the options wins over any mistake in them.
    std::optional<UsageError> Run() {
        std::vector<std::string> positional;
        std::vector<std::string_view> seen;
        std::optional<UsageError> firstError;
        bool optionsEnded = false;
        for (std::size_t i = 1; i < args_.size(); ++i) {
            const std::string_view arg = args_[i];
            if (optionsEnded || arg.size() < 2 || arg.substr(0, 1) != "-") {
                positional.emplace_back(arg);
            } else if (arg == "--") {
                optionsEnded = true;
            } else if (auto error = TakeOption(i, seen); error && !firstError) {
                firstError = std::move(error);
            }
        }
        if (result_.help) {
            return std::nullopt;
        }
        if (firstError) {
            return firstError;
        }
        if (auto error = TakePositional(positional)) {
            return error;
        }
        return CheckValues(seen);
    }

    Arguments& Result() { return result_; }

private:
    UsageError Error(std::string problem) const { return {result_.command, std::move(problem)}; }

    // The option at args_[i], and its value (i moves past a value given separately).
    std::optional<UsageError> TakeOption(std::size_t& i, std::vector<std::string_view>& seen) {
        const std::string_view arg = args_[i];
        const auto equals = arg.find('=');
        const std::string_view name = arg == "-h" ? "--help" : arg.substr(0, equals);
        const OptionSpec* option = FindOption(name, result_.command);
        if (option == nullptr) {
            return Error("unknown option " + std::string(name));
        }
        if (!option->repeatable &&
            std::find(seen.begin(), seen.end(), option->name) != seen.end()) {
            return Error(std::string(name) + " is given twice");
        }
        seen.push_back(option->name);
        std::string value;
        if (!option->takesValue) {
            if (equals != std::string_view::npos) {
                return Error(std::string(name) + " takes no value");
            }
        } else if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args_.size()) {
            value = args_[++i];
        } else {
            return Error(std::string(name) + " needs a value");
        }
        option->set(result_, std::move(value));
        return std::nullopt;
    }

    std::optional<UsageError> TakePositional(std::vector<std::string>& positional) {
        if (result_.command == Command::Diff) {
            return TakeTwoDatabases(positional);
        }
        const std::size_t needed = result_.command == Command::List ? 1 : 0;
        if (positional.size() < needed) {
            return Error("NODE is missing");
        }
        if (positional.size() > needed + 1) {
            return Error("unexpected argument \"" + positional[needed + 1] + "\"");
        }
        if (positional.size() == needed + 1) {
            result_.database = positional.front();
        }
        if (needed == 1) {
            result_.node = positional.back();
        }
        return std::nullopt;
    }

    std::optional<UsageError> TakeTwoDatabases(std::vector<std::string>& positional) {
        if (positional.size() < 2) {
            return Error(positional.empty() ? "databases A and B are missing"
                                            : "database B is missing");
        }
        if (positional.size() > 2) {
            return Error("unexpected argument \"" + positional[2] + "\"");
        }
        result_.database = std::move(positional[0]);
        result_.databaseB = std::move(positional[1]);
        return std::nullopt;
    }

    std::optional<UsageError> CheckValues(const std::vector<std::string_view>& seen) {
        const auto given = [&](std::string_view name) {
            return std::find(seen.begin(), seen.end(), name) != seen.end();
        };
        if (result_.command == Command::List) {
            if (result_.descending && !result_.sortColumn) {
                return Error("--descending needs --sort");
            }
            if (result_.sortColumn) {
                const std::string& column = *result_.sortColumn;
                if (column.empty()) {
                    return Error("--sort needs a column number or header text");
                }
                if (AllDecimalDigits(column) &&
                    column.find_first_not_of('0') == std::string::npos) {
                    return Error("column numbers start at 1");
                }
            }
        }
        if (result_.command == Command::Diff &&
            std::any_of(result_.ignored.begin(), result_.ignored.end(),
                        [](const std::string& name) { return name.empty(); })) {
            return Error("--ignore needs a property name");
        }
        if (result_.command == Command::Replace) {
            for (std::string_view name : {"--table", "--search", "--replace"}) {
                if (!given(name)) {
                    return Error(std::string(name) + " is missing");
                }
            }
            const auto table =
                std::find_if(scan::kTabellen.begin(), scan::kTabellen.end(), [&](const auto& t) {
                    return EqualsIgnoringAsciiCase(t.text, result_.table);
                });
            if (table == scan::kTabellen.end()) {
                return Error("unknown table \"" + result_.table + "\" (tables: " + TableNames() +
                             ")");
            }
            result_.table = std::string(table->text);
            // The window takes no empty answer at either prompt of Replace.
            if (result_.searchText.empty()) {
                return Error("--search needs a text");
            }
            if (result_.replaceText.empty()) {
                return Error("--replace needs a text");
            }
        }
        return std::nullopt;
    }

    const std::vector<std::string>& args_;
    Arguments result_;
};

} // namespace

std::variant<Arguments, UsageError> ParseArguments(const std::vector<std::string>& args) {
    if (args.empty()) {
        return UsageError{Command::None, "a command is missing"};
    }
    const std::string_view first = args.front();
    if (first == "--help" || first == "-h") {
        if (args.size() > 1) {
            return UsageError{Command::None, "--help takes no arguments"};
        }
        Arguments help;
        help.help = true;
        return help;
    }
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&](const CommandName& c) { return c.name == first; });
    if (command == kCommands.end()) {
        return UsageError{Command::None, "unknown command \"" + std::string(first) + "\""};
    }
    Parser parser(command->command, args);
    if (auto error = parser.Run()) {
        return *error;
    }
    return std::move(parser.Result());
}

std::string UsageLine(Command command) {
    constexpr std::string_view login = " [--user NAME] [--password TEXT]";
    std::string line = "Usage: veltrano-cli ";
    switch (command) {
    case Command::None:
        return line + "survey|list|replace|diff [ARGUMENTS]";
    case Command::Survey:
        return line + "survey [DATABASE] [--json]" + std::string(login);
    case Command::List:
        return line + "list [DATABASE] NODE [--sort COLUMN] [--descending]" + std::string(login);
    case Command::Replace:
        return line + "replace [DATABASE] --table TABLE --search TEXT --replace TEXT [--save]" +
               std::string(login);
    case Command::Diff:
        return line +
               "diff A B [--json] [--ignore PROPERTY]... [--user-a NAME] [--password-a TEXT] "
               "[--user-b NAME] [--password-b TEXT]" +
               std::string(login);
    }
    return line;
}

std::string HelpText(Command command) {
    constexpr std::string_view common =
        "\nCommon options:\n"
        "  --user NAME       the ACT! user name (else $VELTRANO_USER)\n"
        "  --password TEXT   the ACT! password (else $VELTRANO_PASSWORD)\n"
        "  --help            this text\n"
        "\n";
    constexpr std::string_view withoutDatabase =
        "Without DATABASE the database that a running ACT! has open is used. When the database\n"
        "asks for a login and no user is given, the login Veltrano remembers is used. Nothing is\n"
        "ever asked on the terminal and the remembered login is never changed. Messages go to\n"
        "standard error.\n"
        "Texts are printed as they are, except that control bytes (below 0x20, DEL and the C1\n"
        "controls) are written as \\xHH, and so is a \\ that would start such a sequence (as\n"
        "\\x5C); --json escapes as JSON does.\n"
        "Exit status: 0 success, 1 failure, 2 wrong usage, 3 replace --save saved but its\n"
        "output could not be written.\n";
    constexpr std::string_view twoDatabases =
        "When a database asks for a login and no user is given, the login Veltrano remembers is\n"
        "used. Nothing is ever asked on the terminal and the remembered login is never changed.\n"
        "Messages go to standard error.\n";
    std::string text = UsageLine(command) + "\n\n";
    switch (command) {
    case Command::None:
        text += "Surveys ACT! databases, compares them and replaces text in their field "
                "triggers,\nwithout a window.\n\n"
                "Commands:\n"
                "  survey    print the structure tree (as an outline, or as JSON)\n"
                "  list      print the detail list of a node as Copy Table copies it\n"
                "  replace   replace text in the entry and exit triggers of a table's fields\n"
                "  diff      print how the structure of two databases differs\n"
                "\n"
                "veltrano-cli COMMAND --help tells more.\n";
        break;
    case Command::Survey:
        text += "Scans the database and prints its tree: one line per node, two blanks of indent\n"
                "per level. --json prints one object per node instead: index, tag, text, key\n"
                "(tag and key only when the node has them) and children.\n";
        break;
    case Command::List:
        text += "Prints the detail list that a click on NODE shows, as Copy Table copies it: a\n"
                "header line, then one line per row, a TAB after every cell, CR LF line ends.\n"
                "NODE is a node index (1 is the database node) or the node texts below the\n"
                "database node joined by \"/\", e.g. Tables/Contact/Fields or Users.\n"
                "  --sort COLUMN   sort ascending by the column (number from 1 or header text)\n"
                "  --descending    sort descending instead\n";
        break;
    case Command::Replace:
        text += "Replaces TEXT in the Entry Trigger and Exit Trigger cells of the Fields list of\n"
                "TABLE (" +
                TableNames() +
                ") and prints one line per\n"
                "changed cell: field name, column, old text, new text, separated by TABs.\n"
                "  --save   write the changed triggers into the database and print the count\n";
        break;
    case Command::Diff:
        text +=
            "Surveys the databases A and B and prints how their structure differs, one line\n"
            "per difference in tree order:\n"
            "  - PATH                      the node is only in A\n"
            "  + PATH                      the node is only in B\n"
            "  ~ PATH: PROPERTY = X -> Y   the property is X in A and Y in B (empty: none)\n"
            "  ~ PATH: renamed to NAME     the field of the same ID is called NAME in B\n"
            "PATH is the node texts below the database node joined by \"/\". Tables are\n"
            "matched by accessor, fields by ID, properties by name, drop-down entries by\n"
            "position and users by name whatever its case.\n"
            "  --json               one JSON object per line instead: op (removed, added,\n"
            "                       changed, renamed), path (the texts), property, a, b\n"
            "  --ignore PROPERTY    leave the property out, e.g. RecordCount (repeatable;\n"
            "                       blanks and case do not count)\n"
            "  --user-a NAME, --password-a TEXT   the login for A (else the common one)\n"
            "  --user-b NAME, --password-b TEXT   the login for B (else the common one)\n"
            "\n"
            "Example:\n"
            "  $ veltrano-cli diff live.dbf test.dbf --ignore RecordCount\n"
            "  ~ Tables/Contact/Fields/Company: EntryTrigger = c:\\old\\a.exe -> d:\\new\\a.exe\n"
            "  - Tables/Contact/Fields/Fax\n"
            "  + Tables/Contact/Fields/Mobile 2\n";
        break;
    }
    text += common;
    if (command == Command::Diff) {
        return text + std::string(twoDatabases) +
               "Exit status: 0 the same, 1 different, 2 trouble (wrong usage, a database not "
               "read).\n";
    }
    return text + std::string(withoutDatabase) +
           "Exit status: 0 success, 1 failure, 2 wrong usage.\n";
}

} // namespace veltrano::cli
