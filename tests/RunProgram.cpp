#include "RunProgram.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include <io.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::string ReadAll(std::FILE* pFile) {
    std::string text;
    std::rewind(pFile);
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pFile))
        text.append(buffer, n);
    std::fclose(pFile);
    return text;
}

#ifdef _WIN32

// One argument as the program's C runtime splits its command line back.
std::string Quoted(const std::string& arg) {
    std::string quoted = "\"";
    std::size_t nSlashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++nSlashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * nSlashes + 1 : nSlashes, '\\');
        nSlashes = 0;
        quoted += c;
    }
    quoted.append(2 * nSlashes, '\\');
    quoted += '"';
    return quoted;
}

#endif

} // namespace

CProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                       const std::vector<std::pair<std::string, std::string>>& environment) {
    CProgramRun run;
    std::FILE* pOut = std::tmpfile();
    std::FILE* pErr = std::tmpfile();
#ifdef _WIN32
    std::string line = Quoted(program);
    for (const std::string& arg : args)
        line += ' ' + Quoted(arg);
    std::vector<std::pair<std::string, std::string>> saved;
    for (const auto& [name, value] : environment) {
        char old[4096];
        DWORD n = GetEnvironmentVariableA(name.c_str(), old, sizeof old);
        saved.emplace_back(name, n > 0 && n < sizeof old ? std::string(old, n) : "");
        SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
    }
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE hInput = CreateFileA("NUL", GENERIC_READ, 0, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = hInput;
    startup.hStdOutput = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOut)));
    startup.hStdError = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pErr)));
    SetHandleInformation(startup.hStdOutput, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    SetHandleInformation(startup.hStdError, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    PROCESS_INFORMATION process{};
    // Wine now and then refuses a start under load; a second try runs it.
    DWORD nError = ERROR_SUCCESS;
    int nTry = 0;
    do {
        if (nTry++ > 0)
            Sleep(200);
        nError = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                &startup, &process)
                     ? ERROR_SUCCESS
                     : GetLastError();
    } while (nError != ERROR_SUCCESS && nTry < 3);
    if (nError == ERROR_SUCCESS) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD nExit = 0;
        GetExitCodeProcess(process.hProcess, &nExit);
        run.nExit = static_cast<int>(nExit);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        run.strErr = "cannot start: error " + std::to_string(nError) + "\n";
    }
    CloseHandle(hInput);
    for (const auto& [name, value] : saved)
        SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
#else
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        for (const auto& [name, value] : environment) {
            if (value.empty())
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), value.c_str(), 1);
        }
        const int nInput = open("/dev/null", O_RDONLY);
        dup2(nInput, STDIN_FILENO);
        dup2(fileno(pOut), STDOUT_FILENO);
        dup2(fileno(pErr), STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int nStatus = 0;
    if (pid > 0 && waitpid(pid, &nStatus, 0) == pid && WIFEXITED(nStatus))
        run.nExit = WEXITSTATUS(nStatus);
#endif
    run.strOut = ReadAll(pOut);
    run.strErr += ReadAll(pErr);
    return run;
}

std::string HostPath(std::string path) {
#ifdef _WIN32
    // The Windows suites run under Wine, whose drive Z: is the Linux root.
    std::replace(path.begin(), path.end(), '/', '\\');
    path = "Z:" + path;
#endif
    return path;
}

std::string TwkPath() {
    return HostPath(TWK_PATH);
}
