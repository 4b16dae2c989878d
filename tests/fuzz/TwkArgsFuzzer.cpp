// libFuzzer target for twk's command line: the input is the arguments, each
// ended by a NUL byte (the one byte no argument holds), read with every
// command's options; the words after the first and the values of --above and
// --below are matched as AREA against a small library. Besides crashes, hangs
// and leaks it checks that the arguments read, written back, read the same,
// and that a matched AREA names a row of the list.

#include "FuzzSupport.h"
#include "Matching.h"
#include "TempFolder.h"
#include "Twk.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace {

// Two areas share a title, two a folder spelt two ways; one title is beyond
// ASCII ("\351", the code page's "é"). In a folder of its own for the run,
// reached through no Wine prefix: drive Z: is the root.
struct CLibraryOnDisk {
    CTempFolder folder;
    CSession session;
    CLibraryOnDisk() {
        folder.Write("scenery.cfg", "[Area.1]\nTitle=Base\nLocal=Scenery\\Base\n"
                                    "[Area.2]\nTitle=Twin\nLocal=Addon Scenery\\Twin A\n"
                                    "[Area.3]\nTitle=Twin\nLocal=Addon Scenery\\Twin B\n"
                                    "[Area.4]\nTitle=D\351cor\nLocal=D:\\Lake\n"
                                    "[Area.5]\nTitle=Lake\nLocal=addon scenery/twin a\\\n");
        ::setenv("WINEPREFIX", folder.Path("no prefix").c_str(), 1);
        Check(session.Open(folder.Path(""), EOpen::kReads, false) == kExitDone,
              "the library opens");
    }
};

auto Fields(const CArguments& a) {
    return std::tie(a.sim, a.bJson, a.bDryRun, a.bHelp, a.bVersion, a.words, a.options);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    // Each argument is read and matched on its own: a longer command line
    // only repeats what a shorter one tries, ever more slowly.
    if (nSize > 256)
        return 0;
    static const CLibraryOnDisk library;
    const std::span<const COptionRule> rules = CommandOptionRules();
    const std::string_view input(reinterpret_cast<const char*>(pData), nSize);
    std::vector<std::string> args;
    for (std::size_t nAt = 0; nAt < input.size(); nAt += args.back().size() + 1)
        args.emplace_back(input.substr(nAt, input.find('\0', nAt) - nAt));
    CArguments parsed;
    if (!ParseArguments(args, rules, parsed).empty())
        return 0;

    // Written back: the global options, the command's, "--", the words.
    std::vector<std::string> written;
    if (parsed.sim)
        written.push_back("--sim=" + *parsed.sim);
    for (auto [bGiven, pszFlag] : {std::pair{parsed.bJson, "--json"},
                                   {parsed.bDryRun, "--dry-run"},
                                   {parsed.bHelp, "--help"},
                                   {parsed.bVersion, "--version"}}) {
        if (bGiven)
            written.emplace_back(pszFlag);
    }
    for (const auto& option : parsed.options) {
        const bool bValue = std::any_of(rules.begin(), rules.end(), [&](const COptionRule& rule) {
            return rule.bValue && option.first == rule.pszName;
        });
        written.push_back("--" + option.first + (bValue ? "=" + option.second : ""));
    }
    written.emplace_back("--");
    written.insert(written.end(), parsed.words.begin(), parsed.words.end());
    CArguments again;
    Check(ParseArguments(written, rules, again).empty() && Fields(again) == Fields(parsed),
          "the arguments read, written back, read the same");

    std::vector<std::string> areas(parsed.words.begin() + (parsed.words.empty() ? 0 : 1),
                                   parsed.words.end());
    for (const char* pszOption : {"above", "below"}) {
        if (parsed.options.count(pszOption))
            areas.push_back(parsed.options.at(pszOption));
    }
    for (const std::string& area : areas) {
        std::size_t nRow = SIZE_MAX;
        if (MatchArea(library.session, area, nRow).empty())
            Check(nRow < library.session.Doc().Rows().size(), "a matched AREA names a row");
    }
    return 0;
}
