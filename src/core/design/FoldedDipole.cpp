#include "core/design/FoldedDipole.h"

#include <algorithm>
#include <numbers>
#include <string>

#include "core/design/DesignValues.h"
#include "core/design/Engine.h"
#include "core/platform/Arith.h"
#include "core/platform/Numbers.h"

namespace bs::design {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
std::string Fixed(long double value, int precision, int digits) {
  return bs::FormatFixed(value, precision, digits);
}

std::string MmLine(const char* label, long double value, int precision) {
  return label + Fixed(value, precision, 0) + "mm\r\n";
}

std::string ConstructionLines(const FoldedGeometry& g, double tipToTip, double bend, double gap) {
  std::string text = "Measurements are taken from the inside of bends\r\n";
  text += MmLine("Folded dipole length measured tip to tip = ", tipToTip, 6);
  text += MmLine("Total rod length =", g.totalRod, 7);
  text += MmLine("Centre of rod=", g.totalRod / 2, 6);
  text += MmLine("Distance BC=CD=", g.bc, 6);
  text += MmLine("Distance HI=GF=", g.hi, 6);
  text += MmLine("Distance HA=GE=", g.ha, 6);
  text += MmLine("Distance HB=GD=", g.hb, 6);
  text += MmLine("Distance HC=GC=", g.hc, 6);
  text += MmLine("Gap at HG=", gap, 6);
  text += MmLine("Bend diameter BI=DF=", bend, 6) + "\r\n";
  return text;
}

std::string ResonanceLine(const FlatPlaneValues& plane) {
  std::string text =
      "If the folded dipole is considered as a flat plane (see ARRL Antenna Handbook) then its "
      "resonant frequency is ";
  if (!plane.inRange) return text + "less than the flat plane algorithm's range of 10:1\r\n";
  return text + Fixed(plane.resonance, 5, 1) + "MHz and K is " + Fixed(plane.k, 5, 3) + "\r\n";
}

std::string ShapeTail(int shape, const std::string& diameter, const std::string& width,
                      const std::string& thickness) {
  if (shape == 0) return " of round " + diameter + "mm rod";
  if (shape == 1) return " of square section " + width + "mm";
  if (shape == 2) return " of flat section " + width + "mm by " + thickness + "mm";
  return {};
}

std::string MaterialsGuide(const bs::YagiVar::State& s) {
  const MaterialsValues m = MaterialsGuideLengths(s);
  std::string text =
      "\r\nMATERIALS GUIDE for purchase. Allow extra, do NOT use these figures for cutting\r\n"
      "NO allowance for saw cuts or purchased lengths resulting in waste\r\n";
  text +=
      "1) Length used by directors and reflector " + Fixed(m.directorsAndReflector, 6, 1) + "mm" +
      ShapeTail(s.ElementShape, s.ElementDiamText, s.ElementWidthText, s.ElementThickText) + "\r\n";
  text += "2) Length used by single dipole " + Fixed(m.singleDipole, 6, 1) +
          "mm or folded dipole " + Fixed(m.foldedDipole, 6, 1) + "mm" +
          ShapeTail(s.DipoleShape, s.DipoleDiamText, s.DipoleWidthText, s.DipoleThickText) + "\r\n";
  const std::string boom = bs::FormatGeneral(s.BoomSizeEntered);
  text +=
      "3) Length used for boom " + Fixed(m.boom, 6, 1) + "mm (allows for 30mm each end)" +
      (s.BoomIsSquare ? " square section " + boom + "mm" : " round stock " + boom + "mm diameter") +
      "\r\n";
  return text;
}

}  // namespace

FoldedGeometry FoldedDipoleGeometry(double tipToTip, double bendDiam, double gap) {
  const long double f = tipToTip, db = bendDiam, g = gap;
  const long double quarterBend = kPi * db / 4;
  FoldedGeometry out;
  out.totalRod = bs::Checked(2 * (f - db) + kPi * db - g);
  out.hi = bs::Checked(f / 2 - db / 2 - g / 2);
  out.ha = out.hi + quarterBend;
  out.hb = out.ha + quarterBend;
  out.hc = out.hb + out.hi + g / 2;
  out.bc = 0.5L * g + out.hi;
  return out;
}

double FindK(int r) {
  const long double x = r;
  long double k = 0.98L;
  if (r >= 10 && r <= 15)
    k = (x - 10) * 0.003L + 0.92L;
  else if (r >= 16 && r <= 20)
    k = (x - 16) * 0.00385L + 0.9355L;
  else if (r >= 21 && r <= 30)
    k = (x - 21) * 0.0009L + 0.9436L;
  else if (r >= 31 && r <= 50)
    k = (x - 31) * 0.000342L + 0.9501L;
  else if (r >= 51 && r <= 75)
    k = (x - 51) * 0.0002879L + 0.95701L;
  else if (r >= 76 && r <= 100)
    k = (x - 31) * 0.0001287L + 0.9601L;
  else if (r >= 101 && r <= 200)
    k = (x - 31) * 0.0000303L + 0.96301L;
  else if (r >= 201 && r <= 1000)
    k = (x - 31) * 0.0000125L + 0.97301L;
  else if (r >= 1001 && r <= 10000)
    k = (x - 31) * 0.0000005L + 0.97801L;
  return static_cast<double>(k);
}

void FoldedDipoleDetails(bs::YagiVar::State& s, Report& report) {
  const double f = s.FoldedDipoleLength, db = s.DipoleBendDiam, gap = s.FeedGap;
  report.Append("FOLDED DIPOLE CONSTRUCTION\r\n");
  const FlatPlaneValues plane = FlatPlane(s);  // a bend diameter of 0 stops here
  report.Append(ConstructionLines(FoldedDipoleGeometry(f, db, gap), f, db, gap));
  report.Append(ResonanceLine(plane));
  s.FoldedTipToTip = f;
  s.FoldedBendSpan = bs::ToDouble(f - static_cast<long double>(db));
  s.FoldedBendDiam = db;
  report.Append(MaterialsGuide(s));
}

}  // namespace bs::design
