#pragma once

// A fresh folder for one test, removed with everything in it afterwards.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class CTempFolder {
public:
    CTempFolder() {
        static std::atomic<int> nNext{0};
        const long long nNonce = std::chrono::steady_clock::now().time_since_epoch().count();
        do {
            m_path = std::filesystem::temp_directory_path() /
                     ("tarnwick-test-" + std::to_string(nNonce) + "-" + std::to_string(nNext++));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~CTempFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    std::string Path(const std::string& name) const { return (m_path / name).string(); }

    // The folders on the way made as needed.
    void Write(const std::string& name, const std::string& bytes) const {
        std::error_code error;
        std::filesystem::create_directories((m_path / name).parent_path(), error);
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_path;
};
