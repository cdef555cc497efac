#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace bm::test {

ScriptedDialogs::~ScriptedDialogs() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) never asked for";
    EXPECT_EQ(busyDepth_, 0) << "busy pointer left on";
}

ScriptedDialogs& ScriptedDialogs::reply(std::string answer) {
    answers_.emplace_back(std::move(answer));
    return *this;
}

ScriptedDialogs& ScriptedDialogs::yes() {
    answers_.emplace_back(true);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::no() {
    answers_.emplace_back(false);
    return *this;
}

std::string ScriptedDialogs::askText(std::string_view title, std::string_view message,
                                     std::string_view initial) {
    shown_.push_back({Kind::Prompt, std::string(message), std::string(title), ui::Icon::None,
                      std::string(initial)});
    if (answers_.empty() || !std::holds_alternative<std::string>(answers_.front())) {
        ADD_FAILURE() << "unexpected prompt \"" << title << "\": " << message;
        return {};
    }
    std::string answer = std::get<std::string>(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptedDialogs::message(std::string_view text, ui::Icon icon, std::string_view title) {
    shown_.push_back({Kind::Message, std::string(text), std::string(title), icon, {}});
}

bool ScriptedDialogs::askYesNo(std::string_view text, ui::Icon icon, std::string_view title,
                               ui::Default enterGives) {
    shown_.push_back({Kind::Question, std::string(text), std::string(title), icon, {}, enterGives});
    if (answers_.empty() || !std::holds_alternative<bool>(answers_.front())) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    const bool answer = std::get<bool>(answers_.front());
    answers_.pop_front();
    return answer;
}

ui::BusyPointer ScriptedDialogs::busy() {
    ++busyDepth_;
    ++busyCount_;
    return ui::BusyPointer([this] { --busyDepth_; });
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown_) {
        out.push_back(s.text);
    }
    return out;
}

} // namespace bm::test
