#pragma once

#include "core/context/scenario_info.h"
#include "gui/ui/screen_view.h"
#include "gui/ui/value_field.h"

#include <array>

class QLabel;
class QPushButton;

namespace bm::gui {

// The title, description and author credit of a scenario; "OK" writes them.
class ScenarioInfoView : public ScreenView {
    Q_OBJECT
public:
    explicit ScenarioInfoView(context::ScenarioInfoScreen& model, QWidget* parent = nullptr);

    ValueField* field(context::ScenarioField f) const {
        return fields_[static_cast<std::size_t>(f)];
    }
    QLabel* heading;
    QLabel* hint;
    QPushButton* okButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();

    context::ScenarioInfoScreen& model_;
    std::array<ValueField*, context::kScenarioPrompts.size()> fields_{};
};

} // namespace bm::gui
