#include "core/app/command_line.h"

namespace bm::app {

namespace {

CommandLine failure(std::string error) {
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = std::move(error);
    return line;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    bool choose = false;
    std::vector<const std::string*> folders;
    const std::string* unknown = nullptr;
    bool optionsEnded = false;
    for (const auto& argument : arguments) {
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            folders.push_back(&argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            return CommandLine{CommandLine::Action::Help, {}, {}};
        } else if (argument == "--version") {
            return CommandLine{CommandLine::Action::Version, {}, {}};
        } else if (argument == "--choose-folder") {
            choose = true;
        } else if (!unknown) {
            unknown = &argument;
        }
    }
    if (unknown) {
        return failure("unknown option '" + *unknown + "'");
    }
    if (folders.size() > 1) {
        return failure("only one game folder can be given");
    }
    CommandLine line;
    if (choose && !folders.empty()) {
        return failure("give a game folder or --choose-folder, not both");
    }
    if (choose) {
        line.start.kind = StartFolder::Kind::Choose;
    } else if (!folders.empty()) {
        line.start.kind = StartFolder::Kind::Given;
        line.start.folder = *folders.front();
    }
    return line;
}

std::string helpText(std::string_view program) {
    const std::string name(program);
    return "Usage: " + name +
           " [GAME_FOLDER]\n"
           "       " +
           name +
           " --choose-folder\n"
           "Edits the data files of a Brawlmark 1.3 game folder: the folder that holds the\n"
           "game's Data folder.\n"
           "\n"
           "  GAME_FOLDER      edit this game folder (default: the current directory)\n"
           "  --choose-folder  ask for the game folder first, offering the last one chosen\n"
           "  --help           show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "The windowing toolkit's own options (such as -platform NAME) are accepted too.\n";
}

} // namespace bm::app
