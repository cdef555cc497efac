#include "core/promotion/step3.h"

namespace bm::promotion {

Step3::Step3(StepServices& services) : Step(services, 3) {}

void Step3::fillFromRecord() {
    for (const auto& p : kStep3Prompts) {
        fields_[p.field] = record().get(p.recordLine());
    }
    // A level is shown only when the line is exactly its number; anything
    // else ("07", "21") stays shown as stored until a level is chosen.
    for (std::size_t i = 0; i < production_.size(); ++i) {
        const std::string& stored = record().get(kProductionLines[i]);
        production_[i].showOther(stored);
        for (std::size_t level = 1; level <= kProductionValues.size(); ++level) {
            if (stored == std::to_string(level)) {
                production_[i].select(static_cast<int>(level) - 1);
            }
        }
    }
    changed();
}

void Step3::edit(Step3Field field) {
    const auto& prompt = kStep3Prompts[field];
    promptEdit(prompt, prompt.recordLine(), fields_[field]);
}

void Step3::chooseProduction(Production list, int index) {
    const auto i = static_cast<std::size_t>(list);
    if (i >= production_.size() || !production_[i].select(index)) {
        return;
    }
    record().set(kProductionLines[i], std::to_string(index + 1));
    changed();
}

} // namespace bm::promotion
