// The command-line parser: GNU-style long options (--name VALUE, --name=VALUE),
// short options that may be bundled (-iy, -oFILE), "--" ending the options.

#include "app/lodestrel-cli/CliOptions.h"

#include <charconv>
#include <string_view>

#include "platform/text/Convert.h"

namespace {

enum class OptionId {
    Result, Conditions, Condition, Exclude, NoWildcards, Kind, Delimiter, Fields, Output, Field,
    Comment, IgnoreCase, NoMemory, ByCondition, FirstOnly, NoExclusions, ScreenSaverOff, Settings,
    Yes, Help, Version, Dir, Pattern, Recursive,
};

enum class Takes { Nothing, Value };

struct OptionSpec {
    std::string_view longName;
    char shortName;  // 0 for none
    Takes takes;
    OptionId id;
};

constexpr OptionSpec Options[] = {
    {"result", 'o', Takes::Value, OptionId::Result},
    {"conditions", 'c', Takes::Value, OptionId::Conditions},
    {"condition", 'e', Takes::Value, OptionId::Condition},
    {"exclude", 0, Takes::Value, OptionId::Exclude},
    {"no-wildcards", 0, Takes::Nothing, OptionId::NoWildcards},
    {"kind", 0, Takes::Value, OptionId::Kind},
    {"delimiter", 0, Takes::Value, OptionId::Delimiter},
    {"fields", 0, Takes::Value, OptionId::Fields},
    {"output", 0, Takes::Value, OptionId::Output},
    {"field", 0, Takes::Value, OptionId::Field},
    {"comment", 0, Takes::Value, OptionId::Comment},
    {"ignore-case", 'i', Takes::Nothing, OptionId::IgnoreCase},
    {"no-memory", 0, Takes::Nothing, OptionId::NoMemory},
    {"by-condition", 0, Takes::Nothing, OptionId::ByCondition},
    {"first-only", 0, Takes::Nothing, OptionId::FirstOnly},
    {"no-exclusions", 0, Takes::Nothing, OptionId::NoExclusions},
    {"screen-saver-off", 0, Takes::Nothing, OptionId::ScreenSaverOff},
    {"settings", 0, Takes::Nothing, OptionId::Settings},
    {"yes", 'y', Takes::Nothing, OptionId::Yes},
    {"help", 'h', Takes::Nothing, OptionId::Help},
    {"version", 0, Takes::Nothing, OptionId::Version},
    {"dir", 0, Takes::Value, OptionId::Dir},
    {"pattern", 0, Takes::Value, OptionId::Pattern},
    {"recursive", 'r', Takes::Nothing, OptionId::Recursive},
};

// A keyword value of an option and the setting it stands for.
struct Keyword {
    std::string_view text;
    int value;
};

constexpr Keyword Kinds[] = {{"auto", 0}, {"csv", 1}, {"tab", 2}, {"text", 3}, {"other", 4}};
constexpr Keyword Outputs[] = {{"line", 0}, {"tag", 1}, {"field", 2}};
constexpr Keyword Comments[] = {{"none", 0}, {"#", 1}, {"@", 2}, {"!", 3}, {"*", 4}};
constexpr int FileKindOther = 4;
constexpr int PickModeField = 2;

template <std::size_t N>
std::optional<int> LookUp(const Keyword (&table)[N], std::string_view text)
{
    for (const Keyword& keyword : table) {
        if (keyword.text == text)
            return keyword.value;
    }
    return std::nullopt;
}

template <std::size_t N>
std::string Choices(const Keyword (&table)[N])
{
    std::string list;
    for (const Keyword& keyword : table) {
        if (!list.empty())
            list += ", ";
        list += "'" + std::string(keyword.text) + "'";
    }
    return list;
}

class Parser {
public:
    explicit Parser(std::span<const char* const> args) : m_args(args) {}

    ParsedArguments Run()
    {
        bool optionsEnded = false;
        while (m_next < m_args.size()) {
            std::string_view arg = m_args[m_next++];
            bool ok = true;
            if (optionsEnded || arg == "-" || arg.size() < 2 || arg[0] != '-')
                ok = Operand(arg);
            else if (arg == "--")
                optionsEnded = true;
            else if (arg.starts_with("--"))
                ok = LongOption(arg.substr(2));
            else
                ok = ShortOptions(arg.substr(1));
            if (!ok)
                return {std::nullopt, m_error};
            if (m_options.action != CliAction::Run)
                return {m_options, {}};
        }
        if (!Finish())
            return {std::nullopt, m_error};
        return {m_options, {}};
    }

private:
    bool LongOption(std::string_view text)
    {
        std::size_t equals = text.find('=');
        std::string_view name = text.substr(0, equals);
        for (const OptionSpec& known : Options) {
            if (known.longName != name)
                continue;
            const std::string spelled = "--" + std::string(name);
            if (equals != std::string_view::npos) {
                if (known.takes == Takes::Nothing)
                    return Fail("option '" + spelled + "' takes no value");
                return Apply(known, text.substr(equals + 1), spelled);
            }
            return known.takes == Takes::Value ? ApplyNextValue(known, spelled) : Apply(known, {}, spelled);
        }
        return Fail("unknown option '--" + std::string(name) + "'");
    }

    // A bundle of short options; one that takes a value takes the rest of the
    // bundle, or the next argument when the bundle ends with it.
    bool ShortOptions(std::string_view bundle)
    {
        for (std::size_t i = 0; i < bundle.size(); ++i) {
            const OptionSpec* known = FindShort(bundle[i]);
            if (!known)
                return Fail("unknown option '-" + std::string(1, bundle[i]) + "'");
            const std::string spelled = "-" + std::string(1, bundle[i]);
            if (known->takes == Takes::Nothing) {
                if (!Apply(*known, {}, spelled))
                    return false;
                if (m_options.action != CliAction::Run)
                    return true;
                continue;
            }
            if (i + 1 < bundle.size())
                return Apply(*known, bundle.substr(i + 1), spelled);
            return ApplyNextValue(*known, spelled);
        }
        return true;
    }

    static const OptionSpec* FindShort(char letter)
    {
        for (const OptionSpec& known : Options) {
            if (known.shortName == letter)
                return &known;
        }
        return nullptr;
    }

    bool ApplyNextValue(const OptionSpec& known, const std::string& spelled)
    {
        if (m_next >= m_args.size())
            return Fail("option '" + spelled + "' needs a value");
        return Apply(known, m_args[m_next++], spelled);
    }

    bool Apply(const OptionSpec& known, std::string_view value, const std::string& spelled)
    {
        switch (known.id) {
        case OptionId::Result:
            if (value == "-") {
                m_options.resultToStdout = true;
                m_options.resultFile.reset();
                return true;
            }
            m_options.resultToStdout = false;
            return ConvertInto(value, "the result file name", m_options.resultFile);
        case OptionId::Conditions: {
            std::optional<std::string> path;
            if (!ConvertInto(value, "the condition file name", path))
                return false;
            m_options.conditionFiles.push_back(std::move(*path));
            return true;
        }
        case OptionId::Condition: return AddCondition(value, spelled);
        case OptionId::Exclude: return AddExclusions(value, spelled);
        case OptionId::NoWildcards: return Set(m_options.noWildcards);
        case OptionId::Kind: return Choose(Kinds, value, spelled, m_options.fileKind);
        case OptionId::Delimiter: return SetDelimiter(value, spelled);
        case OptionId::Fields: return ConvertInto(value, "the argument of " + spelled, m_options.searchCol);
        case OptionId::Output: return Choose(Outputs, value, spelled, m_options.pickMode);
        case OptionId::Field: return SetField(value, spelled);
        case OptionId::Comment: return Choose(Comments, value, spelled, m_options.coment);
        case OptionId::IgnoreCase: return Set(m_options.ignoreCase);
        case OptionId::NoMemory: return Set(m_options.noMemory);
        case OptionId::ByCondition: return Set(m_options.byCondition);
        case OptionId::FirstOnly: return Set(m_options.firstOnly);
        case OptionId::NoExclusions: return Set(m_options.noExclusions);
        case OptionId::ScreenSaverOff: return Set(m_options.screenSaverOff);
        case OptionId::Settings: return Set(m_options.useSettings);
        case OptionId::Yes: return Set(m_options.assumeYes);
        case OptionId::Help: m_options.action = CliAction::ShowHelp; return true;
        case OptionId::Version: m_options.action = CliAction::ShowVersion; return true;
        case OptionId::Dir: return ConvertInto(value, "the directory name", m_options.searchDir);
        case OptionId::Pattern: return ConvertInto(value, "the file name pattern", m_options.pattern);
        case OptionId::Recursive: return Set(m_options.recursive);
        }
        return Fail("unhandled option '" + spelled + "'");
    }

    static bool Set(bool& flag)
    {
        flag = true;
        return true;
    }

    template <std::size_t N>
    bool Choose(const Keyword (&table)[N], std::string_view value, const std::string& spelled,
                std::optional<int>& target)
    {
        target = LookUp(table, value);
        if (!target)
            return Fail("invalid argument '" + std::string(value) + "' for '" + spelled + "' (valid: " +
                        Choices(table) + ")");
        return true;
    }

    bool AddCondition(std::string_view value, const std::string& spelled)
    {
        if (value.empty())
            return Fail("the condition of '" + spelled + "' is empty");
        std::optional<std::string> text;
        if (!ConvertInto(value, "the condition of " + spelled, text))
            return false;
        m_options.conditions.push_back(ConditionOption{std::move(*text), std::nullopt});
        return true;
    }

    bool AddExclusions(std::string_view value, const std::string& spelled)
    {
        if (m_options.conditions.empty())
            return Fail("'" + spelled + "' must follow the condition (-e) it belongs to");
        std::optional<std::string>& exclusions = m_options.conditions.back().exclusions;
        if (exclusions)
            return Fail("'" + spelled + "' is given twice for the same condition; separate the strings with commas");
        if (value.empty())
            return Fail("the exclusion strings of '" + spelled + "' are empty");
        return ConvertInto(value, "the argument of " + spelled, exclusions);
    }

    bool SetDelimiter(std::string_view value, const std::string& spelled)
    {
        std::optional<std::string> delimiter;
        if (!ConvertInto(value, "the argument of " + spelled, delimiter))
            return false;
        if (delimiter->size() != 1)
            return Fail("'" + spelled + "' takes one single-byte character, not '" + std::string(value) + "'");
        m_options.etcDelim = std::move(delimiter);
        return true;
    }

    bool SetField(std::string_view value, const std::string& spelled)
    {
        int number = 0;
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (value.empty() || error != std::errc() || end != value.data() + value.size())
            return Fail("'" + spelled + "' takes a field number, not '" + std::string(value) + "'");
        m_options.keyCol = number;
        return true;
    }

    bool Operand(std::string_view arg)
    {
        if (m_options.sourceFile)
            return Fail("more than one SOURCE-FILE given ('" + std::string(arg) + "')");
        return ConvertInto(arg, "the source file name", m_options.sourceFile);
    }

    // The checks that need the whole command line, and the settings that one
    // option implies for another.
    bool Finish()
    {
        if (m_options.sourceFile && m_options.searchDir)
            return Fail("give either a SOURCE-FILE or --dir, not both");
        if ((m_options.pattern || m_options.recursive) && m_options.sourceFile)
            return Fail("--pattern and --recursive go with --dir, not with a SOURCE-FILE");
        if (!m_options.sourceFile && !m_options.searchDir && !m_options.useSettings)
            return Fail("no SOURCE-FILE or --dir given");
        if (m_options.etcDelim) {
            if (m_options.fileKind && *m_options.fileKind != FileKindOther)
                return Fail("--delimiter goes with --kind other");
            m_options.fileKind = FileKindOther;
        }
        if (m_options.keyCol) {
            if (m_options.pickMode && *m_options.pickMode != PickModeField)
                return Fail("--field goes with --output field");
            m_options.pickMode = PickModeField;
        }
        return true;
    }

    bool ConvertInto(std::string_view utf8, const std::string& what, std::optional<std::string>& target)
    {
        target = cp932::FromUtf8(utf8);
        if (!target)
            return Fail(what + " '" + std::string(utf8) +
                        "' cannot be used: it holds a character that has no code page 932 (Shift_JIS) form,"
                        " or is not UTF-8");
        return true;
    }

    bool Fail(std::string message)
    {
        m_error = std::move(message);
        return false;
    }

    std::span<const char* const> m_args;
    std::size_t m_next = 0;
    CliOptions m_options;
    std::string m_error;
};

}  // namespace

ParsedArguments ParseArguments(std::span<const char* const> args)
{
    return Parser(args).Run();
}
