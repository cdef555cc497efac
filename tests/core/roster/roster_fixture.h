#pragma once

#include "core/roster/roster.h"
#include "support/editor_fixture.h"

#include <string>
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

// The editor on a game folder whose Data folder holds a start year of 2004.
class RosterTest : public bm::test::EditorTest {
protected:
    RosterScreen& screen = editor.rosterScreen;
    StatEditor& stats = editor.statEditor;

    void SetUp() override {
        game.writeLines("Data/maindata.bm1",
                        {"x", "y", "Wednesday", "18", "August", "2004", "rest"});
    }
    // Loads the file through the editing menu and clears the log.
    void openWith(const std::vector<Wrestler>& wrestlers) {
        game.write("Data/wrestlers.bm1", wrestlersFile(wrestlers));
        editor.menu.press(context::MenuButton::Wrestlers);
        dialogs.clear();
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (int row = 0; row < screen.rowCount(); ++row) {
            names.emplace_back(screen.cell(row, kNameColumn));
        }
        return names;
    }
    // Opens the wrestler by name from the list.
    void edit(const std::string& name) {
        for (int row = 0; row < screen.rowCount(); ++row) {
            if (screen.cell(row, kNameColumn) == name) {
                screen.clickCell(row, kNameColumn);
                return;
            }
        }
        ADD_FAILURE() << name << " is not listed";
    }
    std::string file() const { return game.read("Data/wrestlers.bm1"); }
};

} // namespace bm::roster::test
