// The melody record and the settings profiles: each save or load handles one
// record and should cost well under 10 ms, the file dialog aside.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/compose_button.h"
#include "bench_window.h"
#include "player/melody_files.h"
#include "player/melody_record.h"
#include "settings/profiles.h"

using namespace kelo;

namespace {

namespace fs = std::filesystem;

// A window with a composed melody, whose files go to a folder of its own.
struct OwnFolder {
    fs::path root = support::freshFolder("bench-records");
};
struct RecordsWindow : OwnFolder, bench::TestWindow {
    RecordsWindow() : TestWindow(bench::factoryWindow(root)) {
        cmdIncisi_Click(f);
        f.TxtTitolo.Text = "Città d'oro";
    }
    ~RecordsWindow() { fs::remove_all(root); }
    // The file dialog answers `name` in the folder of its own.
    void answer(const char* name) { hp.dialogs.answer((root / name).string()); }
};

void BM_CollectAndFormatMelodyRecord(benchmark::State& state) {
    RecordsWindow w;
    for (auto _ : state) {
        std::string text = formatRecord(collectMelodyRecord(w.f));
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_CollectAndFormatMelodyRecord)->Unit(benchmark::kMicrosecond);

void BM_ReadCheckAndApplyMelodyRecord(benchmark::State& state) {
    RecordsWindow w;
    const std::string content = formatRecord(collectMelodyRecord(w.f));
    for (auto _ : state) {
        RecordCheck check = readMelodyRecord(content);
        applyMelodyRecord(w.f, check.values);
    }
    if (!readMelodyRecord(content).ok()) state.SkipWithError("the record was refused");
}
BENCHMARK(BM_ReadCheckAndApplyMelodyRecord)->Unit(benchmark::kMicrosecond);

// The routine behind one of the four buttons, from the dialog's answer to the
// file or the cells; a load reads what one save wrote first.
void BM_FileButton(benchmark::State& state, void (*save)(frmKeloTrundo15&), void (*routine)(frmKeloTrundo15&)) {
    RecordsWindow w;
    w.answer("r.txt");
    save(w.f);
    for (auto _ : state) {
        w.answer("r.txt");
        routine(w.f);
    }
    if (!w.hp.display.messages.empty()) state.SkipWithError(w.hp.display.messages[0].c_str());
}
BENCHMARK_CAPTURE(BM_FileButton, SaveMelody, SalvaMelodia, SalvaMelodia)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FileButton, LoadMelody, SalvaMelodia, CaricaMelodia)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FileButton, SaveProfile, SalvaImpostazioni, SalvaImpostazioni)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FileButton, LoadProfile, SalvaImpostazioni, CaricaImpostazioni)->Unit(benchmark::kMicrosecond);

}  // namespace
