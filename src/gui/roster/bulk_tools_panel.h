#pragma once

#include "core/roster/bulk_tools.h"
#include "core/ui/model.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace bm::gui {

// The roster screen's bulk tools: three rows of captioned text boxes, each
// with its "Go", and the two buttons below. It lives inside the roster
// screen's view, not as a screen of its own.
class BulkToolsPanel : public QWidget {
    Q_OBJECT
public:
    explicit BulkToolsPanel(roster::BulkTools& model, QWidget* parent = nullptr);

    QLineEdit* box(roster::Box box) const { return boxes[static_cast<std::size_t>(box)]; }
    QPushButton* goButton(roster::ToolRow row) const {
        return goButtons[static_cast<std::size_t>(row)];
    }

    std::array<QLineEdit*, roster::kBoxCount> boxes{};
    std::array<QLabel*, roster::kBoxCount> captions{};
    std::array<QPushButton*, roster::kToolRowCount> goButtons{};
    QPushButton* expiryButton;
    QPushButton* exportRosterButton;

private:
    void render();

    roster::BulkTools& model_;
    ui::Subscription subscription_;
};

} // namespace bm::gui
