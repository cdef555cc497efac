#include "demo/demo_data.h"

#include "core/promotion/record/promotion_record.h"

#include <array>

namespace bm::demo {
namespace {
using namespace promotion::line;
using promotion::PromotionRecord;

// Fields of one wrestler in file order.
struct Wrestler {
    const char* name;
    const char* promotion;
    const char* gender;
    int pop;
    int ability;
    const char* expires;
    const char* finisher;
    const char* finisherType;
    const char* role;
    const char* faceHeel;
    const char* tagTeam;
    const char* injury;
    const char* status;
    const char* ringStyle;
    const char* weight;
    const char* country;
};

// Every name here is invented for the demo.
constexpr std::array<Wrestler, 40> kWrestlers{{
    {"Dax Ironwood", "NWC", "Male", 88, 82, "March 2006", "Timber Drop", "p", "3", "Face", "no",
     "0", "", "Powerful", "Heavy", "USA"},
    {"Corvin Blake", "NWC", "Male", 84, 90, "June 2007", "Blackout Lock", "s", "3", "Heel", "no",
     "0", "", "Technical", "Heavy", "USA"},
    {"Marla Quell", "NWC", "Female", 76, 74, "January 2006", "Quell Crusher", "p", "3", "Face",
     "no", "0", "", "Basic Wrestler", "Light", "USA"},
    {"Sable Rourke", "NWC", "Female", 70, 71, "October 2005", "Rourke Rollup", "p", "2", "Heel",
     "no", "0", "", "Technical", "Light", "UK"},
    {"Titus Varga", "NWC", "Male", 79, 68, "December 2005", "Varga Bomb", "p", "3", "Heel",
     "Iron Curtain", "0", "", "Big Man", "Heavy", "Other"},
    {"Oleg Marr", "NWC", "Male", 61, 66, "December 2005", "Siberian Slam", "p", "2", "Heel",
     "Iron Curtain", "0", "", "Powerful", "Heavy", "Other"},
    {"Jet Calloway", "NWC", "Male", 72, 85, "May 2006", "Skyline Press", "t", "2", "Face",
     "High Tide", "0", "", "High Flyer", "Light", "USA"},
    {"Rico Santel", "NWC", "Male", 66, 80, "May 2006", "Santel Spiral", "t", "2", "Face",
     "High Tide", "14", "Sprained ankle", "Cruiserweight", "Light", "USA"},
    {"Gideon Kraal", "NWC", "Male", 58, 62, "February 2005", "Kraal Clutch", "s", "1", "Heel", "no",
     "0", "", "Old Heavyweight", "Heavy", "USA"},
    {"Nash Tolliver", "NWC", "Male", 55, 70, "April 2005", "Tolliver Twist", "s", "1", "Face", "no",
     "0", "", "Technical", "Light", "USA"},
    {"Bruno Kestrel", "NWC", "Male", 64, 58, "September 2005", "Kestrel Dive", "t", "2", "Heel",
     "no", "0", "", "Hardcore", "Heavy", "USA"},
    {"Ivy Delacourt", "NWC", "Female", 60, 66, "August 2005", "Delacourt Driver", "p", "2", "Face",
     "no", "0", "", "High Flyer", "Light", "USA"},
    {"Hank Mulvaney", "NWC", "Male", 40, 20, "November 2006", "Boardroom Bash", "p", "1", "Heel",
     "no", "0", "", "Non-Worker", "Heavy", "USA"},
    {"Axel Brandt", "NWC", "Male", 70, 73, "July 2006", "Brandt Buster", "p", "2", "Face", "no",
     "0", "", "Basic Wrestler", "Heavy", "UK"},
    {"Felix Osei", "NWC", "Male", 52, 77, "March 2005", "Osei Splash", "t", "1", "Face", "no", "0",
     "", "High Flyer", "Light", "UK"},
    {"Reggie Vantassel", "CCW", "Male", 68, 70, "January 2006", "Undertow", "p", "3", "Face", "no",
     "0", "", "Basic Wrestler", "Heavy", "USA"},
    {"Cass Moreno", "CCW", "Male", 63, 78, "February 2006", "Riptide Stretch", "s", "3", "Heel",
     "no", "0", "", "Technical", "Light", "USA"},
    {"Duke Harlan", "CCW", "Male", 59, 55, "October 2005", "Pier Piledriver", "p", "2", "Heel",
     "Salt Kings", "0", "", "Powerful", "Heavy", "USA"},
    {"Bo Harlan", "CCW", "Male", 54, 57, "October 2005", "Anchor Drop", "p", "2", "Heel",
     "Salt Kings", "0", "", "Big Man", "Heavy", "USA"},
    {"Lila Brightwater", "CCW", "Female", 57, 64, "June 2005", "Sunset Flip", "p", "2", "Face",
     "no", "0", "", "High Flyer", "Light", "USA"},
    {"Mack Deverell", "CCW", "Male", 48, 60, "December 2004", "Deverell Drop", "p", "1", "Face",
     "no", "21", "Torn bicep", "Basic Wrestler", "Heavy", "USA"},
    {"Quinn Alder", "CCW", "Male", 50, 69, "August 2005", "Alder Lock", "s", "2", "Face", "no", "0",
     "", "Technical", "Light", "Other"},
    {"Trent Marlowe", "CCW", "Male", 46, 52, "May 2005", "Marlowe Maul", "p", "1", "Heel", "no",
     "0", "", "Hardcore", "Heavy", "USA"},
    {"Sunny Pell", "CCW", "Female", 44, 61, "April 2005", "Pell Plunge", "t", "1", "Face", "no",
     "0", "", "Cruiserweight", "Light", "USA"},
    {"Gus Fairbank", "CCW", "Male", 38, 45, "November 2005", "Fairbank Flop", "p", "1", "Heel",
     "no", "0", "", "Old Heavyweight", "Heavy", "USA"},
    {"Wade Thornbury", "HFW", "Male", 45, 58, "September 2005", "Dockside Driver", "p", "3", "Face",
     "no", "0", "", "Basic Wrestler", "Heavy", "USA"},
    {"Paz Ortega", "HFW", "Male", 41, 71, "March 2005", "Ortega Arrow", "t", "2", "Face", "no", "0",
     "", "High Flyer", "Light", "Other"},
    {"Dirk Stavros", "HFW", "Male", 39, 49, "January 2005", "Stavros Stomp", "p", "2", "Heel", "no",
     "0", "", "Hardcore", "Heavy", "USA"},
    {"Nell Ashby", "HFW", "Female", 35, 56, "July 2005", "Ashby Armbar", "s", "2", "Face", "no",
     "0", "", "Technical", "Light", "UK"},
    {"Colt Rainer", "HFW", "Male", 30, 47, "February 2005", "Rainer Rack", "s", "1", "Heel", "no",
     "0", "", "Powerful", "Heavy", "USA"},
    {"Ezra Quint", "HFW", "Male", 28, 63, "June 2005", "Quint Cutter", "p", "1", "Face", "no", "0",
     "", "Cruiserweight", "Light", "USA"},
    {"Kenji Arakawa", "Free Agent", "Male", 67, 88, "July 2007", "Kaze Lock", "s", "2", "Face",
     "no", "0", "", "Technical", "Light", "Japan"},
    {"Hiro Tanabe", "Free Agent", "Male", 58, 81, "July 2007", "Tanabe Suplex", "p", "2", "Heel",
     "no", "0", "", "Powerful", "Heavy", "Japan"},
    {"Yumi Sakurai", "Free Agent", "Female", 55, 79, "July 2007", "Blossom Press", "t", "2", "Face",
     "no", "0", "", "High Flyer", "Light", "Japan"},
    {"Rory Fenwick", "Free Agent", "Male", 49, 67, "July 2007", "Fenwick Fold", "p", "2", "Heel",
     "no", "0", "", "Technical", "Light", "UK"},
    {"Dom Castellan", "Free Agent", "Male", 62, 59, "July 2007", "Castle Crash", "p", "2", "Heel",
     "no", "0", "", "Big Man", "Heavy", "USA"},
    {"Vera Stokes", "Free Agent", "Female", 47, 58, "July 2007", "Stokes Slam", "p", "1", "Face",
     "no", "0", "", "Basic Wrestler", "Light", "USA"},
    {"Lorne Pike", "Free Agent", "Male", 36, 54, "July 2007", "Pike Drop", "p", "1", "Face", "no",
     "0", "", "Basic Wrestler", "Heavy", "Other"},
    {"Magnus Ebbe", "Free Agent", "Male", 44, 66, "July 2007", "Fjord Lock", "s", "2", "Heel", "no",
     "0", "", "Old Heavyweight", "Heavy", "Other"},
    {"Tess Whitlow", "Free Agent", "Female", 33, 52, "July 2007", "Whitlow Whip", "p", "1", "Face",
     "no", "0", "", "Cruiserweight", "Light", "UK"},
}};

struct Venue {
    const char* name;
    const char* cityState;
    const char* city;
    const char* capacity;
    const char* country;
    const char* exclusiveTo;
};

constexpr std::array<Venue, 12> kVenues{{
    {"Harborview Arena", "Port Calder, Maine", "Port Calder", "12000", "USA", "None"},
    {"Rustbelt Coliseum", "Gravesend, Ohio", "Gravesend", "9500", "USA", "NWC"},
    {"Lakeshore Pavilion", "Millbrook, Michigan", "Millbrook", "4200", "USA", "None"},
    {"Saltmarsh Hall", "Brinewick, South Carolina", "Brinewick", "1800", "USA", "CCW"},
    {"Old Foundry Gym", "Port Calder, Maine", "Port Calder", "450", "USA", "HFW"},
    {"Desert Star Center", "Dunmore, Arizona", "Dunmore", "15000", "USA", "None"},
    {"Pinecrest Fieldhouse", "Ashgrove, Oregon", "Ashgrove", "3000", "USA", "None"},
    {"Kingsmere Exhibition Hall", "Kingsmere, Yorkshire", "Kingsmere", "6000", "UK", "None"},
    {"Thamesgate Leisure Centre", "Thamesgate, Essex", "Thamesgate", "2200", "UK", "None"},
    {"Minato Budokan Annex", "Kitaura, Chiba", "Kitaura", "8000", "Japan", "None"},
    {"Sakuragawa Sports Hall", "Sakuragawa, Osaka", "Sakuragawa", "3500", "Japan", "None"},
    {"Estadio Arenal Norte", "Villa Serrano, Nuevo Leon", "Villa Serrano", "7000", "Other", "None"},
}};

void setShow(PromotionRecord& r, int show, const char* name, const char* day, const char* logo,
             const char* type, const char* popularity, const char* rating) {
    const auto& s = shows[static_cast<std::size_t>(show - 1)];
    r.set(s.nameofshow, name);
    r.set(s.showday, day);
    r.set(s.showlogo, logo);
    r.set(s.showbrand, "All");
    r.set(s.showtype, type);
    r.set(s.percentage, popularity);
    r.set(s.tvrating, rating);
}

void setBigShow(PromotionRecord& r, int month, const char* name, const char* logo) {
    const auto& m = months[static_cast<std::size_t>(month - 1)];
    r.set(m.bigshowname, name);
    r.set(m.bigshowbrand, "All");
    r.set(m.bigshowlogo, logo);
}

// A title block as the editor's save leaves it: the record lines reset and
// the champion copied.
void setTitle(PromotionRecord& r, int title, const char* name, const char* holder, const char* type,
              const char* value, const char* gender, const char* champion, const char* champ1,
              const char* champ2, const char* reign, const char* defences, const char* since) {
    const auto& t = titles[static_cast<std::size_t>(title - 1)];
    r.set(t.titlename, name);
    r.set(t.holdername, holder);
    if (t.titletype != kNoLine) {
        r.set(t.titletype, type);
        r.set(t.champ1, champ1);
        r.set(t.champ2, champ2);
    }
    r.set(t.titlevalue, value);
    r.set(t.titlegender, gender);
    r.set(t.titleweight, "All");
    r.set(t.titlehardcore, "No");
    r.set(t.mindraw, "50");
    r.set(t.titlebrand, "All");
    r.set(t.currentchamp, champion);
    r.set(t.reign, reign);
    r.set(t.titlerecord, "No Record Yet");
    r.set(t.titlerecordnum, "0");
    r.set(t.defenses, defences);
    r.set(t.historydate, since);
    r.set(t.savedchamp, champion);
}

PromotionRecord nationalPromotion() {
    PromotionRecord r = promotion::makeTemplateRecord();
    r.set(prominitials, "NWC");
    r.set(promname, "Northern Wrestling Coalition");
    r.set(promlogo, "nwc.jpg");
    r.set(size, "5");
    r.set(bankbalance, "4750000");
    r.set(website, "http://www.nwc-wrestling.example");
    r.set(description, "The established national power: big arenas, weekly TV and a monthly PPV.");
    r.set(owner, "Hank Mulvaney");
    r.set(tvcoverage, "National");
    setShow(r, 1, "Monday Mayhem", "Monday", "mayhem.gif", "TV", "78", "350");
    setShow(r, 2, "Thursday Thunderclap", "Thursday", "thunderclap.bmp", "TV", "64", "240");
    setShow(r, 3, "NWC Roadshow", "Saturday", "NA", "House", "40", "");
    r.set(untvatt, "2500");
    r.set(tvatt, "9000");
    r.set(primaryprod, "12");
    r.set(secondaryprod, "8");
    r.set(bigshowprod, "15");
    r.set(popularity, "74");
    r.set(ppvdeal, "Yes");
    r.set(ppvbuyrate, "83");
    r.set(bigshowatt, "14000");
    const char* bigShows[12] = {"Frostbite",          "Heartbreak Hotel", "Spring Reckoning",
                                "Thaw Out",           "Maximum Voltage",  "Summer Siege",
                                "Independence Brawl", "Heatwave",         "Autumn Overdrive",
                                "Fright Night",       "Harvest of Pain",  "Final Countdown"};
    for (int m = 1; m <= 12; ++m) {
        setBigShow(r, m, bigShows[m - 1], m % 2 ? "nwc_ppv.jpg" : "NA");
    }
    setTitle(r, 1, "NWC World Heavyweight Title", "NWC World Heavyweight Champion", "", "90",
             "Male", "Corvin Blake", "", "", "164", "6", "Tuesday 2nd March 2004");
    setTitle(r, 2, "NWC National Title", "NWC National Champion", "", "70", "Male", "Axel Brandt",
             "", "", "12", "1", "Friday 30th July 2004");
    setTitle(r, 3, "NWC Women's Title", "NWC Women's Champion", "", "65", "Female", "Marla Quell",
             "", "", "271", "9", "Friday 14th November 2003");
    setTitle(r, 5, "NWC Tag Team Titles", "NWC Tag Team Champions", "Tag Team", "72", "Male",
             "Iron Curtain", "Titus Varga", "Oleg Marr", "12", "2", "Friday 30th July 2004");
    r.set(powerfig1name, "Hank Mulvaney");
    r.set(brand1powerfig1title, "Owner");
    r.set(interviewer1, "Ivy Delacourt");
    r.set(brand1talkshowname, "The Ironwood Report");
    r.set(brand1talkshowhost, "Dax Ironwood");
    r.set(talkshow1showname, "Monday Mayhem");
    r.set(nameofbigshow, "Autumn Overdrive");
    r.set(levelofpromotion, "3");
    r.set(dateofshow, "Sunday 26th September 2004");
    r.set(days, "12");
    return r;
}

PromotionRecord regionalPromotion() {
    PromotionRecord r = promotion::makeTemplateRecord();
    r.set(prominitials, "CCW");
    r.set(promname, "Coastal Championship Wrestling");
    r.set(promlogo, "ccw.bmp");
    r.set(size, "3");
    r.set(bankbalance, "620000");
    r.set(website, "None");
    r.set(description, "A proud regional promotion with a loyal seaside following.");
    r.set(owner, "Delphine Marsh");
    r.set(tvcoverage, "Regional");
    setShow(r, 1, "Tidal Wave", "Saturday", "tidalwave.jpg", "TV", "58", "120");
    setShow(r, 2, "Boardwalk Brawl", "Friday", "NA", "House", "45", "");
    r.set(untvatt, "600");
    r.set(tvatt, "1800");
    r.set(primaryprod, "6");
    r.set(secondaryprod, "3");
    r.set(bigshowprod, "7");
    r.set(popularity, "52");
    r.set(ppvbuyrate, "10");
    r.set(bigshowatt, "3000");
    setBigShow(r, 4, "Spring Tide", "ccw_bigshow.gif");
    setBigShow(r, 7, "Shoreline Showdown", "ccw_bigshow.gif");
    setBigShow(r, 10, "Storm Surge", "NA");
    setTitle(r, 1, "CCW Heavyweight Title", "CCW Heavyweight Champion", "", "60", "Male",
             "Cass Moreno", "", "", "95", "4", "Tuesday 2nd March 2004");
    setTitle(r, 5, "CCW Tag Team Titles", "CCW Tag Team Champions", "Tag Team", "50", "Male",
             "Vacant", "None", "None", "0", "0", "Friday 30th July 2004");
    r.set(country, "USA");
    r.set(nameofbigshow, "Shoreline Showdown");
    r.set(levelofpromotion, "2");
    r.set(dateofshow, "Sunday 17th October 2004");
    r.set(days, "5");
    return r;
}

PromotionRecord indyPromotion() {
    PromotionRecord r = promotion::makeTemplateRecord();
    r.set(prominitials, "HFW");
    r.set(promname, "Harbor Front Wrestling");
    r.set(size, "1");
    r.set(bankbalance, "18500");
    r.set(website, "http://www.harborfront.example");
    r.set(description, "A scrappy local indy running the old foundry every week.");
    r.set(owner, "Wade Thornbury");
    r.set(months[0].bigshowlogo, "NA");
    setShow(r, 1, "Foundry Fights", "Wednesday", "NA", "House", "35", "10");
    setTitle(r, 1, "HFW Championship", "HFW Champion", "", "40", "All", "Paz Ortega", "", "", "44",
             "3", "Friday 30th July 2004");
    return r;
}

} // namespace

platform::Lines mainDataLines() {
    return {"BM13", "1", "Wednesday", "11", "August", "2004", "0", "0"};
}

platform::Lines venueLines() {
    platform::Lines lines;
    for (const auto& v : kVenues) {
        lines.insert(lines.end(),
                     {v.name, v.cityState, v.city, v.capacity, v.country, v.exclusiveTo});
    }
    return lines;
}

platform::Lines wrestlerLines(const std::string& promotionFilter) {
    platform::Lines lines;
    for (const auto& w : kWrestlers) {
        if (!promotionFilter.empty() && promotionFilter != w.promotion) {
            continue;
        }
        const std::string pop = std::to_string(w.pop);
        const std::string ability = std::to_string(w.ability);
        const bool injured = std::string(w.injury) != "0";
        lines.insert(lines.end(), {
                                      w.name,
                                      w.name,
                                      w.promotion,
                                      "All",
                                      w.gender,
                                      pop,
                                      ability,
                                      "A dependable worker the fans know well.",
                                      w.expires,
                                      std::to_string(400 + w.pop * 25),
                                      w.promotion == std::string("Free Agent") ? "Yes" : "No",
                                      std::to_string(200 + w.pop * 10),
                                      "None",
                                      w.role,
                                      w.faceHeel,
                                      w.finisher,
                                      w.finisherType,
                                      w.tagTeam,
                                      "no",
                                      w.injury,
                                      w.status,
                                      injured ? "Inj" : "100",
                                      "no",
                                      w.ringStyle,
                                      "75",
                                      std::to_string(w.pop > 80 ? 4 : 12),
                                      std::to_string(std::min(100, w.pop + 5)),
                                      std::to_string(std::max(20, w.ability - 15)),
                                      w.weight,
                                      std::to_string(w.pop),
                                      w.country,
                                  });
    }
    return lines;
}

std::vector<DemoPromotion> dataPromotions() {
    return {{"ccw.fed", regionalPromotion().lines()},
            {"hfw.fed", indyPromotion().lines()},
            {"nwc.fed", nationalPromotion().lines()}};
}

DemoPromotion scenarioPromotion() {
    PromotionRecord r = indyPromotion();
    r.set(prominitials, "GPW");
    r.set(promname, "Gaslight Pro Wrestling");
    r.set(promlogo, "gaslight.gif");
    r.set(description, "The upstart that the scenario is about.");
    r.set(owner, "Rory Fenwick");
    r.set(titles[0].titlename, "Gaslight Title");
    r.set(titles[0].holdername, "Gaslight Champion");
    r.set(titles[0].currentchamp, "Vacant");
    r.set(titles[0].savedchamp, "Vacant");
    return {"gpw.fed", r.lines()};
}

std::vector<Logo> logos() {
    return {
        {"default.jpg", "BM", 0x404040},      {"nwc.jpg", "NWC", 0x1F3A93},
        {"mayhem.gif", "MAYHEM", 0xB22222},   {"thunderclap.bmp", "THUNDER", 0x4B0082},
        {"nwc_ppv.jpg", "NWC PPV", 0xDAA520}, {"ccw.bmp", "CCW", 0x008B8B},
        {"tidalwave.jpg", "TIDAL", 0x1E90FF}, {"ccw_bigshow.gif", "CCW BIG", 0x2E8B57},
        {"gaslight.gif", "GPW", 0x8B4513},
    };
}

platform::Lines scenarioInfoLines() {
    return {"Gaslight Rising", "A new indy takes on the coast in the summer of 2004.",
            "The demo team"};
}

} // namespace bm::demo
