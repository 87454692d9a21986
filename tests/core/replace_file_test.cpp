#include "config/replace_file.h"

#include <gtest/gtest.h>

#include <map>

namespace vistelo {
namespace {

// An in-memory file system whose operations fail on demand.
class FakeStore : public FileStore {
 public:
  std::map<std::wstring, Bytes> files;
  int failWriteNumber = -1;  // the write (counting from 0) that fails
  bool failCreate = false;
  bool failClose = false;
  bool failReplace = false;
  int replaceCalls = 0;

  bool create(const std::wstring& path) override {
    if (failCreate) return false;
    open_ = path;
    files[path].clear();
    return true;
  }
  bool write(const std::uint8_t* data, std::size_t size) override {
    if (writes_++ == failWriteNumber) {
      files[open_].insert(files[open_].end(), data, data + size / 2);  // a part reaches the disk
      return false;
    }
    files[open_].insert(files[open_].end(), data, data + size);
    return true;
  }
  bool close() override { return !failClose; }
  bool replace(const std::wstring& from, const std::wstring& to) override {
    ++replaceCalls;
    if (failReplace) return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  void remove(const std::wstring& path) override { files.erase(path); }

 private:
  std::wstring open_;
  int writes_ = 0;
};

const std::wstring kPath = L"C:\\Vistelo\\vistelo.ini";

Bytes bigText() { return Bytes(200 * 1024, 0x41); }

TEST(ReplaceFileTest, ReplacesContentsAndLeavesNoTemporaryFile) {
  FakeStore store;
  store.files[kPath] = {1, 2, 3};
  ASSERT_TRUE(replaceFileContents(store, kPath, bigText()));
  EXPECT_EQ(store.files[kPath], bigText());
  EXPECT_EQ(store.files.count(temporaryPathFor(kPath)), 0u);
}

struct FailureCase {
  const char* name;
  void (*arrange)(FakeStore&);
};

class ReplaceFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReplaceFailureTest, OldFileSurvivesAndFailureIsReported) {
  FakeStore store;
  store.files[kPath] = {1, 2, 3};
  GetParam().arrange(store);
  EXPECT_FALSE(replaceFileContents(store, kPath, bigText()));
  EXPECT_EQ(store.files[kPath], (Bytes{1, 2, 3}));
  EXPECT_EQ(store.files.count(temporaryPathFor(kPath)), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ReplaceFailureTest,
    ::testing::Values(FailureCase{"create", [](FakeStore& s) { s.failCreate = true; }},
                      FailureCase{"first_write", [](FakeStore& s) { s.failWriteNumber = 0; }},
                      FailureCase{"write_part_way", [](FakeStore& s) { s.failWriteNumber = 2; }},
                      FailureCase{"close", [](FakeStore& s) { s.failClose = true; }},
                      FailureCase{"replace", [](FakeStore& s) { s.failReplace = true; }}),
    [](const ::testing::TestParamInfo<FailureCase>& p) { return std::string(p.param.name); });

TEST(ReplaceFileTest, FailedWriteNeverReachesTheReplaceStep) {
  FakeStore store;
  store.failWriteNumber = 1;
  EXPECT_FALSE(replaceFileContents(store, kPath, bigText()));
  EXPECT_EQ(store.replaceCalls, 0);
}

}  // namespace
}  // namespace vistelo
