// The YO screen, the conversion dialog and the MMANA-GAL screen, driven as a user would, with
// the scripted dialogs answering the file and description questions.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "DesignScreenSupport.h"
#include "core/export/MaaFile.h"
#include "core/export/YagFile.h"
#include "gui/export/Converter.h"
#include "gui/export/MmanaFile.h"
#include "gui/export/YOdetails.h"
#include "support/TextFiles.h"

namespace {

namespace fs = std::filesystem;
using bs::gui::TConvertYagi;
using bs::gui::TYagibaseform5;
using bs::gui::TYagibaseform6;
using design_screens::Open;
using testing_support::ReadBytes;
using testing_support::SplitLines;
using testing_support::TestData;

class ExportScreensTest : public design_screens::DesignScreenTest {
 protected:
  void SetUp() override {
    DesignScreenTest::SetUp();
    State().YOFreqFromText = "3";
    State().YOBoomMountText = "2";
    oldDir_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           ("bs_export_gui_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(oldDir_);
    fs::remove_all(dir_);
    DesignScreenTest::TearDown();
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  // Directors 1 to 3 and 5 typed into the boxes, director 4 left at "0".
  static void TypeGapZuzo(TYagibaseform5& yo) {
    const std::pair<int, const char*> boxes[] = {
        {37, "144.1"}, {4, "7"},   {1, "10"},  {39, "1011"}, {2, "416"}, {3, "980"},   {6, "572"},
        {5, "934"},    {8, "946"}, {7, "925"}, {10, "1394"}, {9, "917"}, {14, "2445"}, {13, "905"}};
    for (const auto& [box, text] : boxes) yo.Edit[box]->setText(text);
  }

  fs::path oldDir_;
  fs::path dir_;
};

TEST_F(ExportScreensTest, MenuAndStartState) {
  auto yo = Open<TYagibaseform5>();
  EXPECT_EQ(yo->windowTitle(), "Make YO file ");
  EXPECT_FALSE(yo->Save1->isVisible());
  EXPECT_FALSE(yo->SaveAs1->isVisible());
  EXPECT_FALSE(yo->Task->menuAction()->isVisible());
  EXPECT_EQ(yo->File1->actions().indexOf(yo->LoadYagfile1), 2) << "third, before the separator";
  EXPECT_EQ(yo->Edit[39]->text(), "0");
  EXPECT_EQ(yo->RadioGroup1->ItemIndex(), 3);
  EXPECT_EQ(yo->RadioGroup2->ItemIndex(), 2);
  EXPECT_TRUE(yo->RadioGroup2->isAncestorOf(yo->focusWidget())) << "the tab order starts there";
  QTest::keyClick(yo->focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(yo->focusWidget(), yo->Edit[38]);
}

TEST_F(ExportScreensTest, LoadYagFillsTheBoxes) {
  std::ofstream(Path("test.yag"), std::ios::binary)
      << "T\r\n145.2 MHz\r\n4  elements,  millimeters\r\n\t6\t12\r\n0\t1000\r\n400\t\t970\r\n"
         "560\t930\r\n900\t920\r\n";
  State().YOBoomMountText = "0";
  State().YOFreqFromText = "1";
  auto yo = Open<TYagibaseform5>();
  yo->Edit[38]->setText("30");
  dialogs.fileAnswers.push_back(Path("test.yag"));
  yo->LoadYagfile1->trigger();
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"   test.yag loaded   "});
  EXPECT_EQ(yo->Edit[37]->text(), "145.2");
  EXPECT_EQ(yo->Edit[1]->text(), "12");
  EXPECT_EQ(yo->Edit[8]->text(), "900");
  EXPECT_EQ(yo->Edit[38]->text(), "0");
  EXPECT_EQ(yo->RadioGroup2->ItemIndex(), 2);
  EXPECT_EQ(yo->RadioGroup1->ItemIndex(), 3);
  EXPECT_FALSE(yo->Edit[37]->isReadOnly());
  dialogs.fileAnswers.push_back(Path("missing.yag"));
  yo->LoadYagfile1->trigger();
  EXPECT_EQ(dialogs.Messages().back(), "No yag file found");
}

TEST_F(ExportScreensTest, MakeYOWritesEveryTypedDirector) {
  auto yo = Open<TYagibaseform5>();
  TypeGapZuzo(*yo);
  dialogs.inputAnswers.push_back("Gap at director 4");
  dialogs.fileAnswers.push_back(Path("gap.yag"));
  QTest::mouseClick(yo->PButton1, Qt::LeftButton);
  EXPECT_EQ(ReadBytes(Path("gap.yag")), TestData("yag_screen_gap.yag"));
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{Path("gap.yag") + " created and ready for you to run YO"});
  EXPECT_EQ(State().YODescription, "Gap at director 4");
  // Cancel in the description question writes nothing.
  dialogs.inputAnswers.push_back(std::nullopt);
  QTest::mouseClick(yo->PButton1, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(ExportScreensTest, ConvertThroughTheDialog) {
  auto yo = Open<TYagibaseform5>();
  TypeGapZuzo(*yo);
  yo->Edit[38]->setText("25");
  yo->Edit[39]->setText("1000");
  design_screens::DesignScreenTest::ClickItem(yo->RadioGroup2, 2);
  testing_support::OnNextModal([](QDialog* dialog) {
    auto* convert = qobject_cast<TConvertYagi*>(dialog);
    ASSERT_NE(convert, nullptr);
    EXPECT_EQ(convert->RadioGroup1->ItemIndex(), 2);
    convert->RadioGroup2->SetItemIndex(0);
    QTest::mouseClick(convert->Button1, Qt::LeftButton);
  });
  QTest::mouseClick(yo->PButton3, Qt::LeftButton);
  EXPECT_EQ(yo->Edit[39]->text(), "1007");
  EXPECT_EQ(yo->Edit[5]->text(), "941");
  EXPECT_EQ(yo->Edit[6]->text(), "572") << "distances are never converted";
  EXPECT_EQ(yo->RadioGroup2->ItemIndex(), 0);
  // A check that fails focuses its box and opens no dialog.
  yo->Edit[38]->setText("");
  QTest::mouseClick(yo->PButton3, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back(), "Boom diameter box empty or zero!");
  EXPECT_EQ(yo->focusWidget(), yo->Edit[38]);
}

TEST_F(ExportScreensTest, ChoosingAnItemEstimatesTheFrequency) {
  State().YOFreqFromText = "1";
  auto yo = Open<TYagibaseform5>();
  TypeGapZuzo(*yo);
  yo->Edit[37]->setText("0");
  EXPECT_EQ(yo->Edit[37]->text(), "0") << "showing the choice does not estimate";
  design_screens::DesignScreenTest::ClickItem(yo->RadioGroup1, 1);
  EXPECT_EQ(yo->Edit[37]->text(), "144.1");
  EXPECT_TRUE(yo->Edit[37]->isReadOnly());
  design_screens::DesignScreenTest::ClickItem(yo->RadioGroup1, 3);
  EXPECT_FALSE(yo->Edit[37]->isReadOnly());
  EXPECT_EQ(yo->focusWidget(), yo->Edit[37]);
  yo->Edit[3]->setText("-980");
  design_screens::DesignScreenTest::ClickItem(yo->RadioGroup1, 1);
  EXPECT_EQ(dialogs.Messages().back(), "Invalid floating point operation");
  EXPECT_EQ(yo->Edit[37]->text(), "144.1");
}

TEST_F(ExportScreensTest, MakeMmanaWritesTheTypedZuzo) {
  auto yo = Open<TYagibaseform5>();
  TypeGapZuzo(*yo);
  bool opened = false;
  testing_support::OnNextModal([&](QDialog* dialog) {
    auto* mmana = qobject_cast<TYagibaseform6*>(dialog);
    ASSERT_NE(mmana, nullptr);
    opened = true;
    EXPECT_EQ(mmana->Label16->text(), "Rad:Seg = 2:1");
    mmana->Edit1->setText("Gap");
    dialogs.fileAnswers.push_back(Path("gap.maa"));
    QTest::mouseClick(mmana->Button1, Qt::LeftButton);
    // A folded dipole needs the dimensions of a design calculation.
    mmana->ComboBox8->setCurrentIndex(1);
    QTest::mouseClick(mmana->Button1, Qt::LeftButton);
    mmana->accept();
  });
  QTest::mouseClick(yo->PButton4, Qt::LeftButton);
  ASSERT_TRUE(opened);
  const auto lines = SplitLines(ReadBytes(Path("gap.maa")));
  ASSERT_GT(lines.size(), 10u);
  EXPECT_EQ(lines[0], "Gap");
  EXPECT_EQ(lines[4], "6");
  EXPECT_EQ(lines[10], "2.0290,  -0.4525,  0.0,  2.0290,  0.4525,  0.0,  0.0035,  -1");
  EXPECT_TRUE(fs::is_directory(dir_ / "MmanaFiles"));
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{Path("gap.maa") + bs::exporting::kMaaSaved,
                                      bs::exporting::kFoldedNeedsDesign}));
}

TEST_F(ExportScreensTest, MakeMmanaMismatchOpensNothing) {
  auto yo = Open<TYagibaseform5>();
  TypeGapZuzo(*yo);
  yo->Edit[12]->setText("1900");
  QTest::mouseClick(yo->PButton4, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{bs::exporting::kDirectorMismatch});
}

TEST_F(ExportScreensTest, SaveNecWritesTheTypedZuzoAndRefusesAMismatch) {
  auto yo = Open<TYagibaseform5>();
  TypeGapZuzo(*yo);
  dialogs.fileAnswers.push_back(Path("typed.nec"));
  QTest::mouseClick(yo->PButton5, Qt::LeftButton);
  int wires = 0;
  for (const std::string& line : testing_support::SplitLines(ReadBytes(Path("typed.nec"))))
    wires += line.rfind("GW", 0) == 0;
  EXPECT_EQ(wires, 6) << "reflector, dipole and the four typed directors";
  yo->Edit[12]->setText("1900");
  QTest::mouseClick(yo->PButton5, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back(), bs::exporting::kDirectorMismatch);
}

TEST_F(ExportScreensTest, CreateYOThatCannotBeWrittenShowsTheErrorOnly) {
  bs::design::StoreDesignInputs(bs::design::EntriesFromState(State()), State());
  auto results = Open<bs::gui::TYagibaseform2>();
  dialogs.inputAnswers.push_back("A");
  dialogs.fileAnswers.push_back(Path("no-such-folder/a.yag"));
  QTest::mouseClick(results->Button2, Qt::LeftButton);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].find("created"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "no-such-folder"));
  dialogs.inputAnswers.push_back("A");
  dialogs.fileAnswers.push_back(Path("a.yag"));
  QTest::mouseClick(results->Button2, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back(), Path("a.yag") + " created and ready for you to run YO");
  EXPECT_EQ(SplitLines(ReadBytes(Path("a.yag")))[2], "10 Elements, millimetres");
}

}  // namespace
