#include "core/design/Engine.h"

#include "core/design/Entry.h"
#include "core/design/FoldedDipole.h"
#include "core/design/ReportText.h"
#include "core/platform/Arith.h"
#include "core/platform/Errors.h"

namespace bs::design {

namespace {

// Free-space wavelength in mm is this constant over the frequency in MHz; the reflector
// formula was fitted with 299793.
constexpr long double kLightSpeed = 299792.0L;
constexpr long double kReflectorLightSpeed = 299793.0L;

bool IsMetalMounted(char16_t mount) {
  return mount == u'Y' || mount == u'I';
}

// The boom correction, in wavelengths, for a boom B wavelengths across: the smaller of
// 12B^2 + 0.15B and 0.666B, halved for elements insulated through the boom.
void SetBoomCorrection(bs::YagiVar::State& s) {
  const long double b = s.BoomSize;
  s.BoomCorrection = bs::ToDouble(12.0L * b * b + 0.15L * b);
  if (0.666L * b < s.BoomCorrection) s.BoomCorrection = bs::ToDouble(0.666L * b);
  if (s.BoomMount == u'I') s.BoomCorrection = bs::ToDouble(s.BoomCorrection / 2.0L);
}

void ClearDirectorTables(bs::YagiVar::State& s) {
  s.DirLength.fill(0);
  s.DirSpacing.fill(0);
  s.DirPosition.fill(0);
}

// A director thicker than a thirtieth of its length works poorly. The check runs with the
// director number the previous calculation left behind.
void CheckThickness(bs::YagiVar::State& s, Report& report) {
  const double d = s.ElementDiam;
  s.DirectorLength = bs::ToDouble(CalcDirLength(s, d) + s.BoomCorrection);
  if (30.0L * d > s.DirectorLength) report.Notice(kThicknessWarning);
}

void PlaceDirector(bs::YagiVar::State& s, Report& report, int n) {
  s.DirectorNumber = n;
  const long double length = CalcDirLength(s, s.ElementDiam);
  s.DirectorLength = bs::ToDouble((length + s.BoomCorrection) * s.Wavelength);
  s.DirectorSpacing = bs::ToDouble(DirectorSpacingFactor(n) * s.Wavelength);
  report.Append(DirectorCells(n, s.DirectorLength, s.DirectorSpacing));
  s.BoomLength = bs::ToDouble(s.BoomLength + s.DirectorSpacing);
  s.DirSpacing[n] = s.DirectorSpacing;
  report.Append(BoomPositionCell(s.BoomLength));
  report.Append(ITCell(ElementIT(s, s.DirectorLength)));
  s.DirectorGain = bs::ToDouble(BoomGain(s, s.BoomLength - kBoomOverhang));
  report.Append(GainCells(s.DirectorGain));
  s.DirLength[n] = s.DirectorLength;
  s.DirPosition[n] = s.BoomLength - kBoomOverhang;
}

}  // namespace

void Yagidimensions(bs::YagiVar::State& s, Report& report) {
  s.Wavelength = bs::ToDouble(bs::Divide(kLightSpeed, s.DesignFreq));
  if (!IsMetalMounted(s.BoomMount)) s.BoomSize = 0;
  report.Set(HeadingBlock(s));
  s.BoomSize = bs::ToDouble(bs::Divide(s.BoomSize, s.Wavelength));
  s.ElementDiam = bs::ToDouble(bs::Divide(s.ElementDiam, s.Wavelength));
  SetBoomCorrection(s);
  CalcDipoles(s);
  s.ReflectorLength = CalcReflector(s);
  s.DipoleSpacing = bs::ToDouble(0.2L * s.Wavelength);
  report.Append(ReflectorBlock(s));
  report.Append(RadiatorBlock(s));
  report.Append(DirectorTableHeading());
  CalcDirector(s, report);
  report.Append("\r\n");
  report.Append(CommentsBlock(s));
  if (s.CoaxName.find("USER") != std::string::npos) s.CoaxName = "coax";
  if (VelocityFactorUsable(s.VelocityFactor)) report.Append(BalunLine(s));
  FoldedDipoleDetails(s, report);
}

void CalcDirector(bs::YagiVar::State& s, Report& report) {
  ClearDirectorTables(s);
  const std::int32_t n = s.NumDirectors;
  // The tables hold 100 directors; nothing may write past them.
  if (n > bs::YagiVar::kMaxDirectors) throw bs::Error(kTooManyDirectors);
  s.BoomLength = bs::ToDouble(s.DipoleSpacing + kBoomOverhang);
  CheckThickness(s, report);
  for (int i = 1; i <= n; ++i) PlaceDirector(s, report, i);
}

double CalcDirLength(const bs::YagiVar::State& s, double d) {
  const long double taper = bs::Exp(-0.07586L * s.DirectorNumber);
  const long double upper = 0.007344L + 0.1794L * bs::Power(d, 0.1996L);
  const long double lower = 0.5179L - 0.4328L * bs::Power(d, 0.2078L);
  return bs::ToDouble(upper * taper + lower);
}

double CalcDipoleLength(const bs::YagiVar::State& s, double diameter) {
  const long double r = bs::Divide(diameter, s.Wavelength);
  const long double thinness = bs::Exp(-0.014891L * bs::Ln(r));
  return bs::ToDouble((0.4777L - 1.0522L * r + 0.43363L * thinness) / 2.0L);
}

void CalcDipoles(bs::YagiVar::State& s) {
  const long double single = CalcDipoleLength(s, s.DipoleDiam);
  s.SingleDipoleLength = bs::ToDouble(single * s.Wavelength);
  // A folded dipole mounted like the directors gets their boom correction too.
  long double folded = s.SingleDipoleLength;
  if (s.DipoleMount == 0) folded += s.BoomCorrection * static_cast<long double>(s.Wavelength);
  s.FoldedDipoleLength = bs::ToDouble(folded * 1.02L);
}

double CalcReflector(const bs::YagiVar::State& s) {
  const long double thickness = bs::Ln(bs::Divide(2.0L, s.ElementDiam));
  const long double shortening = bs::Divide(20.0L, 186.8769L * thickness - 320.0L);
  const long double wavelength = bs::Divide(kReflectorLightSpeed, s.DesignFreq);
  return bs::ToDouble((0.5L * (1.0L - shortening) + s.BoomCorrection) * wavelength);
}

long double ElementIT(const bs::YagiVar::State& s, double length) {
  return bs::Checked(bs::RoundToEven(length) / 2.0L - s.BoomSizeEntered / 2.0L);
}

long double BoomGain(const bs::YagiVar::State& s, long double distance) {
  return bs::calculators::GainVK3AUU(bs::Divide(distance, s.Wavelength));
}

long double LengthTolerance(const bs::YagiVar::State& s) {
  return 0.003L * s.Wavelength;
}

long double DirectorSpacingFactor(int n) {
  static constexpr long double kSpacing[] = {0.075L, 0.18L,  0.215L, 0.25L,  0.28L,  0.30L, 0.315L,
                                             0.33L,  0.345L, 0.36L,  0.375L, 0.385L, 0.39L, 0.395L};
  if (n >= 15) return 0.4L;
  if (n < 1) return kSpacing[0];
  return kSpacing[n - 1];
}

}  // namespace bs::design
