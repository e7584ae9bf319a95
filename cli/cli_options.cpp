#include "cli/cli_options.h"

#include <array>
#include <string_view>
#include <utility>

namespace pq::cli {

const char* const kUsage =
    "usage: protoquill-cli [--catalogue FILE] [--type constants|declares|types] [--lang "
    "vb6|vbnet]\n"
    "                      [--scope private|public] [--manual] [--add] [--null] NAME...\n"
    "       protoquill-cli [--catalogue FILE] [--type ...] --list\n"
    "       protoquill-cli --help | --version\n";

namespace {

template <std::size_t N>
int choose(std::string_view option, const std::string& value,
           const std::array<std::pair<std::string_view, int>, N>& choices) {
    for (const auto& [word, position] : choices) {
        if (value == word)
            return position;
    }
    std::string allowed;
    for (const auto& choice : choices) {
        if (!allowed.empty())
            allowed += "|";
        allowed += choice.first;
    }
    throw UsageError("bad value '" + value + "' for " + std::string(option) + " (" + allowed + ")");
}

constexpr std::array<std::pair<std::string_view, int>, 3> kTypes{
    {{"constants", 0}, {"declares", 1}, {"types", 2}}};
constexpr std::array<std::pair<std::string_view, int>, 2> kLanguages{{{"vb6", 0}, {"vbnet", 1}}};
constexpr std::array<std::pair<std::string_view, int>, 2> kScopes{{{"private", 0}, {"public", 1}}};

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
    Options o;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            o.names.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=value" or "--name value" for the options that take a value.
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        auto value = [&]() -> std::string {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw UsageError("option " + name + " needs a value");
            return args[++i];
        };
        auto flag = [&](bool& target) {
            if (inlineValue)
                throw UsageError("option " + name + " takes no value");
            target = true;
        };
        if (name == "--catalogue") {
            o.catalogueFile = value();
        } else if (name == "--type") {
            o.apiType = choose(name, value(), kTypes);
        } else if (name == "--lang") {
            o.language = choose(name, value(), kLanguages);
        } else if (name == "--scope") {
            o.scope = choose(name, value(), kScopes);
        } else if (name == "--manual") {
            bool manual = false;
            flag(manual);
            o.automat = !manual;
        } else if (name == "--add") {
            flag(o.add);
        } else if (name == "--null") {
            flag(o.nulTerminated);
        } else if (name == "--list") {
            flag(o.list);
        } else if (name == "--help" || name == "-h") {
            flag(o.help);
        } else if (name == "--version") {
            flag(o.version);
        } else {
            throw UsageError("unknown option '" + arg + "'");
        }
    }
    if (o.help || o.version)
        return o;
    if (o.list && !o.names.empty())
        throw UsageError("--list takes no NAME");
    if (!o.list && o.names.empty())
        throw UsageError("no NAME given");
    return o;
}

}  // namespace pq::cli
