#pragma once

#include "core/venues/venue_editor.h"
#include "gui/ui/screen_view.h"
#include "gui/ui/value_field.h"

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace bm::gui {

// The venues one at a time beside the sorted list of their names.
class VenueEditorView : public ScreenView {
    Q_OBJECT
public:
    explicit VenueEditorView(venues::VenueEditor& model, QWidget* parent = nullptr);

    QPushButton* filterButton(venues::VenueFilter f) const {
        return filters_[static_cast<std::size_t>(f)];
    }
    QPushButton* button(venues::VenueButton b) const {
        return buttons_[static_cast<std::size_t>(b)];
    }
    ValueField* field(venues::VenueField f) const { return fields_[static_cast<std::size_t>(f)]; }
    QLabel* heading;
    QListWidget* names;
    QLabel* totalShowing;
    QComboBox* country;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();

    venues::VenueEditor& model_;
    std::array<QPushButton*, venues::kFilterCaptions.size()> filters_{};
    std::array<QPushButton*, venues::kVenueButtonCaptions.size()> buttons_{};
    std::array<ValueField*, venues::kVenuePrompts.size()> fields_{};
    bool wasEditing_ = false;
};

} // namespace bm::gui
