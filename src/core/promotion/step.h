#pragma once

#include "core/promotion/promotion_chooser.h"
#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_record.h"
#include "core/promotion/step_filler.h"
#include "core/ui/dialogs.h"
#include "core/ui/image_chooser.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <functional>
#include <string>
#include <string_view>

namespace bm::promotion {

inline constexpr int kStepCount = 8;
inline constexpr std::string_view kStepHint = "Click On A Stat To Edit";
inline constexpr std::string_view kStepBack = "<<< Back";
inline constexpr std::string_view kStepNext = "Next >>>";
inline constexpr std::string_view kStepSave = "SAVE";
inline constexpr std::string_view kStepBackQuestion =
    "If you haven't gone through all steps and clicked Save, you will lose any changes by "
    "returning to the menu.\r\n\r\nAre you sure you want to go back to the menu?";

// "Step 3 of 8".
std::string stepHeading(int number);
// The screen of step 1..8.
ui::Screen stepScreen(int number);

// Where a picked logo goes: the heading the picker shows, the record line it
// sets, and whether "no image" may be chosen (a promotion must have a logo).
struct LogoTarget {
    std::string heading;
    int line;
    ui::NoImage noImage;
};
LogoTarget promotionLogo();        // "Promotion Logo", line 2
LogoTarget showLogo(int show);     // 1..4: "Show 1 Logo", the show's showlogo
LogoTarget bigShowLogo(int month); // 1..12: "January Big Show Logo", the month's bigshowlogo

// What every step is given by the editor.
struct StepServices {
    ui::Dialogs& dialogs;
    ui::Navigator& navigator;
    // Owns the record every step edits; a step registers with it to be
    // filled whenever a promotion is created or loaded.
    PromotionChooser& chooser;
    ui::ImageChooser& images;
};

// A step screen of the promotion editor: its heading and hint, "<<< Back"
// and "Next >>>" to the neighbouring steps ("SAVE" on the last), text
// prompts from a table, and the image picker for its logos. A step edits
// the chooser's record in place; leaving it closes the picker it opened.
class Step : public ui::Model, public StepFiller {
public:
    Step(StepServices& services, int number, std::string_view hint = kStepHint);
    ~Step() override;

    int number() const { return number_; }
    const std::string& heading() const { return heading_; }
    std::string_view hint() const { return hint_; }
    // "Next >>>", or "SAVE" on the last step.
    std::string_view nextCaption() const;

    // "Next >>>" shows the next step, without checks; on the last step it is
    // "SAVE", which runs save().
    void next();
    // "<<< Back" shows the step before. Step 1's goes back to the chooser,
    // after the user agrees to lose what has not been saved.
    void back();

protected:
    ui::Dialogs& dialogs() { return services_.dialogs; }
    ui::Navigator& navigator() { return services_.navigator; }
    PromotionChooser& chooser() { return services_.chooser; }
    PromotionRecord& record() { return services_.chooser.record(); }
    const PromotionRecord& record() const { return services_.chooser.record(); }

    // The last step's "SAVE"; it leaves with leaveTo() when the file is written.
    virtual void save() {}
    // Shows another screen in place of this step; an open picker closes
    // first, as "Make No Changes".
    void leaveTo(ui::Screen target);

    // Opens the image picker for a logo. The chosen file name, or "NA", goes
    // into the target's line and then to `stored` (to show it); "Make No
    // Changes" changes nothing and calls nothing.
    void pickLogo(LogoTarget target, std::function<void(const std::string&)> stored);

    // Asks for a field with its prompt, the shown text as the default. A
    // non-empty reply that the rule accepts is stored in `line` and becomes
    // the shown text; true then.
    template <typename Field, typename Block>
    bool promptEdit(const Prompt<Field, Block>& prompt, int line, std::string& shown) {
        return promptEdit(prompt.title, prompt.message, prompt.rule, line, shown);
    }
    bool promptEdit(std::string_view title, std::string_view message, Rule rule, int line,
                    std::string& shown);

private:
    StepServices& services_;
    int number_;
    std::string heading_;
    std::string_view hint_;
};

} // namespace bm::promotion
