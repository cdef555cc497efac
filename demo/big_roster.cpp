#include "demo/big_roster.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace bm::demo {
namespace {

// Every name part is invented for the demo.
constexpr std::array<std::string_view, 64> kFirst{
    "Aldo",   "Brix",   "Cato",   "Dace",   "Emrys",  "Fenn",   "Garth",  "Hale",
    "Ivo",    "Jory",   "Kael",   "Lark",   "Mace",   "Nils",   "Orin",   "Pell",
    "Quill",  "Rhett",  "Soren",  "Tamsin", "Ulric",  "Vance",  "Wren",   "Xavi",
    "Yorick", "Zane",   "Adair",  "Bram",   "Corra",  "Delia",  "Edda",   "Fiora",
    "Greer",  "Hollis", "Isla",   "Jessa",  "Kit",    "Lyra",   "Maren",  "Nessa",
    "Odell",  "Piers",  "Quinby", "Roan",   "Sabin",  "Teague", "Una",    "Vesper",
    "Wilder", "Yael",   "Zora",   "Ansel",  "Bryn",   "Cyrus",  "Dorian", "Ewan",
    "Flint",  "Gideon", "Hugo",   "Idris",  "Jasper", "Knox",   "Lucan",  "Merritt"};
constexpr std::array<std::string_view, 32> kSurnameStart{
    "Black", "Storm", "Iron",  "Red",  "Ash",   "Thorn", "Grey",   "Wolf",
    "Stone", "Brook", "Hart",  "Dun",  "Frost", "Gold",  "Hollow", "Kings",
    "Lang",  "Marsh", "North", "Oak",  "Pike",  "Raven", "Salt",   "Tall",
    "Under", "Vale",  "West",  "Wild", "Yar",   "Cross", "Elm",    "Fair"};
constexpr std::array<std::string_view, 32> kSurnameEnd{
    "wood", "ley",  "ford", "well",  "mont",  "field", "ridge", "by",    "ton",  "wick", "shaw",
    "more", "dale", "gate", "holm",  "croft", "stead", "bury",  "combe", "ham",  "land", "worth",
    "ard",  "ell",  "sby",  "stone", "water", "hurst", "brook", "ling",  "mere", "win"};
constexpr std::array<std::string_view, 24> kPromotions{
    "NWC", "CCW", "HFW", "GPW", "IWA", "SCW", "PWX",  "NEW",  "UWF", "TCW", "MWA", "RPW",
    "BCW", "ACE", "XCW", "LPW", "OVW", "DSW", "K-1P", "JPW2", "EUW", "FCW", "SSW", "AWE"};
constexpr std::array<std::string_view, 8> kDescriptions{
    "A dependable worker the fans know well.",
    "A brash newcomer with more mouth than miles.",
    "A grizzled veteran who has seen every territory.",
    "A technical wizard who can carry anyone to a good match.",
    "A monster of a man who rarely sells for anybody.",
    "A fan favourite whose comebacks bring the house down.",
    "A loudmouth heel the crowd loves to hate.",
    "A high-risk daredevil who never stays grounded for long."};
constexpr std::array<std::string_view, 8> kMoves{"Drop",   "Driver", "Lock",    "Bomb",
                                                 "Clutch", "Splash", "Crusher", "Twist"};
constexpr std::array<std::string_view, 12> kMonths{"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};
constexpr std::array<std::string_view, 9> kStyles{"Basic Wrestler", "Big Man",    "Cruiserweight",
                                                  "Hardcore",       "High Flyer", "Old Heavyweight",
                                                  "Powerful",       "Technical",  "Non-Worker"};
constexpr std::array<std::string_view, 6> kTeams{"Iron Curtain", "High Tide",      "Salt Kings",
                                                 "Night Shift",  "Dead Reckoning", "Long Haul"};
constexpr std::array<std::string_view, 4> kInjuries{"Sprained ankle", "Torn bicep",
                                                    "Broken collarbone", "Concussion"};
constexpr std::array<std::string_view, 4> kCountries{"USA", "UK", "Japan", "Other"};

// A small fixed generator: the same file on every platform.
class Dice {
public:
    unsigned roll(unsigned sides) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>((state_ >> 33) % sides);
    }

private:
    std::uint64_t state_ = 2004;
};

template <std::size_t N>
std::string_view pick(Dice& dice, const std::array<std::string_view, N>& a) {
    return a[dice.roll(N)];
}

void line(std::string& out, std::string_view value) {
    out += value;
    out += "\r\n";
}

void line(std::string& out, unsigned value) {
    line(out, std::to_string(value));
}

} // namespace

std::string bigRosterBytes(std::size_t count) {
    std::string out;
    out.reserve(count * 300);
    Dice dice;
    for (std::size_t k = 0; k < count; ++k) {
        // An odd multiplier walks all 65536 name combinations once each, mixed.
        const auto mixed = static_cast<unsigned>((k * 40503u) & 0xFFFFu);
        const std::string surname = std::string(kSurnameStart[(mixed >> 6) & 31]) +
                                    std::string(kSurnameEnd[(mixed >> 11) & 31]);
        const std::string name = std::string(kFirst[mixed & 63]) + " " + surname;
        const bool freeAgent = dice.roll(100) < 45;
        const bool injured = dice.roll(100) < 5;
        const unsigned pop = 20 + dice.roll(81);
        const unsigned ability = 20 + dice.roll(81);

        line(out, name);
        line(out, surname);
        line(out, freeAgent ? std::string_view("Free Agent") : pick(dice, kPromotions));
        line(out, dice.roll(10) == 0 ? (dice.roll(2) ? "Brand 1" : "Brand 2") : "All");
        line(out, dice.roll(5) == 0 ? "Female" : "Male");
        line(out, pop);
        line(out, ability);
        line(out, pick(dice, kDescriptions));
        line(out, std::string(pick(dice, kMonths)) + " " + std::to_string(2005 + dice.roll(4)));
        line(out, 400 + pop * 25);
        line(out, freeAgent ? "Yes" : "No");
        line(out, 200 + pop * 10);
        line(out, dice.roll(20) == 0 ? "NWC,CCW" : "None");
        line(out, 1 + dice.roll(3));
        line(out, dice.roll(2) ? "Face" : "Heel");
        line(out, surname + " " + std::string(pick(dice, kMoves)));
        line(out, std::string_view("pst").substr(dice.roll(3), 1));
        line(out, dice.roll(10) == 0 ? pick(dice, kTeams) : "no");
        line(out, dice.roll(20) == 0 ? "The Syndicate" : "no");
        line(out, injured ? 7 + dice.roll(114) : 0);
        line(out, injured ? pick(dice, kInjuries) : "");
        line(out, injured ? std::string("Inj") : std::to_string(60 + dice.roll(41)));
        line(out, dice.roll(25) == 0 ? "Vivian Sterling" : "no");
        line(out, pick(dice, kStyles));
        line(out, 40 + dice.roll(61));
        line(out, dice.roll(30) == 0 ? std::string("R") : std::to_string(dice.roll(20)));
        line(out, 20 + dice.roll(81));
        line(out, 20 + dice.roll(81));
        line(out, dice.roll(3) == 0 ? "Light" : "Heavy");
        line(out, 20 + dice.roll(81));
        line(out, pick(dice, kCountries));
    }
    return out;
}

} // namespace bm::demo
