// A small program for the tool runner's tests: prints, floods its output and exits as told.
//   toolhelper out TEXT | err TEXT | flood BYTES | zero | exit CODE   (any sequence of these)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    int code = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string verb = argv[i];
        const char *arg = i + 1 < argc ? argv[i + 1] : "";
        if (verb == "out") {
            std::fputs(arg, stdout);
            std::fflush(stdout);
            ++i;
        } else if (verb == "err") {
            std::fputs(arg, stderr);
            std::fflush(stderr);
            ++i;
        } else if (verb == "flood") {
            const long n = std::atol(arg);
            for (long k = 0; k < n; ++k)
                std::fputc('a' + static_cast<int>(k % 26), stdout);
            std::fflush(stdout);
            ++i;
        } else if (verb == "zero") {
            std::fputc('\0', stdout);
            std::fflush(stdout);
        } else if (verb == "exit") {
            code = std::atoi(arg);
            ++i;
        }
    }
    return code;
}
