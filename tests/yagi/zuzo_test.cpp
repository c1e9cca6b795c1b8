#include "zuzo.h"
#include "desktop.h"
#include "testapplication.h"
#include "translation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace yagi {
namespace {

struct Message {
  QString title;
  QString text;
};

// Records what the window tells the user and answers its question.
class ScriptedDesktop : public Desktop {
 public:
  void showMessage(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({title, text});
  }
  bool askYesNo(QWidget*, const QString& title, const QString& text) override {
    questions.push_back({title, text});
    return answerYes;
  }
  void endProgram() override { ++endings; }

  std::vector<Message> messages;
  std::vector<Message> questions;
  bool answerYes = false;
  int endings = 0;
};

const QStringList resultNames = {"DiamètreDipole", "LongRéflect", "ERD",
                                 "LongDipole",     "EspaceDD",    "LongDirect",
                                 "EspaceD",        "Long2Direct", "LongBoom"};
const QStringList example145 = {"12,0", "99,8", "47,2", "96,8", "39,3",
                                "92,1", "44,7", "91,6", "131,8"};
const QStringList example144 = {"16,0", "100,5", "47,8", "97,5", "39,9",
                                "92,7", "45,2",  "92,2", "133,7"};
const QStringList noResults(9);

const QString emptyMessage =
    QStringLiteral("Vous devez entrer des valeurs pour pouvoir effectuer le calcul !");
const QString zeroMessage = QStringLiteral("Les valeurs doivent être différentes de zéro !");
const QString notNumberMessage = QStringLiteral("Valeur non numérique : vérifiez les entrées !");

class ZuzoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::application();
    locale = std::make_unique<test::LocaleGuard>(test::commaLocale());
    window = std::make_unique<Zuzo>(desktop);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QLineEdit* frequency() const { return window->findChild<QLineEdit*>(QStringLiteral("Text1_0")); }
  QLineEdit* diameter() const { return window->findChild<QLineEdit*>(QStringLiteral("Text1_1")); }
  QPushButton* button(Zuzo::Command index) const {
    return window->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(int(index)));
  }
  void click(Zuzo::Command index) const { QTest::mouseClick(button(index), Qt::LeftButton); }

  void enter(const QString& f, const QString& d) const {
    frequency()->setText(f);
    diameter()->setText(d);
  }

  QStringList results() const {
    QStringList texts;
    for (const QString& name : resultNames) texts << window->findChild<QLabel*>(name)->text();
    return texts;
  }

  bool entriesEnabled() const { return frequency()->isEnabled() && diameter()->isEnabled(); }

  ScriptedDesktop desktop;
  std::unique_ptr<test::LocaleGuard> locale;
  std::unique_ptr<Zuzo> window;
};

TEST_F(ZuzoTest, ExampleFillsTheResultsAndLocksTheEntries) {
  click(Zuzo::Exemple);
  EXPECT_EQ(frequency()->text(), QStringLiteral("145"));
  EXPECT_EQ(diameter()->text(), QStringLiteral("6"));
  EXPECT_EQ(results(), example145);
  EXPECT_FALSE(entriesEnabled());
  EXPECT_TRUE(desktop.messages.empty());
}

struct CheckCase {
  const char* frequency;
  const char* diameter;
  QString message;  // empty when the calculation runs
  const char* dipole;
};

TEST_F(ZuzoTest, CalculateChecksTheEntriesFirst) {
  const CheckCase cases[] = {
      {"", "6", emptyMessage, ""},
      {"145", "", emptyMessage, ""},
      {"0", "6", zeroMessage, ""},
      {"145", "0,5", zeroMessage, ""},  // refused although 0,5 is not zero
      {"145", ",5", zeroMessage, ""},
      {"145", "1,,5", notNumberMessage, ""},
      {"145,", "1,5", QString(), "3,0"},
      {"144", "8", QString(), "16,0"},
  };
  for (const CheckCase& c : cases) {
    click(Zuzo::Nouveau);
    desktop.messages.clear();
    enter(QString::fromUtf8(c.frequency), QString::fromUtf8(c.diameter));
    click(Zuzo::Calculer);
    const QString context = QStringLiteral("%1 / %2").arg(QString::fromUtf8(c.frequency),
                                                          QString::fromUtf8(c.diameter));
    if (c.message.isEmpty()) {
      EXPECT_TRUE(desktop.messages.empty()) << context.toStdString();
      EXPECT_FALSE(entriesEnabled()) << context.toStdString();
    } else {
      ASSERT_EQ(desktop.messages.size(), 1u) << context.toStdString();
      EXPECT_EQ(desktop.messages[0].title, QStringLiteral("Erreur !"));
      EXPECT_EQ(desktop.messages[0].text, c.message) << context.toStdString();
      EXPECT_TRUE(entriesEnabled()) << context.toStdString();
    }
    EXPECT_EQ(results()[0], QString::fromUtf8(c.dipole)) << context.toStdString();
  }
}

TEST_F(ZuzoTest, EntryBoxesTakeOnlyDigitsAndTheSeparators) {
  QTest::keyClicks(diameter(), QStringLiteral("1a,b-5"));
  EXPECT_EQ(diameter()->text(), QStringLiteral("1,5"));
  QTest::keyClick(diameter(), Qt::Key_Backspace);
  QTest::keyClick(diameter(), Qt::Key_Backspace);
  QTest::keyClick(diameter(), '.', Qt::KeypadModifier);
  EXPECT_EQ(diameter()->text(), QStringLiteral("1."));

  // Length limits: seven characters for the frequency, four for the diameter.
  QTest::keyClicks(frequency(), QStringLiteral("145,12345"));
  EXPECT_EQ(frequency()->text(), QStringLiteral("145,123"));
  QTest::keyClicks(diameter(), QStringLiteral("599"));
  EXPECT_EQ(diameter()->text(), QStringLiteral("1.59"));
}

TEST_F(ZuzoTest, CommaAndPointBothGiveTheDecimalInEitherKindOfLocale) {
  // 145.5 MHz and 6 mm; 1455 MHz would give a reflector of 9,9 cm.
  const QStringList comma = {"12,0", "99,5", "47,0", "96,5", "39,2",
                             "91,8", "44,5", "91,3", "131,3"};
  QStringList point = comma;
  point.replaceInStrings(QStringLiteral(","), QStringLiteral("."));
  const std::pair<QLocale, QStringList> locales[] = {{test::commaLocale(), comma},
                                                     {test::pointLocale(), point}};
  for (const auto& [userLocale, expected] : locales) {
    const test::LocaleGuard pinned(userLocale);
    for (const bool keypadPoint : {true, false}) {
      click(Zuzo::Nouveau);
      QTest::keyClicks(frequency(), QStringLiteral("145"));
      if (keypadPoint)
        QTest::keyClick(frequency(), '.', Qt::KeypadModifier);
      else
        QTest::keyClick(frequency(), ',');
      QTest::keyClicks(frequency(), QStringLiteral("5"));
      QTest::keyClick(frequency(), Qt::Key_Tab);
      QTest::keyClicks(diameter(), QStringLiteral("6"));
      QTest::keyClick(diameter(), Qt::Key_Return);
      EXPECT_EQ(results(), expected)
          << frequency()->text().toStdString() << " in " << userLocale.name().toStdString();
      EXPECT_TRUE(desktop.messages.empty());
    }
  }
}

TEST_F(ZuzoTest, ExampleWorksWhileTheEntriesAreLocked) {
  enter(QStringLiteral("144"), QStringLiteral("8"));
  click(Zuzo::Calculer);
  ASSERT_EQ(results(), example144);
  ASSERT_FALSE(entriesEnabled());

  click(Zuzo::Exemple);
  EXPECT_EQ(results(), example145);
  EXPECT_FALSE(entriesEnabled());
}

TEST_F(ZuzoTest, ResultsDependOnlyOnTheCurrentEntries) {
  enter(QStringLiteral("144"), QStringLiteral("8"));
  click(Zuzo::Calculer);
  click(Zuzo::Calculer);
  EXPECT_EQ(results(), example144);

  click(Zuzo::Exemple);
  click(Zuzo::Nouveau);
  enter(QStringLiteral("144"), QStringLiteral("8"));
  click(Zuzo::Calculer);
  EXPECT_EQ(results(), example144);
}

TEST_F(ZuzoTest, NewClearsEverythingAndUnlocksTheEntries) {
  click(Zuzo::Exemple);
  click(Zuzo::Nouveau);
  EXPECT_EQ(frequency()->text(), QString());
  EXPECT_EQ(diameter()->text(), QString());
  EXPECT_EQ(results(), noResults);
  EXPECT_TRUE(entriesEnabled());
  EXPECT_TRUE(frequency()->hasFocus());
}

TEST_F(ZuzoTest, EnterCalculatesAndASecondEnterKeepsTheResults) {
  frequency()->setFocus();
  QTest::keyClicks(frequency(), QStringLiteral("144"));
  QTest::keyClick(frequency(), Qt::Key_Tab);
  QTest::keyClicks(diameter(), QStringLiteral("8"));
  QTest::keyClick(diameter(), Qt::Key_Return);
  ASSERT_EQ(results(), example144);

  // The locked box has handed the focus on to a button; Enter still means
  // Calculer, not the focused button.
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr);
  EXPECT_NE(focused, diameter());
  QTest::keyClick(focused, Qt::Key_Return);
  EXPECT_EQ(results(), example144);
  EXPECT_TRUE(button(Zuzo::Calculer)->isDefault());
  EXPECT_FALSE(button(Zuzo::Nouveau)->isDefault());
}

TEST_F(ZuzoTest, AccessKeysPressTheirButtons) {
  // A button pressed by its access key clicks after a short animation.
  QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return results() == example145; }));
  QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return results() == noResults; }));
}

TEST_F(ZuzoTest, QuitAsksFirstAndEndsOnlyOnYes) {
  for (const bool yes : {false, true}) {
    desktop.answerYes = yes;
    desktop.endings = 0;
    click(Zuzo::Quitter);
    ASSERT_FALSE(desktop.questions.empty());
    EXPECT_EQ(desktop.questions.back().title, QStringLiteral("Fin du programme"));
    EXPECT_EQ(desktop.questions.back().text,
              QStringLiteral("Voulez-vous vraiment quitter ce programme ?"));
    EXPECT_EQ(desktop.endings, yes ? 1 : 0);
  }
}

TEST_F(ZuzoTest, InformationAndDrawingsOpenAsModalWindows) {
  const std::pair<Zuzo::Command, QString> cases[] = {
      {Zuzo::Informations, QStringLiteral("Informations")},
      {Zuzo::Schemas, QStringLiteral("Schémas de construction")},
  };
  for (const auto& [command, caption] : cases) {
    QString seen;
    QTimer::singleShot(0, window.get(), [&seen] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        seen = modal->windowTitle();
        modal->close();
      }
    });
    click(command);
    EXPECT_EQ(seen, caption);
  }
}

TEST(ZuzoInFrench, TheQuitQuestionAndTheContextMenuSpeakFrench) {
  static const bool french = installQtFrench(test::application());
  ASSERT_TRUE(french) << "Qt's French translation (qtbase_fr) is not installed";
  QtDesktop realDesktop;
  Zuzo window(realDesktop);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  QStringList buttons;
  QTimer::singleShot(0, &window, [&buttons] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    for (QAbstractButton* b : box->buttons()) buttons << b->text();
    box->button(QMessageBox::No)->click();
  });
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1_4")), Qt::LeftButton);
  buttons.sort();
  EXPECT_EQ(buttons, QStringList({QStringLiteral("&Non"), QStringLiteral("&Oui")}));
  EXPECT_TRUE(window.isVisible());

  const std::unique_ptr<QMenu> menu(
      window.findChild<QLineEdit*>(QStringLiteral("Text1_0"))->createStandardContextMenu());
  QStringList items;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator()) items << action->text().section(QLatin1Char('\t'), 0, 0);
  EXPECT_TRUE(items.contains(QStringLiteral("Cop&ier"))) << items.join(" | ").toStdString();
}

}  // namespace
}  // namespace yagi
