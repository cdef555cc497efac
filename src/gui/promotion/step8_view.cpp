#include "gui/promotion/step8_view.h"

#include "gui/ui/bar.h"
#include "gui/ui/choice_box.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

namespace bm::gui {

Step8View::Step8View(promotion::Step8& model, QWidget* parent)
    : StepView(model, parent), model_(model) {
    prompts_.addAll(fields(), promotion::kStep8Prompts, this,
                    [this](promotion::Step8Field f) { model_.edit(f); });
    popularityBar = makeBar(model_.popularityBar(), this);
    popularity = new QLabel(this);
    // Wide enough for "100%" without the bar jumping as the value grows.
    popularity->setMinimumWidth(
        popularity->fontMetrics().horizontalAdvance(QStringLiteral("000%")));
    popularity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields().addRow(promotion::kPopularityCaption, popularityBar, popularity);
    country = new QComboBox(this);
    fields().addRow(promotion::kCountryCaption, country);
    finish();

    // valueChanged, so that a drag stores the value as it happens.
    connect(popularityBar, &QScrollBar::valueChanged, this,
            [this](int value) { model_.movePopularity(value); });
    connect(country, &QComboBox::activated, this, [this](int i) { model_.chooseCountry(i); });

    watch(model_, [this] { render(); });
    render();
}

void Step8View::render() {
    prompts_.show(model_.fieldTexts());
    showBar(popularityBar, model_.popularityBar());
    const QString shown = toDisplay(model_.popularity());
    popularity->setText(shown);
    // Read out with the bar, as a value field's value is.
    popularityBar->setAccessibleDescription(shown);
    showChoice(country, model_.country());
}

} // namespace bm::gui
