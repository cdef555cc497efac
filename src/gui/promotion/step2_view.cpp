#include "gui/promotion/step2_view.h"

#include "gui/ui/bar.h"
#include "gui/ui/choice_box.h"
#include "gui/ui/selection_bar.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace bm::gui {

using promotion::Step2Field;

Step2View::Step2View(promotion::Step2& model, QWidget* parent)
    : StepView(model, parent), model_(model) {
    shows = new SelectionBar(model_.shows(), promotion::line::kShowCount, this);
    secondHint = new QLabel(toDisplay(promotion::kStep2SecondHint), this);
    body()->addWidget(shows);
    body()->addWidget(secondHint);

    const auto& table = promotion::kStep2Prompts;
    const auto edit = [this](Step2Field f) { model_.edit(f); };
    prompts_.add(fields(), table, Step2Field::nameofshow, this, edit);
    showday = new QComboBox(this);
    fields().addRow(promotion::kShowdayCaption, showday);
    logoButton = makeButton(QStringLiteral("..."), this);
    logoButton->setAccessibleName(toDisplay(promotion::kPickShowlogoName));
    logoButton->setFixedWidth(36);
    showlogo = fields().addValueField(promotion::kShowlogoCaption, logoButton).field;
    showlogo->stackUnder(logoButton); // read out in the order they are seen
    showbrand = new QComboBox(this);
    fields().addRow(promotion::kShowbrandCaption, showbrand);
    showtype = new QComboBox(this);
    fields().addRow(promotion::kShowtypeCaption, showtype);
    popularity = makeBar(model_.popularity(), this);
    percentage = new QLabel(this);
    percentage->setMinimumWidth(60);
    fields().addRow(promotion::kPercentageCaption, popularity, percentage);
    prompts_.add(fields(), table, Step2Field::tvrating, this, edit);
    std::vector<QWidget*> first;
    for (int i = 0; i < shows->count(); ++i) {
        first.push_back(shows->item(i));
    }
    finish(first);

    shows->onSelect(this, [this](int i) { model_.selectShow(i); });
    connect(showlogo, &ValueField::clicked, this, [this] { model_.pickLogo(); });
    connect(logoButton, &QPushButton::clicked, this, [this] { model_.pickLogo(); });
    connect(showday, &QComboBox::activated, this, [this](int i) { model_.chooseDay(i); });
    connect(showbrand, &QComboBox::activated, this, [this](int i) { model_.chooseBrand(i); });
    connect(showtype, &QComboBox::activated, this, [this](int i) { model_.chooseType(i); });
    // Every change, a drag included, is stored as it happens.
    connect(popularity, &QScrollBar::valueChanged, this, [this](int v) { model_.moveBar(v); });

    watch(model_, [this] { render(); });
    render();
}

void Step2View::render() {
    shows->showSelection(model_.shows());
    prompts_.show(model_.fieldTexts());
    showlogo->setValue(toDisplay(model_.showlogo()));
    showChoice(showday, model_.showday());
    showChoice(showbrand, model_.showbrand());
    showChoice(showtype, model_.showtype());
    showBar(popularity, model_.popularity());
    percentage->setText(toDisplay(model_.percentage()));
    popularity->setAccessibleDescription(percentage->text());
}

} // namespace bm::gui
