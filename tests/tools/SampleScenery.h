#pragma once

// The scenery files of the sample simulator folder examples/FS9: a few stock
// airports in the simulator's own areas, add-ons that hide the stock airports
// they replace, and one airfield two add-ons define, so that the health check
// has exactly one thing to show on it. The generator writes them and a test
// checks the committed copies against them.

#include "BglWriter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CSampleFile {
    std::string strPath; // below the simulator folder, '/' between folders
    std::string bytes;
};

inline std::vector<CSampleFile> SampleSceneryFiles() {
    // Every feature of the stock airport: approaches, aprons and their
    // lights, frequencies, helipads, runways, starts and taxiways.
    constexpr std::uint16_t kDeleteAll = 0xFF;
    // Runways, starts, frequencies and taxiways: the least that hides the
    // stock airport.
    constexpr std::uint16_t kDeleteLayout = 0xE8;
    const std::string addOns = "Addon Scenery/";
    return {
        {"Scenery/World/scenery/WRLDLC.BGL", MakeBglFile({})},
        {"Scenery/Base/scenery/OCEAN.BGL", MakeBglFile({})},
        {"Scenery/Propeller/scenery/PROPOBJ.BGL", MakeBglFile({})},
        {"Scenery/Global/scenery/GLOBOBJ.BGL", MakeBglFile({})},
        {"Scenery/NAMC/scenery/APX17150.BGL",
         MakeBglFile({CTestAirport("KSEA", "Seattle-Tacoma Intl", 47.4490, -122.3093),
                      CTestAirport("KBFI", "Boeing Fld/King Co Intl", 47.5300, -122.3020)})},
        {"Scenery/NAMC/scenery/APX17160.BGL",
         MakeBglFile({CTestAirport("KPDX", "Portland Intl", 45.5887, -122.5975)})},
        {"Scenery/EURW/scenery/APX47330.BGL",
         MakeBglFile({CTestAirport("EGLL", "London Heathrow", 51.4775, -0.4614),
                      CTestAirport("EGKK", "London Gatwick", 51.1481, -0.1903)})},
        {"Scenery/EURW/scenery/APX48320.BGL",
         MakeBglFile({CTestAirport("LFPG", "Paris Charles de Gaulle", 49.0097, 2.5478),
                      CTestAirport("LFPO", "Paris Orly", 48.7233, 2.3794)})},
        {"Scenery/EURW/scenery/APX49310.BGL",
         MakeBglFile({CTestAirport("LSZH", "Zurich", 47.4647, 8.5492),
                      CTestAirport("LSGG", "Geneva Cointrin", 46.2381, 6.1089)})},
        // The first version of the airfield, an airport layout dropped into
        // the add-on folder every installation has.
        {addOns + "scenery/AF2_S43.bgl",
         MakeBglFile({CTestAirport("S43", "Harvey Field", 47.9076, -122.1032)})},
        // Its second version as an area of its own, installed without the
        // first being removed and without a delete record: the two merge.
        {addOns + "S43 Harvey Field/scenery/AF2_S43.bgl",
         MakeBglFile({CTestAirport("S43", "Harvey Field", 47.9076, -122.1032)})},
        {addOns + "S43 Harvey Field/scenery/S43_objects.bgl", MakeBglFile({})},
        {addOns + "KSEA Seattle Tacoma/scenery/KSEA.bgl",
         MakeBglFile(
             {CTestAirport("KSEA", "Seattle-Tacoma Intl", 47.4490, -122.3093, kDeleteAll)})},
        {addOns + "KSEA Seattle Tacoma/scenery/KSEA_objects.bgl", MakeBglFile({})},
        {addOns + "LFPG Paris CDG/scenery/LFPG.BGL",
         MakeBglFile(
             {CTestAirport("LFPG", "Paris Charles de Gaulle", 49.0097, 2.5478, kDeleteLayout)})},
        {addOns + "EGLL Heathrow/scenery/egll_afcad.bgl",
         MakeBglFile({CTestAirport("EGLL", "London Heathrow", 51.4775, -0.4614, kDeleteLayout)})},
        {addOns + "Alps Mesh/scenery/alps_mesh_lod10.bgl", MakeBglFile({})},
    };
}
