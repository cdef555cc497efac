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
    // Modal prompt; returns "" for an empty answer or Cancel.
    virtual std::string prompt(std::string_view title, std::string_view message,
                               std::string_view initial) = 0;
    // Message box with an OK button.
    virtual void message(std::string_view text, Icon icon = Icon::None,
                         std::string_view title = kProgramTitle) = 0;
    // Question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(std::string_view text, Icon icon = Icon::None,
                          std::string_view title = kProgramTitle) = 0;
    virtual BusyPointer busy() = 0;
};

} // namespace bm::ui
