#pragma once

#include <optional>

namespace bm::ui {

// Every window of the editor; each is made once and lives as long as the program.
enum class Screen {
    Start,
    EditingMenu,
    PromotionMenu,
    PromotionChooser,
    Step1,
    Step2,
    Step3,
    Step4,
    Step5,
    Step6,
    Step7,
    Step8,
    StartDate,
    ScenarioInfo,
    Roster,
    StatEditor,
    Venues,
    ImagePicker,    // opens beside a step, never replaces it
    DateCalculator, // opens beside a step, never replaces it
};

// A side window opens beside the current screen and leaves it current and
// usable; every other screen is a main screen, one visible at a time.
constexpr bool isSideWindow(Screen screen) {
    return screen == Screen::ImagePicker || screen == Screen::DateCalculator;
}

// Moves between screens. One main screen is visible at a time; a hand-over
// shows the target first and hides the current one afterwards, so the user
// never sees an empty desktop.
class Navigator {
public:
    virtual ~Navigator() = default;

    void go(Screen target) {
        // A screen that cannot be shown must not take the current one away.
        if (!showScreen(target)) {
            return;
        }
        if (current_ && *current_ != target) {
            hideScreen(*current_);
        }
        current_ = target;
    }
    // A side window beside the current screen; the current screen stays.
    void open(Screen window) { showScreen(window); }
    void close(Screen window) { hideScreen(window); }
    void quit() { quitProgram(); }

    std::optional<Screen> current() const { return current_; }

protected:
    // False when there is no such window (yet).
    virtual bool showScreen(Screen screen) = 0;
    virtual void hideScreen(Screen screen) = 0;
    virtual void quitProgram() = 0;

private:
    std::optional<Screen> current_;
};

} // namespace bm::ui
