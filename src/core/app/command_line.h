#pragma once

#include "core/app/start_folder.h"

#include <string>
#include <string_view>
#include <vector>

namespace bm::app {

// What the editor was asked to do by its arguments.
struct CommandLine {
    enum class Action { Edit, Help, Version, Error };
    Action action = Action::Edit;
    StartFolder start; // for Edit
    std::string error; // for Error: one line that names the offending argument
};

// Reads the arguments after the program name. "--help" and "--version" win
// wherever they stand (before "--"), so they answer even beside arguments
// meant for the windowing toolkit.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string helpText(std::string_view program);

} // namespace bm::app
