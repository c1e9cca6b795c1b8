#include "calcul.h"
#include "testapplication.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace yagi {
namespace {

QStringList asList(const ShownResults& shown) {
  return QStringList(shown.begin(), shown.end());
}

struct WorkedExample {
  const char* frequency;
  const char* diameter;
  QLocale locale;
  QStringList expected;
};

TEST(Calcul, GivesTheWorkedExamplesInBothKindsOfLocale) {
  const WorkedExample cases[] = {
      {"145",
       "6",
       test::commaLocale(),
       {"12,0", "99,8", "47,2", "96,8", "39,3", "92,1", "44,7", "91,6", "131,8"}},
      {"144",
       "8",
       test::commaLocale(),
       {"16,0", "100,5", "47,8", "97,5", "39,9", "92,7", "45,2", "92,2", "133,7"}},
      {"145",
       "6",
       test::pointLocale(),
       {"12.0", "99.8", "47.2", "96.8", "39.3", "92.1", "44.7", "91.6", "131.8"}},
      {"144",
       "8",
       test::pointLocale(),
       {"16.0", "100.5", "47.8", "97.5", "39.9", "92.7", "45.2", "92.2", "133.7"}},
  };
  for (const WorkedExample& c : cases) {
    const auto shown =
        Calcul(QString::fromUtf8(c.frequency), QString::fromUtf8(c.diameter), c.locale);
    ASSERT_TRUE(shown.has_value()) << c.frequency;
    EXPECT_EQ(asList(*shown), c.expected) << c.frequency << " MHz, " << c.diameter << " mm";
  }
}

TEST(Calcul, SpacingsUseTheDipoleDiameterAsShown) {
  // 6,33 mm gives a dipole of 12,66 mm, shown 12,7. At 145,892 MHz the
  // reflector spacing is 46,951 cm with 12,7 but 46,949 with 12,66, and the
  // boom 131,154 against 131,150: only the shown diameter gives 47,0 and 131,2.
  const auto shown = Calcul(QStringLiteral("145,892"), QStringLiteral("6,33"), test::commaLocale());
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ((*shown)[DipoleDiameter], QStringLiteral("12,7"));
  EXPECT_EQ((*shown)[ReflectorDipoleSpacing], QStringLiteral("47,0"));
  EXPECT_EQ((*shown)[BoomLength], QStringLiteral("131,2"));
}

TEST(Calcul, GivesNothingForATextThatIsNoNumberOrNotPositive) {
  const std::pair<const char*, const char*> cases[] = {
      {"1,,5", "6"}, {"145", "1,5,3"}, {"145.5,1", "6"}, {"0", "6"}, {"145", ""}};
  for (const QLocale& locale : {test::commaLocale(), test::pointLocale()})
    for (const auto& [f, d] : cases)
      EXPECT_FALSE(Calcul(QString::fromUtf8(f), QString::fromUtf8(d), locale)) << f << " / " << d;
}

}  // namespace
}  // namespace yagi
