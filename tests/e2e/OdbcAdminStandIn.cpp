// Stands in for the ODBC data source administrator, which Wine lacks. Each
// start appends one line, "module|working directory|command line", to the
// file named by TOLVANE_ODBCAD32_LOG (C:\odbcad32-starts.log without it).
#include <windows.h>

#include <cstdio>

int main() {
    char log[MAX_PATH] = "C:\\odbcad32-starts.log";
    ::GetEnvironmentVariableA("TOLVANE_ODBCAD32_LOG", log, MAX_PATH);
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    // Several copies may start at once: the file is opened for appending
    // under a named mutex.
    HANDLE lock = ::CreateMutexA(nullptr, FALSE, "TolvaneOdbcad32StandIn");
    if (lock != nullptr) ::WaitForSingleObject(lock, 10000);
    if (FILE* out = std::fopen(log, "a")) {
        std::fprintf(out, "%s|%s|%s\n", module, folder, ::GetCommandLineA());
        std::fclose(out);
    }
    if (lock != nullptr) {
        ::ReleaseMutex(lock);
        ::CloseHandle(lock);
    }
    return 0;
}
