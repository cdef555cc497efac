#pragma once

#include "support/editor_fixture.h"

#include <string>
#include <utility>
#include <vector>

namespace bm::test {

using LineChanges = std::vector<std::pair<int, std::string>>;

// Lines with some of them replaced.
inline platform::Lines withLines(platform::Lines lines, LineChanges changes) {
    for (const auto& [at, value] : changes) {
        lines.at(static_cast<std::size_t>(at)) = value;
    }
    return lines;
}

// The new promotion's template with some lines replaced.
inline platform::Lines templateWith(const LineChanges& changes) {
    return withLines(promotion::makeTemplateRecord().lines(), changes);
}

// The editor on a new promotion ("new.fed"), with no box shown yet.
class PromotionStepTest : public EditorTest {
protected:
    promotion::PromotionRecord& record = editor.chooser.record();

    void SetUp() override {
        dialogs.reply("new.fed");
        editor.promotionMenu.createPromotion();
        dialogs.clear();
    }
    // Runs `act` and checks that exactly `changes` reached the record.
    template <typename Act> void expectChanges(Act act, const LineChanges& changes) {
        const auto before = record.lines();
        act();
        EXPECT_EQ(record.lines(), withLines(before, changes));
    }
    // Edits "odd.fed", the template with these lines changed, loaded
    // through the chooser as the user would; its lines.
    platform::Lines load(const LineChanges& changes) {
        const auto lines = templateWith(changes);
        game.writeLines("Data/odd.fed", lines);
        editor.chooser.setMode(promotion::ChooserMode::Edit);
        editor.chooser.select(0);
        editor.chooser.act();
        EXPECT_EQ(editor.chooser.nameoffile(), "odd.fed");
        return lines;
    }
};

} // namespace bm::test
