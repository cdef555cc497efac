// A scenario information file of any bytes: the screen shows its first three
// lines (defaults for missing ones) and "OK" writes back every line it read.
#include "fuzz_support.h"

#include "core/context/scenario_file.h"
#include "core/context/scenario_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm;
    using fuzz::require;
    auto& s = fuzz::Session::get();
    s.begin();
    const auto bytes = fuzz::bytesOf(data, size);
    constexpr std::string_view kFile = "Scenarios/Fuzz/scenario.txt";
    s.game.write(kFile, bytes);
    auto lines = fuzz::linesOf(bytes);

    s.editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\Fuzz\\");
    auto& info = s.editor.scenarioInfo;
    info.open();
    if (s.navigator.current() != ui::Screen::ScenarioInfo) {
        s.requireRefused(kFile, bytes);
        return 0;
    }
    for (const auto& p : context::kScenarioPrompts) {
        const std::string& expected =
            p.line < lines.size() ? lines[p.line] : std::string(p.menuDefault);
        require(info.shown(p.field) == expected);
    }
    for (std::size_t i = lines.size(); i < context::scenariofile::kLines; ++i) {
        lines.push_back(std::string(context::kScenarioPrompts[i].menuDefault));
    }
    info.ok();
    require(s.navigator.current() == ui::Screen::EditingMenu);
    require(fuzz::linesOf(s.game.read(kFile)) == lines);
    return 0;
}
