#include "core/checks/scenario_check.h"

#include "core/checks/report_text.h"
#include "core/context/main_data.h"
#include "core/platform/line_file.h"
#include "core/platform/paths.h"
#include "core/promotion/promotion_chooser.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/roster/wrestler_layout.h"
#include "core/venues/venue_layout.h"

#include <array>

namespace bm::checks {
namespace {

constexpr std::string_view kOk = "OK";
constexpr std::string_view kMissing = "** MISSING **";
constexpr std::string_view kDefaultLogo = "default.jpg";
constexpr std::string_view kNoLogo = "NA";
constexpr std::string_view kNotReady = "This scenario is not ready to be distributed.";
constexpr std::string_view kReady =
    "This scenario is ready to be zipped and distributed. You will find the folder in your "
    "Scenarios folder, with all required files inside. Put that folder into a zip file and "
    "distribute it on the forums or a resource site.";
constexpr std::string_view kRemember =
    "Remember to use the Date Checker before distributing a scenario!";

// Every line that names a logo, in file order.
constexpr std::array<int, 1 + promotion::line::kShowCount + promotion::line::kMonthCount>
logoLines() {
    namespace line = promotion::line;
    std::array<int, 1 + line::kShowCount + line::kMonthCount> lines{line::promlogo};
    std::size_t i = 1;
    for (const auto& show : line::shows) {
        lines[i++] = show.showlogo;
    }
    for (const auto& month : line::months) {
        lines[i++] = month.bigshowlogo;
    }
    return lines;
}
constexpr auto kLogoLines = logoLines();
static_assert(kLogoLines[1] == 14 && kLogoLines[5] == 51 && kLogoLines.back() == 84);

// The logo as a path below `folder`. The game reads the name with
// backslashes as separators; a name that would leave the folder, or name a
// drive, can never be found there.
bool logoIn(std::filesystem::path folder, std::string_view name) {
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("\\/", start);
        if (end == std::string_view::npos) {
            end = name.size();
        }
        const std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.find(':') != part.npos) {
            return false;
        }
        folder /= std::string(part);
        start = end + 1;
    }
    return platform::isFile(folder);
}

} // namespace

ScenarioCheck checkScenario(const context::EditingContext& context) {
    ScenarioCheck check;
    const auto add = [&](std::string line, bool ok) {
        check.lines.push_back(std::move(line));
        check.ready = check.ready && ok;
    };
    for (const std::string_view file :
         {context::maindata::kFileName, venues::kFileName, roster::kWrestlersFile}) {
        const bool present = platform::isFile(context.pathOf(file));
        add(std::string(file) + " file....." + std::string(present ? kOk : kMissing), present);
    }

    const auto files = platform::listFiles(context.pathOf(), promotion::kPromotionPattern);
    if (files.empty()) {
        add("promotion files....." + std::string(kMissing), false);
    } else {
        add("promotion files..... OK (" + std::to_string(files.size()) + " found)", true);
    }

    const auto images = platform::gameFolder() / "Images";
    const auto own = context.pathOf();
    const auto needed = static_cast<std::size_t>(kLogoLines.back() + 1);
    for (const auto& name : files) {
        platform::Lines lines;
        if (auto status = platform::readFirstLines(context.pathOf(name), needed, lines); !status) {
            add("* " + status.message() + " *", false);
            continue;
        }
        if (lines.size() < needed) {
            add("* The promotion file " + name + " has only " + countOf(lines.size(), "line") +
                    ", too few to name all its logos. *",
                false);
        }
        for (const int l : kLogoLines) {
            if (static_cast<std::size_t>(l) >= lines.size()) {
                break;
            }
            const std::string& logo = lines[static_cast<std::size_t>(l)];
            const bool skipped = l == promotion::line::promlogo ? logo == kDefaultLogo
                                                                : logo == kNoLogo || logo.empty();
            if (skipped) {
                continue;
            }
            const bool found = logoIn(images, logo) || logoIn(own, logo);
            add("Image: ''" + logo + "''..... " + std::string(found ? kOk : kMissing), found);
        }
    }

    for (const auto& line : check.lines) {
        check.report += line;
        check.report += kLineEnd;
    }
    check.report += kLineEnd;
    if (check.ready) {
        check.report += kReady;
        check.report += kLineEnd;
        check.report += kLineEnd;
        check.report += kRemember;
    } else {
        check.report += kNotReady;
    }
    return check;
}

} // namespace bm::checks
