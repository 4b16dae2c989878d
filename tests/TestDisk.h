#pragma once

// The disk through which a face of the program on this system reaches a
// simulator folder: the system's own on Windows; natively on Linux, the
// way of a Wine prefix (here one without dosdevices/, so drive Z: is the
// root).

#include "SceneryDisk.h"

#include <algorithm>
#include <string>

#ifndef _WIN32
#include "WineDisk.h"
#endif

class CTestDisk {
public:
    // folder: a folder on the disk, which the simulator folder is.
    explicit CTestDisk(const std::string& folder) {
#ifdef _WIN32
        m_strSimPath = folder;
        std::replace(m_strSimPath.begin(), m_strSimPath.end(), '/', '\\');
#else
        m_strSimPath = m_disk.StoredPathOf(folder).strPath;
#endif
        if (m_strSimPath.back() != '\\')
            m_strSimPath += '\\';
    }
    const CSceneryDisk& Disk() const {
#ifdef _WIN32
        return SystemDisk();
#else
        return m_disk;
#endif
    }
    // As the files store paths, with a backslash at its end.
    const std::string& SimPath() const {
        return m_strSimPath;
    }

private:
#ifndef _WIN32
    CWineDisk m_disk{ReadDrives("/nonexistent prefix"), CCodePage()};
#endif
    std::string m_strSimPath;
};
