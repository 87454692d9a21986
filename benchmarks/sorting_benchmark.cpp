// Sorting the exhibit at the size of a very large picture collection: 1,000,000
// entries in 2,000 folders, by Name, Tree, Tree (Strict) and Modified, against
// std::sort of the same 1,000,000 paths as plain std::wstring keys with operator<.
//
// Every iteration sorts a fresh copy of the unsorted list. The copy is made outside the
// timed region (PauseTiming / ResumeTiming) for the entry sorts and for the baseline
// alike, so the figures are the sorting alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "exhibit/sorting.h"

namespace {

constexpr std::size_t kEntries = 1000000;
constexpr std::size_t kFolders = 2000;

const wchar_t* const kEvents[] = {L"Holiday",   L"Birthday",  L"Wedding of Anna and Tom", L"Garden",
                                  L"Christmas", L"Mountains", L"Sea side",                L"School trip",
                                  L"Concert",   L"Family"};

// "D:\Photos\<year>\<event name> <k>\IMG_<n>.jpg" in 2,000 folders of 500 pictures,
// in walk order (folder by folder), then shuffled so the sorts start from disorder.
// File times spread over some years, with ties.
const std::vector<vistelo::ExhibitEntry>& unsortedEntries() {
  static const std::vector<vistelo::ExhibitEntry> entries = [] {
    std::vector<vistelo::ExhibitEntry> list;
    list.reserve(kEntries);
    std::mt19937 random(12345);
    const std::size_t perFolder = kEntries / kFolders;
    for (std::size_t f = 0; f < kFolders; ++f) {
      const std::wstring folder = L"D:\\Photos\\" + std::to_wstring(2000 + f % 26) + L"\\" +
                                  kEvents[(f / 26) % 10] + L" " + std::to_wstring(f / 260 + 1) + L"\\";
      for (std::size_t k = 0; k < perFolder; ++k) {
        vistelo::ExhibitEntry e;
        e.path = folder + L"IMG_" + std::to_wstring(1000 + (f * perFolder + k) % 9000) + L".jpg";
        const std::uint64_t t = 125000000000000000ull + std::uint64_t{random() % 100000000u} * 10000000ull;
        e.created = {static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(t >> 32)};
        e.modified = e.created;
        e.accessed = e.created;
        list.push_back(std::move(e));
      }
    }
    std::shuffle(list.begin(), list.end(), random);
    return list;
  }();
  return entries;
}

void sortBenchmark(benchmark::State& state, int sortby, bool sortcase) {
  const std::vector<vistelo::ExhibitEntry>& source = unsortedEntries();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<vistelo::ExhibitEntry> list = source;
    state.ResumeTiming();
    vistelo::sortEntries(list, sortby, sortcase, false);
    benchmark::DoNotOptimize(list.data());
    state.PauseTiming();
    list = {};  // freeing the copy is not timed either
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

void BM_SortWstringBaseline(benchmark::State& state) {
  std::vector<std::wstring> source;
  source.reserve(kEntries);
  for (const vistelo::ExhibitEntry& e : unsortedEntries()) source.push_back(e.path);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::wstring> keys = source;
    state.ResumeTiming();
    std::sort(keys.begin(), keys.end());
    benchmark::DoNotOptimize(keys.data());
    state.PauseTiming();
    keys = {};
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_SortWstringBaseline)->Unit(benchmark::kMillisecond);

void BM_SortName(benchmark::State& state) { sortBenchmark(state, vistelo::kSortName, false); }
void BM_SortNameCase(benchmark::State& state) { sortBenchmark(state, vistelo::kSortName, true); }
void BM_SortTree(benchmark::State& state) { sortBenchmark(state, vistelo::kSortTree, false); }
void BM_SortTreeCase(benchmark::State& state) { sortBenchmark(state, vistelo::kSortTree, true); }
void BM_SortTreeStrict(benchmark::State& state) { sortBenchmark(state, vistelo::kSortTreeStrict, false); }
void BM_SortModified(benchmark::State& state) { sortBenchmark(state, vistelo::kSortModified, false); }
BENCHMARK(BM_SortName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortNameCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTreeCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTreeStrict)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortModified)->Unit(benchmark::kMillisecond);

void BM_Shuffle(benchmark::State& state) {
  const std::vector<vistelo::ExhibitEntry>& source = unsortedEntries();
  std::mt19937 random;
  vistelo::seedRandom(random, 5489);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<vistelo::ExhibitEntry> list = source;
    state.ResumeTiming();
    vistelo::shuffleEntries(list, random);
    benchmark::DoNotOptimize(list.data());
    state.PauseTiming();
    list = {};
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Shuffle)->Unit(benchmark::kMillisecond);

// Memory of the list at 1,000,000 entries, measured on a copy as the sorts use it: the
// entry itself plus the heap block of its path when the path is longer than the
// string's inline buffer (capacity + 1 units requested; glibc rounds each block up to a
// multiple of 16 bytes with 8 bytes of its own, at least 32, shown as heap_chunk).
void BM_EntryMemory(benchmark::State& state) {
  const std::vector<vistelo::ExhibitEntry> list = unsortedEntries();
  double requested = 0, chunks = 0, pathUnits = 0;
  const std::size_t inlineCapacity = std::wstring().capacity();
  for (auto _ : state) {
    requested = 0;
    chunks = 0;
    pathUnits = 0;
    for (const vistelo::ExhibitEntry& e : list) {
      pathUnits += static_cast<double>(e.path.size());
      if (e.path.capacity() > inlineCapacity) {
        const std::size_t bytes = (e.path.capacity() + 1) * sizeof(wchar_t);
        requested += static_cast<double>(bytes);
        chunks += static_cast<double>(std::max<std::size_t>(32, (bytes + 8 + 15) / 16 * 16));
      }
    }
  }
  const double n = static_cast<double>(list.size());
  state.counters["entries"] = n;
  state.counters["sizeof_entry"] = static_cast<double>(sizeof(vistelo::ExhibitEntry));
  state.counters["sizeof_wchar"] = static_cast<double>(sizeof(wchar_t));
  state.counters["path_units"] = pathUnits / n;
  state.counters["path_heap"] = requested / n;
  state.counters["path_heap_chunk"] = chunks / n;
  state.counters["bytes_per_entry"] = static_cast<double>(sizeof(vistelo::ExhibitEntry)) + chunks / n;
}
BENCHMARK(BM_EntryMemory)->Iterations(1);

}  // namespace
