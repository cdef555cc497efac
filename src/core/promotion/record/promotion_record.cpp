#include "core/promotion/record/promotion_record.h"

#include <algorithm>

namespace bm::promotion {

const std::string& PromotionRecord::get(int line) const {
    static const std::string kEmpty;
    if (line < 0 || static_cast<std::size_t>(line) >= lines_.size()) {
        return kEmpty;
    }
    return lines_[static_cast<std::size_t>(line)];
}

void PromotionRecord::set(int line, std::string value) {
    if (line < 0) {
        return;
    }
    const auto needed = std::max<std::size_t>(line::kLineCount, static_cast<std::size_t>(line) + 1);
    if (lines_.size() < needed) {
        lines_.resize(needed);
    }
    lines_[static_cast<std::size_t>(line)] = std::move(value);
}

namespace {

// A Basic Indy with one weekly house show, one vacant title and nothing booked.
constexpr std::array<std::string_view, line::kLineCount> buildTemplate() {
    using namespace line;
    std::array<std::string_view, kLineCount> t{};
    t[prominitials] = "BMF";
    t[promname] = "Brawlmark Federation";
    t[promlogo] = "default.jpg";
    t[size] = "1";
    t[bankbalance] = "250000";
    t[website] = "http://www.brawlmark-federation.example";
    t[description] = "A new promotion.";
    t[owner] = "Vandermolt";
    t[rostersplit] = "No";
    t[tvcoverage] = "None";
    const ShowLines& show1 = shows[0];
    t[show1.nameofshow] = "House Show";
    t[show1.showday] = "Wednesday";
    t[show1.showlogo] = "NA";
    t[show1.showbrand] = "All";
    t[show1.showtype] = "House";
    t[show1.percentage] = "50";
    t[show1.tvrating] = "10";
    t[untvatt] = "100";
    t[tvatt] = "300";
    t[primaryprod] = "1";
    t[secondaryprod] = "1";
    t[bigshowprod] = "1";
    t[popularity] = "50";
    t[ppvdeal] = "No";
    t[ppvbuyrate] = "10";
    t[bigshowatt] = "300";
    const TitleLines& title1 = titles[0];
    t[title1.titlename] = "World Heavyweight Title";
    t[title1.holdername] = "World Heavyweight Champion";
    t[title1.titlevalue] = "50";
    t[title1.titlegender] = "Male";
    t[title1.titleweight] = "All";
    t[title1.titlehardcore] = "No";
    t[title1.mindraw] = "60";
    t[title1.titlebrand] = "All";
    t[title1.currentchamp] = "Vacant";
    t[title1.reign] = "0";
    t[title1.titlerecord] = "No Record Yet";
    t[title1.titlerecordnum] = "0";
    t[title1.defenses] = "0";
    t[title1.historydate] = "Monday 23rd August 2004";
    t[title1.savedchamp] = "Vacant";
    t[brand1talkshowname] = "NA";
    t[brand2talkshowname] = "NA";
    t[country] = "USA";
    t[nameofbigshow] = "None";
    t[days] = "0";
    return t;
}

constexpr std::array<std::string_view, line::kLineCount> kTemplate = buildTemplate();

} // namespace

const std::array<std::string_view, line::kLineCount>& templatePromotion() {
    return kTemplate;
}

PromotionRecord makeTemplateRecord() {
    const auto& source = templatePromotion();
    PromotionRecord record;
    record.assign(platform::Lines(source.begin(), source.end()));
    return record;
}

platform::Status loadPromotion(const std::filesystem::path& path, PromotionRecord& record) {
    platform::Lines lines;
    if (auto status = platform::readLines(path, lines); !status) {
        return status;
    }
    record.assign(std::move(lines));
    return platform::Status::success();
}

platform::Status parsePromotion(std::string_view bytes, const std::filesystem::path& path,
                                PromotionRecord& record) {
    platform::Lines lines;
    if (auto status = platform::linesOf(bytes, path, lines); !status) {
        return status;
    }
    record.assign(std::move(lines));
    return platform::Status::success();
}

platform::Status writePromotion(const std::filesystem::path& path, const PromotionRecord& record) {
    return platform::writeLines(path, record.lines());
}

std::string readPromotionName(const std::filesystem::path& path) {
    platform::Lines first;
    if (!platform::readFirstLines(path, 2, first) || first.size() < 2) {
        return {};
    }
    return first[1];
}

} // namespace bm::promotion
