// bm13check: the editor's whole-folder checks without a display.
#include "cli/check_command.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i] ? argv[i] : "");
    }
    const int status = bm::cli::runCheckCommand(arguments, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : bm::cli::kUsageError;
}
