#pragma once

#include "core/context/editing_context.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace bm::context {

inline constexpr std::array<std::string_view, kMenuButtonCount> kMenuButtonCaptions{
    "Edit The Promotions Files",
    "Edit The Wrestlers File",
    "Edit The Start Date",
    "Edit The Venues",
    "Check All Dates",
    "Check Scenario",
    "Edit The Scenario Info File",
};

inline constexpr std::string_view kBackToMenu = "Back To Menu";
inline constexpr std::string_view kReportOk = "OK";

// The hub of one editing context: it shows the context, opens its editors
// and shows the reports of the whole-context checks.
class EditingMenu : public ui::Model {
public:
    EditingMenu(ui::Navigator& navigator, EditingContext& context);

    std::string_view heading() const { return context_.heading(); }
    bool isEnabled(MenuButton button) const { return context_.isEnabled(button); }

    // Later editors plug in what their button does.
    void setAction(MenuButton button, std::function<void()> action);

    // Report area of the whole-context checks.
    bool reporting() const { return reporting_; }
    const std::string& reportHeading() const { return reportHeading_; }
    const std::string& reportText() const { return reportText_; }
    void showReport(std::string heading, std::string text);

    // What the user can do.
    void press(MenuButton button);
    void backToMenu();
    void closeReport(); // the report's "OK"

    // "Back To Menu" and "Edit The Scenario Info File" are hidden while a
    // report is shown.
    bool isVisible(MenuButton button) const;
    bool backToMenuVisible() const { return !reporting_; }

private:
    static std::size_t index(MenuButton b) { return static_cast<std::size_t>(b); }

    ui::Navigator& navigator_;
    EditingContext& context_;
    ui::Subscription contextChanged_;
    std::array<std::function<void()>, kMenuButtonCount> actions_;
    bool reporting_ = false;
    std::string reportHeading_;
    std::string reportText_;
};

} // namespace bm::context
