#include "testapplication.h"
#include "yaginumbers.h"

#include <gtest/gtest.h>

namespace yagi {
namespace {

struct FormatCase {
  double value;
  const char* comma;
  const char* point;
};

TEST(FormatOneDecimal, RoundsHalfAwayFromZeroWithTheLocaleSeparator) {
  const FormatCase cases[] = {
      {0.0, "0,0", "0.0"},
      {0.04, "0,0", "0.0"},
      {0.05, "0,1", "0.1"},
      {0.15, "0,2", "0.2"},     // 0.1499999... in binary, 0.15 in decimal
      {47.25, "47,3", "47.3"},  // an exact half goes up
      {12.66, "12,7", "12.7"},
      {9.96, "10,0", "10.0"},
      {99.95, "100,0", "100.0"},  // the carry reaches the whole part
      {131.77241379310345, "131,8", "131.8"},
      {12345.64, "12345,6", "12345.6"},  // no digit grouping
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(formatOneDecimal(c.value, test::commaLocale()), QString::fromUtf8(c.comma))
        << c.value;
    EXPECT_EQ(formatOneDecimal(c.value, test::pointLocale()), QString::fromUtf8(c.point))
        << c.value;
  }
}

struct ReadCase {
  const char* text;
  std::optional<double> comma;
  std::optional<double> point;
};

TEST(ReadNumber, TakesCommaAndPointAsTheDecimalSeparatorInEveryLocale) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"145", 145.0},          {" 6 ", 6.0},       {"1,5", 1.5},           {"1.5", 1.5},
      {"145,500", 145.5},  // never 145500, whatever the locale groups with
      {"145.500", 145.5},      {"145,", 145.0},    {"1,,5", std::nullopt}, {"1.5,3", std::nullopt},
      {"1,5.3", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(readNumber(QString::fromUtf8(text), test::commaLocale()), value) << text;
    EXPECT_EQ(readNumber(QString::fromUtf8(text), test::pointLocale()), value) << text;
  }
}

TEST(LeadingWholeNumber, IsTheWholePartBeforeTheFirstSeparator) {
  const std::pair<const char*, bool> cases[] = {
      {"0", true},   {"000", true}, {"0,5", true},   {",5", true},    {"0,,9", true},
      {"0.5", true}, {".5", true},  {"0.9,1", true}, {"1,5", false},  {"1.5", false},
      {"10", false}, {"05", false}, {"145", false},  {"1,,5", false},
  };
  for (const auto& [text, zero] : cases)
    EXPECT_EQ(leadingWholeNumberIsZero(QString::fromUtf8(text)), zero) << text;
}

}  // namespace
}  // namespace yagi
