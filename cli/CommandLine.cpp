#include "cli/CommandLine.h"

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] =
    "Usage: ryvanta [--help] [--version]\n"
    "       ryvanta report --birth YYYY-MM-DD --month YYYY-MM [--format text|json]\n";

} // namespace

int RunRyvanta(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("ryvanta %s\n", RYVANTA_VERSION);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--help") != 0) {
        std::fprintf(stderr, "ryvanta: unknown command '%s'\n%s", argv[1], kUsage);
        return 2;
    }
    std::fputs(kUsage, stdout);
    return 0;
}
