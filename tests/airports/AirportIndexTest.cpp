#include "AirportIndex.h"
#include "AirportCache.h"
#include "Airports.h"
#include "FileState.h"

#include "BglWriter.h"
#include "TempFolder.h"
#include "TestDisk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <tuple>
#include <utility>

namespace {

// A simulator folder holding the areas' folders, and the areas as the index
// takes them, top row first.
class CTestLibrary {
public:
    // Per area "title: file=IDENT[/flags],IDENT file=...", top row first: a
    // title after "-" is an inactive area, after "*" a stock one; an area of
    // no files has no scenery folder.
    explicit CTestLibrary(const std::vector<std::string>& areas) {
        for (const std::string& area : areas) {
            std::istringstream in(area);
            std::string title, file, ident;
            in >> title;
            const bool bOff = title[0] == '-', bStock = title[0] == '*';
            title = title.substr(bOff || bStock, title.size() - 1 - (bOff || bStock));
            const std::string local = (bStock ? "Scenery\\" : "Addon\\") + title;
            m_areas.push_back({0, title, local, m_test.SimPath() + local, !bOff, bStock});
            while (in >> file) {
                std::vector<CTestAirport> airports;
                for (std::istringstream list(file.substr(file.find('=') + 1));
                     std::getline(list, ident, ',');)
                    airports.push_back({ident.substr(0, 4), "", 0, 0,
                                        ident.size() > 5 ? std::stoi(ident.substr(5), nullptr, 16)
                                                         : std::optional<std::uint16_t>()});
                Write(m_areas.size() - 1, file.substr(0, file.find('=')), airports);
            }
        }
    }

    // The file on the disk, as the index names it.
    std::string PathOf(std::size_t nSlot, const std::string& name) const {
        return m_test.Disk().Locate(m_areas[nSlot].strFolder + "\\scenery\\" + name).strPath;
    }
    void Write(std::size_t nSlot, const std::string& name,
               const std::vector<CTestAirport>& airports) const {
        m_sim.Write(PathOf(nSlot, name), MakeBglFile(airports)); // a whole path, in m_sim
    }
    std::string Cache() const { return m_sim.Read("airports.cache"); }
    void SetCache(const std::string& text) const { m_sim.Write("airports.cache", text); }

    // Through the cache file when asked, as the library of the simulator
    // folder given (this one when none).
    CAirportIndex Index(bool bCached = false, const std::string& simPath = {},
                        const CIndexProgress& progress = {}) {
        return IndexLibraryAirports(m_areas, simPath.empty() ? m_test.SimPath() : simPath,
                                    m_test.Disk(), bCached ? m_sim.Path("airports.cache") : "",
                                    progress);
    }

private:
    CTempFolder m_sim;
    CTestDisk m_test{m_sim.Path("")};
    std::vector<CIndexArea> m_areas;
};

// Each ident's definitions in load order, then its findings.
std::vector<std::string> Summary(const CAirportIndex& index) {
    std::vector<std::string> lines;
    for (const CAirport& airport : AirportsOf(index)) {
        std::string line = airport.strIdent + ":";
        for (const CDefinition& definition : airport.definitions)
            line += " " + index.areas[static_cast<std::size_t>(definition.nSlot)].strTitle + "/" +
                    FileOf(index, definition).strName + " " + AirportUseName(definition.use);
        lines.push_back(line + (airport.bConflict ? " conflict" : "") +
                        (airport.bMergesStock ? " merges-stock" : "") +
                        (airport.bTwiceInArea ? " twice" : ""));
    }
    return lines;
}

// The idents of every file, top row first.
std::string Idents(const CAirportIndex& index) {
    std::string idents;
    for (const std::vector<CIndexedFile>& files : index.files)
        for (const CIndexedFile& file : files)
            for (const CAirportRecord& airport : file.contents.airports)
                idents += " " + airport.strIdent;
    return idents;
}

} // namespace

TEST(AirportIndex, ResolvesEachIdentAsTheSimulatorLoadsIt) {
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        // Inactive A hides nothing; KSEA's runways, starts, frequencies and
        // taxiways deleted hide the lower ones, taxiways kept merge.
        {{"-A: a.bgl=KSEA/E8,KPDX/E8", "B: b.bgl=KSEA/E8,KPDX/28", "C: c.bgl=KSEA,KPDX",
          "*World: ap.bgl=KSEA,KPDX"},
         {"KPDX: World/ap.bgl merges C/c.bgl merges B/b.bgl used A/a.bgl off conflict merges-stock",
          "KSEA: World/ap.bgl hidden C/c.bgl hidden B/b.bgl used A/a.bgl off conflict"}},
        // Files of any letter case ending in .bgl, loaded in the order of
        // their names; an area without a scenery folder.
        {{"A:", "B: b.bgl=KSEA C.BGL=KSEA a.bgl=KPDX x.txt=KTST"},
         {"KPDX: B/a.bgl used", "KSEA: B/b.bgl merges B/C.BGL used twice"}}};
    for (const auto& [areas, summary] : cases) {
        CTestLibrary library(areas);
        EXPECT_EQ(Summary(library.Index()), summary);
    }
}

// The cache text with its sum made right again after an edit.
std::string Summed(const std::string& text) {
    return With(text, text.size() - 8,
                HashFileBytes(std::string_view(text).substr(0, text.size() - 8)), 8);
}

TEST(AirportCache, ReusesWhatItHeldOfUnchangedFilesOnlyAndIgnoresACacheNotOfThisLibrary) {
    CTestLibrary library({"A: a.bgl=KSEA b.bgl=KBFI"});
    // Set back, so that the file is not written too lately to be kept, in
    // whole seconds, which every system's file times hold.
    std::filesystem::last_write_time(
        library.PathOf(0, "a.bgl"),
        std::chrono::floor<std::chrono::seconds>(std::filesystem::file_time_type::clock::now() -
                                                 std::chrono::hours(1)));
    // Stopped after the first file: what was read is kept and cached.
    const CAirportIndex stopped =
        library.Index(true, {}, [](std::size_t nDone, std::size_t nTotal) {
            EXPECT_EQ(nTotal, 2u);
            return nDone == 0;
        });
    EXPECT_FALSE(stopped.bComplete);
    EXPECT_EQ(Idents(stopped), " KSEA");

    // A cache that answers what the file no longer holds shows when it is
    // used; b.bgl, just written, is read again at every look.
    std::string text = library.Cache();
    text.replace(text.find("KSEA"), 4, "KSFO");
    text = Summed(text);
    library.SetCache(text);
    EXPECT_EQ(Idents(library.Index(true)), " KSFO KBFI");
    std::string changed = text;
    changed[text.size() / 2] ^= 1;
    const std::tuple<const char*, std::string, std::string> kIgnored[] = {
        {"cut short", text.substr(0, text.size() - 1), ""},
        {"a byte changed", changed, ""},
        {"an older version", Summed(With(text, text.find('\n') + 1, 0)), ""},
        {"another simulator folder", text, "C:\\Other\\"}};
    for (const auto& [pszName, ignored, simPath] : kIgnored) {
        library.SetCache(ignored);
        EXPECT_EQ(Idents(library.Index(true, simPath)), " KSEA KBFI") << pszName;
    }
    // Changed at the same size, its time put back, in place and moved over
    // it: the change time or the identity shows it.
    EXPECT_EQ(Idents(library.Index(true)), " KSEA KBFI");
    const auto time = std::filesystem::last_write_time(library.PathOf(0, "a.bgl"));
    library.Write(0, "a.bgl", {{"KPDX"}});
    std::filesystem::last_write_time(library.PathOf(0, "a.bgl"), time);
    EXPECT_EQ(Idents(library.Index(true)), " KPDX KBFI");
    library.Write(0, "b.new", {{"KTST"}});
    std::filesystem::last_write_time(library.PathOf(0, "b.new"), time);
    std::filesystem::rename(library.PathOf(0, "b.new"), library.PathOf(0, "a.bgl"));
    EXPECT_EQ(Idents(library.Index(true)), " KTST KBFI");
}

TEST(AirportCache, KeepsOnlyWhatItCanTellFromAChangedFileLater) {
    CAirportCache cache;
    CBglContents read, unreadable, taken;
    unreadable.kind = EBglKind::kUnreadable;
    const std::uint64_t nNow = FileTimeNow(), nSecond = kFileTimeSecond;
    const CFileAttributes kept = {true, 100, nNow - 3 * nSecond, nNow, 7, 8};
    CFileAttributes state = kept;
    ASSERT_TRUE((cache.Put("a", kept, read, nNow), cache.Take("a", state, taken)));
    // Any attribute changed, and the file is read again.
    for (std::uint64_t CFileAttributes::*pKey :
         {&CFileAttributes::nSize, &CFileAttributes::nWriteTime, &CFileAttributes::nChangeTime,
          &CFileAttributes::nFileId, &CFileAttributes::nVolume}) {
        state = kept;
        EXPECT_FALSE(cache.Take("a", (++(state.*pKey), state), taken));
    }
    // Written within two seconds of its listing, or later (dated in the
    // future too): it may be written again at the same time. A read the
    // system refused (or the user stopped) says nothing of the file.
    for (const auto& [nWriteTime, pRead] : {std::pair(nNow - nSecond, &read),
                                            {nNow, &read},
                                            {nNow + 3600 * nSecond, &read},
                                            {kept.nWriteTime, &unreadable}}) {
        state = kept;
        state.nWriteTime = nWriteTime;
        cache.Put("a", state, *pRead, nNow);
        EXPECT_FALSE(cache.Take("a", state, taken)) << nNow - nWriteTime;
    }
}
