#pragma once

// The scenery areas in the order they were read or added. An area's index is
// its identity for the whole run: the array only grows, but for taking back
// the adding of areas, and removal is a flag on the area.

#include "SceneryArea.h"

#include <memory>
#include <vector>

class CAreaArray {
public:
    // List rows hold an area index in 24 bits.
    static constexpr int kMaxAreas = 1 << 24;

    int GetSize() const { return static_cast<int>(m_aAreas.size()); }
    CSceneryArea& GetAt(int nIndex) { return *m_aAreas[static_cast<std::size_t>(nIndex)]; }
    const CSceneryArea& GetAt(int nIndex) const {
        return *m_aAreas[static_cast<std::size_t>(nIndex)];
    }
    // Room for that many areas in all, so that adding them moves none.
    void Reserve(int nAreas) { m_aAreas.reserve(static_cast<std::size_t>(nAreas)); }
    // Appends the area and returns its index.
    int Add(std::unique_ptr<CSceneryArea> pArea) {
        m_aAreas.push_back(std::move(pArea));
        return GetSize() - 1;
    }
    // The area added last leaves the array, for the adding to be taken back.
    std::unique_ptr<CSceneryArea> RemoveLast() {
        std::unique_ptr<CSceneryArea> pArea = std::move(m_aAreas.back());
        m_aAreas.pop_back();
        return pArea;
    }

private:
    std::vector<std::unique_ptr<CSceneryArea>> m_aAreas;
};
