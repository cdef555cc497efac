#pragma once

#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <vector>

namespace bm::gui {

// A main window of the editor, titled. Closing it is the editor's decision
// (app::Editor::closeRequested), which the application routes there.
class ScreenView : public QWidget {
    Q_OBJECT
public:
    explicit ScreenView(ui::Screen screen, QWidget* parent = nullptr);
    ui::Screen screen() const { return screen_; }

protected:
    // Redraws on every change of the model, for as long as this view lives.
    void watch(ui::Model& model, std::function<void()> render) {
        subscriptions_.push_back(model.subscribe(std::move(render)));
    }

private:
    ui::Screen screen_;
    std::vector<ui::Subscription> subscriptions_;
};

// The bold heading at the top of a screen.
QLabel* makeHeading(const QString& text, QWidget* parent);

// A push button that Enter presses as well as Space, as in a dialog.
QPushButton* makeButton(const QString& caption, QWidget* parent);

} // namespace bm::gui
