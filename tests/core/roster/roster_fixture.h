#pragma once

#include "core/roster/roster.h"

#include <string>
#include <string_view>
#include <vector>

namespace bm::roster::test {

struct Wrestler {
    std::string name;
    std::string promotion = "Free Agent";
    std::string injury = "0";
};

// The wrestlers file of these wrestlers: defaults apart from the fields given.
inline std::string wrestlersFile(const std::vector<Wrestler>& wrestlers) {
    Roster roster;
    for (const auto& w : wrestlers) {
        WrestlerRecord r = newWrestler(w.name, "2004");
        r.set(Field::promotion, w.promotion);
        r.set(Field::injury, w.injury);
        roster.append(r);
    }
    return rosterBytes(roster);
}

// One wrestler's record, defaults apart from the contract's expiry.
inline std::string wrestlerExpiring(std::string_view name, std::string_view expires) {
    WrestlerRecord r = newWrestler(name, "2004");
    r.set(Field::expires, expires);
    return std::string(r.fileBytes());
}

} // namespace bm::roster::test
