#pragma once

#include "core/context/editing_context.h"
#include "core/roster/roster_screen.h"
#include "core/roster/wrestler_layout.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bm::roster {

inline constexpr std::array<std::string_view, 3> kBrandChoices{"Brand 1", "Brand 2", "All"};
inline constexpr std::array<std::string_view, 2> kGenderChoices{"Male", "Female"};
inline constexpr std::array<std::string_view, 2> kIndybookingsChoices{"Yes", "No"};
// Stored as "1", "2", "3".
inline constexpr std::array<std::string_view, 3> kRolesChoices{"Lower Carder", "Mid Carder",
                                                               "Upper Carder"};
inline constexpr std::array<std::string_view, 2> kFaceheelChoices{"Face", "Heel"};
// Stored as "p", "s", "t".
inline constexpr std::array<std::string_view, 3> kFinishertypeChoices{"Pin", "Submission",
                                                                      "Top Rope"};
inline constexpr std::array<std::string_view, 9> kRingstyleChoices{
    "Basic Wrestler",  "Big Man",  "Cruiserweight", "Hardcore",  "High Flyer",
    "Old Heavyweight", "Powerful", "Technical",     "Non-Worker"};
inline constexpr std::array<std::string_view, 2> kWeightChoices{"Light", "Heavy"};
inline constexpr std::array<std::string_view, 4> kBasecountryChoices{"USA", "UK", "Japan", "Other"};

enum class Input { Text, Choice, Scroll };

// One row of the stat grid: row r edits field r.
struct Stat {
    Field field;
    std::string_view caption;
    std::string_view editingCaption;
    Input input;
    std::span<const std::string_view> choices;
    std::string_view help; // Contract Expires builds its own from the start year
};

inline constexpr std::array<Stat, kFieldCount> kStats{{
    {Field::names, "Full Name", "Full Name", Input::Text, {}, "The full name of the wrestler."},
    {Field::shortname,
     "Short Name",
     "Short Name",
     Input::Text,
     {},
     "An abbreviated name for the wrestler. Usually this will be the wrestler's surname. If the "
     "wrestler has a common surname such as Lomax, its best to use the first name instead. "
     "Otherwise when used for commentary, you may get 'Lomax pins Lomax' for example."},
    {Field::promotion,
     "Promotion",
     "Promotion",
     Input::Text,
     {},
     "If the wrestler is under contract to a promotion, enter the initials of that promotion eg. "
     "WWE. Otherwise, enter Free Agent."},
    {Field::brand, "Brand", "Brand", Input::Choice, kBrandChoices,
     "If a Brand Extension is being used, this is which Brand the wrestler belongs to. If there is "
     "no Brand Extension, or the wrestler can appear on both Brands, choose 'All'."},
    {Field::gender, "Gender", "Gender", Input::Choice, kGenderChoices,
     "The gender of the wrestler."},
    {Field::pop,
     "Draw Value",
     "Draw Value",
     Input::Scroll,
     {},
     "How well the wrestler can draw in the fans to both the arenas and the TV shows."},
    {Field::ent,
     "Ability",
     "Ability Value",
     Input::Scroll,
     {},
     "A rating of the wrestler's overall in ring ability. Ie. How good they are at putting on a "
     "normal match."},
    {Field::desc,
     "Description",
     "Description",
     Input::Text,
     {},
     "A short description of the wrestler, their character, history etc."},
    {Field::expires, "Contract Expires", "Contract Expiry Date", Input::Text, {}, ""},
    {Field::wages,
     "Weekly Wages ($)",
     "Weekly Wages ($)",
     Input::Text,
     {},
     "The amount this wrestler will currently get paid each week, if under contract. Even if a "
     "wrestler is a Free Agent, they must have this stat."},
    {Field::indybookings, "Indy Bookings", "Accept Indy Bookings?", Input::Choice,
     kIndybookingsChoices,
     "If this wrestler is under contract, but still able to accept bookings with Indy promotions, "
     "choose Yes. If a wrestler is a Free Agent, they will automatically be able to accept Indy "
     "bookings."},
    {Field::bookingfee,
     "Cost Per Appearance",
     "Booking Fee ($)",
     Input::Text,
     {},
     "The amount this wrestler expects per show for Indy bookings."},
    {Field::multiproms,
     "Regular Promotions",
     "Regular Promotions",
     Input::Text,
     {},
     "If this wrestler wrestles regularly for more than one promotion (eg. TJ Brennick), list the "
     "promotions here, separated by commas (eg. NWA:TNA,ROH). If you choose one of these "
     "promotions, this wrestler will be with you full time. If this wrestler doesn't wrestle for "
     "more than one promotion regularly, enter 'None'."},
    {Field::roles, "Role", "Card Position", Input::Choice, kRolesChoices,
     "Where on the card this wrestler wrestles most regularly. Lower Carder = opening matches etc, "
     "Upper Carder = main events etc."},
    {Field::faceheel, "Disposition", "Disposition", Input::Choice, kFaceheelChoices,
     "The character this wrestler portrays:\r\n\r\nFace = Good Guy\r\n\r\nHeel = Bad Guy"},
    {Field::finisher,
     "Finisher",
     "Finisher",
     Input::Text,
     {},
     "The name of this wrestler's finishing move. Don't include the word 'the' at the start, or "
     "you could get commentary like 'Cal Dorrance hits the The Stroke'."},
    {Field::finishertype, "Finisher Type", "Finisher Type", Input::Choice, kFinishertypeChoices,
     "Pin = A finishing move which is followed by a pinfall.\r\nSubmission = A finishing move "
     "which results in a submission.\r\nTop Rope = A finishing move where the winner comes off the "
     "top rope, and their opponent is in the ring."},
    {Field::tagteam,
     "Tag Team",
     "Tag Team",
     Input::Text,
     {},
     "If this wrestler is part of a tag team, enter the name of the team here. Otherwise, enter "
     "'no'."},
    {Field::stable,
     "Stable",
     "Stable",
     Input::Text,
     {},
     "If this wrestler is part of a stable, enter the name of the stable here. Otherwise, enter "
     "'no'."},
    {Field::injury,
     "Injury Time",
     "Injury Time",
     Input::Text,
     {},
     "If this wrestler is available to wrestle, enter '0'. Otherwise, enter the number of days "
     "until they will be available to wrestle."},
    {Field::status,
     "Status",
     "Status",
     Input::Text,
     {},
     "This is a space to put a brief description of why a wrestler is unavailable to wrestle. Eg. "
     "'Out until January 2004 with a broken leg'. If the wrestler is available, this stat can be "
     "left blank."},
    {Field::cond,
     "Condition",
     "Condition",
     Input::Scroll,
     {},
     "A rating of the wrestler's physical condition. 100 = fully fit. The lower the number, the "
     "more vulnerable to injury, and the weaker the matches they can put on. If the wrestler is "
     "currently injured, make their Condition = 0."},
    {Field::manager,
     "Valet",
     "Valet",
     Input::Text,
     {},
     "If somebody regularly accompanies this wrestler to the ring, be it a manager or a tag team "
     "partner, enter their name here. If nobody regularly accompanies this wrestler to the ring, "
     "enter 'no'."},
    {Field::ringstyle, "Ring Style", "Ring Style", Input::Choice, kRingstyleChoices,
     "The wrestling style used by this wrestler. A non-worker would be somebody who occasionally "
     "takes part in matches, but isn't officially a wrestler. Examples would be Delphine Marsh or "
     "Orrin Kessler."},
    {Field::morale,
     "Morale",
     "Morale",
     Input::Scroll,
     {},
     "A rating of how happy the wrestler is. 100 = perfectly happy. When this number is low, the "
     "wrestler will ask for a release and his performances will suffer."},
    {Field::retire,
     "Retire",
     "Retirement Consideration",
     Input::Text,
     {},
     "A number = the years left until they consider retiring.\r\n0 = Each month the wrestler could "
     "announce their retirement.\r\nD = They've decided to retire at the end of the current "
     "month.\r\nR = They have retired as an in ring competitor."},
    {Field::micskills,
     "Mic Skills",
     "Mic Skills",
     Input::Scroll,
     {},
     "A rating of how well the wrestler can speak on the mic, eg. cutting promos. 100 = The best "
     "possible talker, 0 = the worst possible talker."},
    {Field::hardcore,
     "Hardcore Ability",
     "Hardcore Ability",
     Input::Scroll,
     {},
     "A rating of how well the wrestler can perform in a weapons and brawling based match. Eg. "
     "Corvane vs Danny Sleever would be a much better match if weapons were involved, as they can "
     "both use the hardcore style well. 100 = A perfect hardcore competitor."},
    {Field::weight, "Weight Class", "Weight Class", Input::Choice, kWeightChoices,
     "Whether this wrestler is a Light Heavyweight (under 220lbs), or a Heavyweight."},
    {Field::charisma,
     "Charisma",
     "Charisma",
     Input::Scroll,
     {},
     "A rating of how charismatic the wrestler is. If they are bland and forgettable, this number "
     "will be low. Someone such as The Monolith would have a high rating, as he is very "
     "charismatic."},
    {Field::basecountry, "Base Country", "Base Country", Input::Choice, kBasecountryChoices,
     "Where this wrestler spends the majority of their time. It is used for when booking Indy "
     "wrestlers who would need to fly in from another country. For Canada, USA should be chosen."},
}};

inline constexpr std::string_view kExpiryHelpBefore =
    "The date the wrestler's contract expires, month then year. Every wrestler on the database "
    "can be given a random expiry date instantly by clicking the button on the previous screen. "
    "If choosing manually, remember the game begins in the year ";
inline constexpr std::string_view kExpiryHelpAfter = ", so no dates should be before this.";

inline constexpr std::string_view kIdleCaption = "Click on a stat above to edit";
inline constexpr std::string_view kStatOk = "OK";
inline constexpr std::string_view kStatCancel = "Cancel";
inline constexpr std::string_view kCloseEditor = "OK";
inline constexpr std::string_view kDeleteWrestler = "Delete This Wrestler";
inline constexpr std::string_view kInjured = "Inj";
inline constexpr int kScrollMin = 0;
inline constexpr int kScrollMax = 100;
inline constexpr int kScrollStep = 1;
inline constexpr int kScrollPage = 5;
// Column widths in twips (1/1440 inch); captions white bold on navy.
inline constexpr int kCaptionColumnTwips = 2300;
inline constexpr int kValueColumnTwips = 4215;
inline constexpr unsigned kCaptionBackground = 0x000080;
inline constexpr unsigned kCaptionText = 0xFFFFFF;

inline constexpr std::string_view kDeleteQuestion =
    "Are you sure you want to permanently delete this wrestler?";
inline constexpr std::string_view kDeleteCancelled = "Delete cancelled.";
inline constexpr std::string_view kWrestlerDeleted = "This wrestler has been deleted.";

// The messages of the stat checks.
inline constexpr std::string_view kFullNameBlank = "You can't leave the Full Name stat blank.";
inline constexpr std::string_view kNameInUse = "That name is already being used in this database.";
inline constexpr std::string_view kShortNameBlank = "You can't leave the Short Name stat blank.";
inline constexpr std::string_view kPromotionBlank = "You can't leave the Promotion stat blank.";
inline constexpr std::string_view kBrandInvalid =
    "The Brand stat must be either Brand 1, Brand 2 or All.";
inline constexpr std::string_view kGenderInvalid = "The Gender stat must be either Male or Female.";
inline constexpr std::string_view kDescriptionBlank = "You can't leave the Description stat blank.";
inline constexpr std::string_view kExpiryBlank =
    "You can't leave the Contract Expiry Date stat blank.";
inline constexpr std::string_view kExpiryForm =
    "The expiry date must be in the form month then year, eg. January 2004.";
inline constexpr std::string_view kWagesBlank = "You can't leave the Weekly Wages stat blank.";
inline constexpr std::string_view kIndyInvalid =
    "The Accept Indy Bookings stat must be either Yes or No.";
inline constexpr std::string_view kBookingFeeBlank = "You can't leave the Booking Fee stat blank.";
inline constexpr std::string_view kRegularPromotionsBlank =
    "You can't leave the Regular Promotions stat blank. If the wrestler doesn't wrestle for more "
    "than one promotion regularly, enter 'None'.";
inline constexpr std::string_view kRoleInvalid =
    "The Card Position stat must be either Lower Carder, Mid Carder or Upper Carder.";
inline constexpr std::string_view kDispositionInvalid =
    "The Disposition stat must be either Face or Heel.";
inline constexpr std::string_view kFinisherBlank = "You can't leave the Finisher stat blank.";
inline constexpr std::string_view kFinisherThe =
    "You can't start the finisher with 'The'! The game automatically adds 'the' to the "
    "commentary.";
inline constexpr std::string_view kFinisherTypeInvalid =
    "The Finisher Type stat must be either Pin, Submission or Top Rope.";
inline constexpr std::string_view kTagTeamBlank = "You can't leave the Tag Team stat blank.";
inline constexpr std::string_view kStableBlank = "You can't leave the Stable stat blank.";
inline constexpr std::string_view kInjuryTimeBlank =
    "You can't leave the Injury Time stat blank. If this wrestler is not injured, enter '0'.";
inline constexpr std::string_view kConditionInjured =
    "Condition stat cannot be 'Inj' if Injury Time is zero.";
inline constexpr std::string_view kValetBlank = "You can't leave the Valet stat blank.";
inline constexpr std::string_view kRingStyleInvalid =
    "The Ring Style stat must be one of the options in the list.";
inline constexpr std::string_view kWeightInvalid =
    "The Weight Class stat must be either Light or Heavy.";
inline constexpr std::string_view kBaseCountryInvalid =
    "The Base Country stat must be either USA, UK, Japan or Other.";

// One wrestler's 31 stats, changed one at a time. Each stat has its input,
// help and checks; a change that passes goes into the roster at once (the
// roster screen saves). The editor also deletes the wrestler.
class StatEditor : public ui::Model {
public:
    StatEditor(ui::Dialogs& dialogs, ui::Navigator& navigator, context::EditingContext& context,
               RosterScreen& rosterScreen);

    // Fills the editor for a roster entry and shows it.
    void open(std::size_t entry);

    // What the user can do. Only a click on a value (column 1) starts an
    // edit, and only while no stat is being edited.
    void clickCell(int row, int column);
    void typeText(std::string_view text);
    // The list's text, chosen or typed.
    void typeChoice(std::string_view text);
    void moveScroll(int value);
    void apply(); // the stat "OK", or Enter in the text box or the list
    void cancel();
    void close(); // the "OK" that leaves the editor
    void deleteWrestler();

    const std::string& heading() const { return heading_; }
    static constexpr int rowCount() { return static_cast<int>(kFieldCount); }
    static std::string_view caption(int row);
    // The stored value, Role and Finisher Type in their shown forms.
    std::string_view value(int row) const;

    // Idle: no stat edited; the grid, "OK" and "Delete This Wrestler" usable.
    bool editing() const { return editingRow_ >= 0; }
    int editingRow() const { return editingRow_; }
    // The input shown while editing; none while idle.
    std::optional<Input> input() const;
    std::span<const std::string_view> choices() const;
    const std::string& textBox() const { return textBox_; }
    const std::string& choiceText() const { return choiceText_; }
    int scrollValue() const { return scrollValue_; }
    const std::string& numberLabel() const { return numberLabel_; }
    const std::string& editingCaption() const { return editingCaption_; }
    const std::string& help() const { return help_; }

    std::size_t entry() const { return entry_; }

private:
    bool isOpen() const;
    WrestlerRecord& record();
    const WrestlerRecord& record() const;
    void startEdit(int row);
    std::string expiryHelp();
    // The messages of the checks the value fails, in order.
    std::vector<std::string_view> problems(Field field, std::string_view value) const;
    void idle();

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    context::EditingContext& context_;
    RosterScreen& rosterScreen_;
    Roster& roster_;

    static constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);
    std::size_t entry_ = kNoEntry;
    std::string heading_;
    int editingRow_ = -1;
    std::string textBox_;
    std::string choiceText_;
    int scrollValue_ = 0;
    std::string numberLabel_;
    std::string editingCaption_{kIdleCaption};
    std::string help_;
};

} // namespace bm::roster
