#include "gui/promotion/step1_view.h"

#include "gui/ui/choice_box.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <limits>

namespace bm::gui {

using promotion::Step1Field;

Step1View::Step1View(promotion::Step1& model, QWidget* parent)
    : StepView(model, parent), model_(model) {
    const auto& table = promotion::kStep1Prompts;
    const auto edit = [this](Step1Field f) { model_.edit(f); };
    // Rows in the order of the file's lines, which is also the tab order.
    prompts_.add(fields(), table, Step1Field::prominitials, this, edit);
    prompts_.add(fields(), table, Step1Field::promname, this, edit);
    logoButton = makeButton(QStringLiteral("..."), this);
    logoButton->setAccessibleName(toDisplay(promotion::kPickPromlogoName));
    logoButton->setFixedWidth(36);
    promlogo = fields().addValueField(promotion::kPromlogoCaption, logoButton).field;
    promlogo->stackUnder(logoButton); // read out in the order they are seen
    size = new QComboBox(this);
    fields().addRow(promotion::kSizeCaption, size);
    prompts_.add(fields(), table, Step1Field::bankbalance, this, edit);
    prompts_.add(fields(), table, Step1Field::website, this, edit);
    description = new QLineEdit(this);
    // Never cut a long stored description short.
    description->setMaxLength(std::numeric_limits<int>::max());
    description->setPlaceholderText(toDisplay(promotion::kDescriptionPlaceholder));
    description->setToolTip(toDisplay(promotion::kDescriptionTip));
    description->installEventFilter(this);
    fields().addRow(promotion::kDescriptionCaption, description);
    prompts_.add(fields(), table, Step1Field::owner, this, edit);
    rostersplit = new QComboBox(this);
    fields().addRow(promotion::kRostersplitCaption, rostersplit);
    prompts_.add(fields(), table, Step1Field::brand1, this, edit);
    prompts_.add(fields(), table, Step1Field::brand2, this, edit);
    tvcoverage = new QComboBox(this);
    fields().addRow(promotion::kTvcoverageCaption, tvcoverage);
    finish();

    connect(promlogo, &ValueField::clicked, this, [this] { model_.pickLogo(); });
    connect(logoButton, &QPushButton::clicked, this, [this] { model_.pickLogo(); });
    connect(size, &QComboBox::activated, this, [this](int i) { model_.chooseSize(i); });
    connect(rostersplit, &QComboBox::activated, this,
            [this](int i) { model_.chooseRosterSplit(i); });
    connect(tvcoverage, &QComboBox::activated, this, [this](int i) { model_.chooseTvCoverage(i); });
    connect(description, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.typeDescription(toBytes(text)); });

    watch(model_, [this] { render(); });
    render();
}

void Step1View::render() {
    prompts_.show(model_.fieldTexts());
    promlogo->setValue(toDisplay(model_.promlogo()));
    showChoice(size, model_.size());
    showChoice(rostersplit, model_.rostersplit());
    showChoice(tvcoverage, model_.tvcoverage());
    for (const auto f : {Step1Field::brand1, Step1Field::brand2}) {
        field(f)->setEnabled(model_.brandsEnabled());
        caption(f)->setEnabled(model_.brandsEnabled());
    }
    const QString text = toDisplay(model_.description());
    if (description->text() != text) {
        // A line break just typed became a space: keep the cursor in place.
        const QSignalBlocker blocker(description);
        const int cursor = description->cursorPosition();
        description->setText(text);
        description->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
    }
}

bool Step1View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == description) {
        const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
        const bool helpKey = event->type() == QEvent::KeyPress &&
                             static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1;
        if (doubleClick || helpKey) {
            model_.descriptionHelp();
            return true;
        }
    }
    return StepView::eventFilter(watched, event);
}

} // namespace bm::gui
