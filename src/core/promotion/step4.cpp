#include "core/promotion/step4.h"

#include "core/text/numbers.h"

#include <cmath>

namespace bm::promotion {

namespace rules {

std::optional<Entry> buyRate(const std::string& reply, ui::Dialogs& dialogs) {
    const double value = text::numericValue(reply);
    if (!(value <= 5)) {
        dialogs.message(kInvalidBuyRate);
        return std::nullopt;
    }
    // Rounded down, negative rates too: "-0.001" stores "-1".
    return Entry{text::decimalText(std::floor(value * 100)), reply};
}

} // namespace rules

Step4::Step4(StepServices& services) : Step(services, 4) {}

line::MonthLines Step4::selectedLines() const {
    return line::months[static_cast<std::size_t>(months_.selected())];
}

void Step4::fillFromRecord() {
    ppvdeal_.show(record().get(line::ppvdeal));
    fields_[Step4Field::ppvbuyrate] = fromHundredths(record().get(line::ppvbuyrate));
    fields_[Step4Field::bigshowatt] = record().get(line::bigshowatt);
    months_.select(0);
    // Filling only shows: a loaded file keeps its January lines as stored.
    showSelected(false);
}

void Step4::selectMonth(int month) {
    if (!months_.select(month)) {
        return;
    }
    showSelected(true);
}

// A month without a big show is shown as "None", "All" and "NA"; selecting
// it also writes the brand and logo, so that a name given later starts
// complete. A named month with no logo line shows "NA" without writing it.
void Step4::showSelected(bool initialiseEmpty) {
    const line::MonthLines l = selectedLines();
    const std::string& name = record().get(l.bigshowname);
    if (name.empty()) {
        month_[BigShowField::bigshowname] = kNoBigShow;
        bigshowbrand_.select(0);
        month_[BigShowField::bigshowlogo] = "NA";
        if (initialiseEmpty) {
            record().set(l.bigshowbrand, std::string(kShowBrands[0]));
            record().set(l.bigshowlogo, "NA");
        }
    } else {
        month_[BigShowField::bigshowname] = name;
        bigshowbrand_.show(record().get(l.bigshowbrand));
        const std::string& logo = record().get(l.bigshowlogo);
        month_[BigShowField::bigshowlogo] = logo.empty() ? "NA" : logo;
    }
    changed();
}

void Step4::edit(Step4Field field) {
    const auto& prompt = kStep4Prompts[field];
    promptEdit(prompt, prompt.recordLine(), fields_[field]);
}

void Step4::edit(BigShowField field) {
    const line::MonthLines l = selectedLines();
    const auto& prompt = kBigShowPrompts[field];
    if (field == BigShowField::bigshowlogo) {
        promptEdit(prompt, prompt.recordLine(l), month_[field]);
        return;
    }
    std::string& name = month_[field];
    const std::string reply = dialogs().prompt(prompt.title, prompt.message, name);
    if (reply.empty()) {
        return;
    }
    if (reply == kNoBigShow) {
        // Removed: the whole block empty, until the month is selected again.
        record().set(l.bigshowname, "");
        record().set(l.bigshowbrand, "");
        record().set(l.bigshowlogo, "");
        bigshowbrand_.select(0);
        month_[BigShowField::bigshowlogo] = "NA";
    } else {
        record().set(l.bigshowname, reply);
    }
    name = reply;
    changed();
}

void Step4::choosePpvDeal(int index) {
    if (!ppvdeal_.select(index)) {
        return;
    }
    const std::string deal = ppvdeal_.text();
    // A warning only: the deal is stored all the same.
    if (deal == "Yes" && text::numericValue(record().get(line::size)) < 4) {
        dialogs().message(kPpvDealNeedsNational);
    }
    record().set(line::ppvdeal, deal);
    changed();
}

void Step4::chooseBrand(int index) {
    if (!bigshowbrand_.select(index)) {
        return;
    }
    record().set(selectedLines().bigshowbrand, bigshowbrand_.text());
    changed();
}

// The picker writes the line of the month it was opened for; the field
// shows it only while that month is still the selected one.
void Step4::pickLogo() {
    const int month = months_.selected();
    Step::pickLogo(bigShowLogo(month + 1), [this, month](const std::string& value) {
        if (months_.selected() == month) {
            month_[BigShowField::bigshowlogo] = value;
            changed();
        }
    });
}

} // namespace bm::promotion
