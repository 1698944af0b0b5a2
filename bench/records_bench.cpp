// The melody record and the settings profiles: each save or load handles one
// record and should cost well under 10 ms, the file dialog aside.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/bind_events.h"
#include "app/compose_button.h"
#include "bench_window.h"
#include "engine/link_cases.h"
#include "player/melody_files.h"
#include "player/melody_record.h"
#include "settings/factory_defaults.h"
#include "settings/profiles.h"

using namespace kelo;

namespace {

namespace fs = std::filesystem;

// A window with a composed melody, whose files go to a folder of its own.
struct RecordsWindow : bench::BenchWindow {
    RecordsWindow() {
        fs::remove_all(root);
        fs::create_directories(root);
        hp.files.setWorkingFolder(root);
        BindEvents(f);
        resetAllToFactory(f);
        CaricaPaginaCollegamento(f);
        f.cmdIncisi.Enabled = true;
        cmdIncisi_Click(f);
        f.TxtTitolo.Text = "Città d'oro";
    }
    ~RecordsWindow() { fs::remove_all(root); }
    // The file dialog answers `name` in the folder of its own.
    void answer(const char* name) { hp.dialogs.answer((root / name).string()); }

    fs::path root = fs::temp_directory_path() / ("kelo-bench-records-" + std::to_string(::getpid()));
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

// The routines behind the four buttons, from the dialog's answer to the file or the cells.
void BM_SaveMelodyFile(benchmark::State& state) {
    RecordsWindow w;
    for (auto _ : state) {
        w.answer("m.txt");
        SalvaMelodia(w.f);
    }
    if (!fs::exists(w.root / "m.txt")) state.SkipWithError("nothing was written");
}
BENCHMARK(BM_SaveMelodyFile)->Unit(benchmark::kMicrosecond);

void BM_LoadMelodyFile(benchmark::State& state) {
    RecordsWindow w;
    w.answer("m.txt");
    SalvaMelodia(w.f);
    for (auto _ : state) {
        w.answer("m.txt");
        CaricaMelodia(w.f);
    }
    if (!w.hp.display.messages.empty()) state.SkipWithError("the record was refused");
}
BENCHMARK(BM_LoadMelodyFile)->Unit(benchmark::kMicrosecond);

void BM_SaveProfileFile(benchmark::State& state) {
    RecordsWindow w;
    for (auto _ : state) {
        w.answer("p.txt");
        SalvaImpostazioni(w.f);
    }
    if (!fs::exists(w.root / "p.txt")) state.SkipWithError("nothing was written");
}
BENCHMARK(BM_SaveProfileFile)->Unit(benchmark::kMicrosecond);

void BM_LoadProfileFile(benchmark::State& state) {
    RecordsWindow w;
    w.answer("p.txt");
    SalvaImpostazioni(w.f);
    for (auto _ : state) {
        w.answer("p.txt");
        CaricaImpostazioni(w.f);
    }
    if (!w.hp.display.messages.empty()) state.SkipWithError("the profile was refused");
}
BENCHMARK(BM_LoadProfileFile)->Unit(benchmark::kMicrosecond);

}  // namespace
