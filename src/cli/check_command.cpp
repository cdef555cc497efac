#include "cli/check_command.h"

#include "cli/findings.h"
#include "core/app/version.h"
#include "core/context/editing_context.h"
#include "core/platform/paths.h"
#include "core/promotion/promotion_chooser.h"
#include "core/promotion/record/promotion_record.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

namespace bm::cli {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kProgram = "bm13check";

struct Options {
    bool help = false;
    bool version = false;
    bool json = false;
    bool all = false;
    std::optional<std::string> context;
    std::optional<std::string> gameFolder;
    std::string error; // a usage error, in one line
};

Options parse(const std::vector<std::string>& arguments) {
    Options o;
    // The first error is the one reported.
    const auto fail = [&](std::string why) {
        if (o.error.empty()) {
            o.error = std::move(why);
        }
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (optionsEnded || a.size() < 2 || a[0] != '-') {
            if (o.gameFolder) {
                fail("only one game folder can be given");
            }
            o.gameFolder = a;
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--all") {
            o.all = true;
        } else if (a == "--context" || a.starts_with("--context=")) {
            if (o.context) {
                fail("only one --context can be given");
            }
            if (a != "--context") {
                o.context = a.substr(std::string_view("--context=").size());
            } else if (i + 1 < arguments.size()) {
                o.context = arguments[++i];
            } else {
                o.context = "";
                fail("--context needs a CONTEXT: Data, Scenarios/NAME or a saved game's folder");
            }
        } else {
            fail("unknown option '" + a + "'");
        }
    }
    if (o.context && o.all) {
        fail("give --context or --all, not both");
    }
    if (o.gameFolder && o.gameFolder->empty()) {
        fail("the game folder must not be an empty name");
    }
    return o;
}

struct Target {
    std::string name;
    context::ContextKind kind;
    std::string folder; // the context folder as text, "\Data\"
};

// "Data", "Scenarios/NAME" (either slash) or a saved game's folder name;
// nothing when the text names none of them.
std::optional<Target> targetOf(std::string text) {
    while (text.size() > 1 && (text.back() == '/' || text.back() == '\\')) {
        text.pop_back(); // as a shell's completion leaves it
    }
    using context::ContextKind;
    using context::EditingContext;
    if (text == "Data") {
        return Target{text, ContextKind::NewGameData,
                      EditingContext::folderOf(ContextKind::NewGameData)};
    }
    const std::string scenarios(context::kScenariosFolderName);
    if (text.size() > scenarios.size() && text.starts_with(scenarios) &&
        (text[scenarios.size()] == '/' || text[scenarios.size()] == '\\')) {
        const std::string name = text.substr(scenarios.size() + 1);
        if (!platform::isPlainFolderName(name)) {
            return std::nullopt;
        }
        return Target{scenarios + "/" + name, ContextKind::Scenario,
                      EditingContext::folderOf(ContextKind::Scenario, name)};
    }
    if (text == scenarios || !platform::isPlainFolderName(text)) {
        return std::nullopt;
    }
    return Target{text, ContextKind::SavedGame,
                  EditingContext::folderOf(ContextKind::SavedGame, text)};
}

// Why a folder cannot be listed, or "" when it can.
std::string unreadable(const fs::path& folder) {
    const std::string named = "the folder \"" + folder.string() + "\"";
    std::error_code ec;
    const fs::file_status status = fs::status(folder, ec);
    if (status.type() == fs::file_type::not_found) {
        return named + " does not exist";
    }
    if (!ec && !fs::is_directory(status)) {
        return platform::quoted(folder) + " is not a folder";
    }
    if (!ec) {
        fs::directory_iterator it(folder, ec);
    }
    if (ec) {
        return named + " cannot be read (" + ec.message() + ")";
    }
    return {};
}

ContextFindings check(const Target& target) {
    context::EditingContext context;
    context.enter(target.kind, target.folder);
    ContextFindings found;
    found.name = target.name;
    // Each promotion file is read once, for the date check and the save rules.
    auto files = checks::readPromotionFiles(context);
    found.dates = checks::checkDates(context, files);
    if (target.kind == context::ContextKind::Scenario) {
        found.scenario = checks::checkScenario(context);
    }
    const auto folder = context.pathOf();
    for (auto& file : files) {
        PromotionFindings p;
        promotion::PromotionRecord record;
        if (auto status = file.status
                              ? promotion::parsePromotion(file.bytes, folder / file.name, record)
                              : file.status;
            !status) {
            p.error = status.message();
        } else {
            p.failures = promotion::failedSaveRules(record);
        }
        p.file = std::move(file.name);
        file.bytes = {};
        found.promotions.push_back(std::move(p));
    }
    return found;
}

// Puts the previous current directory back however the run ends.
class CurrentDirectory {
public:
    CurrentDirectory() : previous_(fs::current_path(ec_)) {}
    ~CurrentDirectory() {
        if (!ec_) {
            std::error_code ignored;
            fs::current_path(previous_, ignored);
        }
    }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::error_code ec_;
    fs::path previous_;
};

} // namespace

std::string checkHelpText() {
    return "Usage: bm13check [GAME_FOLDER] [--context CONTEXT | --all] [--json]\n"
           "Runs the editor's checks on a Brawlmark 1.3 game folder (the folder that holds\n"
           "the game's Data folder) without a display, and changes no file: the date check,\n"
           "for a scenario the scenario readiness check, and the save rules of every\n"
           "promotion file.\n"
           "\n"
           "  GAME_FOLDER        the game folder to check (default: the current directory)\n"
           "  --context CONTEXT  Data (the default), Scenarios/NAME, or a saved game's folder\n"
           "  --all              check Data and every scenario\n"
           "  --json             print the findings as one JSON document\n"
           "  --help             show this help and exit\n"
           "  --version          show the version and exit\n"
           "\n"
           "Exit status: 0 when nothing was found, 1 when anything was, 2 for a usage error\n"
           "or a folder that cannot be read.\n";
}

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
    const Options options = parse(arguments);
    if (options.help) {
        out << checkHelpText();
        return kNothingFound;
    }
    if (options.version) {
        out << app::versionText(kProgram);
        return kNothingFound;
    }
    const auto refuse = [&](const std::string& why) {
        err << kProgram << ": " << why << "\n";
        return kUsageError;
    };
    if (!options.error.empty()) {
        err << kProgram << ": " << options.error
            << "\nTry 'bm13check --help' for more information.\n";
        return kUsageError;
    }

    CurrentDirectory restore;
    if (options.gameFolder) {
        std::error_code ec;
        fs::current_path(*options.gameFolder, ec);
        if (ec) {
            return refuse("cannot open the game folder \"" + *options.gameFolder + "\" (" +
                          ec.message() + ")");
        }
    }
    const fs::path game = platform::gameFolder();
    if (game.empty()) {
        return refuse("the current directory cannot be found");
    }
    // As the editor: the game folder is the one with a Data folder.
    if (std::error_code ec; !fs::is_directory(game / "Data", ec)) {
        return refuse(platform::quoted(game) + " is not a game folder: it has no Data folder");
    }

    std::vector<Target> targets;
    if (options.all) {
        targets.push_back(*targetOf("Data"));
        const fs::path scenarios = game / std::string(context::kScenariosFolderName);
        std::error_code ec;
        if (fs::status(scenarios, ec).type() != fs::file_type::not_found) {
            if (std::string why = unreadable(scenarios); !why.empty()) {
                return refuse(why);
            }
            for (const auto& name : platform::listFolders(scenarios)) {
                targets.push_back(
                    {std::string(context::kScenariosFolderName) + "/" + name,
                     context::ContextKind::Scenario,
                     context::EditingContext::folderOf(context::ContextKind::Scenario, name)});
            }
        }
    } else {
        const std::string name = options.context.value_or("Data");
        const auto target = targetOf(name);
        if (!target) {
            err << kProgram << ": '" << name
                << "' is no context: give Data, Scenarios/NAME or a saved game's folder name\n"
                   "Try 'bm13check --help' for more information.\n";
            return kUsageError;
        }
        targets.push_back(*target);
    }
    for (const auto& target : targets) {
        if (std::string why = unreadable(platform::contextPath(target.folder)); !why.empty()) {
            return refuse(why);
        }
    }

    std::vector<ContextFindings> findings;
    findings.reserve(targets.size());
    for (const auto& target : targets) {
        findings.push_back(check(target));
    }
    out << (options.json ? jsonReport(findings) : plainReport(findings));
    const bool found = std::any_of(findings.begin(), findings.end(),
                                   [](const ContextFindings& c) { return c.foundAnything(); });
    return found ? kFoundSomething : kNothingFound;
}

} // namespace bm::cli
