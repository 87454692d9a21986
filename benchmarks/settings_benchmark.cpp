// How long reading and writing the settings file's text takes (it happens at every
// start and exit).
#include <benchmark/benchmark.h>

#include "config/settings_file.h"
#include "config/text_codec.h"

namespace {

void BM_WriteSettings(benchmark::State& state) {
  const vistelo::Settings settings;
  for (auto _ : state) benchmark::DoNotOptimize(vistelo::encodeUtf16LeWithBom(vistelo::writeSettingsText(settings)));
}
BENCHMARK(BM_WriteSettings);

void BM_ReadSettings(benchmark::State& state) {
  const vistelo::Bytes bytes = vistelo::encodeUtf16LeWithBom(vistelo::writeSettingsText(vistelo::Settings()));
  for (auto _ : state) {
    vistelo::Settings settings;
    vistelo::readSettingsText(vistelo::decodeTextFile(bytes), settings);
    benchmark::DoNotOptimize(settings.timer);
  }
}
BENCHMARK(BM_ReadSettings);

}  // namespace
