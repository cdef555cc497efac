// The roster at its largest (32767 wrestlers), each step beside the plain
// read or write and line split of the same bytes in the same run:
//   load + list + sort      <= 3x the raw read and split
//   save                    <= 2x the raw join and write
//   search, re-sort         <= 20 ms each
//   roster memory (peak)    <= 2.5x the file's size
#include "core/context/editing_context.h"
#include "core/platform/line_file.h"
#include "core/roster/roster_screen.h"
#include "demo/big_roster.h"
#include "support/quiet_ui.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

#if defined(__GLIBC__)
#include <malloc.h>
#define BM_COUNTS_HEAP 1
#endif

namespace fs = std::filesystem;
using namespace bm;

// Heap in use and its peak, for the memory counters.
namespace {
std::atomic<long long> heapNow{0};
std::atomic<long long> heapPeak{0};

void* counted(void* p) {
    if (!p) {
        throw std::bad_alloc();
    }
#ifdef BM_COUNTS_HEAP
    const long long now = heapNow.fetch_add(static_cast<long long>(malloc_usable_size(p))) +
                          static_cast<long long>(malloc_usable_size(p));
    long long peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
#endif
    return p;
}

void uncounted(void* p) {
#ifdef BM_COUNTS_HEAP
    if (p) {
        heapNow.fetch_sub(static_cast<long long>(malloc_usable_size(p)));
    }
#endif
    std::free(p);
}
} // namespace

void* operator new(std::size_t n) {
    return counted(std::malloc(n ? n : 1));
}
void* operator new[](std::size_t n) {
    return counted(std::malloc(n ? n : 1));
}
void operator delete(void* p) noexcept {
    uncounted(p);
}
void operator delete[](void* p) noexcept {
    uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept {
    uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    uncounted(p);
}

namespace {

using test::QuietDialogs;
using test::QuietNavigator;

// A game folder holding the largest roster; the current directory from then on.
struct Game {
    fs::path root = fs::temp_directory_path() / "bm13-roster-bench";
    fs::path file = root / "Data" / "wrestlers.bm1";
    fs::path copy = root / "Data" / "copy.bm1";
    std::string bytes = demo::bigRosterBytes(kMaxWrestlers);

    static constexpr std::size_t kMaxWrestlers = 32767;

    Game() {
        fs::remove_all(root);
        fs::create_directories(root / "Data");
        if (!platform::writeFileAtomic(file, bytes) ||
            !platform::writeLines(root / "Data" / "maindata.bm1",
                                  {"a", "b", "Wednesday", "18", "August", "2004"})) {
            std::abort();
        }
        fs::current_path(root);
    }
};

Game& game() {
    static Game g;
    return g;
}

struct Screen {
    QuietDialogs dialogs;
    QuietNavigator navigator;
    context::EditingContext context;
    roster::RosterScreen screen{dialogs, navigator, context};
    Screen() {
        game();
        screen.open();
        if (screen.roster().size() != Game::kMaxWrestlers) {
            std::abort();
        }
    }
};

Screen& loaded() {
    static Screen s;
    return s;
}

void rawReadAndSplit(benchmark::State& state) {
    for (auto _ : state) {
        platform::Lines lines;
        if (!platform::readLines(game().file, lines)) {
            state.SkipWithError("read failed");
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(game().bytes.size()));
}
BENCHMARK(rawReadAndSplit)->Unit(benchmark::kMillisecond);

void loadListSort(benchmark::State& state) {
    Screen& s = loaded();
    for (auto _ : state) {
        s.screen.open();
        benchmark::DoNotOptimize(s.screen.rows().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(game().bytes.size()));
}
BENCHMARK(loadListSort)->Unit(benchmark::kMillisecond);

void rawJoinAndWrite(benchmark::State& state) {
    const platform::Lines lines = platform::splitLines(game().bytes);
    for (auto _ : state) {
        if (!platform::writeLines(game().copy, lines)) {
            state.SkipWithError("write failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(game().bytes.size()));
}
BENCHMARK(rawJoinAndWrite)->Unit(benchmark::kMillisecond);

void save(benchmark::State& state) {
    Screen& s = loaded();
    for (auto _ : state) {
        s.screen.saveChanges();
    }
    if (platform::Lines back;
        !platform::readLines(game().file, back) || platform::joinLines(back) != game().bytes) {
        state.SkipWithError("the save changed the file");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(game().bytes.size()));
}
BENCHMARK(save)->Unit(benchmark::kMillisecond);

// Each sort starts from the list in the other order, as the user sees it.
void sortByPromotion(benchmark::State& state) {
    Screen& s = loaded();
    for (auto _ : state) {
        state.PauseTiming();
        s.screen.sortByName();
        state.ResumeTiming();
        s.screen.sortByPromotion();
    }
}
BENCHMARK(sortByPromotion)->Unit(benchmark::kMillisecond);

void sortByName(benchmark::State& state) {
    Screen& s = loaded();
    for (auto _ : state) {
        state.PauseTiming();
        s.screen.sortByPromotion();
        state.ResumeTiming();
        s.screen.sortByName();
    }
}
BENCHMARK(sortByName)->Unit(benchmark::kMillisecond);

void showInjured(benchmark::State& state) {
    Screen& s = loaded();
    for (auto _ : state) {
        s.screen.showInjured();
    }
    state.counters["rows"] = s.screen.rowCount();
}
BENCHMARK(showInjured)->Unit(benchmark::kMillisecond);

void search(benchmark::State& state) {
    Screen& s = loaded();
    s.screen.typeSearch(state.range(0) == 0 ? "ar" : "[bk]*o#");
    for (auto _ : state) {
        s.screen.search();
    }
    state.counters["rows"] = s.screen.rowCount();
}
BENCHMARK(search)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Heap held by the roster after a load, and at most while loading, each
// against the file's size.
void rosterMemory(benchmark::State& state) {
    game();
    QuietDialogs dialogs;
    QuietNavigator navigator;
    context::EditingContext context;
    for (auto _ : state) {
        const long long before = heapNow.load();
        heapPeak.store(before);
        auto screen = std::make_unique<roster::RosterScreen>(dialogs, navigator, context);
        screen->open();
        const auto size = static_cast<double>(game().bytes.size());
        state.counters["held_x_file"] = static_cast<double>(heapNow.load() - before) / size;
        state.counters["peak_x_file"] = static_cast<double>(heapPeak.load() - before) / size;
        state.counters["file_MiB"] = size / (1024.0 * 1024.0);
    }
}
BENCHMARK(rosterMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
