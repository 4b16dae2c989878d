#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

CFileLock::EOutcome CFileLock::TryOnce(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return EOutcome::kNoLockFile;
    // An open file description's lock, unlike a process's, is not let go
    // when the process closes another descriptor of the same file, and two
    // holders in one process exclude each other too.
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 1;
    if (::fcntl(fd, F_OFD_SETLK, &lock) != 0) {
        const int nError = errno;
        ::close(fd);
        return nError == EAGAIN || nError == EACCES ? EOutcome::kBusy : EOutcome::kNoLockFile;
    }
    m_hFile = fd;
    return EOutcome::kHeld;
}

void CFileLock::Release() {
    if (m_hFile != -1)
        ::close(static_cast<int>(std::exchange(m_hFile, -1)));
}
