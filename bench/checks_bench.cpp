// The whole-folder checks at the formats' largest sizes (32767 wrestlers and
// 200 promotion files), each beside the plain read of the same files in the
// same run (the raw read as bytes, and as the lines that readers get):
//   date check                 <= 2x the raw read
//   bm13check --all            <= 3x the raw read
// Release build, CPU time, 15 runs turn about on a loaded 2-core machine,
// ratios of the medians (rawRead/0 1.2-1.3 ms):
//                      first     record walk  byte count  now
//   dateCheck/2004     4.7x      3.0x         2.6x        1.8x
//   dateCheck/2006     6.5x      4.3x         3.9x        2.6x
//   checkerAll/2004    5.5x      3.6x         2.9-3.1x    2.2-2.3x
//   checkerAll/2006    10x       7.3x         4.7x        3.4x
// 2004: no contract has ended, the common case of a folder nearly ready.
// 2006: two wrestlers in five are listed, 13,724 lines of report (about
// 1 MB): the time beyond the 2004 case grows with the lines written, some
// 75 ns a line (the line, its problem entry, the name copied).
// "now": a block's line ends are a 64-bit mask made by the machine's byte
// compare (SSE2, which every x86-64 has; a plain loop elsewhere), counted and
// picked with popcount and bit deposit where the processor has them (asked
// once at run time), else by portable arithmetic; a month name looked up with
// one compare; a problem's line kept as its place in the report. Without the
// processor's bit instructions (the portable path forced) dateCheck/2004 is
// about 2.2x. Routes that gained nothing: GCC 12 vectorising byte loops into
// masks, the library's portable vector types (slower without popcount),
// std::count/std::find, and reserving the report's room up front.
#include "cli/check_command.h"
#include "core/calendar/calendar.h"
#include "core/checks/date_check.h"
#include "core/context/editing_context.h"
#include "core/platform/line_file.h"
#include "core/promotion/record/promotion_record.h"
#include "demo/big_roster.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <streambuf>

namespace fs = std::filesystem;
using namespace bm;

namespace {

constexpr int kPromotionFiles = 200;

// A game folder with the largest roster and 200 promotions whose next big
// shows lie inside and outside the window.
struct CheckedGame {
    fs::path root = fs::temp_directory_path() / "bm13-checks-bench";
    std::vector<fs::path> files;

    CheckedGame() {
        fs::remove_all(root);
        fs::create_directories(root / "Data");
        bool ok =
            platform::writeLines(root / "Data" / "maindata.bm1",
                                 {"a", "b", "Friday", "18", "August", "2006"}) &&
            platform::writeFileAtomic(root / "Data" / "wrestlers.bm1", demo::bigRosterBytes(32767));
        files.push_back(root / "Data" / "maindata.bm1");
        files.push_back(root / "Data" / "wrestlers.bm1");
        calendar::Date date{"Friday", 18, 8, 2006};
        for (int i = 0; i < kPromotionFiles; ++i) {
            auto record = promotion::makeTemplateRecord();
            record.set(promotion::line::nameofbigshow, "Show " + std::to_string(i));
            record.set(promotion::line::dateofshow,
                       calendar::gameDateText(date.weekday, date.day, date.month, date.year));
            for (int step = 0; step < 2; ++step) {
                date = calendar::nextDay(date); // 400 days: the last ones are outside
            }
            char name[16];
            std::snprintf(name, sizeof name, "p%03d.fed", i);
            files.push_back(root / "Data" / name);
            ok = ok && platform::writeLines(files.back(), record.lines());
        }
        if (!ok) {
            std::abort();
        }
    }
};

const CheckedGame& game() {
    static const CheckedGame g;
    fs::current_path(g.root);
    return g;
}

// The bytes alone (0), and the bytes split into lines as the line file
// reader gives them to every other reader (1).
void rawRead(benchmark::State& state) {
    const CheckedGame& g = game();
    for (auto _ : state) {
        for (const auto& file : g.files) {
            std::string bytes;
            platform::Lines lines;
            if (!(state.range(0) == 0 ? platform::readFileBytes(file, bytes)
                                      : platform::readLines(file, lines))) {
                state.SkipWithError("read failed");
            }
            benchmark::DoNotOptimize(bytes.data());
            benchmark::DoNotOptimize(lines.data());
        }
    }
}
BENCHMARK(rawRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// On 18 August 2004 no contract has ended and every big show lies outside
// the window; on 18 August 2006 two contracts in five have ended and the
// last few shows lie outside.
void startIn(const CheckedGame& g, long year) {
    if (!platform::writeLines(g.root / "Data" / "maindata.bm1",
                              {"a", "b", year == 2004 ? "Wednesday" : "Friday", "18", "August",
                               std::to_string(year)})) {
        std::abort();
    }
}

void dateCheck(benchmark::State& state) {
    startIn(game(), state.range(0));
    context::EditingContext context;
    std::size_t problems = 0;
    for (auto _ : state) {
        const auto check = checks::checkDates(context);
        problems = check.problems.size();
        benchmark::DoNotOptimize(check.report.data());
    }
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(dateCheck)->Arg(2004)->Arg(2006)->Unit(benchmark::kMillisecond);

// Output that goes nowhere, as to a pipe that is read at once.
class Discard : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

void checkerAll(benchmark::State& state) {
    startIn(game(), state.range(0));
    Discard discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        if (cli::runCheckCommand({"--all"}, out, out) != cli::kFoundSomething) {
            state.SkipWithError("the checker found nothing");
        }
    }
}
BENCHMARK(checkerAll)->Arg(2004)->Arg(2006)->Unit(benchmark::kMillisecond);

} // namespace
