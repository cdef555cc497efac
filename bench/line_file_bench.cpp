// The durable save of the largest real file beside a plain stream write of
// the same bytes, so one run shows what the temporary file and the syncs
// cost; and the read of that file into lines.

#include "core/platform/line_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using namespace bm::platform;

// A full wrestlers file: 32,767 records of 31 lines, about 40 MiB.
const std::string& fullWrestlersFile() {
    static const std::string bytes = [] {
        Lines lines;
        for (int record = 0; record < 32767; ++record) {
            for (int field = 0; field < 31; ++field) {
                lines.push_back("Field " + std::to_string(field) + " of record " +
                                std::to_string(record) + " padded..");
            }
        }
        return joinLines(lines);
    }();
    return bytes;
}

// A folder of the benchmark's own beside the system's temporary files.
struct Scratch {
    fs::path folder = fs::temp_directory_path() / ("bm13-bench-" + std::to_string(getpid()));
    Scratch() { fs::create_directories(folder); }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

void BM_DurableSave(benchmark::State& state) {
    Scratch scratch;
    const std::string& bytes = fullWrestlersFile();
    const fs::path file = scratch.folder / "wrestlers.bm1";
    for (auto _ : state) {
        if (const Status status = writeFileAtomic(file, bytes); !status) {
            state.SkipWithError(status.message().c_str());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DurableSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baseline: the target rewritten in place, with no temporary file and
// no sync (the way that loses the file when the power fails mid-write).
void BM_PlainWrite(benchmark::State& state) {
    Scratch scratch;
    const std::string& bytes = fullWrestlersFile();
    const fs::path file = scratch.folder / "wrestlers.bm1";
    for (auto _ : state) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            state.SkipWithError("plain write failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadLines(benchmark::State& state) {
    Scratch scratch;
    const fs::path file = scratch.folder / "wrestlers.bm1";
    if (!writeFileAtomic(file, fullWrestlersFile())) {
        state.SkipWithError("could not write the file");
        return;
    }
    for (auto _ : state) {
        Lines lines;
        if (!readLines(file, lines)) {
            state.SkipWithError("could not read the file");
            break;
        }
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
