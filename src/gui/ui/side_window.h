#pragma once

#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace bm::gui {

// A side window (image picker, date calculator): it opens beside the screen
// that called it without blocking it, and Escape or its frame's close button
// put it away as its model's own "cancel" would.
class SideWindowView : public QWidget {
    Q_OBJECT
public:
    SideWindowView(ui::Screen screen, std::string_view title, QWidget* parent = nullptr);
    ui::Screen screen() const { return screen_; }

protected:
    // The model's way out that changes nothing.
    virtual void cancel() = 0;
    void watch(ui::Model& model, std::function<void()> render) {
        subscriptions_.push_back(model.subscribe(std::move(render)));
    }
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ui::Screen screen_;
    std::vector<ui::Subscription> subscriptions_;
};

} // namespace bm::gui
