// Lookups by path over exhibits of the sizes large picture folders reach.
#include <benchmark/benchmark.h>

#include <string>

#include "exhibit/exhibit_list.h"

namespace {

class NoShortcuts : public vistelo::ShortcutResolver {
 public:
  bool resolveTarget(const std::wstring&, std::wstring&) override { return false; }
};

vistelo::Exhibit makeExhibit(std::int64_t count) {
  vistelo::Exhibit exhibit;
  for (std::int64_t i = 0; i < count; ++i)
    exhibit.append({L"D:\\Photos\\2026\\holiday\\IMG_" + std::to_wstring(i) + L".jpg", {}, {}, {}});
  return exhibit;
}

void BM_IndexOfLastPath(benchmark::State& state) {
  const vistelo::Exhibit exhibit = makeExhibit(state.range(0));
  const std::wstring last = exhibit.entries.back().path;
  NoShortcuts resolver;
  for (auto _ : state) benchmark::DoNotOptimize(exhibit.indexOfPath(last, resolver));
}
BENCHMARK(BM_IndexOfLastPath)->Arg(1000)->Arg(100000);

void BM_Append(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(makeExhibit(state.range(0)).count());
}
BENCHMARK(BM_Append)->Arg(100000);

}  // namespace
