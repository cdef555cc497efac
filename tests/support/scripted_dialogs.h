#pragma once

#include "core/ui/dialogs.h"

#include <deque>
#include <string>
#include <variant>
#include <vector>

namespace bm::test {

// A Dialogs double: answers come from a queue, every box is logged. A prompt
// or question with no queued answer fails the test at once (and answers
// Cancel / No) instead of blocking.
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

    ~ScriptedDialogs() override;

    ScriptedDialogs& reply(std::string answer); // next prompt's answer ("" = Cancel)
    ScriptedDialogs& yes();
    ScriptedDialogs& no();

    std::string askText(std::string_view title, std::string_view message,
                        std::string_view initial) override;
    void message(std::string_view text, ui::Icon icon, std::string_view title) override;
    bool askYesNo(std::string_view text, ui::Icon icon, std::string_view title,
                  ui::Default answer) override;
    ui::BusyPointer busy() override;

    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<std::string> texts() const;
    void clear() { shown_.clear(); }
    // Drops the answers that an action which stopped early never asked for.
    void forgetAnswers() { answers_.clear(); }
    bool busyNow() const { return busyDepth_ > 0; }
    int busyCount() const { return busyCount_; }

private:
    std::deque<std::variant<std::string, bool>> answers_;
    std::vector<Shown> shown_;
    int busyDepth_ = 0;
    int busyCount_ = 0;
};

} // namespace bm::test
