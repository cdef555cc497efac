// A scenario folder whose files come from the input: the date check and the
// scenario check read whatever they hold, name the file in every finding
// about a file, count a logo as found only when it is a file inside Images or
// the scenario folder, and change no file.
#include "fuzz_support.h"

#include "core/checks/date_check.h"
#include "core/checks/scenario_check.h"
#include "core/platform/paths.h"

#include <algorithm>
#include <array>

namespace {

// The input holds the files in this order, cut apart by kCut; a part after
// the last of them names a file in Images. Missing parts are missing files.
constexpr std::string_view kCut = "\n--8<--\n";
constexpr std::array<std::string_view, 4> kFiles{"maindata.bm1", "wrestlers.bm1", "a.fed", "b.fed"};
constexpr std::string_view kFolder = "Scenarios/S/";

bool isOneOfTheFiles(std::string_view name) {
    return name == "venues.txt" || std::find(kFiles.begin(), kFiles.end(), name) != kFiles.end();
}

std::string inFolder(std::string_view name) {
    return std::string(kFolder) + std::string(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm;
    using fuzz::require;
    auto& game = fuzz::Game::get();
    game.remove("Scenarios");
    game.remove("Images");

    std::string_view rest = fuzz::bytesOf(data, size);
    std::vector<std::string_view> parts;
    while (parts.size() <= kFiles.size()) {
        const std::size_t cut = rest.find(kCut);
        parts.push_back(rest.substr(0, cut));
        if (cut == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(cut + kCut.size());
    }
    game.write(inFolder("venues.txt"), "");
    for (std::size_t i = 0; i < std::min(parts.size(), kFiles.size()); ++i) {
        game.write(inFolder(kFiles[i]), parts[i]);
    }
    std::string image;
    if (parts.size() > kFiles.size() && platform::isSafeFileName(parts.back())) {
        image = parts.back();
        game.write("Images/" + image, "");
    }

    context::EditingContext context;
    context.enter(context::ContextKind::Scenario, "\\Scenarios\\S\\");
    const checks::DateCheck dates = checks::checkDates(context);
    require(!dates.report.empty());
    for (const auto& p : dates.problems) {
        // A whole line of the report.
        const std::string_view line = dates.lineOf(p);
        require(p.lineFrom + p.lineSize <= dates.report.size() &&
                line.find("\r\n") == std::string_view::npos &&
                (p.lineFrom == 0 ||
                 (p.lineFrom >= 2 && dates.report.compare(p.lineFrom - 2, 2, "\r\n") == 0)));
        if (p.kind == checks::DateFinding::File) {
            require(isOneOfTheFiles(p.subject) && line.find(p.subject) != std::string::npos);
        } else if (p.kind == checks::DateFinding::NextBigShow) {
            require(p.subject == "a.fed" || p.subject == "b.fed");
        }
    }

    const checks::ScenarioCheck scenario = checks::checkScenario(context);
    constexpr std::string_view kLogo = "Image: ''";
    constexpr std::string_view kFound = "''..... OK";
    bool allOk = true;
    for (const auto& line : scenario.lines) {
        if (line.starts_with("* ")) {
            // A promotion file that could not be read to its last logo.
            require(line.find("a.fed") != std::string::npos ||
                    line.find("b.fed") != std::string::npos);
            allOk = false;
            continue;
        }
        const bool isLogo = line.starts_with(kLogo);
        const bool ok =
            isLogo ? line.ends_with(kFound)
                   : line.ends_with(".....OK") || line.starts_with("promotion files..... OK (");
        require(ok || line.ends_with("** MISSING **"));
        allOk = allOk && ok;
        if (ok && isLogo) {
            std::string logo =
                line.substr(kLogo.size(), line.size() - kLogo.size() - kFound.size());
            std::replace(logo.begin(), logo.end(), '\\', '/');
            require(logo == image || isOneOfTheFiles(logo));
        }
    }
    require(scenario.ready == allOk);

    // Nothing was written.
    for (std::size_t i = 0; i < std::min(parts.size(), kFiles.size()); ++i) {
        require(game.read(inFolder(kFiles[i])) == parts[i]);
    }
    return 0;
}
