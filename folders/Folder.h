#pragma once

// The user's folders: each groups areas of the library, by their index, and
// remembers its check state (0 off, 1 on, 2 both) and whether it is shown
// expanded. Folder.txt keeps them between runs.

#include <memory>
#include <string>
#include <utility>
#include <vector>

// An entry of Folder.txt by the names it gives its area.
struct CEntryNames {
    std::string strTitle;
    std::string strLocal;
    bool operator==(const CEntryNames&) const = default;
};

class CFolder {
public:
    CFolder() = default;
    // A new folder of the user's: unticked, expanded.
    explicit CFolder(const std::string& strName) : m_strName(strName), m_nActive(0), m_bExpand(1) {}
    virtual ~CFolder() = default;

    void SetName(const std::string& strName) { m_strName = strName; }
    const std::string& GetName() const { return m_strName; }
    void SetActive(int nActive) { m_nActive = nActive; }
    int GetActive() const { return m_nActive; }
    void SetExpand(int bExpand) { m_bExpand = bExpand; }
    int GetExpand() const { return m_bExpand; }

    int GetCount() const { return static_cast<int>(m_aAreas.size()); }
    int GetArea(int i) const { return m_aAreas[static_cast<std::size_t>(i)]; }
    int AddEntry(int nArea) {
        m_aAreas.push_back(nArea);
        return GetCount() - 1;
    }
    bool RemoveEntry(int i);

    // Entries of Folder.txt that matched no area when it was read: the next
    // Save drops them.
    void AddUnmatched(CEntryNames names) { m_aUnmatched.push_back(std::move(names)); }
    const std::vector<CEntryNames>& GetUnmatched() const { return m_aUnmatched; }
    // The entry keys of Folder.txt that came after a gap in the numbers when
    // it was read, as written there: not read, and the next Save drops them.
    void SetAfterGap(std::vector<std::string> keys) { m_aAfterGap = std::move(keys); }
    const std::vector<std::string>& GetAfterGap() const { return m_aAfterGap; }
    // Once a Save has dropped what the file held and no area took.
    void ForgetUnmatched() {
        m_aUnmatched.clear();
        m_aAfterGap.clear();
    }

private:
    std::vector<int> m_aAreas; // of the entries, in their order
    std::vector<CEntryNames> m_aUnmatched;
    std::vector<std::string> m_aAfterGap;
    std::string m_strName;
    int m_nActive = 0;
    int m_bExpand = 0;
};

class CFolderArray {
public:
    int GetSize() const { return static_cast<int>(m_aFolders.size()); }
    CFolder& GetAt(int i) { return *m_aFolders[static_cast<std::size_t>(i)]; }
    const CFolder& GetAt(int i) const { return *m_aFolders[static_cast<std::size_t>(i)]; }
    // Room for that many folders in all, so that adding them moves none.
    void Reserve(int nFolders) { m_aFolders.reserve(static_cast<std::size_t>(nFolders)); }
    int Add(std::unique_ptr<CFolder> pFolder) {
        m_aFolders.push_back(std::move(pFolder));
        return GetSize() - 1;
    }
    void InsertAt(int i, std::unique_ptr<CFolder> pFolder) {
        m_aFolders.insert(m_aFolders.begin() + i, std::move(pFolder));
    }
    std::unique_ptr<CFolder> RemoveAt(int i) {
        std::unique_ptr<CFolder> pFolder = std::move(m_aFolders[static_cast<std::size_t>(i)]);
        m_aFolders.erase(m_aFolders.begin() + i);
        return pFolder;
    }

private:
    std::vector<std::unique_ptr<CFolder>> m_aFolders;
};
