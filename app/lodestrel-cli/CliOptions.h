#pragma once
// What the command line of lodestrel-cli asks for. Every text is already
// converted to code page 932; a setting that was not given stays empty, so that
// it can override a stored job without touching the settings around it.

#include <optional>
#include <span>
#include <string>
#include <vector>

enum class CliAction { Run, ShowHelp, ShowVersion };

// One -e condition and the --exclude list given right after it.
struct ConditionOption {
    std::string searchString;
    std::optional<std::string> exclusions;
};

struct CliOptions {
    CliAction action = CliAction::Run;
    bool useSettings = false;  // --settings: start from the stored job
    bool assumeYes = false;    // -y: every question is answered Yes

    std::optional<std::string> sourceFile;  // the SOURCE-FILE operand
    std::optional<std::string> searchDir;   // --dir
    std::optional<std::string> pattern;     // --pattern
    bool recursive = false;

    std::optional<std::string> resultFile;  // -o FILE
    bool resultToStdout = false;            // -o -

    std::vector<std::string> conditionFiles;  // -c, in the order given
    std::vector<ConditionOption> conditions;  // -e, in the order given
    bool noWildcards = false;

    std::optional<int> fileKind;         // --kind (and --delimiter alone): FileKind
    std::optional<std::string> etcDelim; // --delimiter: one byte
    std::optional<std::string> searchCol;  // --fields
    std::optional<int> pickMode;         // --output (and --field alone)
    std::optional<int> keyCol;           // --field
    std::optional<int> coment;           // --comment

    bool ignoreCase = false;
    bool noMemory = false;
    bool byCondition = false;
    bool firstOnly = false;
    bool noExclusions = false;
    bool screenSaverOff = false;
};

// Either the options or the reason the command line was refused (UTF-8, one
// line, without the program name).
struct ParsedArguments {
    std::optional<CliOptions> options;
    std::string error;
};

// args are the arguments after the program name, UTF-8 as the shell gives them.
ParsedArguments ParseArguments(std::span<const char* const> args);
