#include "core/promotion/step6.h"

namespace bm::promotion {

Step6::Step6(StepServices& services) : Step(services, 6, kStep6Hint) {}

const line::TitleLines& Step6::block() const {
    return line::titles[static_cast<std::size_t>(titles_.selected())];
}

void Step6::fillFromRecord() {
    selectTitle(0);
}

void Step6::selectTitle(int item) {
    if (!titles_.select(item)) {
        return;
    }
    typeEnabled_ = isCustom();
    if (!isCustom()) {
        lists_[index(TitleList::titletype)].select(0); // always singles
    }
    // Title 1 always exists, even with an empty name in a hand-edited file.
    if (item == 0 || !record().get(block().titlename).empty()) {
        showBlock();
    } else {
        showEmpty();
        const std::string_view holders = isCustom() ? "" : kNoHolder;
        const std::string_view counts = isCustom() ? "" : "0";
        fields_[TitleField::champ1] = holders;
        fields_[TitleField::champ2] = holders;
        fields_[TitleField::reign] = counts;
        fields_[TitleField::defenses] = counts;
    }
    changed();
}

void Step6::showBlock() {
    for (const auto& p : kTitlePrompts) {
        const int ln = p.recordLine(block());
        if (ln == line::kNoLine) {
            fields_[p.field] = kNoHolder;
        } else {
            fields_[p.field] = record().get(ln);
        }
    }
    for (const TitleField holder : {TitleField::champ1, TitleField::champ2}) {
        if (fields_[holder].empty()) {
            fields_[holder] = kNoHolder;
        }
    }
    for (const auto& row : kTitleLists) {
        const int ln = block().*row.line;
        if (ln != line::kNoLine) {
            lists_[index(row.list)].show(record().get(ln));
        }
    }
    for (const auto& row : kTitleBars) {
        const std::string& stored = record().get(block().*row.line);
        bars_[index(row.bar)].show(stored);
        barTexts_[index(row.bar)] = stored + std::string(row.suffix);
    }
}

void Step6::showEmpty() {
    fields_[TitleField::titlename] = kNoTitle;
    fields_[TitleField::holdername].clear();
    fields_[TitleField::currentchamp].clear();
    fields_[TitleField::historydate].clear();
    for (const auto& row : kTitleBars) {
        setBar(row.bar, 0);
    }
    for (const auto& row : kTitleLists) {
        setList(row.list, 0);
    }
}

void Step6::setBar(TitleBar bar, int position) {
    const auto& row = kTitleBars[index(bar)];
    bars_[index(bar)].move(position);
    const std::string value = std::to_string(position);
    barTexts_[index(bar)] = value + std::string(row.suffix);
    record().set(block().*row.line, value);
}

void Step6::setList(TitleList list, int entry) {
    const auto& row = kTitleLists[index(list)];
    ui::Choice& choice = lists_[index(list)];
    choice.select(entry);
    if (const int ln = block().*row.line; ln != line::kNoLine) {
        record().set(ln, choice.text());
    }
}

void Step6::cleartitles() {
    if (titles_.selected() == 0) {
        return;
    }
    showEmpty();
    for (const TitleField f :
         {TitleField::holdername, TitleField::currentchamp, TitleField::champ1, TitleField::champ2,
          TitleField::reign, TitleField::defenses, TitleField::historydate}) {
        // The holders only where the block has them (titles 5 to 8).
        if (const int ln = kTitlePrompts[f].recordLine(block()); ln != line::kNoLine) {
            record().set(ln, "");
        }
    }
    fields_[TitleField::champ1] = kNoHolder;
    fields_[TitleField::champ2] = kNoHolder;
    fields_[TitleField::reign] = "0";
    fields_[TitleField::defenses] = "0";
    changed();
}

void Step6::edit(TitleField f) {
    const auto& prompt = kTitlePrompts[f];
    std::string& shown = fields_[f];
    if (f == TitleField::titlename) {
        const std::string reply = dialogs().prompt(prompt.title, prompt.message, shown);
        if (reply.empty()) {
            return;
        }
        if (reply == kNoTitle) {
            if (titles_.selected() == 0) {
                dialogs().message(kPrimaryTitleNeeded);
                return;
            }
            record().set(block().titlename, "");
            cleartitles();
            return;
        }
        shown = reply;
        record().set(block().titlename, reply);
        changed();
        return;
    }
    const int ln = prompt.recordLine(block());
    if (ln != line::kNoLine) {
        promptEdit(prompt, ln, shown);
        return;
    }
    // The holders of a singles-only title: the answer is shown until the
    // next selection, never stored.
    if (std::string reply = dialogs().prompt(prompt.title, prompt.message, shown); !reply.empty()) {
        shown = std::move(reply);
        changed();
    }
}

void Step6::choose(TitleList list, int entry) {
    if (list == TitleList::titletype && !typeEnabled_) {
        return;
    }
    if (entry < 0 || static_cast<std::size_t>(entry) >= kTitleLists[index(list)].entries.size()) {
        return;
    }
    setList(list, entry);
    changed();
}

void Step6::moveBar(TitleBar bar, int position) {
    const ui::Bar& b = bars_[index(bar)];
    if (position < b.min() || position > b.max()) {
        return;
    }
    setBar(bar, position);
    changed();
}

void Step6::openCalculator() {
    navigator().open(ui::Screen::DateCalculator);
}

} // namespace bm::promotion
