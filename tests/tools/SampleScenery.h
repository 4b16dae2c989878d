#pragma once

// The scenery files of the sample simulator folder examples/FS9: a few stock
// airports in the simulator's own areas, add-ons that hide the stock airports
// they replace, and one airfield two add-ons define, so that the health check
// has exactly one thing to show on it. The generator writes them and a test
// checks the committed copies against them.

#include "BglWriter.h"

#include <cstdint>
#include <string>
#include <vector>

struct CSampleFile {
    std::string strPath; // below the simulator folder, '/' between folders
    std::string bytes;
};

inline std::vector<CSampleFile> SampleSceneryFiles() {
    const CTestAirport seattle{"KSEA", "Seattle-Tacoma Intl", 47.4490, -122.3093};
    const CTestAirport paris{"LFPG", "Paris Charles de Gaulle", 49.0097, 2.5478};
    const CTestAirport heathrow{"EGLL", "London Heathrow", 51.4775, -0.4614};
    const std::string harvey = MakeBglFile({{"S43", "Harvey Field", 47.9076, -122.1032}});
    // The add-on's airport hides the features of the flags loaded before it.
    auto hiding = [](CTestAirport airport, std::uint16_t nFlags) {
        airport.deleteFlags = nFlags;
        return MakeBglFile({airport});
    };
    const std::string addOns = "Addon Scenery/";
    std::vector<CSampleFile> files = {
        {"Scenery/NAMC/scenery/APX17150.BGL",
         MakeBglFile({seattle, {"KBFI", "Boeing Fld/King Co Intl", 47.5300, -122.3020}})},
        {"Scenery/NAMC/scenery/APX17160.BGL",
         MakeBglFile({{"KPDX", "Portland Intl", 45.5887, -122.5975}})},
        {"Scenery/EURW/scenery/APX47330.BGL",
         MakeBglFile({heathrow, {"EGKK", "London Gatwick", 51.1481, -0.1903}})},
        {"Scenery/EURW/scenery/APX48320.BGL",
         MakeBglFile({paris, {"LFPO", "Paris Orly", 48.7233, 2.3794}})},
        {"Scenery/EURW/scenery/APX49310.BGL",
         MakeBglFile(
             {{"LSZH", "Zurich", 47.4647, 8.5492}, {"LSGG", "Geneva Cointrin", 46.2381, 6.1089}})},
        // The first version of the airfield, an airport layout dropped into
        // the add-on folder every installation has.
        {addOns + "scenery/AF2_S43.bgl", harvey},
        // Its second version as an area of its own, installed without the
        // first being removed and without a delete record: the two merge.
        {addOns + "S43 Harvey Field/scenery/AF2_S43.bgl", harvey},
        // Every feature of the stock airport: approaches, aprons and their
        // lights, frequencies, helipads, runways, starts and taxiways.
        {addOns + "KSEA Seattle Tacoma/scenery/KSEA.bgl", hiding(seattle, 0xFF)},
        // Runways, starts, frequencies and taxiways: the least that hides it.
        {addOns + "LFPG Paris CDG/scenery/LFPG.BGL", hiding(paris, 0xE8)},
        {addOns + "EGLL Heathrow/scenery/egll_afcad.bgl", hiding(heathrow, 0xE8)}};
    // Scenery of other kinds.
    for (const std::string& path : std::vector<std::string>{
             "Scenery/World/scenery/WRLDLC.BGL", "Scenery/Base/scenery/OCEAN.BGL",
             "Scenery/Propeller/scenery/PROPOBJ.BGL", "Scenery/Global/scenery/GLOBOBJ.BGL",
             addOns + "S43 Harvey Field/scenery/S43_objects.bgl",
             addOns + "KSEA Seattle Tacoma/scenery/KSEA_objects.bgl",
             addOns + "Alps Mesh/scenery/alps_mesh_lod10.bgl"})
        files.push_back({path, MakeBglFile({})});
    return files;
}
