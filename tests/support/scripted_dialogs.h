#pragma once

#include "core/ui/dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <ranges>
#include <string>
#include <variant>
#include <vector>

namespace bm::test {

// Answers from a queue and logs every box; a prompt or question with no queued
// answer fails the test and gets Cancel / No instead of blocking.
class ScriptedDialogs : public ui::Dialogs {
public:
    using ui::Dialogs::prompt;
    enum class Kind { Prompt, Message, Question };
    struct Shown {
        Kind kind;
        std::string text;
        std::string title;
        ui::Icon icon = ui::Icon::None;
        std::string initial;                   // prompts only
        ui::Default answer = ui::Default::Yes; // questions only
    };

    ~ScriptedDialogs() override {
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) never asked for";
        EXPECT_EQ(busyDepth_, 0) << "busy pointer left on";
    }

    // The next prompt's answer ("" = Cancel), or the next question's.
    ScriptedDialogs& reply(std::string answer) { return queue(std::move(answer)); }
    ScriptedDialogs& yes() { return queue(true); }
    ScriptedDialogs& no() { return queue(false); }

    std::string askText(std::string_view title, std::string_view message,
                        std::string_view initial) override {
        shown_.push_back({Kind::Prompt, std::string(message), std::string(title), ui::Icon::None,
                          std::string(initial)});
        return next<std::string>("prompt", message);
    }
    void message(std::string_view text, ui::Icon icon, std::string_view title) override {
        shown_.push_back({Kind::Message, std::string(text), std::string(title), icon, {}});
    }
    bool askYesNo(std::string_view text, ui::Icon icon, std::string_view title,
                  ui::Default enterGives) override {
        shown_.push_back(
            {Kind::Question, std::string(text), std::string(title), icon, {}, enterGives});
        return next<bool>("question", text);
    }
    ui::BusyPointer busy() override {
        ++busyDepth_;
        ++busyCount_;
        return ui::BusyPointer([this] { --busyDepth_; });
    }

    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<std::string> texts() const {
        auto texts = shown_ | std::views::transform(&Shown::text);
        return {texts.begin(), texts.end()};
    }
    void clear() { shown_.clear(); }
    // Drops the answers that an action which stopped early never asked for.
    void forgetAnswers() { answers_.clear(); }
    bool busyNow() const { return busyDepth_ > 0; }
    int busyCount() const { return busyCount_; }

private:
    ScriptedDialogs& queue(std::variant<std::string, bool> answer) {
        answers_.push_back(std::move(answer));
        return *this;
    }
    template <typename Answer> Answer next(const char* box, std::string_view text) {
        if (answers_.empty() || !std::holds_alternative<Answer>(answers_.front())) {
            ADD_FAILURE() << "unexpected " << box << ": " << text;
            return {};
        }
        Answer answer = std::get<Answer>(answers_.front());
        answers_.pop_front();
        return answer;
    }

    std::deque<std::variant<std::string, bool>> answers_;
    std::vector<Shown> shown_;
    int busyDepth_ = 0;
    int busyCount_ = 0;
};

} // namespace bm::test
