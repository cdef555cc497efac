#include "core/promotion/step8.h"

#include "core/promotion/save_rules.h"

#include <algorithm>

namespace bm::promotion {
namespace {

constexpr int kSegmentFields = 3;

// The name field of the segment the field belongs to.
Step8Field segmentName(Step8Field field) {
    const int first = static_cast<int>(field) / kSegmentFields * kSegmentFields;
    return static_cast<Step8Field>(first);
}

bool switchesOff(const std::string& reply) {
    return std::find(kSegmentOffWords.begin(), kSegmentOffWords.end(), reply) !=
           kSegmentOffWords.end();
}

} // namespace

Step8::Step8(StepServices& services, const context::EditingContext& context)
    : Step(services, 8), context_(context) {}

void Step8::fillFromRecord() {
    for (const auto& p : kStep8Prompts) {
        const std::string& stored = record().get(p.recordLine());
        // A segment's name shows as stored; its host and show read "NA" when
        // there is none.
        const bool isName = segmentName(p.field) == p.field;
        fields_[p.field] = stored.empty() && !isName ? std::string(kNoSegment) : stored;
    }
    const std::string& popularity = record().get(line::popularity);
    popularityBar_.show(popularity);
    popularity_ = popularity + "%";
    country_.show(record().get(line::country));
    changed();
}

void Step8::edit(Step8Field field) {
    const auto& prompt = kStep8Prompts[field];
    if (!promptEdit(prompt, prompt.recordLine(), fields_[field])) {
        return;
    }
    if (switchesOff(fields_[field])) {
        switchOff(segmentName(field), field);
    }
}

// The segment's name becomes "NA" and its other lines empty. Every field of
// it shows "NA", except a host or show field that was typed into, which
// keeps showing the reply.
void Step8::switchOff(Step8Field name, Step8Field edited) {
    const int first = static_cast<int>(name);
    for (int i = first; i < first + kSegmentFields; ++i) {
        const auto f = static_cast<Step8Field>(i);
        record().set(kStep8Prompts[f].recordLine(), f == name ? std::string(kNoSegment) : "");
        if (f == name || f != edited) {
            fields_[f] = kNoSegment;
        }
    }
    changed();
}

void Step8::movePopularity(int value) {
    if (!popularityBar_.move(value)) {
        return;
    }
    record().set(line::popularity, std::to_string(value));
    popularity_ = std::to_string(value) + "%";
    changed();
}

void Step8::chooseCountry(int index) {
    if (!country_.select(index)) {
        return;
    }
    record().set(line::country, country_.text());
    changed();
}

void Step8::save() {
    if (!savePromotion(record(), chooser().nameoffile(), context_, dialogs())) {
        return;
    }
    chooser().markSaved();
    leaveTo(ui::Screen::PromotionMenu);
}

} // namespace bm::promotion
