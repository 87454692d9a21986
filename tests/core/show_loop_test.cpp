#include "view/show_loop.h"

#include <gtest/gtest.h>

#include <set>

namespace vistelo {
namespace {

// Loads the entries whose paths are "good"; handles failures as the program does.
class FakeLoader : public EntryLoader {
 public:
  FakeLoader(Exhibit& exhibit, bool remove) : exhibit_(exhibit), remove_(remove) {}
  int tries = 0;
  std::set<std::wstring> good;

  bool loadCurrent() override {
    ++tries;
    const std::wstring path = exhibit_.entries[exhibit_.currentIndex].path;
    exhibit_.currentPath.assign(path);
    if (good.count(path)) return true;
    if (remove_) {
      exhibit_.removeCurrent();
    } else {
      exhibit_.currentIndex = (exhibit_.currentIndex + 1) % exhibit_.count();
    }
    return false;
  }

 private:
  Exhibit& exhibit_;
  bool remove_;
};

Exhibit exhibitOf(std::initializer_list<const wchar_t*> paths, std::uint32_t current = 0) {
  Exhibit e;
  for (const wchar_t* p : paths) e.append({p, {}, {}, {}});
  e.currentIndex = current;
  return e;
}

struct ShowCase {
  const char* name;
  std::vector<const wchar_t*> paths;
  std::vector<const wchar_t*> good;
  std::uint32_t start;
  bool remove;
  ShowOutcome outcome;
  const wchar_t* shown;  // the current entry afterwards (null: none)
  std::uint32_t countAfter;
};

class ShowLoopTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowLoopTest, ShowsTheFirstLoadablePicture) {
  const ShowCase& c = GetParam();
  Exhibit exhibit;
  for (const wchar_t* p : c.paths) exhibit.append({p, {}, {}, {}});
  exhibit.currentIndex = c.start;
  FakeLoader loader(exhibit, c.remove);
  for (const wchar_t* g : c.good) loader.good.insert(g);
  EXPECT_EQ(loadFirstLoadable(exhibit, loader, c.remove), c.outcome);
  EXPECT_EQ(exhibit.count(), c.countAfter);
  if (c.shown != nullptr) {
    EXPECT_EQ(exhibit.entries[exhibit.currentIndex].path, c.shown);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowLoopTest,
    ::testing::Values(
        ShowCase{"bad_then_good_removing", {L"bad", L"good"}, {L"good"}, 0, true, ShowOutcome::Loaded, L"good", 1},
        ShowCase{"bad_then_good_stepping", {L"bad", L"good"}, {L"good"}, 0, false, ShowOutcome::Loaded, L"good", 2},
        ShowCase{"many_bad_before_good_removing", {L"b1", L"b2", L"b3", L"good"}, {L"good"}, 0, true,
                 ShowOutcome::Loaded, L"good", 1},
        ShowCase{"wraps_to_good_before_start", {L"good", L"bad1", L"bad2"}, {L"good"}, 1, false, ShowOutcome::Loaded,
                 L"good", 3},
        ShowCase{"removing_past_the_end_wraps", {L"good", L"bad"}, {L"good"}, 1, true, ShowOutcome::Loaded, L"good", 1},
        ShowCase{"nothing_loads_removing_empties", {L"b1", L"b2", L"b3"}, {}, 0, true, ShowOutcome::Empty, nullptr, 0},
        ShowCase{"nothing_loads_stepping_one_round", {L"b1", L"b2", L"b3"}, {}, 1, false, ShowOutcome::NoneLoaded,
                 L"b2", 3},
        ShowCase{"empty_exhibit", {}, {}, 0, true, ShowOutcome::Empty, nullptr, 0}),
    [](const ::testing::TestParamInfo<ShowCase>& p) { return std::string(p.param.name); });

TEST(ShowLoopTest, SteppingTriesEachEntryOnce) {
  Exhibit exhibit = exhibitOf({L"b1", L"b2", L"b3", L"b4"});
  FakeLoader loader(exhibit, false);
  loadFirstLoadable(exhibit, loader, false);
  EXPECT_EQ(loader.tries, 4);
}

}  // namespace
}  // namespace vistelo
