// Number formats and text-to-number conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "core/platform/Arith.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"

namespace {

struct FixedCase {
  long double value;
  int precision, digits;
  const char* text;
};

TEST(FormatFixed, RoundsFromEighteenDigits) {
  const FixedCase cases[] = {
      {8.4496L, 3, 1, "8.4"},
      {0.125L, 6, 2, "0.13"},
      {111.4L, 3, 1, "111.0"},
      {99.96L, 6, 1, "100.0"},
      {999999.96L, 6, 1, "1E6"},
      {1000000, 6, 1, "1E6"},
      {1234567.8L, 6, 1, "1.23457E6"},
      {100, 2, 0, "1E2"},
      {0.005L, 6, 2, "0.01"},
      {0.0049L, 6, 2, "0.00"},
      {0.00001L, 6, 2, "0.00"},
      {-2.345L, 6, 2, "-2.35"},
      {-0.001L, 6, 2, "0.00"},
      {0, 6, 2, "0.00"},
      {0, 6, 0, "0"},
      {2080.44L, 7, 0, "2080"},
      {451, 6, 1, "451.0"},
      {0.66, 2, 2, "0.66"},
      {686.5465, 6, 0, "687"},
      // a double's 18-digit expansion decides: 0.285 is stored as 0.28499999999999998
      {static_cast<double>(0.285), 6, 2, "0.28"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(bs::FormatFixed(c.value, c.precision, c.digits, '.'), c.text)
        << static_cast<double>(c.value) << " fixed(" << c.precision << ", " << c.digits << ")";
}

TEST(FormatFixed, UsesTheGivenSeparatorInBothForms) {
  EXPECT_EQ(bs::FormatFixed(8.4496L, 3, 1, ','), "8,4");
  EXPECT_EQ(bs::FormatFixed(1234567.8L, 6, 1, ','), "1,23457E6");
  bs::SetDecimalSeparator(',');
  EXPECT_EQ(bs::FormatFixed(0.125L, 6, 2), "0,13");
  EXPECT_EQ(bs::FormatGeneral(144.1), "144,1");
  bs::SetDecimalSeparator('.');
}

TEST(FormatGeneral, ShortestFormAndExponentForm) {
  const std::pair<long double, const char*> cases[] = {
      {1E20L, "1E20"},    {1.5E-7L, "1.5E-7"},   {0.00001L, "0.00001"},
      {25, "25"},         {144.1, "144.1"},      {-0.5L, "-0.5"},
      {0, "0"},           {1E15L, "1E15"},       {123456789012345.0L, "123456789012345"},
      {0.1 + 0.2, "0.3"}, {-1.5E-7L, "-1.5E-7"},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(bs::FormatGeneral(value, '.'), text) << static_cast<double>(value);
}

TEST(FormatPadded, RightAlignedWithFullStop) {
  bs::SetDecimalSeparator(',');
  EXPECT_EQ(bs::FormatPadded(1.2345L, 8, 2), "    1.23");
  EXPECT_EQ(bs::FormatPadded(-12.5L, 3, 1), "-12.5");
  EXPECT_EQ(bs::FormatPadded(1234567.0L, 4, 0), "1234567");
  bs::SetDecimalSeparator('.');
}

TEST(Formats, RefuseInfinityAndNaN) {
  EXPECT_THROW(bs::FormatFixed(std::numeric_limits<long double>::infinity(), 6, 1, '.'),
               bs::MathError);
  EXPECT_THROW(bs::FormatGeneral(std::numeric_limits<long double>::quiet_NaN(), '.'),
               bs::MathError);
}

TEST(StrToFloat, ParsesWithTheLocaleSeparator) {
  struct Case {
    const char* text;
    char separator;
    bool ok;
    long double value;
  };
  const Case cases[] = {
      {"", '.', false, 0},          {" 12 ", '.', true, 12},  {"1,5", '.', false, 0},
      {"1.5", '.', true, 1.5L},     {"1,5", ',', true, 1.5L}, {"1.5", ',', false, 0},
      {"1e3", '.', true, 1000},     {"abc", '.', false, 0},   {"-0.25", '.', true, -0.25L},
      {".5", '.', true, 0.5L},      {"1e", '.', false, 0},    {"1 2", '.', false, 0},
      {"144.1", '.', true, 144.1L}, {"inf", '.', false, 0},   {"1e99999", '.', false, 0},
  };
  for (const auto& c : cases) {
    long double value = 0;
    EXPECT_EQ(bs::TryStrToFloat(c.text, c.separator, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(StrToFloat, ParsesInExtendedPrecision) {
  // 144.1 as a long double is closer than the double 144.1
  EXPECT_NE(bs::StrToFloat("144.1", '.'), static_cast<long double>(144.1));
}

TEST(ConversionErrors, CarryTheExactMessages) {
  bs::SetDecimalSeparator('.');
  try {
    bs::StrToFloat("abc");
    FAIL();
  } catch (const bs::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
  }
  try {
    bs::StrToInt("2147483648");
    FAIL();
  } catch (const bs::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'2147483648' is not a valid integer value");
  }
}

TEST(ConversionErrors, QuoteAtMostFortyVisibleCharacters) {
  const std::string huge(1000000, '7');
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "abc"},
      {std::string(40, 'x'), std::string(40, 'x')},
      {std::string(41, 'x'), std::string(39, 'x') + "\u2026"},
      {huge, std::string(39, '7') + "\u2026"},
      {"\x1B[2J\x1B[H", "\\x1B[2J\\x1B[H"},
      {"a\tb\r\nc\x7F", "a\\tb\\r\\nc\\x7F"},
      {"\xFF\xFE", "\\xFF\\xFE"},
      {"\xC2\x85 \xE2\x80\xAEtxt", "\\u0085 \\u202Etxt"},
      {"\xC3\xA9l\xC3\xA9ment \xE2\x82\xAC", "\xC3\xA9l\xC3\xA9ment \xE2\x82\xAC"},
      // an escape is never cut in half
      {std::string(37, 'x') + "\x1B" + "yz", std::string(37, 'x') + "\u2026"},
      // invalid bytes: nine escapes of four characters fit before the cut
      {std::string(60, '\xC3'), "\\xC3\\xC3\\xC3\\xC3\\xC3\\xC3\\xC3\\xC3\\xC3\u2026"},
  };
  for (const auto& [text, shown] : cases)
    EXPECT_EQ(bs::TextForMessage(text), shown) << text.substr(0, 50);
  try {
    bs::StrToFloat(huge);
    FAIL();
  } catch (const bs::ConvertError& e) {
    EXPECT_EQ(std::string(e.what()),
              "'" + std::string(39, '7') + "\u2026' is not a valid floating point value");
  }
  EXPECT_EQ(bs::PathForMessage("/home/ham/" + std::string(60, 'd') + "/Zuzo.cnf"),
            "\u2026" + std::string(30, 'd') + "/Zuzo.cnf");
}

TEST(StrToInt, ThirtyTwoBitWholeNumbers) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"", std::nullopt},
      {" 12 ", 12},
      {"-2147483648", INT32_MIN},
      {"2147483647", INT32_MAX},
      {"2147483648", std::nullopt},
      {"1.5", std::nullopt},
      {"1e3", std::nullopt},
      {"abc", std::nullopt},
      {"+8", 8},
      {"+-5", std::nullopt},
      {"-+5", std::nullopt},
      {"--5", std::nullopt},
      {"++5", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {"- 5", std::nullopt},
      {"-0", 0},
  };
  for (const auto& [text, expected] : cases) {
    std::int32_t value = 0;
    EXPECT_EQ(bs::TryStrToInt(text, value), expected.has_value()) << text;
    if (expected) {
      EXPECT_EQ(value, *expected) << text;
    }
  }
}

TEST(Arith, RoundsHalvesToEven) {
  EXPECT_EQ(bs::RoundToEven(0.5L), 0);
  EXPECT_EQ(bs::RoundToEven(1.5L), 2);
  EXPECT_EQ(bs::RoundToEven(2.5L), 2);
  EXPECT_EQ(bs::RoundToEven(-2.5L), -2);
  EXPECT_EQ(bs::RoundToEven(926.5L), 926);
  EXPECT_EQ(bs::RoundToEven(20.5L), 20);
  EXPECT_EQ(bs::RoundToEven(2.51L), 3);
}

TEST(Arith, FaultsRaiseTheirMessages) {
  const auto message = [](auto fn) {
    try {
      fn();
    } catch (const bs::MathError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([] { bs::Divide(1, 0); }), "Floating point division by zero");
  EXPECT_EQ(message([] { bs::Divide(0, 0); }), "Invalid floating point operation");
  EXPECT_EQ(message([] { bs::Ln(-1); }), "Invalid floating point operation");
  EXPECT_EQ(message([] { bs::Ln(0); }), "Floating point division by zero");
  EXPECT_EQ(message([] { bs::Sqrt(-1); }), "Invalid floating point operation");
  EXPECT_EQ(message([] { bs::Exp(100000); }), "Floating point overflow");
  EXPECT_EQ(message([] { bs::ToDouble(1e400L); }), "Floating point overflow");
  EXPECT_EQ(message([] { bs::Power(-2, 0.5L); }), "Invalid floating point operation");
  EXPECT_EQ(bs::Power(0, 2), 0);
  EXPECT_EQ(bs::Power(-2, 2), 4);
}

}  // namespace
