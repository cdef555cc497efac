#include "core/promotion/step1.h"

#include "core/promotion/record/promotion_layout.h"
#include "core/text/numbers.h"

namespace bm::promotion {

Step1::Step1(StepServices& services) : Step(services, 1) {}

void Step1::fillFromRecord() {
    for (const auto& p : kStep1Prompts) {
        fields_[p.field] = record().get(p.recordLine());
    }
    promlogo_ = record().get(line::promlogo);
    const std::string& sizeLine = record().get(line::size);
    if (sizeLine.size() == 1 && sizeLine[0] >= '1' && sizeLine[0] <= '6') {
        size_.select(sizeLine[0] - '1');
    } else {
        size_.showOther(sizeLine);
    }
    description_ = record().get(line::description);
    rostersplit_.show(record().get(line::rostersplit));
    brandsEnabled_ = rostersplit_.text() != "No";
    tvcoverage_.show(record().get(line::tvcoverage));
    changed();
}

void Step1::edit(Step1Field f) {
    const bool brand = f == Step1Field::brand1 || f == Step1Field::brand2;
    if (brand && !brandsEnabled_) {
        return;
    }
    const auto& prompt = kStep1Prompts[f];
    promptEdit(prompt, prompt.recordLine(), fields_[f]);
}

void Step1::pickLogo() {
    Step::pickLogo(promotionLogo(), [this](const std::string& value) {
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
    record().set(line::size, std::to_string(index + 1));
    changed();
}

void Step1::chooseRosterSplit(int index) {
    if (!rostersplit_.select(index)) {
        return;
    }
    const std::string split = rostersplit_.text();
    record().set(line::rostersplit, split);
    if (split == "No") {
        // The names stay stored for a later "Yes".
        brandsEnabled_ = false;
    } else {
        if (record().get(line::brand1).empty()) {
            record().set(line::brand1, std::string(kDefaultBrand1));
            record().set(line::brand2, std::string(kDefaultBrand2));
        }
        fields_[Step1Field::brand1] = record().get(line::brand1);
        fields_[Step1Field::brand2] = record().get(line::brand2);
        brandsEnabled_ = true;
    }
    changed();
}

void Step1::typeDescription(std::string_view typed) {
    std::string text = ui::oneLine(typed);
    record().set(line::description, text);
    description_ = std::move(text);
    changed();
}

void Step1::descriptionHelp() {
    dialogs().message(kDescriptionHelp, ui::Icon::None, kDescriptionHelpTitle);
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
    record().set(line::tvcoverage, std::string(coverage));
}

// The rules run in order on the coverage as it stands after the previous
// one, so a correction can meet a later rule ("National" for a local indy
// ends at "Local" after two messages).
void Step1::applyCoverageRules() {
    const std::string& sizeLine = record().get(line::size);
    const double size = text::numericValue(sizeLine);
    auto coverageIs = [this](std::string_view c) { return tvcoverage_.text() == c; };

    if (coverageIs("National") && size < 4) {
        dialogs().message(kNationalNeedsSize);
        setCoverage("None");
    }
    if (coverageIs("Regional") && size < 3) {
        dialogs().message(kRegionalNeedsSize);
        setCoverage("None");
    }
    if (coverageIs("Local") && sizeLine != "2") {
        dialogs().message(kLocalNeedsSize);
        setCoverage(sizeLine == "3" ? "Regional" : size > 3 ? "National" : "None");
    }
    if (coverageIs("None") && size > 1) {
        dialogs().message(kNoneOnlyForBasic);
        if (sizeLine == "2") {
            setCoverage("Local");
        } else if (sizeLine == "3") {
            setCoverage("Regional");
        } else if (size > 3) {
            setCoverage("National");
        }
    }
}

} // namespace bm::promotion
