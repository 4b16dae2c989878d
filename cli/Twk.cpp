#include "Twk.h"

#include "AirportRunners.h"
#include "BackupRunners.h"
#include "ChangeRunners.h"
#include "FindingCodes.h"
#include "ListRunners.h"
#include "Output.h"
#include "ProfileRunners.h"
#include "RestoreBackup.h"
#include "TarnwickVersion.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

struct CCommand {
    const char* pszName; // one word, or two for the folder and profile commands
    const char* pszArgs;
    const char* pszSummary;
    const char* pszDetails;
    // The command's own, beside the global ones. An option of that name takes
    // a value in every command or in none: twk reads options before it knows
    // the command.
    std::vector<COptionRule> options;
    std::size_t nMinArgs;
    std::size_t nMaxArgs;
    EOpen open;
    int (*pRun)(CCommandRun& run);
    // Which of the global options it heeds.
    bool bJson = true;
    bool bDryRun = true;
    // A table its help ends with, or nullptr.
    std::string (*pTable)() = nullptr;
};

constexpr std::size_t kAny = SIZE_MAX;

const char* const kAreaHelp =
    "AREA is a title (the case of the letters A to Z ignored), a local path (as scenery.cfg\n"
    "holds it, or the folder it names), or #N, the row at position N of twk list (1 = top).\n"
    "When a title or a path matches several areas, twk refuses (exit status 2) and names\n"
    "them: name the one you mean by its #N.";

const std::vector<CCommand>& Commands() {
    static const std::vector<CCommand> commands = {
        {"list",
         "",
         "every area, top row first",
         "Each row: position (1 = top, the highest layer), Layer as scenery.cfg holds it,\n"
         "on or off, req when the simulator requires the area, title, local path, and the\n"
         "folders that hold it. --json: an array of objects with the keys position, layer,\n"
         "active, required, title, local and folders.",
         {},
         0,
         0,
         EOpen::kReads,
         RunList,
         true,
         false},
        {"check",
         "",
         "what is broken in the library",
         "One line per finding: severity, code, the area (position, title, local path) or the\n"
         "file, and what was found; the airports and the .bgl files of each area's scenery\n"
         "sub-folder are looked at too (a .bgl file of an area that is off gives warnings\n"
         "only). --json: an array of objects with the keys code, severity, position, title,\n"
         "local, file and text (null where a key does not apply). Exit status 1 when there\n"
         "is an error (a file read that is no library among them), 3 when the system will\n"
         "not let a file be read.",
         {},
         0,
         0,
         EOpen::kChecks,
         RunCheck,
         true,
         false,
         [] { return std::string("\nCodes:\n").append(FindingCodesText(2)); }},
        {"airports resolve",
         "IDENT --use AREA [--move use|others] [--others-off]",
         "make the simulator use an area's definition of an airport",
         "Without --move or --others-off, the change Tarnwick proposes: the area switched on if\n"
         "it is off, and either moved up to just above the highest other area that is on and\n"
         "defines the airport (use), or those others moved as one block to just below it\n"
         "(others), whichever changes fewer other airports. --move forces that move.\n"
         "--others-off switches off every other add-on area defining the airport instead, for\n"
         "when the chosen definition deletes nothing and the others would still merge into it:\n"
         "then, without either option, nothing is changed (exit status 2). Areas the simulator\n"
         "requires and its own areas are never moved or switched off. Prints the change and\n"
         "every other airport it changes, then writes it. --json: an object with the keys\n"
         "ident, name, use, way, steps, notes, airports (ident, name, before, after) and\n"
         "changes. IDENT: the case of letters ignored; AREA must define the airport.",
         {{"use", true}, {"move", true}, {"others-off", false}},
         1,
         1,
         EOpen::kWrites,
         RunAirportsResolve},
        {"airports",
         "[IDENT...] [--all]",
         "which area the simulator uses for each airport",
         "The simulator loads the areas from the bottom row up; of the areas that are on, the\n"
         "highest one defining an airport is used. A lower one is hidden when a record above\n"
         "it deletes the runways, starts, frequencies and taxiways, else its features merge\n"
         "into the airport shown. Without IDENT: the airports with a finding (two add-ons\n"
         "defining one, an add-on merging with a stock airport, one area defining it twice);\n"
         "--all: every airport. IDENT (the case of letters ignored): those airports. Each\n"
         "airport: its ident and name, then each area and file defining it, bottom row first,\n"
         "as used, hidden, merges or off. --json: an array of objects with the keys ident,\n"
         "name, used (the position of the area used, or null) and definitions (position,\n"
         "title, local, file, active, use); empty definitions for an ident no area defines.\n"
         "The files read are kept in a cache, so a second look reads only what changed.\n"
         "Exit status 1 when a .bgl file of an area that is on is damaged or made for a\n"
         "later simulator.",
         {{"all", false}},
         0,
         kAny,
         EOpen::kReads,
         RunAirports,
         true,
         false},
        {"enable",
         "AREA...",
         "switch areas on",
         "Every folder holding an area follows, as after a click on the area's box.",
         {},
         1,
         kAny,
         EOpen::kWrites,
         RunEnable},
        {"disable",
         "AREA... [--force]",
         "switch areas off",
         "Every folder holding an area follows, as after a click on the area's box. An area\n"
         "the simulator requires stays on, and nothing is switched, unless --force is given.",
         {{"force", false}},
         1,
         kAny,
         EOpen::kWrites,
         RunDisable},
        {"move",
         "AREA --to N | --above AREA | --below AREA",
         "put an area at another row",
         "--to N puts it at position N; --above and --below next to another area. The layers\n"
         "follow from the new order, as after a drag in the window.",
         {{"to", true}, {"above", true}, {"below", true}},
         1,
         1,
         EOpen::kWrites,
         RunMove},
        {"add",
         "LOCAL [--title T] [--force]",
         "add an area for a scenery folder",
         "LOCAL is the folder: absolute, or from the simulator folder (\\ or / between names).\n"
         "It must be a scenery folder: its scenery sub-folder holds a .bgl file. The new area\n"
         "is switched on and goes on top; its title is T, else the folder's name. A folder\n"
         "the library holds already is refused, unless --force is given.",
         {{"title", true}, {"force", false}},
         1,
         1,
         EOpen::kWrites,
         RunAdd},
        {"remove",
         "AREA... [--force]",
         "remove areas from the library",
         "Their folder entries go with them. An area the simulator requires is refused, unless\n"
         "--force is given.",
         {{"force", false}},
         1,
         kAny,
         EOpen::kWrites,
         RunRemove},
        {"rename",
         "AREA TITLE",
         "give an area another title",
         "A title is 1 to 255 characters long.",
         {},
         2,
         2,
         EOpen::kWrites,
         RunRename},
        {"scan",
         "DIR [--force]",
         "add an area for every scenery folder directly inside DIR",
         "DIR is absolute, or from the simulator folder. The areas are added in the order in\n"
         "which the window's Scan adds them, the last found on top. Folders the library holds\n"
         "already are named and left out, unless --force is given.",
         {{"force", false}},
         1,
         1,
         EOpen::kWrites,
         RunScan},
        {"folder list",
         "",
         "the folders of Folder.txt and their areas",
         "--json: an array of objects with the keys name, state (on, off or mixed) and areas.",
         {},
         0,
         0,
         EOpen::kReads,
         RunFolderList,
         true,
         false},
        {"folder enable",
         "NAME",
         "switch on every area of a folder",
         "As a click on the folder's box in the window. NAME: the case of A to Z ignored.",
         {},
         1,
         1,
         EOpen::kWrites,
         RunFolderEnable},
        {"folder disable",
         "NAME [--force]",
         "switch off every area of a folder",
         "As a click on the folder's box in the window. NAME: the case of A to Z ignored. A\n"
         "folder holding an area the simulator requires is refused, unless --force is given.",
         {{"force", false}},
         1,
         1,
         EOpen::kWrites,
         RunFolderDisable},
        {"profile list",
         "",
         "the profiles of Profiles.txt",
         "Each profile: its name, how many of its areas the library holds, and \"current\" when\n"
         "the areas on are exactly its (required areas aside). --json: an array of objects with\n"
         "the keys name, areas and current.",
         {},
         0,
         0,
         EOpen::kReads,
         RunProfileList,
         true,
         false},
        {"profile show",
         "NAME",
         "the areas of a profile",
         "Its areas as twk list shows them, top row first, then each area it names that the\n"
         "library does not hold (missing). --json: an object with the keys name, current,\n"
         "areas (objects with the keys position, title and local) and missing (title, local).\n"
         "NAME: the case of A to Z ignored.",
         {},
         1,
         1,
         EOpen::kReads,
         RunProfileShow,
         true,
         false},
        {"profile save",
         "NAME [--force]",
         "save the areas on now as a profile",
         "Required areas count as any other. A profile of that name (the case of A to Z\n"
         "ignored) is replaced only with --force. Writes only Profiles.txt, with no backup.\n"
         "--json: an object with the keys change (save, or none when the profile was so\n"
         "already), name, from (null), areas and written.",
         {{"force", false}},
         1,
         1,
         EOpen::kWrites,
         RunProfileSave},
        {"profile apply",
         "NAME",
         "switch on the areas of a profile, every other one off",
         "One change, the folders following as after switches of the areas; an area the\n"
         "simulator requires stays on. An area the profile names that the library does not hold is "
         "a warning,\n"
         "and the profile keeps it. NAME: the case of A to Z ignored.",
         {},
         1,
         1,
         EOpen::kWrites,
         RunProfileApply},
        {"profile delete",
         "NAME",
         "delete a profile",
         "Writes only Profiles.txt, with no backup. NAME: the case of A to Z ignored. --json: an\n"
         "object with the keys change (delete), name, from (null), areas and written.",
         {},
         1,
         1,
         EOpen::kWrites,
         RunProfileDelete},
        {"profile rename",
         "OLD NEW",
         "give a profile another name",
         "NEW may differ from OLD in letter case only; another profile's name is refused.\n"
         "Writes only Profiles.txt, with no backup. --json: an object with the keys change\n"
         "(rename, or none for the name it has), name, from (the old name), areas and\n"
         "written.",
         {},
         2,
         2,
         EOpen::kWrites,
         RunProfileRename},
        {"backup list",
         "",
         "the backup sets of the library, newest first",
         "Before each write of the library, and at each start of the window, its files as they\n"
         "are are kept as a set in \"Tarnwick backups\" in the simulator folder. Each set: its\n"
         "number, when it was kept (UTC), how many areas, folders and profiles it holds, and\n"
         "what kept it. --json: an array of objects with the keys number, when, by, areas,\n"
         "folders, profiles and unusable (why it cannot be restored, or null).",
         {},
         0,
         0,
         EOpen::kReads,
         RunBackupList,
         true,
         false},
        {"backup show",
         "NUMBER",
         "what restoring a backup set would change",
         "NUMBER is the set's own, as backup list shows it. One line a difference: areas that\n"
         "come back, go, switch, take back a title or move; folders and profiles that come\n"
         "back, go or change. --json: an object with the keys number, when, by, differences\n"
         "and written.",
         {},
         1,
         1,
         EOpen::kReads,
         RunBackupShow,
         true,
         false},
        {"backup restore",
         "NUMBER [--yes]",
         "put the library back as a backup set holds it",
         "Shows what changes, then asks on the terminal; without a terminal and without --yes\n"
         "nothing is written (exit status 2). The set's areas, order, switches, folders and\n"
         "profiles are written as one change, a set of the library as it was kept first.",
         {{"yes", false}},
         1,
         1,
         EOpen::kReads,
         RunBackupRestore},
        {"restore-backup",
         "[--yes]",
         "put scenery_bak.twk back as scenery.cfg",
         "The backup holds scenery.cfg as it was before the last change twk wrote, or when the\n"
         "window last started. Only scenery.cfg comes back: folders and profiles stay as they\n"
         "are, and twk names those the areas that go leave. Without --yes, twk shows what\n"
         "will change and asks; without a terminal to ask on it writes nothing (exit status\n"
         "2).",
         {{"yes", false}},
         0,
         0,
         EOpen::kReads,
         RunRestoreBackup,
         false,
         true},
    };
    return commands;
}

constexpr std::size_t kHelpWidth = 80;

std::string Usage(const CCommand& command) {
    std::string usage = "usage: twk [--sim DIR]";
    usage.append(command.bJson ? " [--json]" : "").append(command.bDryRun ? " [--dry-run]" : "");
    usage.append(" ").append(command.pszName);
    if (*command.pszArgs)
        usage.append(" ").append(command.pszArgs);
    return usage;
}

// The commands whose name starts with the words ("" for all), a line each:
// name and arguments, then what it does from a column of its own.
std::string CommandLines(std::string_view words) {
    constexpr std::size_t kColumn = 34;
    std::string lines;
    for (const CCommand& command : Commands()) {
        const std::string_view name = command.pszName;
        if (!name.starts_with(words) ||
            (!words.empty() && name.size() > words.size() && name[words.size()] != ' '))
            continue;
        std::string line = std::string("  ") + command.pszName;
        if (*command.pszArgs)
            line.append(" ").append(command.pszArgs);
        line += line.size() < kColumn ? std::string(kColumn - line.size(), ' ')
                                      : "\n" + std::string(kColumn, ' ');
        lines.append(lines.empty() ? "" : "\n")
            .append(line)
            .append(Wrapped(command.pszSummary, kHelpWidth, kColumn, kColumn));
    }
    return lines;
}

void PrintProgramHelp() {
    std::string json;
    for (const CCommand& command : Commands()) {
        if (command.bJson)
            json.append(json.empty() ? "" : ", ").append(command.pszName);
    }
    PrintLine("twk " TARNWICK_VERSION_TEXT
              ": the Flight Simulator 2004 scenery library from the command line\n"
              "\n"
              "usage: twk [--sim DIR] [--json] [--dry-run] COMMAND [ARGS]\n"
              "       twk help [COMMAND]\n"
              "\n"
              "commands:\n" +
              CommandLines("") + "\n\n" + Wrapped(kAreaHelp, kHelpWidth) +
              "\n"
              "\n"
              "options:\n"
              "  --sim DIR   the simulator folder, which holds scenery.cfg; else TARNWICK_SIM;\n"
              "              else the simulator's registry value (natively on Linux in the\n"
              "              Wine prefix WINEPREFIX, else ~/.wine); else Tarnwick.ini beside\n"
              "              twk\n"
              "  --json      the output as JSON, in " +
              Wrapped(json, kHelpWidth, 14, 37) +
              "\n"
              "  --dry-run   show what a command would change, write nothing\n"
              "  --no-backup write without first keeping a backup set of the files\n"
              "  --help      this text, or a command's\n"
              "  --version   the version\n"
              "  --          every argument after it is no option\n"
              "\n" +
              Wrapped("A command that changes the library writes scenery.cfg, Folder.txt and "
                      "Profiles.txt as the window's Save does, all or none, after copying "
                      "scenery.cfg to scenery_bak.twk and keeping the files as they were as a "
                      "set in \"Tarnwick backups\", and only while they are what twk read, "
                      "holding the library's lock (Tarnwick.lock) from its read to its write. "
                      "profile save, rename and delete write only Profiles.txt, with no backup. "
                      "Exit status: 0 done, 1 the check found an error, 2 bad usage, 3 a file "
                      "could not be read or written, or another program held the lock for 5 "
                      "seconds (nothing changed).",
                      kHelpWidth));
}

void PrintCommandHelp(const CCommand& command) {
    std::string summary = command.pszSummary;
    summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
    PrintLine(Wrapped(Usage(command), kHelpWidth, 7) + "\n\n" +
              Wrapped(summary + ". " + command.pszDetails, kHelpWidth));
    if (std::string_view(command.pszArgs).find("AREA") != std::string_view::npos)
        PrintLine(std::string("\n").append(Wrapped(kAreaHelp, kHelpWidth)));
    if (command.pTable)
        PrintLine(command.pTable());
}

// The help of the commands whose first word is the group's.
void PrintGroupHelp(const std::string& group) {
    PrintLine("usage: twk [--sim DIR] [--json] [--dry-run] " + group +
              " COMMAND [ARGS]\n\ncommands:\n" + CommandLines(group) + "\n\ntwk help " + group +
              " COMMAND tells more.");
}

// The command the words start with: two words before one.
const CCommand* FindCommand(const std::vector<std::string>& words, std::size_t& nWords) {
    for (const CCommand& command : Commands()) {
        const std::string_view name = command.pszName;
        const std::size_t nSpace = name.find(' ');
        nWords = nSpace == std::string_view::npos ? 1 : 2;
        if (words.size() >= nWords && words[0] == name.substr(0, nSpace) &&
            (nWords == 1 || words[1] == name.substr(nSpace + 1)))
            return &command;
    }
    return nullptr;
}

// What the two-word commands of that first word take: "list, enable NAME or
// disable NAME"; empty when none begins with it.
std::string TwoWordCommandsOf(const std::string& first) {
    std::vector<std::string> takes;
    for (const CCommand& command : Commands()) {
        const std::string_view name = command.pszName;
        const std::size_t nSpace = name.find(' ');
        if (nSpace != std::string_view::npos && name.substr(0, nSpace) == first) {
            std::string words(name.substr(nSpace + 1));
            if (*command.pszArgs)
                words.append(" ").append(command.pszArgs);
            takes.push_back(std::move(words));
        }
    }
    std::string text;
    for (std::size_t n = 0; n < takes.size(); ++n)
        text.append(n == 0 ? "" : n + 1 == takes.size() ? " or " : ", ").append(takes[n]);
    return text;
}

} // namespace

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const CCommand& command : Commands())
        names.push_back(command.pszName);
    return names;
}

std::span<const COptionRule> CommandOptionRules() {
    static const std::vector<COptionRule> rules = [] {
        std::vector<COptionRule> all;
        for (const CCommand& command : Commands()) {
            for (const COptionRule& option : command.options) {
                if (std::none_of(all.begin(), all.end(), [&](const COptionRule& known) {
                        return std::string_view(known.pszName) == option.pszName;
                    }))
                    all.push_back(option);
            }
        }
        return all;
    }();
    return rules;
}

namespace {

int RunCommand(std::span<const std::string> args) {
    CArguments arguments;
    if (std::string error = ParseArguments(args, CommandOptionRules(), arguments); !error.empty()) {
        PrintError(error + " (twk --help tells the options)");
        return kExitUsage;
    }
    if (arguments.bVersion) {
        PrintLine("twk " TARNWICK_VERSION_TEXT);
        return kExitDone;
    }
    // "twk help X" is "twk X --help".
    if (!arguments.words.empty() && arguments.words[0] == "help") {
        arguments.words.erase(arguments.words.begin());
        arguments.bHelp = true;
    }
    std::size_t nWords = 0;
    const CCommand* pCommand = FindCommand(arguments.words, nWords);
    if (pCommand == nullptr) {
        if (arguments.words.empty() && arguments.bHelp) {
            PrintProgramHelp();
            return kExitDone;
        }
        if (arguments.words.size() == 1 && arguments.bHelp &&
            !TwoWordCommandsOf(arguments.words[0]).empty()) {
            PrintGroupHelp(arguments.words[0]);
            return kExitDone;
        }
        std::string error = "no command given";
        if (!arguments.words.empty()) {
            const std::string takes = TwoWordCommandsOf(arguments.words[0]);
            error = takes.empty() ? "unknown command " + arguments.words[0]
                                  : arguments.words[0] + " takes " + takes;
        }
        PrintError(error + " (twk --help lists the commands)");
        return kExitUsage;
    }
    if (arguments.bHelp) {
        PrintCommandHelp(*pCommand);
        return kExitDone;
    }
    for (const auto& given : arguments.options) {
        if (std::none_of(
                pCommand->options.begin(), pCommand->options.end(),
                [&](const COptionRule& option) { return given.first == option.pszName; })) {
            PrintError(std::string(pCommand->pszName) + " takes no option --" + given.first);
            return kExitUsage;
        }
    }
    std::vector<std::string> operands(arguments.words.begin() + static_cast<std::ptrdiff_t>(nWords),
                                      arguments.words.end());
    if (operands.size() < pCommand->nMinArgs || operands.size() > pCommand->nMaxArgs) {
        PrintError(std::string("usage: twk ") + pCommand->pszName +
                   (*pCommand->pszArgs ? " " : "") + pCommand->pszArgs + " (twk help " +
                   pCommand->pszName + " tells more)");
        return kExitUsage;
    }
    CSession session;
    if (int nExit = session.Open(arguments.sim, pCommand->open, arguments.bDryRun);
        nExit != kExitDone)
        return nExit;
    // Each write keeps a set of the files first, named by the command line.
    std::string line = "twk";
    for (const std::string& arg : args)
        line.append(" ").append(arg.find(' ') == std::string::npos ? arg : Quoted(arg));
    session.Doc().KeepSetsAs(arguments.bNoBackup ? std::nullopt : std::optional(line));
    CCommandRun run{arguments, std::move(operands), session};
    return pCommand->pRun(run);
}

} // namespace

int RunTwk(std::span<const std::string> args) {
    // The library, its files and the command line are small; what runs out
    // of memory in practice is the airport index, which says so itself. A
    // write this ends is put back by its journal, as after a crash.
    try {
        return RunCommand(args);
    } catch (const std::bad_alloc&) {
        PrintError("not enough memory");
        return kExitFile;
    }
}
