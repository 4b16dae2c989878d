#pragma once

// A scenery.cfg of n areas shaped like a real one: the simulator's default
// areas carry Texture_ID, add-ons often carry an Exclude key.

#include <cstdio>
#include <string>

inline std::string GeneratedLibrary(int nAreas) {
    std::string text = "[General]\r\nTitle=FS9 World Scenery\r\nDescription=FS9 Scenery Data\r\n"
                       "Clean_on_Exit=TRUE\r\n\r\n";
    char section[512];
    for (int i = 1; i <= nAreas; ++i) {
        std::snprintf(section, sizeof section,
                      "[Area.%03d]\r\nTitle=Add-on Scenery Number %d\r\n%sLocal=Addon "
                      "Scenery\\Area%05d\r\nLayer=%d\r\nActive=%s\r\nRequired=FALSE\r\n%s"
                      "Remote=\r\n\r\n",
                      i, i, i % 10 == 0 ? "Texture_ID=1\r\n" : "", i, i, i % 3 ? "TRUE" : "FALSE",
                      i % 7 == 0 ? "Exclude.1=N47* N48* E8* E9*\r\n" : "");
        text += section;
    }
    return text;
}
