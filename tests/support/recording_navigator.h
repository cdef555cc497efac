#pragma once

#include "core/ui/navigator.h"

#include <set>
#include <string>
#include <vector>

namespace bm::test {

// Records every show and hide, and which screens are visible.
class RecordingNavigator : public ui::Navigator {
public:
    std::vector<std::string> log;
    std::set<ui::Screen> visible;
    bool quitRequested = false;
    std::set<ui::Screen> missing; // screens without a window: showing them fails

    bool isVisible(ui::Screen s) const { return visible.count(s) > 0; }

protected:
    bool showScreen(ui::Screen s) override {
        if (missing.count(s)) {
            return false;
        }
        log.push_back("show " + std::to_string(static_cast<int>(s)));
        visible.insert(s);
        return true;
    }
    void hideScreen(ui::Screen s) override {
        log.push_back("hide " + std::to_string(static_cast<int>(s)));
        visible.erase(s);
    }
    void quitProgram() override { quitRequested = true; }
};

} // namespace bm::test
