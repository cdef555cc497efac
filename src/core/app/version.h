#pragma once

#include <string>
#include <string_view>

namespace bm::app {

// The one version of every program built here; the package takes it from
// this line, so keep its form: kVersion = "MAJOR.MINOR.PATCH".
inline constexpr std::string_view kVersion = "0.9.0";

// What `--version` prints, one line ending in a newline.
inline std::string versionText(std::string_view program) {
    return std::string(program) + " (Brawlmark 1.3 Official Editor) " + std::string(kVersion) +
           "\n";
}

} // namespace bm::app
