#include "gui/promotion/step1_view.h"

#include "gui/ui/caption.h"
#include "gui/ui/choice_box.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <limits>

namespace bm::gui {

using promotion::Step1Field;

Step1View::Step1View(promotion::Step1& model, QWidget* parent)
    : ScreenView(ui::Screen::Step1, parent), model_(model) {
    heading = makeHeading(toDisplay(promotion::kStep1Heading), this);
    hint = new QLabel(toDisplay(promotion::kStepHint), this);

    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(1, 380);
    grid->setColumnStretch(1, 1);
    int row = 0;
    auto addRow = [&](const std::string_view text, QWidget* control, QWidget* extra = nullptr) {
        auto* label = new QLabel(this);
        setCaption(label, control, toDisplay(text));
        grid->addWidget(label, row, 0);
        if (extra) {
            auto* pair = new QHBoxLayout;
            pair->addWidget(control, 1);
            pair->addWidget(extra);
            grid->addLayout(pair, row, 1);
        } else {
            grid->addWidget(control, row, 1);
        }
        ++row;
        return label;
    };
    auto addField = [&](Step1Field f) {
        const auto& p = promotion::step1Prompt(f);
        auto* field = new ValueField(toDisplay(p.caption), this);
        fields_[static_cast<std::size_t>(f)] = field;
        captions_[static_cast<std::size_t>(f)] = addRow(p.caption, field);
        connect(field, &ValueField::clicked, this, [this, f] { model_.edit(f); });
    };

    // Rows in the order of the file's lines, which is also the tab order.
    addField(Step1Field::prominitials);
    addField(Step1Field::promname);
    promlogo = new ValueField(toDisplay(promotion::kPromlogoCaption), this);
    logoButton = makeButton(QStringLiteral("..."), this);
    logoButton->setAccessibleName(tr("Choose the promotion logo"));
    logoButton->setFixedWidth(36);
    addRow(promotion::kPromlogoCaption, promlogo, logoButton);
    size = new QComboBox(this);
    addRow(promotion::kSizeCaption, size);
    addField(Step1Field::bankbalance);
    addField(Step1Field::website);
    description = new QLineEdit(this);
    // Never cut a long stored description short.
    description->setMaxLength(std::numeric_limits<int>::max());
    description->setPlaceholderText(toDisplay(promotion::kDescriptionPlaceholder));
    description->setToolTip(tr("Double-click or press F1 for help"));
    description->installEventFilter(this);
    addRow(promotion::kDescriptionCaption, description);
    addField(Step1Field::owner);
    rostersplit = new QComboBox(this);
    addRow(promotion::kRostersplitCaption, rostersplit);
    addField(Step1Field::brand1);
    addField(Step1Field::brand2);
    tvcoverage = new QComboBox(this);
    addRow(promotion::kTvcoverageCaption, tvcoverage);

    backButton = makeButton(toDisplay(promotion::kStepBack), this);
    nextButton = makeButton(toDisplay(promotion::kStepNext), this);
    for (auto* b : {backButton, nextButton}) {
        b->setMinimumSize(130, 34);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addStretch();
    buttons->addWidget(nextButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(hint);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    QWidget* order[] = {field(Step1Field::prominitials),
                        field(Step1Field::promname),
                        promlogo,
                        logoButton,
                        size,
                        field(Step1Field::bankbalance),
                        field(Step1Field::website),
                        description,
                        field(Step1Field::owner),
                        rostersplit,
                        field(Step1Field::brand1),
                        field(Step1Field::brand2),
                        tvcoverage,
                        backButton,
                        nextButton};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(promlogo, &ValueField::clicked, this, [this] { model_.pickLogo(); });
    connect(logoButton, &QPushButton::clicked, this, [this] { model_.pickLogo(); });
    connect(size, &QComboBox::activated, this, [this](int i) { model_.chooseSize(i); });
    connect(rostersplit, &QComboBox::activated, this,
            [this](int i) { model_.chooseRosterSplit(i); });
    connect(tvcoverage, &QComboBox::activated, this, [this](int i) { model_.chooseTvCoverage(i); });
    connect(description, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.typeDescription(toBytes(text)); });
    connect(backButton, &QPushButton::clicked, this, [this] { model_.back(); });
    connect(nextButton, &QPushButton::clicked, this, [this] { model_.next(); });

    watch(model_, [this] { render(); });
    render();
}

void Step1View::render() {
    for (const auto& p : promotion::kStep1Prompts) {
        field(p.field)->setValue(toDisplay(model_.shown(p.field)));
    }
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
    return ScreenView::eventFilter(watched, event);
}

} // namespace bm::gui
