// protoquill-cli: the declaration generator from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes as the buffer holds them: LF stays LF on Windows too.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    return pq::cli::run(args, std::cout, std::cerr);
}
