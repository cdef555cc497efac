#include "core/promotion/step.h"

#include "core/calendar/calendar.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/text/numbers.h"

#include <utility>

namespace bm::promotion {

namespace rules {

std::optional<Entry> asTyped(const std::string& reply, ui::Dialogs&) {
    return Entry{reply, reply};
}

std::optional<Entry> number(const std::string& reply, ui::Dialogs&) {
    std::string value = text::decimalText(text::numericValue(reply));
    return Entry{value, value};
}

} // namespace rules

std::string stepHeading(int number) {
    return "Step " + std::to_string(number) + " of " + std::to_string(kStepCount);
}

ui::Screen stepScreen(int number) {
    return static_cast<ui::Screen>(static_cast<int>(ui::Screen::Step1) + number - 1);
}
static_assert(static_cast<int>(ui::Screen::Step8) - static_cast<int>(ui::Screen::Step1) + 1 ==
              kStepCount);

LogoTarget promotionLogo() {
    return {"Promotion Logo", line::promlogo, ui::NoImage::NotOffered};
}

LogoTarget showLogo(int show) {
    return {"Show " + std::to_string(show) + " Logo", line::showLines(show).showlogo,
            ui::NoImage::Offered};
}

LogoTarget bigShowLogo(int month) {
    return {std::string(calendar::monthName(month)) + " Big Show Logo",
            line::monthLines(month).bigshowlogo, ui::NoImage::Offered};
}

Step::Step(StepServices& services, int number, std::string_view hint)
    : services_(services), number_(number), heading_(stepHeading(number)), hint_(hint) {
    services_.chooser.addStep(*this);
}

Step::~Step() {
    services_.chooser.removeStep(*this);
}

std::string_view Step::nextCaption() const {
    return number_ == kStepCount ? kStepSave : kStepNext;
}

void Step::next() {
    if (number_ == kStepCount) {
        save();
    } else {
        leaveTo(stepScreen(number_ + 1));
    }
}

void Step::back() {
    if (number_ > 1) {
        leaveTo(stepScreen(number_ - 1));
        return;
    }
    if (dialogs().askYesNo(kStepBackQuestion, ui::Icon::None, ui::kProgramTitle, ui::Default::No)) {
        services_.images.dismiss();
        chooser().returnFromSteps();
    }
}

void Step::leaveTo(ui::Screen target) {
    services_.images.dismiss();
    navigator().go(target);
}

void Step::pickLogo(LogoTarget target, std::function<void(const std::string&)> stored) {
    services_.images.choose(std::move(target.heading), target.noImage,
                            [this, line = target.line,
                             stored = std::move(stored)](const std::optional<std::string>& value) {
                                if (!value) {
                                    return;
                                }
                                record().set(line, *value);
                                if (stored) {
                                    stored(*value);
                                }
                            });
}

bool Step::promptEdit(std::string_view title, std::string_view message, Rule rule, int line,
                      std::string& shown) {
    const std::string reply = dialogs().prompt(title, message, shown);
    if (reply.empty()) {
        return false;
    }
    auto entry = rule(reply, dialogs());
    if (!entry) {
        return false;
    }
    record().set(line, std::move(entry->stored));
    shown = std::move(entry->shown);
    changed();
    return true;
}

} // namespace bm::promotion
