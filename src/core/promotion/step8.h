#pragma once

#include "core/context/editing_context.h"
#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step.h"
#include "core/ui/bar.h"
#include "core/ui/choice.h"

#include <array>
#include <string>
#include <string_view>

namespace bm::promotion {

// A talk show segment whose name is this word is off.
inline constexpr std::string_view kNoSegment = "NA";
// Either word, typed into any field of a segment, switches it off.
inline constexpr std::array<std::string_view, 2> kSegmentOffWords{"NA", "None"};

inline constexpr std::array<std::string_view, 4> kCountries{"USA", "UK", "Japan", "Other"};
inline constexpr std::string_view kPopularityCaption = "Promotion's Overall Popularity";
inline constexpr std::string_view kCountryCaption = "Country Promotion Is Based In";

// Two segments of three fields each: name, host, and the show it is on.
enum class Step8Field {
    brand1talkshowname,
    brand1talkshowhost,
    talkshow1showname,
    brand2talkshowname,
    brand2talkshowhost,
    talkshow2showname,
};

inline constexpr PromptTable<Step8Field, 6> kStep8Prompts{
    {Step8Field::brand1talkshowname, "Brand 1 Talk Show Segment Name", line::brand1talkshowname,
     "Brand 1 Talk Show Segment Name",
     "Please enter the name of the talk show segment for this promotion, if there is one. If "
     "there is a roster split for this promotion, enter the talk show details here if it is on "
     "brand 1. If there is no talk show segment for this promotion/brand, enter 'NA'."},
    {Step8Field::brand1talkshowhost, "Brand 1 Talk Show Segment Host", line::brand1talkshowhost,
     "Brand 1 Talk Show Segment Host",
     "Please enter the name of the host of this talk show segment. If there isn't a talk show "
     "segment for this promotion/brand, enter 'NA'."},
    {Step8Field::talkshow1showname, "Name Of Show This Segment Is On", line::talkshow1showname,
     "Which Show?",
     "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if there "
     "is one. If there is no talk show segment for this promotion/brand, enter 'NA'."},
    {Step8Field::brand2talkshowname, "Brand 2 Talk Show Segment Name", line::brand2talkshowname,
     "Brand 2 Talk Show Segment Name",
     "Please enter the name of the talk show segment for this promotion's 2nd brand, if there is "
     "one. This will only be used if there is a roster split in this promotion. If there is no "
     "talk show segment for brand 2, enter 'NA'."},
    {Step8Field::brand2talkshowhost, "Brand 2 Talk Show Segment Host", line::brand2talkshowhost,
     "Brand 2 Talk Show Segment Host",
     "Please enter the name of the host of this talk show segment. If there isn't a talk show "
     "segment for this promotion's 2nd brand, enter 'NA'."},
    {Step8Field::talkshow2showname, "Name Of Show This Segment Is On", line::talkshow2showname,
     "Which Show?",
     "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if there "
     "is one. If there is no talk show segment for this promotion's 2nd brand, enter 'NA'."},
};

// Step 8, the last of the promotion editor: the talk show segments, the
// promotion's popularity and country, and "SAVE", which checks the whole
// promotion and writes its file.
class Step8 : public Step {
public:
    // The save writes into the folder of the context being edited.
    Step8(StepServices& services, const context::EditingContext& context);

    void fillFromRecord() override;

    // What the user can do ("SAVE" is next()).
    void edit(Step8Field field);
    void movePopularity(int value);
    void chooseCountry(int index);

    const std::string& shown(Step8Field field) const { return fields_[field]; }
    const FieldTexts<Step8Field, kStep8Prompts.size()>& fieldTexts() const { return fields_; }
    const ui::Bar& popularityBar() const { return popularityBar_; }
    // The value followed by "%".
    const std::string& popularity() const { return popularity_; }
    const ui::Choice& country() const { return country_; }

protected:
    void save() override;

private:
    void switchOff(Step8Field name, Step8Field edited);

    const context::EditingContext& context_;
    FieldTexts<Step8Field, kStep8Prompts.size()> fields_;
    ui::Bar popularityBar_{0, 100};
    std::string popularity_;
    ui::Choice country_{kCountries};
};

} // namespace bm::promotion
