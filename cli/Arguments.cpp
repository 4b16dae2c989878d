#include "Arguments.h"

#include <algorithm>

std::string ParseArguments(std::span<const std::string> args,
                           std::span<const COptionRule> commandOptions, CArguments& parsed) {
    bool bWordsOnly = false;
    for (std::size_t n = 0; n < args.size(); ++n) {
        const std::string& arg = args[n];
        if (bWordsOnly || arg.size() < 2 || arg[0] != '-') {
            parsed.words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            bWordsOnly = true;
            continue;
        }
        // Of the short options only -h is known; any other is not a word.
        if (arg[1] != '-' && arg != "-h")
            return "unknown option " + arg;
        std::string name = arg == "-h" ? "help" : arg.substr(2);
        std::optional<std::string> value;
        if (std::size_t nEquals = name.find('='); nEquals != std::string::npos) {
            value = name.substr(nEquals + 1);
            name.resize(nEquals);
        }
        bool* pFlag = name == "json"        ? &parsed.bJson
                      : name == "dry-run"   ? &parsed.bDryRun
                      : name == "no-backup" ? &parsed.bNoBackup
                      : name == "help"      ? &parsed.bHelp
                      : name == "version"   ? &parsed.bVersion
                                            : nullptr;
        const auto known =
            std::find_if(commandOptions.begin(), commandOptions.end(),
                         [&](const COptionRule& option) { return name == option.pszName; });
        const bool bTakesValue = name == "sim" || (known != commandOptions.end() && known->bValue);
        if (!pFlag && name != "sim" && known == commandOptions.end())
            return "unknown option " + arg;
        if (!bTakesValue && value)
            return "the option --" + name + " takes no value";
        if (bTakesValue && !value) {
            if (n + 1 == args.size())
                return "the option --" + name + " needs a value";
            value = args[++n];
        }
        if (pFlag)
            *pFlag = true;
        else if (name == "sim" && value->empty())
            return "the option --sim needs a folder";
        else if (name == "sim")
            parsed.sim = *value;
        else
            parsed.options[name] = value.value_or("");
    }
    return {};
}
