#pragma once

#include "core/context/start_date.h"
#include "gui/ui/screen_view.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace bm::gui {

class StartDateView : public ScreenView {
    Q_OBJECT
public:
    explicit StartDateView(context::StartDateScreen& model, QWidget* parent = nullptr);

    QLabel* instruction;
    QComboBox* weekdayList;
    QComboBox* dayList;
    QComboBox* monthList;
    QLabel* year;
    QScrollBar* yearBar;
    QPushButton* confirmButton;
    QPushButton* backButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();

    context::StartDateScreen& model_;
};

} // namespace bm::gui
