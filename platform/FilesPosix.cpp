#include "Files.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <utility>

namespace {

std::string Reason(int nError) {
    return std::strerror(nError);
}

std::uint64_t Nanoseconds(const timespec& time) {
    return static_cast<std::uint64_t>(time.tv_sec) * 1000000000u +
           static_cast<std::uint64_t>(time.tv_nsec);
}

CFileAttributes AttributesOf(const struct stat& info) {
    return {true,
            static_cast<std::uint64_t>(info.st_size),
            Nanoseconds(info.st_mtim),
            Nanoseconds(info.st_ctim),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_dev)};
}

class CFd {
public:
    explicit CFd(int fd) : m_fd(fd) {}
    ~CFd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// What a call a test's seam refused gives.
CFileResult Refused() {
    return CFileResult::Failed(Reason(EIO));
}

// Writes and flushes a file that must not exist yet.
CFileResult WriteNewFile(const std::string& path, std::string_view text, mode_t nMode,
                         bool bFlush = true) {
    CFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fd.Get() < 0)
        return CFileResult::Failed(Reason(errno));
    ::fchmod(fd.Get(), nMode);
    if (!WriteAll(fd.Get(), text) || (bFlush && ::fsync(fd.Get()) != 0) ||
        ::close(fd.Release()) != 0) {
        const int nError = errno;
        ::unlink(path.c_str());
        return CFileResult::Failed(Reason(nError));
    }
    return {};
}

// Removes what a crash left under a name only this program writes, unless
// it is not a plain file (then making the new one fails and says why).
void RemoveLeftFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
        ::unlink(path.c_str());
}

} // namespace

CFileResult WriteTempFile(const std::string& path, std::string_view tempSuffix,
                          std::string_view text) {
    const std::string temp = path + std::string(tempSuffix);
    if (!IsFileCallAllowed(EFileCall::kWrite, temp))
        return Refused();
    RemoveLeftFile(temp);
    // The new file keeps the permissions the old one had.
    struct stat old {};
    const bool bOld = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    return WriteNewFile(temp, text, bOld ? old.st_mode & 07777 : 0644);
}

CFileResult WriteUnflushedFile(const std::string& path, std::string_view text) {
    if (!IsFileCallAllowed(EFileCall::kWrite, path))
        return Refused();
    return WriteNewFile(path, text, 0644, false);
}

CFileResult MoveFileOver(const std::string& from, const std::string& to) {
    if (!IsFileCallAllowed(EFileCall::kMove, to))
        return Refused();
    if (::rename(from.c_str(), to.c_str()) != 0)
        return CFileResult::Failed(Reason(errno));
    return {};
}

CFileResult KeepFileAs(const std::string& path, const std::string& kept) {
    if (!IsFileCallAllowed(EFileCall::kKeep, kept))
        return Refused();
    RemoveLeftFile(kept);
    if (::link(path.c_str(), kept.c_str()) == 0)
        return {};
    if (errno == EEXIST || errno == ENOENT)
        return CFileResult::Failed(Reason(errno));
    std::string text;
    struct stat info {};
    if (CFileResult read = ReadWholeFile(path, text); !read)
        return read;
    return WriteNewFile(kept, text, ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0644);
}

CFileResult FlushFolder(const std::string& folder) {
    if (!IsFileCallAllowed(EFileCall::kFlushFolder, folder))
        return Refused();
    CFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() < 0 || ::fsync(fd.Get()) != 0)
        return CFileResult::Failed(Reason(errno));
    return {};
}

bool IsFileReadOnly(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

CFileResult RemoveFile(const std::string& path) {
    if (!IsFileCallAllowed(EFileCall::kRemove, path))
        return Refused();
    if (::unlink(path.c_str()) != 0)
        return CFileResult::Failed(Reason(errno));
    return {};
}

EPathKind GetPathKind(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return EPathKind::kNone;
    return S_ISDIR(info.st_mode) ? EPathKind::kDirectory : EPathKind::kFile;
}

CFileAttributes GetFileAttributesOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? CFileAttributes{}
                                                   : CFileAttributes{true, kUnknownSize, 0};
    if (!S_ISREG(info.st_mode))
        return {true, kUnknownSize, 0};
    return AttributesOf(info);
}

std::uint64_t FileTimeNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

std::vector<CDirEntry> ListDirectory(const std::string& folder) {
    std::vector<CDirEntry> entries;
    // Closed however the listing ends, an allocation failing in it too.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (dir == nullptr)
        return entries;
    while (const dirent* pEntry = ::readdir(dir.get())) {
        std::string name = pEntry->d_name;
        if (name == "." || name == "..")
            continue;
        bool bDirectory = pEntry->d_type == DT_DIR;
        if (pEntry->d_type == DT_UNKNOWN || pEntry->d_type == DT_LNK)
            bDirectory = GetPathKind(folder + "/" + name) == EPathKind::kDirectory;
        entries.push_back({std::move(name), bDirectory});
    }
    return entries;
}

CFileResult MakeFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0777) != 0 &&
        !(errno == EEXIST && GetPathKind(folder) == EPathKind::kDirectory))
        return CFileResult::Failed(Reason(errno));
    return {};
}

CFileResult RemoveFolder(const std::string& folder) {
    if (!IsFileCallAllowed(EFileCall::kRemove, folder))
        return Refused();
    if (::rmdir(folder.c_str()) != 0)
        return CFileResult::Failed(Reason(errno));
    return {};
}

bool IsLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

CFileResult CReadOnlyFile::Open(const std::string& path) {
    Close();
    CFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return CFileResult::Missing();
        return CFileResult::Failed(Reason(errno));
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        return CFileResult::Failed(Reason(errno));
    if (!S_ISREG(info.st_mode))
        return CFileResult::Failed(Reason(EISDIR));
    m_hFile = fd.Release();
    m_attributes = AttributesOf(info);
    CFileResult result;
    result.disk = {true, m_attributes.nSize, m_attributes.nWriteTime, 0};
    return result;
}

long long CReadOnlyFile::ReadAt(std::uint64_t nOffset, char* pBuffer, std::size_t nSize,
                                std::string& reason) const {
    std::size_t nDone = 0;
    while (nDone < nSize) {
        const ssize_t n = ::pread(static_cast<int>(m_hFile), pBuffer + nDone, nSize - nDone,
                                  static_cast<off_t>(nOffset + nDone));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = Reason(errno);
            return -1;
        }
        if (n == 0)
            break;
        nDone += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(nDone);
}

void CReadOnlyFile::Close() {
    if (m_hFile >= 0)
        ::close(static_cast<int>(std::exchange(m_hFile, -1)));
    m_attributes = {};
}
