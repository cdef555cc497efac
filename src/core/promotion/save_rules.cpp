#include "core/promotion/save_rules.h"

#include "core/platform/line_file.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace bm::promotion {
namespace {

using line::MonthLines;
using line::ShowLines;
using line::TitleLines;

class RuleCheck {
public:
    explicit RuleCheck(const PromotionRecord& record) : r_(record) {}

    const std::string& at(int l) const { return r_.get(l); }
    bool empty(int l) const { return at(l).empty(); }
    bool is(int l, std::string_view word) const { return at(l) == word; }
    double number(int l) const { return text::numericValue(at(l)); }

    // Show 1 always exists; the others when they have a name.
    bool exists(const ShowLines& s) const {
        return s.nameofshow == line::shows[0].nameofshow || !empty(s.nameofshow);
    }
    bool exists(const TitleLines& t) const { return !empty(t.titlename); }

    bool anyExistingShow(std::string_view type, auto&& alsoHolds) const {
        return std::any_of(line::shows.begin(), line::shows.end(), [&](const ShowLines& s) {
            return exists(s) && is(s.showtype, type) && alsoHolds(s);
        });
    }

    void fail(int rule, bool when) {
        if (when) {
            failures.push_back({rule, kSaveRuleMessages[static_cast<std::size_t>(rule - 1)]});
        }
    }

    std::vector<RuleFailure> failures;

private:
    const PromotionRecord& r_;
};

bool showIncomplete(const RuleCheck& c, const ShowLines& s) {
    return c.empty(s.showday) || c.empty(s.showlogo) || c.empty(s.showbrand) ||
           c.empty(s.showtype) || c.empty(s.percentage) ||
           (!c.is(s.showtype, "House") && c.empty(s.tvrating));
}

bool titleIncomplete(const RuleCheck& c, const TitleLines& t) {
    return c.empty(t.holdername) || c.empty(t.currentchamp) || c.empty(t.reign) ||
           c.empty(t.defenses) || c.empty(t.historydate);
}

bool bigShowIncomplete(const RuleCheck& c, const MonthLines& m) {
    return !c.empty(m.bigshowname) && (c.empty(m.bigshowbrand) || c.empty(m.bigshowlogo));
}

bool isTagTeam(const RuleCheck& c, const TitleLines& t) {
    return t.titletype != line::kNoLine && c.exists(t) && c.is(t.titletype, "Tag Team");
}

} // namespace

std::vector<RuleFailure> failedSaveRules(const PromotionRecord& record) {
    using namespace line;
    RuleCheck c(record);
    const auto always = [](const ShowLines&) { return true; };
    // National is a size above 3, and the PPV rules ask for a size below 4;
    // both are taken as written, so an odd size such as "3.5" counts as both.
    const double promotionSize = c.number(size);

    const bool anyPpvLine = std::any_of(
        shows.begin(), shows.end(), [&](const ShowLines& s) { return c.is(s.showtype, "PPV"); });
    c.fail(1, promotionSize > 3 && c.is(tvcoverage, "Regional") && !anyPpvLine);

    for (int k = 0; k < kShowCount; ++k) {
        const ShowLines& s = shows[static_cast<std::size_t>(k)];
        c.fail(2 + k, c.exists(s) && showIncomplete(c, s));
    }

    bool sameDay = false;
    for (auto a = shows.begin(); a != shows.end(); ++a) {
        for (auto b = a + 1; b != shows.end(); ++b) {
            sameDay =
                sameDay || (c.exists(*a) && c.exists(*b) && c.at(a->showday) == c.at(b->showday));
        }
    }
    c.fail(6, sameDay);

    c.fail(7, c.number(untvatt) < 20);
    c.fail(8, c.number(tvatt) < 20);
    c.fail(9, c.anyExistingShow("PPV",
                                [&](const ShowLines& s) { return c.number(s.tvrating) < 100; }));
    c.fail(10, c.anyExistingShow("TV", [&](const ShowLines& s) {
        const double rating = c.number(s.tvrating);
        return rating <= 0 || rating > 1000;
    }));
    c.fail(11, c.is(tvcoverage, "None") && c.anyExistingShow("TV", always));
    c.fail(12, promotionSize < 4 && c.anyExistingShow("PPV", always));
    c.fail(13, promotionSize < 4 && c.is(ppvdeal, "Yes"));

    // One message for all twelve months, however many are incomplete.
    c.fail(14, std::any_of(months.begin(), months.end(),
                           [&](const MonthLines& m) { return bigShowIncomplete(c, m); }));
    c.fail(15, c.number(ppvbuyrate) < 1);
    c.fail(16, c.number(bigshowatt) < 20);

    const auto tagTitle = [&](auto&& holds) {
        return std::any_of(titles.begin(), titles.end(),
                           [&](const TitleLines& t) { return isTagTeam(c, t) && holds(t); });
    };
    c.fail(17, tagTitle([&](const TitleLines& t) {
               return !c.is(t.currentchamp, "Vacant") &&
                      (c.is(t.champ1, "None") || c.is(t.champ2, "None"));
           }));
    c.fail(18, tagTitle([&](const TitleLines& t) {
               return c.is(t.currentchamp, "Vacant") &&
                      (!c.is(t.champ1, "None") || !c.is(t.champ2, "None"));
           }));

    for (int k = 0; k < kTitleCount; ++k) {
        const TitleLines& t = titles[static_cast<std::size_t>(k)];
        c.fail(19 + k, c.exists(t) && titleIncomplete(c, t));
    }
    return std::move(c.failures);
}

void deriveSaveLines(PromotionRecord& r) {
    using namespace line;
    const auto empty = [&](int l) { return r.get(l).empty(); };
    const auto clear = [&](int l) { r.set(l, {}); };
    const auto moveUp = [&](int to, int from) {
        r.set(to, r.get(from));
        clear(from);
    };

    struct Role {
        int name;
        int title;
    };
    constexpr Role brand1First{powerfig1name, brand1powerfig1title};
    constexpr Role brand1Second{brand1powerfig2name, brand1powerfig2title};
    constexpr Role brand2First{brand2powerfig1name, brand2powerfig1title};
    constexpr Role brand2Second{brand2powerfig2name, brand2powerfig2title};
    // A role without a name has no job title either.
    for (const Role& role : {brand1First, brand1Second, brand2First, brand2Second}) {
        if (empty(role.name)) {
            clear(role.title);
        }
    }
    // The game reads a brand's power figures from the top: fill the first place.
    for (auto [first, second] :
         {std::pair{brand1First, brand1Second}, std::pair{brand2First, brand2Second}}) {
        if (empty(first.name) && !empty(second.name)) {
            moveUp(first.name, second.name);
            moveUp(first.title, second.title);
        }
    }
    if (empty(interviewer1) && r.get(rostersplit) == "Yes" && !empty(interviewer2)) {
        moveUp(interviewer1, interviewer2);
    }

    for (auto [name, host, show] :
         {std::tuple{brand1talkshowname, brand1talkshowhost, talkshow1showname},
          std::tuple{brand2talkshowname, brand2talkshowhost, talkshow2showname}}) {
        if (r.get(name) == "NA") {
            clear(host);
            clear(show);
        }
    }
    if (r.get(nameofbigshow) == "None") {
        clear(levelofpromotion);
        clear(dateofshow);
        r.set(days, "0");
    }

    for (auto s = shows.begin() + 1; s != shows.end(); ++s) {
        if (empty(s->nameofshow)) {
            for (int l :
                 {s->showday, s->showlogo, s->showbrand, s->showtype, s->percentage, s->tvrating}) {
                clear(l);
            }
        }
    }

    // Title 1 always exists; the others are cleared whole when unnamed.
    for (auto t = titles.begin(); t != titles.end(); ++t) {
        if (t != titles.begin() && empty(t->titlename)) {
            for (int l = t->first + 1; l < t->first + t->count; ++l) {
                clear(l);
            }
            continue;
        }
        r.set(t->titlerecord, "No Record Yet");
        r.set(t->titlerecordnum, "0");
        r.set(t->savedchamp, r.get(t->currentchamp));
    }
}

bool savePromotion(PromotionRecord& record, const std::string& nameoffile,
                   const context::EditingContext& context, ui::Dialogs& dialogs) {
    if (const auto failures = failedSaveRules(record); !failures.empty()) {
        for (const RuleFailure& f : failures) {
            dialogs.message(f.message, ui::Icon::Critical, kSaveErrorTitle);
        }
        return false;
    }
    // Derived on a copy, so that a failed write leaves the record as the
    // user left it.
    PromotionRecord saved = record;
    deriveSaveLines(saved);
    if (const auto status = writePromotion(context.pathOf(nameoffile), saved); !status) {
        dialogs.message(status.message(), ui::Icon::Critical);
        return false;
    }
    record = std::move(saved);
    dialogs.message(nameoffile + std::string(kSavedOk));
    return true;
}

} // namespace bm::promotion
