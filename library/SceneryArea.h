#pragma once

// One scenery area of scenery.cfg: the keys of its section, plus two flags
// that live only in memory (in a user folder; removed by the user).

#include "OtherKeys.h"

#include <optional>
#include <string>
#include <vector>

class CSceneryArea {
public:
    CSceneryArea() = default;
    virtual ~CSceneryArea() = default;

    // Fills the record from the section whose line created it, numbered as
    // that line reads.
    void Read(const CIniText& profile, const CIniSection& section, int nNumber);
    // Appends the record as the section "area.%03d" of its number.
    void Write(CIniWriter& out) const;

    // The number gives the section its name, which the area then has as the
    // file will hold it once written.
    void SetNumber(int nNumber);
    // The name of the area's section as the file held it when read, or as
    // the number last set names it; empty for an area added since.
    const std::string& GetSectionName() const { return m_strSectionName; }
    // The name the number gives a section: "area." and three digits at least.
    static std::string SectionNameOf(int nNumber);
    void SetTitle(const std::string& strTitle) { m_strTitle = strTitle; }
    const std::string& GetTitle() const { return m_strTitle; }
    void SetLayer(int nLayer) { m_nLayer = nLayer; }
    int GetLayer() const { return m_nLayer; }
    void SetLocal(const std::string& strLocal) { m_strLocal = strLocal; }
    const std::string& GetLocal() const { return m_strLocal; }
    void SetActive(bool bActive) { m_bActive = bActive; }
    bool IsActive() const { return m_bActive != 0; }
    bool IsRequired() const { return m_bRequired != 0; }
    void SetRemoved(bool bRemoved) { m_bRemoved = bRemoved; }
    bool IsRemoved() const { return m_bRemoved != 0; }
    void SetInFolder(bool bInFolder) { m_bInFolder = bInFolder; }
    bool IsInFolder() const { return m_bInFolder != 0; }

private:
    int m_nNumber = -1;
    std::string m_strSectionName;
    std::string m_strTitle;
    int m_nTextureId = 0;
    int m_nLayer = -1;
    int m_bActive = 0;
    int m_bRequired = 0;
    std::string m_strLocal;
    std::string m_strRemote;
    int m_bInFolder = 0;
    int m_bRemoved = 0;
    // "Texture_ID" as it stood in the file; the simulator gives 0 and 1
    // their own meaning, so every value goes back unchanged.
    std::optional<std::string> m_strTextureIdText;
    std::vector<COtherKey> m_aOtherKeys;
};
