#pragma once

#include <array>
#include <string_view>

// Line numbers of a promotion file (".fed"), counted from 0. A file made by
// the editor has exactly kLineCount lines.
namespace bm::promotion::line {

inline constexpr int kLineCount = 238;

inline constexpr int prominitials = 0;
inline constexpr int promname = 1;
inline constexpr int promlogo = 2;
inline constexpr int size = 3;
inline constexpr int bankbalance = 4;
inline constexpr int website = 5;
inline constexpr int description = 6;
inline constexpr int owner = 7;
inline constexpr int rostersplit = 8;
inline constexpr int brand1 = 9;
inline constexpr int brand2 = 10;
inline constexpr int tvcoverage = 11;

// Four regular shows of seven lines each, lines 12 to 39.
struct ShowLines {
    int nameofshow;
    int showday;
    int showlogo;
    int showbrand;
    int showtype;
    int percentage;
    int tvrating;
};
inline constexpr int kShowCount = 4;
constexpr ShowLines showLines(int show) { // show 1..4
    const int first = 5 + 7 * show;
    return {first, first + 1, first + 2, first + 3, first + 4, first + 5, first + 6};
}
inline constexpr std::array<ShowLines, kShowCount> shows{showLines(1), showLines(2), showLines(3),
                                                         showLines(4)};

inline constexpr int untvatt = 40;
inline constexpr int tvatt = 41;
inline constexpr int primaryprod = 42;
inline constexpr int secondaryprod = 43;
inline constexpr int bigshowprod = 44;
inline constexpr int popularity = 45;
inline constexpr int ppvdeal = 46;
inline constexpr int ppvbuyrate = 47;
inline constexpr int bigshowatt = 48;

// Default big show of each month, three lines each, lines 49 to 84.
struct MonthLines {
    int bigshowname;
    int bigshowbrand;
    int bigshowlogo;
};
inline constexpr int kMonthCount = 12;
constexpr MonthLines monthLines(int month) { // month 1..12
    const int first = 46 + 3 * month;
    return {first, first + 1, first + 2};
}
inline constexpr std::array<MonthLines, kMonthCount> months{
    monthLines(1), monthLines(2), monthLines(3), monthLines(4),  monthLines(5),  monthLines(6),
    monthLines(7), monthLines(8), monthLines(9), monthLines(10), monthLines(11), monthLines(12)};

// Eight title belts, lines 85 to 216. Titles 1 to 4 are singles titles of 15
// lines; titles 5 to 8 have 18 lines, with a type and two tag team holders.
// kNoLine marks the three lines that titles 1 to 4 do not have.
inline constexpr int kNoLine = -1;
struct TitleLines {
    int first;
    int count;
    int titlename;
    int holdername;
    int titletype;
    int titlevalue;
    int titlegender;
    int titleweight;
    int titlehardcore;
    int mindraw;
    int titlebrand;
    int currentchamp;
    int champ1;
    int champ2;
    int reign;
    int titlerecord;
    int titlerecordnum;
    int defenses;
    int historydate;
    int savedchamp;
};
inline constexpr int kTitleCount = 8;
constexpr TitleLines titleLines(int title) { // title 1..8
    if (title <= 4) {
        const int f = 85 + 15 * (title - 1);
        return {f,     15,    f,       f + 1,   kNoLine, f + 2,  f + 3,  f + 4,  f + 5,  f + 6,
                f + 7, f + 8, kNoLine, kNoLine, f + 9,   f + 10, f + 11, f + 12, f + 13, f + 14};
    }
    const int f = 145 + 18 * (title - 5);
    return {f,     18,    f,      f + 1,  f + 2,  f + 3,  f + 4,  f + 5,  f + 6,  f + 7,
            f + 8, f + 9, f + 10, f + 11, f + 12, f + 13, f + 14, f + 15, f + 16, f + 17};
}
inline constexpr std::array<TitleLines, kTitleCount> titles{
    titleLines(1), titleLines(2), titleLines(3), titleLines(4),
    titleLines(5), titleLines(6), titleLines(7), titleLines(8)};

inline constexpr int powerfig1name = 217;
inline constexpr int brand1powerfig1title = 218;
inline constexpr int brand1powerfig2name = 219;
inline constexpr int brand1powerfig2title = 220;
inline constexpr int brand2powerfig1name = 221;
inline constexpr int brand2powerfig1title = 222;
inline constexpr int brand2powerfig2name = 223;
inline constexpr int brand2powerfig2title = 224;
inline constexpr int interviewer1 = 225;
inline constexpr int interviewer2 = 226;
inline constexpr int brand1talkshowname = 227;
inline constexpr int brand1talkshowhost = 228;
inline constexpr int talkshow1showname = 229;
inline constexpr int brand2talkshowname = 230;
inline constexpr int brand2talkshowhost = 231;
inline constexpr int talkshow2showname = 232;
inline constexpr int country = 233;
inline constexpr int nameofbigshow = 234;
inline constexpr int levelofpromotion = 235;
inline constexpr int dateofshow = 236;
inline constexpr int days = 237;

static_assert(showLines(4).tvrating == 39);
static_assert(monthLines(12).bigshowlogo == 84);
static_assert(titleLines(4).savedchamp == 144);
static_assert(titleLines(5).first == 145);
static_assert(titleLines(8).savedchamp == 216);
static_assert(powerfig1name == titleLines(8).savedchamp + 1);
static_assert(days == kLineCount - 1);

} // namespace bm::promotion::line

namespace bm::promotion {
// Stored in `nameofbigshow` (and shown for a month's big show) when none is
// booked; also the answer that removes one.
inline constexpr std::string_view kNoBigShow = "None";
} // namespace bm::promotion
