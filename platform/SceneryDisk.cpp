#include "SceneryDisk.h"

namespace {

class CSystemDisk final : public CSceneryDisk {
public:
    char GetSeparator() const override { return kPathSeparator; }
    CDiskPath Locate(const std::string& path) const override { return {path, {}}; }
    std::vector<CDirEntry> List(const std::string& folder) const override {
        return ListDirectory(folder);
    }
};

} // namespace

EPathKind CSceneryDisk::GetKind(const std::string& path) const {
    const CDiskPath found = Locate(path);
    return found.strError.empty() ? GetPathKind(found.strPath) : EPathKind::kNone;
}

const CSceneryDisk& SystemDisk() {
    static const CSystemDisk disk;
    return disk;
}
