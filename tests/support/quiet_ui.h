// Dialogs and a navigator that show nothing, for the editor driven without a
// screen by the fuzz targets and the benchmarks.
#pragma once

#include "core/ui/dialogs.h"
#include "core/ui/navigator.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bm::test {

// Every question is answered `yes`, every prompt with nothing (Cancel).
class QuietDialogs : public ui::Dialogs {
public:
    struct Box {
        std::string text;
        ui::Icon icon;
    };
    bool yes = false;
    std::vector<Box> shown;

    void message(std::string_view text, ui::Icon icon, std::string_view) override {
        shown.push_back({std::string(text), icon});
    }
    bool askYesNo(std::string_view text, ui::Icon icon, std::string_view, ui::Default) override {
        shown.push_back({std::string(text), icon});
        return yes;
    }
    ui::BusyPointer busy() override { return {}; }

    // Whether some box named the file.
    bool named(const std::filesystem::path& file) const {
        for (const auto& box : shown) {
            if (box.text.find(file.string()) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

protected:
    std::string askText(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
};

class QuietNavigator : public ui::Navigator {
protected:
    bool showScreen(ui::Screen) override { return true; }
    void hideScreen(ui::Screen) override {}
    void quitProgram() override {}
};

} // namespace bm::test
