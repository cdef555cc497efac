#include "core/promotion/step1.h"

#include "core/promotion/record/promotion_layout.h"
#include "core/text/numbers.h"

namespace bm::promotion {

// step1Prompt() finds a field's prompt by its position.
static_assert([] {
    for (std::size_t i = 0; i < kStep1Prompts.size(); ++i) {
        if (static_cast<std::size_t>(kStep1Prompts[i].field) != i) {
            return false;
        }
    }
    return true;
}());

const Step1Prompt& step1Prompt(Step1Field field) {
    return kStep1Prompts[static_cast<std::size_t>(field)];
}

Step1::Step1(ui::Dialogs& dialogs, ui::Navigator& navigator, PromotionChooser& chooser,
             context::ImagePicker& picker)
    : dialogs_(dialogs), navigator_(navigator), chooser_(chooser), picker_(picker),
      record_(chooser.record()) {}

std::string& Step1::field(Step1Field f) {
    return fields_[static_cast<std::size_t>(f)];
}

const std::string& Step1::shown(Step1Field f) const {
    return fields_[static_cast<std::size_t>(f)];
}

void Step1::fillFromRecord() {
    for (const auto& p : kStep1Prompts) {
        field(p.field) = record_.get(p.line);
    }
    promlogo_ = record_.get(line::promlogo);
    const std::string& sizeLine = record_.get(line::size);
    if (sizeLine.size() == 1 && sizeLine[0] >= '1' && sizeLine[0] <= '6') {
        size_.select(sizeLine[0] - '1');
    } else {
        size_.showOther(sizeLine);
    }
    description_ = record_.get(line::description);
    rostersplit_.show(record_.get(line::rostersplit));
    brandsEnabled_ = rostersplit_.text() != "No";
    tvcoverage_.show(record_.get(line::tvcoverage));
    changed();
}

void Step1::edit(Step1Field f) {
    const bool brand = f == Step1Field::brand1 || f == Step1Field::brand2;
    if (brand && !brandsEnabled_) {
        return;
    }
    const Step1Prompt& p = step1Prompt(f);
    std::string reply = dialogs_.prompt(p.title, p.message, shown(f));
    if (reply.empty()) {
        return;
    }
    if (f == Step1Field::bankbalance) {
        reply = text::decimalText(text::numericValue(reply));
    }
    record_.set(p.line, reply);
    field(f) = std::move(reply);
    changed();
}

void Step1::pickLogo() {
    picker_.open(std::string(context::kPromotionLogoHeading), [this](const std::string& value) {
        promlogo_ = value;
        changed();
    });
}

void Step1::chooseSize(int index) {
    if (!size_.select(index)) {
        return;
    }
    // Only the position is stored; the coverage is checked when it is chosen
    // and the combination again at the save.
    record_.set(line::size, std::to_string(index + 1));
    changed();
}

void Step1::chooseRosterSplit(int index) {
    if (!rostersplit_.select(index)) {
        return;
    }
    const std::string split = rostersplit_.text();
    record_.set(line::rostersplit, split);
    if (split == "No") {
        // The names stay stored for a later "Yes".
        brandsEnabled_ = false;
    } else {
        if (record_.get(line::brand1).empty()) {
            record_.set(line::brand1, std::string(kDefaultBrand1));
            record_.set(line::brand2, std::string(kDefaultBrand2));
        }
        field(Step1Field::brand1) = record_.get(line::brand1);
        field(Step1Field::brand2) = record_.get(line::brand2);
        brandsEnabled_ = true;
    }
    changed();
}

void Step1::typeDescription(std::string_view typed) {
    std::string text = ui::oneLine(typed);
    record_.set(line::description, text);
    description_ = std::move(text);
    changed();
}

void Step1::descriptionHelp() {
    dialogs_.message(kDescriptionHelp, ui::Icon::None, kDescriptionHelpTitle);
}

void Step1::chooseTvCoverage(int index) {
    if (static_cast<std::size_t>(index) >= kTvCoverages.size()) {
        return;
    }
    setCoverage(kTvCoverages[static_cast<std::size_t>(index)]);
    applyCoverageRules();
    changed();
}

void Step1::setCoverage(std::string_view coverage) {
    tvcoverage_.show(coverage);
    record_.set(line::tvcoverage, std::string(coverage));
}

// The rules run in order on the coverage as it stands after the previous
// one, so a correction can meet a later rule ("National" for a local indy
// ends at "Local" after two messages).
void Step1::applyCoverageRules() {
    const std::string& sizeLine = record_.get(line::size);
    const double size = text::numericValue(sizeLine);
    auto coverageIs = [this](std::string_view c) { return tvcoverage_.text() == c; };

    if (coverageIs("National") && size < 4) {
        dialogs_.message(kNationalNeedsSize);
        setCoverage("None");
    }
    if (coverageIs("Regional") && size < 3) {
        dialogs_.message(kRegionalNeedsSize);
        setCoverage("None");
    }
    if (coverageIs("Local") && sizeLine != "2") {
        dialogs_.message(kLocalNeedsSize);
        setCoverage(sizeLine == "3" ? "Regional" : size > 3 ? "National" : "None");
    }
    if (coverageIs("None") && size > 1) {
        dialogs_.message(kNoneOnlyForBasic);
        if (sizeLine == "2") {
            setCoverage("Local");
        } else if (sizeLine == "3") {
            setCoverage("Regional");
        } else if (size > 3) {
            setCoverage("National");
        }
    }
}

void Step1::next() {
    navigator_.go(ui::Screen::Step2);
}

void Step1::back() {
    if (dialogs_.askYesNo(kStepBackQuestion, ui::Icon::None, ui::kProgramTitle, ui::Default::No)) {
        chooser_.returnFromSteps();
    }
}

} // namespace bm::promotion
