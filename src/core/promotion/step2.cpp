#include "core/promotion/step2.h"

#include "core/text/numbers.h"

#include <cmath>

namespace bm::promotion {

namespace rules {

std::optional<Entry> tvRating(const std::string& reply, ui::Dialogs& dialogs) {
    const double value = text::numericValue(reply);
    if (!(value > 0 && value <= 10)) {
        dialogs.message(kInvalidTvRating);
        return std::nullopt;
    }
    // The product in double precision, then rounded down: 0.29 stores "28".
    return Entry{text::decimalText(std::floor(value * 100)), reply};
}

std::optional<Entry> ppvBuys(const std::string& reply, ui::Dialogs& dialogs) {
    const double value = text::numericValue(reply);
    if (!(value >= 100 && value <= 1000000)) {
        dialogs.message(kInvalidPpvBuys);
        return std::nullopt;
    }
    return Entry{reply, reply};
}

} // namespace rules

std::string fromHundredths(const std::string& stored) {
    return text::decimalText(text::numericValue(stored) / 100);
}

Step2::Step2(StepServices& services) : Step(services, 2, kStep2Hint) {}

line::ShowLines Step2::selectedLines() const {
    return line::shows[static_cast<std::size_t>(shows_.selected())];
}

void Step2::fillFromRecord() {
    shows_.select(0);
    showSelected();
}

void Step2::selectShow(int show) {
    if (!shows_.select(show)) {
        return;
    }
    showSelected();
}

// Shows 2 to 4 show defaults for their empty lines; one without a name is
// given them in its block too, so that a show named later starts complete.
// Show 1 always exists and is shown as stored.
void Step2::showSelected() {
    const line::ShowLines l = selectedLines();
    const bool defaults = shows_.selected() > 0;
    auto shownAs = [&](int at, std::string_view fallback) {
        const std::string& value = record().get(at);
        return defaults && value.empty() ? std::string(fallback) : value;
    };
    const bool absent = defaults && record().get(l.nameofshow).empty();

    fields_[Step2Field::nameofshow] = shownAs(l.nameofshow, kNoShow);
    showday_.show(shownAs(l.showday, calendar::kWeekdayNames[0]));
    showlogo_ = shownAs(l.showlogo, "NA");
    showbrand_.show(shownAs(l.showbrand, kShowBrands[0]));
    showtype_.show(shownAs(l.showtype, kShowTypes[0]));
    const std::string stored = shownAs(l.percentage, "0");
    popularity_.show(stored);
    percentage_ = stored + "%";
    const std::string& rating = record().get(l.tvrating);
    fields_[Step2Field::tvrating] = showtype_.text() == "TV" ? fromHundredths(rating) : rating;

    if (absent) {
        record().set(l.showday, showday_.text());
        record().set(l.showbrand, showbrand_.text());
        record().set(l.showtype, showtype_.text());
        record().set(l.showlogo, "NA");
        record().set(l.percentage, "0");
        showlogo_ = "NA";
        popularity_.show("0");
        percentage_ = "0%";
    }
    changed();
}

void Step2::edit(Step2Field field) {
    const line::ShowLines l = selectedLines();
    if (field == Step2Field::tvrating) {
        const std::string type = showtype_.text();
        if (type == "TV") {
            promptEdit(kStep2Prompts[field], l.tvrating, fields_[field]);
        } else if (type == "PPV") {
            promptEdit(kPpvBuysPrompt, l.tvrating, fields_[field]);
        }
        return;
    }
    const auto& prompt = kStep2Prompts[Step2Field::nameofshow];
    std::string& name = fields_[Step2Field::nameofshow];
    const std::string reply = dialogs().prompt(prompt.title, prompt.message, name);
    if (reply.empty()) {
        return;
    }
    if (reply != kNoShow) {
        record().set(l.nameofshow, reply);
        name = reply;
        changed();
        return;
    }
    if (shows_.selected() == 0) {
        dialogs().message(kShowOneRequired);
        return;
    }
    // Removed: an empty name, the other lines at their first entries.
    record().set(l.nameofshow, "");
    record().set(l.showday, std::string(calendar::kWeekdayNames[0]));
    record().set(l.showlogo, "NA");
    record().set(l.showbrand, std::string(kShowBrands[0]));
    record().set(l.showtype, std::string(kShowTypes[0]));
    record().set(l.percentage, "0");
    record().set(l.tvrating, "");
    name = kNoShow;
    showday_.select(0);
    showlogo_ = "NA";
    showbrand_.select(0);
    showtype_.select(0);
    popularity_.show("0");
    percentage_ = "0%";
    fields_[Step2Field::tvrating].clear();
    changed();
}

void Step2::chooseDay(int index) {
    if (!showday_.select(index)) {
        return;
    }
    const std::string day = showday_.text();
    record().set(selectedLines().showday, day);
    changed();
    // A show that does not exist clashes with nothing.
    if (fields_[Step2Field::nameofshow] == kNoShow) {
        return;
    }
    for (int other = 0; other < line::kShowCount; ++other) {
        const line::ShowLines l = line::shows[static_cast<std::size_t>(other)];
        if (other != shows_.selected() && !record().get(l.nameofshow).empty() &&
            record().get(l.showday) == day) {
            dialogs().message(std::string(kSameDayStart) +
                              std::string(kShowCaptions[static_cast<std::size_t>(other)]) +
                              std::string(kSameDayEnd));
        }
    }
}

void Step2::chooseBrand(int index) {
    if (!showbrand_.select(index)) {
        return;
    }
    record().set(selectedLines().showbrand, showbrand_.text());
    changed();
}

// A refused type stays shown until the show is selected again; the record
// keeps the type it had.
void Step2::chooseType(int index) {
    if (!showtype_.select(index)) {
        return;
    }
    changed();
    const std::string type = showtype_.text();
    if (type == "TV" && record().get(line::tvcoverage) == "None") {
        dialogs().message(kTvNeedsCoverage);
    } else if (type == "PPV" && text::numericValue(record().get(line::size)) < 4) {
        dialogs().message(kPpvNeedsNational);
    } else {
        record().set(selectedLines().showtype, type);
    }
}

void Step2::moveBar(int value) {
    if (!popularity_.move(value)) {
        return;
    }
    const std::string stored = std::to_string(value);
    record().set(selectedLines().percentage, stored);
    percentage_ = stored + "%";
    changed();
}

// The picker writes the line of the show it was opened for; the field shows
// it only while that show is still the selected one.
void Step2::pickLogo() {
    const int show = shows_.selected();
    Step::pickLogo(showLogo(show + 1), [this, show](const std::string& value) {
        if (shows_.selected() == show) {
            showlogo_ = value;
            changed();
        }
    });
}

} // namespace bm::promotion
