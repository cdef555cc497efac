#include "gui/venues/venue_editor_view.h"

#include "gui/ui/caption.h"
#include "gui/ui/choice_box.h"
#include "gui/ui/choice_list.h"
#include "gui/ui/field_grid.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace bm::gui {

using venues::VenueButton;
using venues::VenueField;
using venues::VenueFilter;

namespace {

// The marked filter's face, whatever the desktop theme.
QPalette yellowFace(const QPalette& base) {
    QPalette face = base;
    face.setColor(QPalette::Button, QColor(0xFF, 0xFF, 0x00));
    face.setColor(QPalette::ButtonText, Qt::black);
    return face;
}

} // namespace

VenueEditorView::VenueEditorView(venues::VenueEditor& model, QWidget* parent)
    : ScreenView(ui::Screen::Venues, parent), model_(model) {
    // Made in tab order, which is also the order screen readers list them in.
    std::vector<QWidget*> order;
    heading = makeHeading(toDisplay(venues::kVenuesHeading), this);

    auto* filterRow = new QHBoxLayout;
    for (std::size_t i = 0; i < filters_.size(); ++i) {
        auto* b = makeButton(toDisplay(venues::kFilterCaptions[i]), this);
        b->setMinimumSize(110, 30);
        filters_[i] = b;
        filterRow->addWidget(b);
        order.push_back(b);
        const auto which = static_cast<VenueFilter>(i);
        connect(b, &QPushButton::clicked, this, [this, which] { model_.filter(which); });
    }
    filterRow->addStretch();

    auto* listCaption = new QLabel(this);
    names = new QListWidget(this);
    setCaption(listCaption, names, toDisplay(venues::kTotalShowingCaption));
    names->setSelectionMode(QAbstractItemView::SingleSelection);
    names->setUniformItemSizes(true); // a file may hold tens of thousands
    names->setMinimumSize(300, 320);
    totalShowing = new QLabel(this);
    totalShowing->setTextFormat(Qt::PlainText);
    order.push_back(names);
    onChoiceListChosen(names, this, [this](int row) {
        // Ctrl+click clears the highlight, but the venue stays shown: show its row again.
        if (row < 0) {
            render();
        } else {
            model_.selectName(row);
        }
    });
    connect(names, &QListWidget::itemActivated, this, [this] { model_.edit(); });

    FieldGrid grid(this);
    for (const auto& p : venues::kVenuePrompts) {
        // Rows in record order: the country's line comes before the exclusive one.
        if (p.field == VenueField::exclusiveto) {
            country = new QComboBox(this);
            grid.addRow(venues::kCountryCaption, country);
            connect(country, &QComboBox::activated, this,
                    [this](int i) { model_.chooseCountry(i); });
        }
        auto* f = grid.addValueField(p.caption).field;
        fields_[static_cast<std::size_t>(p.field)] = f;
        connect(f, &ValueField::clicked, this,
                [this, which = p.field] { model_.editField(which); });
    }
    grid.layout()->setColumnMinimumWidth(1, 340);
    order.insert(order.end(), grid.focusOrder().begin(), grid.focusOrder().end());

    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* b = makeButton(toDisplay(venues::kVenueButtonCaptions[i]), this);
        b->setMinimumSize(150, 34);
        buttons_[i] = b;
        order.push_back(b);
    }
    connect(button(VenueButton::AddNew), &QPushButton::clicked, this, [this] { model_.addNew(); });
    connect(button(VenueButton::Delete), &QPushButton::clicked, this,
            [this] { model_.deleteVenue(); });
    connect(button(VenueButton::Edit), &QPushButton::clicked, this, [this] { model_.edit(); });
    connect(button(VenueButton::ConfirmChanges), &QPushButton::clicked, this,
            [this] { model_.confirmChanges(); });
    connect(button(VenueButton::CancelChanges), &QPushButton::clicked, this,
            [this] { model_.cancelChanges(); });
    connect(button(VenueButton::BackToMenu), &QPushButton::clicked, this,
            [this] { model_.backToMenu(); });

    auto* listHead = new QHBoxLayout;
    listHead->addWidget(listCaption);
    listHead->addWidget(totalShowing);
    listHead->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(listHead);
    left->addWidget(names, 1);

    auto* browseRow = new QHBoxLayout;
    for (auto b : {VenueButton::AddNew, VenueButton::Delete, VenueButton::Edit}) {
        browseRow->addWidget(button(b));
    }
    browseRow->addStretch();
    auto* editRow = new QHBoxLayout;
    for (auto b : {VenueButton::ConfirmChanges, VenueButton::CancelChanges}) {
        editRow->addWidget(button(b));
    }
    editRow->addStretch();
    auto* right = new QVBoxLayout;
    right->addLayout(grid.layout());
    right->addSpacing(16);
    right->addLayout(browseRow);
    right->addLayout(editRow);
    right->addStretch();
    right->addWidget(button(VenueButton::BackToMenu), 0, Qt::AlignRight);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(16);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addLayout(filterRow);
    layout->addSpacing(6);
    layout->addLayout(body, 1);

    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    watch(model_, [this] { render(); });
    render();
}

void VenueEditorView::showEvent(QShowEvent* event) {
    ScreenView::showEvent(event);
    names->setFocus();
}

void VenueEditorView::render() {
    const bool editing = model_.editing();
    // What edit mode opens first, so that disabling the focused control
    // never sends the keyboard to a disabled one.
    for (const auto& p : venues::kVenuePrompts) {
        field(p.field)->setValue(toDisplay(model_.shown(p.field)));
        field(p.field)->setEnabled(editing);
    }
    showChoice(country, model_.country());
    country->setEnabled(editing);

    const QPalette yellow = yellowFace(palette());
    for (std::size_t i = 0; i < filters_.size(); ++i) {
        const bool marked = model_.marked() == static_cast<VenueFilter>(i);
        filters_[i]->setPalette(marked ? yellow : QPalette());
        // Plain buttons, as a checked one would be read out as a check box.
        filters_[i]->setAccessibleDescription(marked ? QStringLiteral("Marked") : QString());
        filters_[i]->setEnabled(model_.browsing());
    }
    showChoiceList(names, model_.names(), model_.selectedRow());
    names->setEnabled(model_.browsing());
    totalShowing->setText(toDisplay(model_.totalShowing()));
    names->setAccessibleDescription(totalShowing->text());
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setEnabled(model_.isEnabled(static_cast<VenueButton>(i)));
    }

    // Keep the keyboard where the user now works.
    if (editing && !wasEditing_) {
        field(VenueField::venuename)->setFocus();
    } else if (!editing && wasEditing_) {
        names->setFocus();
    }
    wasEditing_ = editing;
}

} // namespace bm::gui
