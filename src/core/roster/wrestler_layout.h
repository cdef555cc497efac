#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Layout of the wrestlers file: a plain run of records, one wrestler each,
// every record the same 31 lines in this order. No header, no count.
namespace bm::roster {

inline constexpr std::string_view kWrestlersFile = "wrestlers.bm1";

// The fields of one wrestler, in file order.
enum class Field : std::uint8_t {
    names,
    shortname,
    promotion,
    brand,
    gender,
    pop,
    ent,
    desc,
    expires,
    wages,
    indybookings,
    bookingfee,
    multiproms,
    roles,
    faceheel,
    finisher,
    finishertype,
    tagteam,
    stable,
    injury,
    status,
    cond,
    manager,
    ringstyle,
    morale,
    retire,
    micskills,
    hardcore,
    weight,
    charisma,
    basecountry,
};
inline constexpr std::size_t kFieldCount = 31;

constexpr std::size_t indexOf(Field field) {
    return static_cast<std::size_t>(field);
}
// The field's line within its record, counted from 1.
constexpr int lineOf(Field field) {
    return static_cast<int>(field) + 1;
}
static_assert(lineOf(Field::names) == 1);
static_assert(lineOf(Field::promotion) == 3);
static_assert(lineOf(Field::expires) == 9);
static_assert(lineOf(Field::roles) == 14);
static_assert(lineOf(Field::finishertype) == 17);
static_assert(lineOf(Field::injury) == 20);
static_assert(lineOf(Field::status) == 21);
static_assert(lineOf(Field::cond) == 22);
static_assert(lineOf(Field::retire) == 26);
static_assert(lineOf(Field::basecountry) == kFieldCount);

// Roster positions are the game's 16-bit indices.
inline constexpr std::size_t kMaxWrestlers = 32767;

// What a new wrestler starts with. The two names and the expiry are made
// when the wrestler is created; they stand empty here.
inline constexpr std::array<std::string_view, kFieldCount> kNewWrestler{
    "",                            // names: generated
    "",                            // shortname: the same generated name
    "Free Agent",                  // promotion
    "All",                         // brand
    "Male",                        // gender
    "70",                          // pop
    "70",                          // ent
    "Type your description here.", // desc
    "",                            // expires: July, three years after the start
    "850",                         // wages
    "No",                          // indybookings
    "500",                         // bookingfee
    "None",                        // multiproms
    "2",                           // roles
    "Face",                        // faceheel
    "Finishing Move",              // finisher
    "p",                           // finishertype
    "no",                          // tagteam
    "no",                          // stable
    "0",                           // injury
    "",                            // status
    "100",                         // cond
    "no",                          // manager
    "Basic Wrestler",              // ringstyle
    "75",                          // morale
    "15",                          // retire
    "70",                          // micskills
    "70",                          // hardcore
    "Heavy",                       // weight
    "70",                          // charisma
    "USA",                         // basecountry
};

inline constexpr std::string_view kGeneratedName = "New Wrestler";
inline constexpr std::string_view kExpiryMonth = "July ";
inline constexpr int kExpiryYearsAhead = 3;

} // namespace bm::roster
