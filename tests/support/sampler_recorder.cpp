// Stand-in for the sampling program, like sampler.exe beside it, that also records argv[0].
// Writes "argv0=...", "argc=..." (the arguments after argv[0]), "arg=..." and "cwd=..." to the
// file named by DIFONIK_SAMPLER_RECORD.

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    const char* record = std::getenv("DIFONIK_SAMPLER_RECORD");
    if (record == nullptr) {
        return 1;
    }
    char cwd[PATH_MAX] = "";
    if (::getcwd(cwd, sizeof cwd) == nullptr) {
        return 1;
    }
    const std::string partial = std::string(record) + ".part";
    {
        std::ofstream out(partial);
        out << "argv0=" << argv[0] << "\n" << "argc=" << argc - 1 << "\n";
        for (int i = 1; i < argc; ++i) {
            out << "arg=" << argv[i] << "\n";
        }
        out << "cwd=" << cwd << "\n";
    }
    return std::rename(partial.c_str(), record) == 0 ? 0 : 1;
}
