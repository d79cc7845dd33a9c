#include "Cli.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout && status == 0) {
        std::cerr << "korvalen-cli: cannot write the output\n";
        return 1;
    }
    return status;
}
