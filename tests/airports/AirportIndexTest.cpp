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
            title.pop_back();
            const bool bOff = title[0] == '-', bStock = title[0] == '*';
            if (bOff || bStock)
                title.erase(0, 1);
            const std::string local = (bStock ? "Scenery\\" : "Addon\\") + title;
            m_areas.push_back({static_cast<int>(m_areas.size()), title, local,
                               m_test.SimPath() + local, !bOff, bStock});
            while (in >> file) {
                std::vector<CTestAirport> airports;
                for (std::istringstream list(file.substr(file.find('=') + 1));
                     std::getline(list, ident, ',');) {
                    CTestAirport& airport = airports.emplace_back(ident.substr(0, 4));
                    if (ident.size() > 5)
                        airport.deleteFlags = std::stoi(ident.substr(5), nullptr, 16);
                }
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
        std::filesystem::create_directories(
            std::filesystem::path(PathOf(nSlot, name)).parent_path());
        std::ofstream(PathOf(nSlot, name), std::ios::binary) << MakeBglFile(airports);
    }
    std::string CachePath() const { return m_sim.Path("airports.cache"); }
    const std::string& SimPath() const { return m_test.SimPath(); }

    CAirportIndex Index(const std::string& cachePath = {}, const CIndexProgress& progress = {}) {
        return IndexLibraryAirports(m_areas, m_test.SimPath(), m_test.Disk(), cachePath, progress);
    }

private:
    CTempFolder m_sim;
    CTestDisk m_test{m_sim.Path("")};
    std::vector<CIndexArea> m_areas;
};

// Each area's files, then each ident's definitions in load order and findings.
std::vector<std::string> Summary(const CAirportIndex& index) {
    std::vector<std::string> lines;
    for (std::size_t nSlot = 0; nSlot < index.areas.size(); ++nSlot) {
        lines.push_back(index.areas[nSlot].strTitle + ":");
        for (const CIndexedFile& file : index.files[nSlot])
            lines.back() += " " + file.strName;
    }
    for (const CAirport& airport : AirportsOf(index)) {
        std::string line = airport.strIdent + ":";
        for (const CDefinition& definition : airport.definitions)
            line += std::string(line.back() == ':' ? " " : ", ") +
                    index.areas[static_cast<std::size_t>(definition.nSlot)].strTitle + "/" +
                    FileOf(index, definition).strName + " " + AirportUseName(definition.use);
        line +=
            std::string(airport.HasFinding() ? ";" : "") + (airport.bConflict ? " conflict" : "") +
            (airport.bMergesStock ? " merges-stock" : "") + (airport.bTwiceInArea ? " twice" : "");
        lines.push_back(line);
    }
    return lines;
}

// The idents of every file, top row first.
std::string Idents(const CAirportIndex& index) {
    std::string idents;
    for (const std::vector<CIndexedFile>& files : index.files)
        for (const CIndexedFile& file : files)
            for (const CAirportRecord& airport : file.contents.airports)
                idents += (idents.empty() ? "" : " ") + airport.strIdent;
    return idents;
}

struct CIndexCase {
    const char* pszName;
    std::vector<std::string> areas;
    std::vector<std::string> summary;
};

class AirportIndex : public ::testing::TestWithParam<CIndexCase> {};

} // namespace

TEST_P(AirportIndex, ResolvesEachIdentAsTheSimulatorLoadsIt) {
    CTestLibrary library(GetParam().areas);
    EXPECT_EQ(Summary(library.Index()), GetParam().summary);
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, AirportIndex,
    ::testing::Values(
        CIndexCase{"HighestAreaUsedLowerMerges",
                   {"A: a.bgl=KSEA", "B: b.bgl=KSEA,KPDX"},
                   {"A: a.bgl", "B: b.bgl", "KPDX: B/b.bgl used",
                    "KSEA: B/b.bgl merges, A/a.bgl used; conflict"}},
        CIndexCase{"InactiveAreaListedOffAndHidesNothing",
                   {"-A: a.bgl=KSEA/E8", "B: b.bgl=KSEA", "*World: ap.bgl=KSEA"},
                   {"A: a.bgl", "B: b.bgl", "World: ap.bgl",
                    "KSEA: World/ap.bgl merges, B/b.bgl used, A/a.bgl off; merges-stock"}},
        CIndexCase{"RunwaysStartsFrequenciesAndTaxiwaysDeletedHide",
                   {"A: a.bgl=KSEA/E8", "B: b.bgl=KSEA"},
                   {"A: a.bgl", "B: b.bgl", "KSEA: B/b.bgl hidden, A/a.bgl used; conflict"}},
        CIndexCase{
            "TaxiwaysKeptMergeWithStock",
            {"A: a.bgl=KSEA/28", "*World: ap.bgl=KSEA"},
            {"A: a.bgl", "World: ap.bgl", "KSEA: World/ap.bgl merges, A/a.bgl used; merges-stock"}},
        CIndexCase{"StockHiddenOrUnderStockIsNoFinding",
                   {"A: a.bgl=KSEA/FF", "*Region: ap.bgl=KSEA", "*World: ap.bgl=KSEA"},
                   {"A: a.bgl", "Region: ap.bgl", "World: ap.bgl",
                    "KSEA: World/ap.bgl hidden, Region/ap.bgl hidden, A/a.bgl used"}},
        CIndexCase{"TwoFilesOfOneArea",
                   {"A: b.bgl=KSEA a.bgl=KSEA"},
                   {"A: a.bgl b.bgl", "KSEA: A/a.bgl merges, A/b.bgl used; twice"}},
        CIndexCase{"BglFilesInAnyLetterCaseOnly",
                   {"A: C.BGL= a.bgl= b.BgL= x.txt="},
                   {"A: a.bgl b.BgL C.BGL"}},
        CIndexCase{"MissingSceneryFolder",
                   {"A:", "B: b.bgl=KSEA"},
                   {"A:", "B: b.bgl", "KSEA: B/b.bgl used"}}),
    [](const ::testing::TestParamInfo<CIndexCase>& info) { return info.param.pszName; });

TEST(AirportCache, ReadsOnlyTheFilesChangedSinceTheLastIndex) {
    CTestLibrary library({"A: a.bgl=KSEA b.bgl=KBFI"});
    // Whole seconds, which every system's file times hold.
    const auto time = std::chrono::floor<std::chrono::seconds>(
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    std::filesystem::last_write_time(library.PathOf(0, "a.bgl"), time);
    EXPECT_EQ(Idents(library.Index(library.CachePath())), "KSEA KBFI");
    // Other bytes of the same size at the same time: as it was to the cache.
    library.Write(0, "a.bgl", {{"KPDX"}});
    std::filesystem::last_write_time(library.PathOf(0, "a.bgl"), time);
    library.Write(0, "b.bgl", {{"KTST", "Changed"}});
    EXPECT_EQ(Idents(library.Index(library.CachePath())), "KSEA KTST");
    EXPECT_EQ(Idents(library.Index()), "KPDX KTST");
}

TEST(AirportCache, IgnoresACacheFileDamagedOfAnotherFolderOrVersion) {
    CTestLibrary library({"A: a.bgl=KSEA b.bgl=KBFI"});
    const std::string path = library.PathOf(0, "a.bgl");
    // A cache claiming other airports for a.bgl as it is now.
    auto claim = [&](const std::string& simPath) {
        CAirportCache cache;
        cache.Load(library.CachePath() + "-none", simPath);
        cache.Put(path, GetFileAttributesOf(path), ReadBglBytes(MakeBglFile({{"KPDX"}})));
        return cache.Serialize();
    };
    const std::string text = claim(library.SimPath());
    std::string older = text;
    SetLe(older, older.find('\n') + 1, 0, 4);
    SetLe(older, older.size() - 8,
          HashFileBytes(std::string_view(older).substr(0, older.size() - 8)), 8);
    std::string changed = text;
    changed[text.size() / 2] ^= 1;
    const std::pair<const char*, std::string> kIgnored[] = {
        {"empty", ""},
        {"cut short", text.substr(0, text.size() - 1)},
        {"a byte changed", changed},
        {"another simulator folder", claim("C:\\Other\\")},
        {"an older version", older}};

    const std::string cachePath = library.CachePath();
    std::ofstream(cachePath, std::ios::binary) << text;
    EXPECT_EQ(Idents(library.Index(cachePath)), "KPDX KBFI");
    for (const auto& [pszName, ignored] : kIgnored) {
        SCOPED_TRACE(pszName);
        CAirportCache cache;
        cache.Load(library.CachePath() + "-none", library.SimPath());
        EXPECT_FALSE(cache.Deserialize(ignored));
        std::ofstream(cachePath, std::ios::binary) << ignored;
        EXPECT_EQ(Idents(library.Index(cachePath)), "KSEA KBFI");
    }
}

TEST(AirportCache, StoppedIndexKeepsAndCachesWhatWasRead) {
    CTestLibrary library({"A: a.bgl=KSEA b.bgl=KBFI"});
    const CAirportIndex index =
        library.Index(library.CachePath(), [](std::size_t, std::size_t nTotal) {
            EXPECT_EQ(nTotal, 2u);
            return false;
        });
    EXPECT_FALSE(index.bComplete);
    EXPECT_EQ(Idents(index), "KSEA");
    CAirportCache cache;
    cache.Load(library.CachePath(), library.SimPath());
    const std::string a = library.PathOf(0, "a.bgl"), b = library.PathOf(0, "b.bgl");
    EXPECT_NE(cache.Find(a), nullptr);
    EXPECT_EQ(cache.Find(b), nullptr);
}
