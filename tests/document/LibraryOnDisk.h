#pragma once

// A library on disk for the document's tests, opened, and a picture of
// everything a change can touch.

#include "LibraryDocument.h"

#include "TempFolder.h"
#include "TestDisk.h"

#include <gtest/gtest.h>

// Rows from the top: Town (off, in Airports), Lake (in Airports and Both),
// Base (required); a folder Empty. Addon holds two scenery folders not
// listed yet.
inline const std::string kSceneryCfg =
    "[General]\r\nTitle=FS9 World Scenery\r\n"
    "[Area.001]\r\nTitle=Base\r\nLocal=Scenery\\Base\r\n"
    "Active=TRUE\r\nRequired=TRUE\r\n"
    "[Area.002]\r\nTitle=Lake\r\nLocal=Addon\\Lake\r\nActive=TRUE\r\n"
    "[Area.003]\r\nTitle=Town\r\nLocal=Addon\\Town\r\nActive=FALSE\r\n";
inline const std::string kFolderTxt = "[Airports]\r\nActive=2\r\nExpand=1\r\n"
                                      "Title.0=Lake\r\nLocal.0=Addon\\Lake\r\n"
                                      "Title.1=Town\r\nLocal.1=Addon\\Town\r\n"
                                      "[Both]\r\nActive=1\r\nExpand=0\r\n"
                                      "Title.0=Lake\r\nLocal.0=Addon\\Lake\r\n[Empty]\r\n";

// Profiles for the library: Quiet names Town and an area the library does
// not hold, and keeps a key of the user's; Everything names every area.
inline const std::string kProfilesTxt =
    "[Quiet]\r\nTitle.0=Town\r\nLocal.0=Addon\\Town\r\n"
    "Title.1=Gone\r\nLocal.1=Addon\\Gone\r\nNote=mine\r\n"
    "[Everything]\r\nTitle.0=Town\r\nLocal.0=Addon\\Town\r\n"
    "Title.1=Lake\r\nLocal.1=Addon\\Lake\r\nTitle.2=Base\r\nLocal.2=Scenery\\Base\r\n";

struct CLibraryOnDisk {
    explicit CLibraryOnDisk(const std::string& profilesTxt = {}) : m_disk(m_sim.Path("")) {
        m_sim.Write("scenery.cfg", kSceneryCfg);
        m_sim.Write("Folder.txt", kFolderTxt);
        if (!profilesTxt.empty())
            m_sim.Write("Profiles.txt", profilesTxt);
        for (const char* folder : {"Addon/Lake", "Addon/Town", "Addon/New", "Addon/Other"})
            m_sim.Write(std::string(folder) + "/scenery/x.bgl", "");
        EXPECT_EQ(m_doc.Open(m_disk.SimPath(), m_disk.Disk()), "");
    }

    // Everything a change can touch: the rows from the top ("-" switched
    // off, "*" in a folder), the areas' count, each folder's name, state
    // and entries, and any profiles with their areas ("?" before the title
    // of an entry naming no area).
    std::string Picture() const {
        std::string text;
        for (const CListRow& row : m_doc.Rows()) {
            const CSceneryArea& area = m_doc.Area(row.nArea);
            text += (row.bActive ? "" : "-") + area.GetTitle() + (area.IsInFolder() ? "*" : "") +
                    (row.bActive == area.IsActive() ? " " : "! ");
        }
        text += "| " + std::to_string(m_doc.Areas().GetSize()) + " |";
        for (int f = 0; f < m_doc.Folders().GetSize(); ++f) {
            const CFolder& folder = m_doc.Folders().GetAt(f);
            text += " " + folder.GetName() + "=" + std::to_string(folder.GetActive()) + "(";
            for (int e = 0; e < folder.GetCount(); ++e)
                text += (e ? " " : "") + m_doc.Area(folder.GetArea(e)).GetTitle();
            text += ")";
        }
        for (const CSceneryProfile& profile : m_doc.Profiles()) {
            text += (&profile == &m_doc.Profiles().front() ? " || " : " ") + profile.strName + "(";
            for (const CProfileEntry& entry : profile.aEntries) {
                text += (&entry == &profile.aEntries.front() ? "" : " ") +
                        (entry.nArea < 0 ? "?" + entry.names.strTitle
                                         : m_doc.Area(entry.nArea).GetTitle());
            }
            text += ")";
        }
        return text;
    }
    int Area(const char* pszTitle) const {
        for (int i = 0; i < m_doc.Areas().GetSize(); ++i) {
            if (m_doc.Area(i).GetTitle() == pszTitle)
                return i;
        }
        return -1;
    }
    std::string Addon(const char* pszName) const { return m_disk.SimPath() + "Addon\\" + pszName; }

    CTempFolder m_sim;
    CTestDisk m_disk;
    CLibraryDocument m_doc;
};

// The library with kProfilesTxt, as a test's fixture.
struct CLibraryWithProfiles : ::testing::Test, CLibraryOnDisk {
    CLibraryWithProfiles() : CLibraryOnDisk(kProfilesTxt) {}
};
