#pragma once

#include "core/ui/navigator.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace bm::gui {

// Shows and hides the registered windows. A new main screen takes the place
// of the one it replaces, so the editor stays where the user put it.
class QtNavigator : public ui::Navigator {
public:
    void add(ui::Screen screen, QWidget* window);
    QWidget* window(ui::Screen screen) const;
    // Set once the program has been told to end: the windows closing now
    // are closing because of it.
    bool quitting() const { return quitting_; }

protected:
    bool showScreen(ui::Screen screen) override;
    void hideScreen(ui::Screen screen) override;
    void quitProgram() override;

private:
    std::map<ui::Screen, QPointer<QWidget>> windows_;
    bool quitting_ = false;
};

} // namespace bm::gui
