#include <gtest/gtest.h>

#include "base/Exception.h"
#include "framework/Strings.h"

namespace {

TEST(StringList, TextSplitsOnEveryLineEndAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour");
  ASSERT_EQ(list.Count(), 4u);
  EXPECT_EQ(list[3], "four");
  EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
  list.SetText(" ");
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list[0], " ");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0u);
}

TEST(StringList, IndexOfHonoursCaseSensitivity) {
  TStringList plain;
  plain.SetText("TButton\nTEdit");
  EXPECT_EQ(plain.IndexOf("tedit"), 1);
  TStringList exact(true);
  exact.Assign(plain);
  EXPECT_EQ(exact.IndexOf("tedit"), -1);
  EXPECT_EQ(exact.IndexOf("TEdit"), 1);
}

TEST(StringList, OutOfRangeIndexesThrow) {
  TStringList list;
  EXPECT_THROW(list.Insert(1, "x"), Exception);
  EXPECT_THROW(list.Delete(0), Exception);
  EXPECT_THROW(list.Strings(0), std::out_of_range);
}

}  // namespace
