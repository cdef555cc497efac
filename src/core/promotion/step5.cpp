#include "core/promotion/step5.h"

namespace bm::promotion {

Step5::Step5(StepServices& services) : Step(services, 5) {}

void Step5::fillFromRecord() {
    const std::string& name = record().get(line::nameofbigshow);
    if (name == kNoBigShow) {
        showNoBigShow();
    } else {
        fields_[Step5Field::nameofbigshow] = name;
        const std::string& level = record().get(line::levelofpromotion);
        if (level.size() == 1 && level[0] >= '1' && level[0] <= '3') {
            level_.select(level[0] - '1');
        } else {
            level_.showOther(level);
        }
        fields_[Step5Field::dateofshow] = record().get(line::dateofshow);
        days_ = record().get(line::days);
        daysBar_.show(days_);
    }
    changed();
}

void Step5::showNoBigShow() {
    fields_[Step5Field::nameofbigshow] = std::string(kNoBigShow);
    level_.select(0);
    fields_[Step5Field::dateofshow].clear();
    daysBar_.move(0);
    days_ = "0";
}

void Step5::edit(Step5Field f) {
    const auto& prompt = kStep5Prompts[f];
    if (!promptEdit(prompt, prompt.recordLine(), fields_[f]) || f != Step5Field::nameofbigshow ||
        fields_[f] != kNoBigShow) {
        return;
    }
    // Nothing booked: no level, no date, announced 0 days ago; the screen
    // shows what it would show for such a promotion when it is loaded.
    record().set(line::levelofpromotion, "");
    record().set(line::dateofshow, "");
    record().set(line::days, "0");
    showNoBigShow();
    changed();
}

void Step5::chooseLevel(int index) {
    if (!level_.select(index)) {
        return;
    }
    record().set(line::levelofpromotion, std::to_string(index + 1));
    changed();
}

void Step5::moveDays(int position) {
    if (!daysBar_.move(position)) {
        return;
    }
    days_ = std::to_string(position);
    record().set(line::days, days_);
    changed();
}

} // namespace bm::promotion
