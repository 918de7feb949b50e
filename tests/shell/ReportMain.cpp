// Started by the runner tests: writes its command line and working
// directory to the file named by its first argument, then exits with 3.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc > 1) {
        char folder[MAX_PATH] = {};
        ::GetCurrentDirectoryA(MAX_PATH, folder);
        if (FILE* out = std::fopen(argv[1], "w")) {
            std::fprintf(out, "%s\n%s\n", ::GetCommandLineA(), folder);
            std::fclose(out);
        }
    }
    return 3;
}
