#include "gui/promotion/step4_view.h"

#include "gui/ui/choice_box.h"
#include "gui/ui/selection_bar.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace bm::gui {

using promotion::BigShowField;
using promotion::Step4Field;

Step4View::Step4View(promotion::Step4& model, QWidget* parent)
    : StepView(model, parent), model_(model), top_(this) {
    ppvdeal = new QComboBox(this);
    top_.addRow(promotion::kPpvdealCaption, ppvdeal);
    prompts_.addAll(top_, promotion::kStep4Prompts, this, [this](Step4Field f) { model_.edit(f); });
    monthText = new QLabel(toDisplay(promotion::kMonthTableText), this);
    monthText->setWordWrap(true);
    months = new SelectionBar(model_.months(), promotion::line::kMonthCount, this);
    body()->addLayout(top_.layout());
    body()->addSpacing(8);
    body()->addWidget(monthText);
    body()->addWidget(months);

    const auto& table = promotion::kBigShowPrompts;
    const auto edit = [this](BigShowField f) { model_.edit(f); };
    monthPrompts_.add(fields(), table, BigShowField::bigshowname, this, edit);
    bigshowbrand = new QComboBox(this);
    fields().addRow(promotion::kBigshowbrandCaption, bigshowbrand);
    // The logo is typed (a click on the field) or picked ("...").
    logoButton = makeButton(QStringLiteral("..."), this);
    logoButton->setAccessibleName(toDisplay(promotion::kPickBigshowlogoName));
    logoButton->setFixedWidth(36);
    monthPrompts_.add(fields(), table, BigShowField::bigshowlogo, this, edit, logoButton);
    field(BigShowField::bigshowlogo)->stackUnder(logoButton);

    // The two grids are one column of captions to the eye.
    int captionWidth = 0;
    for (auto* grid : {top_.layout(), fields().layout()}) {
        for (int i = 0; i < grid->rowCount(); ++i) {
            if (auto* item = grid->itemAtPosition(i, 0); item && item->widget()) {
                captionWidth = std::max(captionWidth, item->widget()->sizeHint().width());
            }
        }
    }
    top_.layout()->setColumnMinimumWidth(0, captionWidth);
    fields().layout()->setColumnMinimumWidth(0, captionWidth);

    std::vector<QWidget*> first(top_.focusOrder());
    for (int i = 0; i < months->count(); ++i) {
        first.push_back(months->item(i));
    }
    finish(first);

    months->onSelect(this, [this](int i) { model_.selectMonth(i); });
    connect(ppvdeal, &QComboBox::activated, this, [this](int i) { model_.choosePpvDeal(i); });
    connect(bigshowbrand, &QComboBox::activated, this, [this](int i) { model_.chooseBrand(i); });
    connect(logoButton, &QPushButton::clicked, this, [this] { model_.pickLogo(); });

    watch(model_, [this] { render(); });
    render();
}

void Step4View::render() {
    showChoice(ppvdeal, model_.ppvdeal());
    prompts_.show(model_.fieldTexts());
    months->showSelection(model_.months());
    monthPrompts_.show(model_.monthTexts());
    showChoice(bigshowbrand, model_.bigshowbrand());
}

} // namespace bm::gui
