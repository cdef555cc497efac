#include "gui/context/start_date_view.h"

#include "core/calendar/date_choices.h"
#include "gui/ui/bar.h"
#include "gui/ui/caption.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace bm::gui {
namespace {

QComboBox* makeList(const std::vector<std::string>& entries, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (const auto& entry : entries) {
        list->addItem(toDisplay(entry));
    }
    return list;
}

void showEntry(QComboBox* list, const std::string& entry) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(list->findText(toDisplay(entry)));
}

} // namespace

StartDateView::StartDateView(context::StartDateScreen& model, QWidget* parent)
    : ScreenView(ui::Screen::StartDate, parent), model_(model) {
    instruction = new QLabel(this);
    QFont instructionFont = instruction->font();
    instructionFont.setPointSizeF(instructionFont.pointSizeF() * 1.2);
    instructionFont.setBold(true);
    instruction->setFont(instructionFont);

    weekdayList = makeList(context::StartDateScreen::weekdays(), this);
    dayList = makeList(context::StartDateScreen::days(), this);
    monthList = makeList(context::StartDateScreen::months(), this);
    // Long enough for the longest year without the label changing width.
    year = new QLabel(this);
    year->setMinimumWidth(year->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    year->setAlignment(Qt::AlignCenter);
    yearBar = makeBar(
        ui::Bar(context::StartDateScreen::firstYear(), context::StartDateScreen::lastYear()), this);
    yearBar->setFixedWidth(140);

    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(16);
    QWidget* const columns[] = {weekdayList, dayList, monthList, yearBar};
    for (std::size_t column = 0; column < std::size(columns); ++column) {
        auto* label = new QLabel(this);
        setCaption(label, columns[column], toDisplay(calendar::kDatePartCaptions[column]));
        inputs->addWidget(label, 0, static_cast<int>(column));
    }
    inputs->addWidget(weekdayList, 1, 0);
    inputs->addWidget(dayList, 1, 1);
    inputs->addWidget(monthList, 1, 2);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(year);
    yearRow->addWidget(yearBar);
    inputs->addLayout(yearRow, 1, 3);

    confirmButton = makeButton(toDisplay(context::kConfirmStartDate), this);
    backButton = makeButton(toDisplay(context::kStartDateBack), this);
    auto* buttons = new QHBoxLayout;
    for (auto* b : {confirmButton, backButton}) {
        b->setMinimumSize(200, 34);
        buttons->addWidget(b);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(instruction);
    layout->addSpacing(12);
    layout->addLayout(inputs);
    layout->addSpacing(20);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(weekdayList, &QComboBox::currentIndexChanged, this,
            [this] { model_.chooseWeekday(toBytes(weekdayList->currentText())); });
    connect(dayList, &QComboBox::currentIndexChanged, this,
            [this] { model_.chooseDay(toBytes(dayList->currentText())); });
    connect(monthList, &QComboBox::currentIndexChanged, this,
            [this] { model_.chooseMonth(toBytes(monthList->currentText())); });
    // valueChanged, not sliderReleased: the year follows a drag as it happens.
    connect(yearBar, &QScrollBar::valueChanged, this,
            [this](int value) { model_.moveYear(value); });
    connect(confirmButton, &QPushButton::clicked, this, [this] { model_.confirm(); });
    connect(backButton, &QPushButton::clicked, this, [this] { model_.backToMenu(); });

    watch(model_, [this] { render(); });
    render();
}

void StartDateView::showEvent(QShowEvent* event) {
    ScreenView::showEvent(event);
    weekdayList->setFocus();
}

void StartDateView::render() {
    instruction->setText(toDisplay(model_.instruction()));
    showEntry(weekdayList, model_.weekday());
    showEntry(dayList, model_.day());
    showEntry(monthList, model_.month());
    year->setText(toDisplay(model_.year()));
    const QSignalBlocker blocker(yearBar);
    yearBar->setValue(model_.spinner());
}

} // namespace bm::gui
