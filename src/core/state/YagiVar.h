#pragma once
// The shared design state: one record of plain fields through which every screen exchanges its
// data. Core routines take a State by reference; the screens use the one process-wide instance.
#include <array>
#include <cstdint>
#include <string>

namespace bs::YagiVar {

inline constexpr int kMaxDirectors = 100;
inline constexpr int kYOBoxes = 39;

struct State {
  // Design inputs, set by the design entry screen on Calculate.
  double DesignFreq = 0;
  std::int32_t NumDirectors = 0;
  double ElementDiam = 0;
  double ElementDiamMm = 0;
  double BoomSize = 0;
  long double BoomSizeEntered = 0;
  bool BoomIsSquare = false;
  char16_t BoomMount = 0;
  double DipoleDiam = 0;
  double DipoleBendDiam = 0;
  double FeedGap = 0;
  std::uint8_t DipoleMount = 0;
  std::uint8_t ElementShape = 0;
  std::uint8_t DipoleShape = 0;
  std::string ElementDiamText;
  std::string DipoleWidthText;
  std::string DipoleDiamText;
  std::string DipoleThickText;
  std::string ElementWidthText;
  std::string ElementThickText;
  double VelocityFactor = 0;
  std::string CoaxName;
  double BalunLoopLength = 0;

  // Computed element table. The director tables are indexed 1 to 100; entry 0 is unused.
  double Wavelength = 0;
  double ReflectorLength = 0;
  double SingleDipoleLength = 0;
  double FoldedDipoleLength = 0;
  double DipoleSpacing = 0;
  double BoomCorrection = 0;
  double BoomLength = 0;
  double DirectorNumber = 0;
  double DirectorLength = 0;
  double DirectorSpacing = 0;
  std::array<double, kMaxDirectors + 1> DirLength{};
  std::array<double, kMaxDirectors + 1> DirSpacing{};
  std::array<double, kMaxDirectors + 1> DirPosition{};
  double DirectorGain = 0;
  double FoldedBendSpan = 0;
  double FoldedTipToTip = 0;
  double FoldedBendDiam = 0;

  // YO and MMANA-GAL values. YOText is indexed 1 to 39 by box number; entry 0 is unused.
  std::array<std::string, kYOBoxes + 1> YOText{};
  std::string YOFreqFromText;
  std::string YOBoomMountText;
  std::string YODescription;
  bool YagLoadFailed = false;
  std::int32_t YOFormLeft = 0;
  std::int32_t YOFormTop = 0;
  double MmanaSegLength = 0;

  // Saved screen texts.
  std::string DesignFreqText;
  std::string DesignDirectorsText;
  std::string DesignElemDiamText;
  std::string DesignDipoleWidthText;
  std::string DesignBoomText;
  std::string DesignDipoleDiamText;
  std::string DesignBendText;
  std::string DesignGapText;
  std::string DesignDipoleThickText;
  std::string DesignElemWidthText;
  std::string DesignElemThickText;
  std::string DesignChoicesText;
  std::string GainFreqText;
  std::string GainBoomText;
  std::string StackFreqText;
  std::string StackBeamwidthText;
  std::string StackPlaneText;

  // Window sizes and program directory.
  std::int32_t MainHeight = 0;
  std::int32_t MainWidth = 0;
  std::int32_t DefSizeA = 0;
  std::int32_t DefSizeB = 0;
  std::int32_t WorkAreaHeight = 0;
  std::int32_t StartFormHeight = 0;
  std::string ProgramDir;
};

// Gives the start values, in their documented order.
void StartUp(State& state);

// The process-wide instance used by the screens.
State& Global();

}  // namespace bs::YagiVar
