#pragma once

// The section "General" of scenery.cfg, and the sections this program does
// not know, which travel with it so that Save writes them back.

#include "OtherKeys.h"

#include <string>
#include <vector>

class CSceneryHeader {
public:
    // "é" is the single byte 0xE9 of the Windows-1252 code page.
    static constexpr const char* kDefaultTitle = "D\xE9"
                                                 "cor d'environnement FS9";
    static constexpr const char* kDefaultDescription = "FS9 Scenery Data";

    CSceneryHeader() = default;
    virtual ~CSceneryHeader() = default;

    // Fills the header from the first section named "General".
    void Read(const CIniText& profile);
    void Write(CIniWriter& out) const;

    // A section that is neither "General" nor an area: kept as it stood.
    void KeepOtherSection(const CIniText& profile, const CIniSection& section);
    void WriteOtherSections(CIniWriter& out) const;

private:
    struct CKeptSection {
        std::string strLine;
        std::vector<COtherKey> aKeys;
    };

    std::string m_strTitle = kDefaultTitle;
    std::string m_strDescription = kDefaultDescription;
    int m_bCleanOnExit = 0;
    std::vector<COtherKey> m_aOtherKeys;
    std::vector<CKeptSection> m_aOtherSections;
};
