#include "core/promotion/step7.h"

namespace bm::promotion {

namespace rules {

std::optional<Entry> nobodyIsEmpty(const std::string& reply, ui::Dialogs&) {
    if (reply == kNobody) {
        return Entry{{}, reply};
    }
    return Entry{reply, reply};
}

} // namespace rules

namespace {

// The job title that belongs to a power figure's name, if the field is one.
std::optional<Step7Field> titleOf(Step7Field field) {
    switch (field) {
    case Step7Field::powerfig1name:
        return Step7Field::brand1powerfig1title;
    case Step7Field::brand1powerfig2name:
        return Step7Field::brand1powerfig2title;
    case Step7Field::brand2powerfig1name:
        return Step7Field::brand2powerfig1title;
    case Step7Field::brand2powerfig2name:
        return Step7Field::brand2powerfig2title;
    default:
        return std::nullopt;
    }
}

} // namespace

Step7::Step7(StepServices& services) : Step(services, 7) {}

void Step7::fillFromRecord() {
    for (const auto& p : kStep7Prompts) {
        const std::string& stored = record().get(p.recordLine());
        fields_[p.field] = stored.empty() ? std::string(kNobody) : stored;
    }
    changed();
}

void Step7::edit(Step7Field field) {
    const auto& prompt = kStep7Prompts[field];
    if (!promptEdit(prompt, prompt.recordLine(), fields_[field])) {
        return;
    }
    // Nobody in a role has no job title either.
    const auto title = titleOf(field);
    if (title && record().get(prompt.recordLine()).empty()) {
        record().set(kStep7Prompts[*title].recordLine(), {});
        fields_[*title] = kNobody;
        changed();
    }
}

} // namespace bm::promotion
