// The whole-folder checks at the formats' largest sizes (32767 wrestlers and
// 200 promotion files), each beside the plain read of the same files in the
// same run (the raw read as bytes, and as the lines that readers get):
//   date check                 <= 2x the raw read
//   bm13check --all            <= 3x the raw read
// The date check's is not met; bm13check's is met over 2004, just, and not
// over 2006. Release build, CPU time, median of 7 on a loaded 2-core machine
// (rawRead/0 1.1-1.3 ms):
//                      first             record walk      now
//   dateCheck/2004     5.4 ms (4.7x)     3.7 ms (3.0x)    3.1-3.2 ms (2.6x)
//   dateCheck/2006     7.5 ms (6.5x)     5.3 ms (4.3x)    4.7 ms (3.9x)
//   checkerAll/2004    6.3 ms (5.5x)     4.5 ms (3.6x)    3.5-3.8 ms (2.9-3.1x)
//   checkerAll/2006   11.6 ms (10x)      9.1 ms (7.3x)    5.6-5.9 ms (4.7x)
// "now": a line end picked out of its block without a branch, each
// promotion file read once by bm13check, and its output converted a plain
// run at a time. What is left: counting the line ends of the wrestlers
// file's blocks, and the 13,724 problems of 2006 each an allocated line.
// GCC 12 turns no plain byte loop into a byte-mask instruction, and masks
// made a word at a time cost more than the counts they would replace.
// Neither do the library's portable vector types help at the baseline
// instruction set: without a popcount instruction their mask counts are
// shuffles and adds, and a pick counting 16 bytes at a time measured
// 4.4 ms against 3.4-3.5 ms for dateCheck/2004 (checkerAll/2004 5.4-5.7
// against 4.2), each run turn about with today's code. std::count over a
// block widens its counts (some 190 instructions against the byte count's
// 24), and std::find is not vectorised. Rerun later on a busier machine
// (rawRead/0 1.31 ms): dateCheck 3.58 / 5.21 ms (2.7x / 4.0x), checkerAll
// 4.24 / 6.60 ms (3.2x / 5.0x): the ratios move with the load.
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
