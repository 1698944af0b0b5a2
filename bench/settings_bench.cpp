// Reading, checking and writing the settings record: the start-up load and the
// exit save each handle one record and should cost well under 10 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_window.h"
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "settings/factory_defaults.h"
#include "settings/factory_record.h"
#include "settings/settings_check.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"

using namespace kelo;

namespace {

// From the file content to a checked record.
void BM_ReadAndCheckRecord(benchmark::State& state) {
    HeadlessPlatform hp;
    const std::string content = FactorySettingsRecordText(hp.platform);
    for (auto _ : state) {
        SettingsRecordCheck check = readSettingsRecord(content);
        benchmark::DoNotOptimize(check.badLine);
    }
}
BENCHMARK(BM_ReadAndCheckRecord)->Unit(benchmark::kMicrosecond);

// From the file content into the window.
void BM_ReadCheckAndApplyRecord(benchmark::State& state) {
    HeadlessPlatform hp;
    frmKeloTrundo15 f(hp.platform);
    const std::string content = FactorySettingsRecordText(hp.platform);
    for (auto _ : state) {
        SettingsRecordCheck check = readSettingsRecord(content);
        applySettingsRecord(f, check.values);
    }
}
BENCHMARK(BM_ReadCheckAndApplyRecord)->Unit(benchmark::kMicrosecond);

// From the window to the file content.
void BM_CollectAndFormatRecord(benchmark::State& state) {
    HeadlessPlatform hp;
    frmKeloTrundo15 f(hp.platform);
    resetAllToFactory(f);
    for (auto _ : state) {
        std::string text = formatRecord(collectSettingsRecord(f));
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_CollectAndFormatRecord)->Unit(benchmark::kMicrosecond);

// The whole start-up load and exit save through the file system.
void BM_LoadUserSettingsFile(benchmark::State& state) {
    std::filesystem::path root = support::freshFolder("bench-settings");
    HeadlessPlatform hp(root);
    frmKeloTrundo15 f(hp.platform);
    std::filesystem::create_directories(root / "Kelo 2020" / "Dati");
    resetAllToFactory(f);
    SalvaImpostazioniUtente(f);
    for (auto _ : state) CaricaImpostazioniUtente(f);
    if (!hp.display.messages.empty()) state.SkipWithError("the record was not loaded");
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_LoadUserSettingsFile)->Unit(benchmark::kMicrosecond);

void BM_SaveUserSettingsFile(benchmark::State& state) {
    std::filesystem::path root = support::freshFolder("bench-settings");
    HeadlessPlatform hp(root);
    frmKeloTrundo15 f(hp.platform);
    std::filesystem::create_directories(root / "Kelo 2020" / "Dati");
    resetAllToFactory(f);  // the design values are no usable record: the second save would keep the first
    for (auto _ : state) benchmark::DoNotOptimize(SalvaImpostazioniUtente(f));
    if (!hp.display.messages.empty()) state.SkipWithError("the record was not saved");
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_SaveUserSettingsFile)->Unit(benchmark::kMicrosecond);

}  // namespace
