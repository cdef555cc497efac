#pragma once

#include "support/editor_fixture.h"

#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace bm::test {

using LineChanges = std::vector<std::pair<int, std::string>>;

inline platform::Lines withLines(platform::Lines lines, const LineChanges& changes) {
    for (const auto& [at, value] : changes) {
        lines.at(static_cast<std::size_t>(at)) = value;
    }
    return lines;
}

inline platform::Lines templateWith(const LineChanges& changes) {
    return withLines(promotion::makeTemplateRecord().lines(), changes);
}

// The editor on a new promotion ("new.fed"), with no box shown yet. Tables
// here write a block of lines or a screen's fields joined by "|".
class PromotionStepTest : public EditorTest {
protected:
    promotion::PromotionRecord& record = editor.chooser.record();

    void SetUp() override {
        dialogs.reply("new.fed");
        editor.promotionMenu.createPromotion();
        dialogs.clear();
    }
    static std::string joined(const std::vector<std::string>& parts) {
        std::string s;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            s += (i ? "|" : "") + parts[i];
        }
        return s;
    }
    std::string linesFrom(int first, int count) const {
        const auto at = record.lines().begin() + first;
        return joined({at, at + count});
    }
    void setLines(int first, std::string_view values) {
        for (std::size_t from = 0, bar = 0; bar != std::string_view::npos; from = bar + 1) {
            bar = values.find('|', from);
            record.set(first++, std::string(values.substr(from, bar - from)));
        }
    }
    // Runs `act` and checks that exactly `changes` reached the record.
    template <typename Act> void expectChanges(Act act, const LineChanges& changes) {
        const auto before = record.lines();
        act();
        EXPECT_EQ(record.lines(), withLines(before, changes));
    }
    // An answer typed into a field's prompt (its texts checked first when a
    // title is given): stored in `line` as `stored`, or refused (line -1)
    // with the message `stored`; the field shows `shown` then.
    template <typename Field> struct Answer {
        Field field;
        std::string typed;
        int line;
        std::string stored, shown, title = "", message = "";
    };
    template <typename Field, typename Step>
    void expectAnswers(Step& step, const std::vector<Answer<Field>>& answers) {
        for (const auto& a : answers) {
            SCOPED_TRACE(a.title + " " + a.typed);
            if (!a.title.empty()) { // asked with the shown text offered; Cancel keeps it
                const std::string offered = step.shown(a.field);
                dialogs.clear();
                dialogs.reply("");
                expectChanges([&] { step.edit(a.field); }, {});
                ASSERT_EQ(dialogs.shown().size(), 1u);
                const auto& p = dialogs.shown()[0];
                EXPECT_EQ(std::tuple(p.kind, p.title, p.text, p.initial, step.shown(a.field)),
                          std::tuple(ScriptedDialogs::Kind::Prompt, a.title, a.message, offered,
                                     offered));
            }
            dialogs.clear();
            dialogs.reply(a.typed);
            const bool refused = a.line < 0;
            expectChanges([&] { step.edit(a.field); },
                          refused ? LineChanges{} : LineChanges{{a.line, a.stored}});
            const auto texts = dialogs.texts();
            EXPECT_EQ(std::vector(texts.begin() + (texts.empty() ? 0 : 1), texts.end()),
                      refused ? std::vector{a.stored} : std::vector<std::string>{});
            EXPECT_EQ(step.shown(a.field), a.shown);
        }
    }
    // Edits "odd.fed", the template with these lines changed, loaded
    // through the chooser; its lines.
    platform::Lines load(const LineChanges& changes) {
        const auto lines = templateWith(changes);
        game.writeLines("Data/odd.fed", lines);
        editor.chooser.setMode(promotion::ChooserMode::Edit);
        editor.chooser.select(0);
        editor.chooser.act();
        return lines;
    }
};

} // namespace bm::test
