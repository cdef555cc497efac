#include "gui/promotion/step6_view.h"

#include "gui/ui/choice_box.h"
#include "gui/ui/selection_bar.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace bm::gui {

using promotion::TitleField;

namespace {

// A control that reads and acts like a link: flat, underlined, in the link
// colour, yet a button for the keyboard and for screen readers.
QPushButton* makeLink(std::string_view text, QWidget* parent) {
    QPushButton* link = makeButton(toDisplay(text), parent);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::ButtonText, palette.color(QPalette::Link));
    link->setPalette(palette);
    return link;
}

} // namespace

Step6View::Step6View(promotion::Step6& model, QWidget* parent)
    : StepView(model, parent), model_(model) {
    titles = new SelectionBar(model_.titles(), 4, this);
    titles->onSelect(this, [this](int i) { model_.selectTitle(i); });
    body()->addWidget(titles);
    body()->addSpacing(8);

    calculatorLink = makeLink(promotion::kCalculatorLink, this);
    const auto& table = promotion::kTitlePrompts;
    const auto edit = [this](TitleField f) { model_.edit(f); };
    // The rows in the order of the block's lines.
    prompts_.add(fields(), table, TitleField::titlename, this, edit);
    prompts_.add(fields(), table, TitleField::holdername, this, edit);
    addList(TitleList::titletype);
    addBar(TitleBar::titlevalue);
    addList(TitleList::titlegender);
    addList(TitleList::titleweight);
    addList(TitleList::titlehardcore);
    addBar(TitleBar::mindraw);
    addList(TitleList::titlebrand);
    prompts_.add(fields(), table, TitleField::currentchamp, this, edit);
    prompts_.add(fields(), table, TitleField::champ1, this, edit);
    prompts_.add(fields(), table, TitleField::champ2, this, edit);
    prompts_.add(fields(), table, TitleField::reign, this, edit, calculatorLink);
    prompts_.add(fields(), table, TitleField::defenses, this, edit);
    prompts_.add(fields(), table, TitleField::historydate, this, edit);
    // Read out after the reign it helps with, as it is seen.
    calculatorLink->stackUnder(field(TitleField::defenses));
    finish({titles->item(0), titles->item(1), titles->item(2), titles->item(3), titles->item(4),
            titles->item(5), titles->item(6), titles->item(7)});

    connect(calculatorLink, &QPushButton::clicked, this, [this] { model_.openCalculator(); });

    watch(model_, [this] { render(); });
    render();
}

void Step6View::addList(TitleList l) {
    const auto i = static_cast<std::size_t>(l);
    auto* box = new QComboBox(this);
    lists_[i] = box;
    listCaptions_[i] = fields().addRow(promotion::kTitleLists[i].caption, box);
    connect(box, &QComboBox::activated, this, [this, l](int entry) { model_.choose(l, entry); });
}

void Step6View::addBar(TitleBar b) {
    const auto i = static_cast<std::size_t>(b);
    bars_[i] = fields().addBarRow(promotion::kTitleBars[i].caption, model_.bar(b));
    // valueChanged follows a drag as it happens.
    connect(bars_[i].bar, &QScrollBar::valueChanged, this,
            [this, b](int position) { model_.moveBar(b, position); });
}

void Step6View::render() {
    titles->showSelection(model_.titles());
    prompts_.show(model_.fieldTexts());
    for (const auto& row : promotion::kTitleLists) {
        showChoice(list(row.list), model_.list(row.list));
    }
    list(TitleList::titletype)->setEnabled(model_.typeEnabled());
    caption(TitleList::titletype)->setEnabled(model_.typeEnabled());
    for (const auto& row : promotion::kTitleBars) {
        bars_[static_cast<std::size_t>(row.bar)].show(model_.bar(row.bar),
                                                      toDisplay(model_.barText(row.bar)));
    }
}

} // namespace bm::gui
