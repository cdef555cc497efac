#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace bm::ui {

// Title of message boxes that name none of their own.
inline constexpr std::string_view kProgramTitle = "BM 1.3 Official Editor";
// Title of every main window.
inline constexpr std::string_view kWindowTitle = "Brawlmark 1.3 Official Editor";

enum class Icon { None, Exclamation, Information, Critical };
// The answer a question gives when the user just presses Enter.
enum class Default { Yes, No };

// A typed or pasted answer as one line: CR LF, a lone CR and a lone LF each
// become one blank, since every value is one line of a data file.
inline std::string oneLine(std::string_view typed) {
    std::string text;
    text.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == '\r' || typed[i] == '\n') {
            if (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') {
                ++i;
            }
            text.push_back(' ');
        } else {
            text.push_back(typed[i]);
        }
    }
    return text;
}

// Holds the busy pointer until it is destroyed.
class BusyPointer {
public:
    BusyPointer() = default;
    explicit BusyPointer(std::function<void()> release) : release_(std::move(release)) {}
    BusyPointer(BusyPointer&& other) noexcept : release_(std::exchange(other.release_, {})) {}
    BusyPointer& operator=(BusyPointer&& other) noexcept {
        if (this != &other) {
            reset();
            release_ = std::exchange(other.release_, {});
        }
        return *this;
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    ~BusyPointer() { reset(); }

private:
    void reset() {
        if (release_) {
            std::exchange(release_, {})();
        }
    }
    std::function<void()> release_;
};

// The only way the core talks to the user. Texts are the stored bytes.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal prompt; returns "" for an empty answer or Cancel, and the answer
    // as one line.
    std::string prompt(std::string_view title, std::string_view message, std::string_view initial) {
        return oneLine(askText(title, message, initial));
    }
    // Message box with an OK button.
    virtual void message(std::string_view text, Icon icon = Icon::None,
                         std::string_view title = kProgramTitle) = 0;
    // Question with Yes and No buttons; true for Yes. A question whose Yes
    // destroys something defaults to No, so that Enter never deletes.
    virtual bool askYesNo(std::string_view text, Icon icon = Icon::None,
                          std::string_view title = kProgramTitle,
                          Default answer = Default::Yes) = 0;
    virtual BusyPointer busy() = 0;

protected:
    // The answer exactly as typed.
    virtual std::string askText(std::string_view title, std::string_view message,
                                std::string_view initial) = 0;
};

} // namespace bm::ui
