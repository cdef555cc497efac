#pragma once

#include "core/app/editor.h"
#include "gui/ui/qt_navigator.h"
#include "gui/ui/screen_view.h"

#include <QObject>

#include <memory>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace bm::gui {

// The editor's models drawn by their Qt views. The dialogs are passed in so
// that tests can script them.
class GuiApp {
    // Declared first so that they outlive the views, which call them.
    QtNavigator navigator_;
    app::Editor editor_;

public:
    explicit GuiApp(ui::Dialogs& dialogs);
    ~GuiApp();

    // The start-up check, then the start screen. False when the program must end.
    bool start();

    app::Editor& editor() { return editor_; }
    QtNavigator& navigator() { return navigator_; }

    // The one view of that type.
    template <typename View> View& view() const {
        for (const auto& v : views_) {
            if (auto* found = dynamic_cast<View*>(v.get())) {
                return *found;
            }
        }
        throw std::logic_error("no such view");
    }

private:
    // Makes the view of a screen's model, once: the navigator shows and
    // hides it by its screen, and closing a main screen's window asks the
    // editor. Each screen is one line of the constructor.
    template <typename View, typename Model> void add(Model& model) {
        auto view = std::make_unique<View>(model);
        navigator_.add(view->screen(), view.get());
        if constexpr (std::is_base_of_v<ScreenView, View>) {
            view->installEventFilter(closeRequests_.get());
        }
        views_.push_back(std::move(view));
    }

    std::unique_ptr<QObject> closeRequests_;
    std::vector<std::unique_ptr<QWidget>> views_;
};

} // namespace bm::gui
