#pragma once

#include "core/promotion/step6.h"
#include "gui/promotion/step_view.h"
#include "gui/ui/field_grid.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace bm::gui {

class SelectionBar;

class Step6View : public StepView {
    Q_OBJECT
public:
    using TitleList = promotion::TitleList;
    using TitleBar = promotion::TitleBar;

    explicit Step6View(promotion::Step6& model, QWidget* parent = nullptr);

    SelectionBar* titles;
    ValueField* field(promotion::TitleField f) const { return prompts_.field(f); }
    QComboBox* list(TitleList l) const { return lists_[static_cast<std::size_t>(l)]; }
    QLabel* caption(TitleList l) const { return listCaptions_[static_cast<std::size_t>(l)]; }
    QScrollBar* bar(TitleBar b) const { return bars_[static_cast<std::size_t>(b)].bar; }
    QLabel* barValue(TitleBar b) const { return bars_[static_cast<std::size_t>(b)].value; }
    // "Click Here To Calculate A Title Reign", beside the reign.
    QPushButton* calculatorLink;

private:
    void addList(TitleList l);
    void addBar(TitleBar b);
    void render();

    promotion::Step6& model_;
    PromptRows<promotion::TitleField, promotion::kTitlePrompts.size()> prompts_;
    std::array<QComboBox*, promotion::kTitleLists.size()> lists_{};
    std::array<QLabel*, promotion::kTitleLists.size()> listCaptions_{};
    std::array<FieldGrid::BarRow, promotion::kTitleBars.size()> bars_{};
};

} // namespace bm::gui
