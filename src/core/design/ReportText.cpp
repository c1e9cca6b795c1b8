#include "core/design/ReportText.h"

#include "core/design/DesignValues.h"

#include "core/design/Engine.h"
#include "core/platform/Numbers.h"

namespace bs::design {

namespace {

constexpr const char* kEol = "\r\n";

std::string Fixed(long double value, int precision, int digits) {
  return bs::FormatFixed(value, precision, digits);
}

std::string BoomLine(const bs::YagiVar::State& s) {
  const std::string section = s.BoomIsSquare ? "square section metal" : "round section metal";
  const std::string size = Fixed(s.BoomSizeEntered, 5, 0);
  if (s.BoomMount == u'I')
    return "Parasitic elements insulated through a " + section + " boom " + size + " mm across.";
  if (s.BoomMount == u'Y')
    return "Parasitic elements contacting a " + section + " boom " + size + " mm across.";
  return "Parasitic elements fastened to a non-metallic or separated from boom";
}

std::string DipoleMountLine(const bs::YagiVar::State& s) {
  return s.DipoleMount == 1 ? "Folded dipole fully insulated from boom"
                            : "Folded dipole mounted same as directors and reflector";
}

// "<label>diam =7 mm", "<label>square section =10 mm" or "<label>strip =10 mm by 2 mm";
// nothing for an unknown shape.
std::string ShapeLine(const char* label, int shape, const std::string& diameter,
                      const std::string& width, const std::string& thickness) {
  const std::string name(label);
  if (shape == 0) return name + "diam =" + diameter + " mm";
  if (shape == 1) return name + "square section =" + width + " mm";
  if (shape == 2) return name + "strip =" + width + " mm by " + thickness + " mm";
  return {};
}

std::string Line(const std::string& text) {
  return text.empty() ? text : text + kEol;
}

// Boom position of the driven element and the two dipole lines share this tail.
std::string DipoleLine(const bs::YagiVar::State& s, const char* name, double length) {
  const double position = s.DipoleSpacing + kBoomOverhang;
  return std::string(name) + Fixed(length, 6, 1) + " mm tip to tip, spaced " +
         Fixed(s.DipoleSpacing, 6, 1) + " mm from reflector at boom posn " + Fixed(position, 6, 1) +
         " mm (IT = " + Fixed(ElementIT(s, length), 6, 1) + " mm)";
}

}  // namespace

std::string HeadingBlock(const bs::YagiVar::State& s) {
  std::string text = "Quorrel's BEAMSMITH\r\n\r\n";
  text += "Zuzo design frequency =" + Fixed(s.DesignFreq, 6, 2) + " MHz" + kEol;
  text += "Wavelength =" + Fixed(s.Wavelength, 7, 0) + " mm" + kEol;
  text += BoomLine(s) + kEol;
  text += DipoleMountLine(s) + kEol;
  text += Line(ShapeLine("Director/reflector ", s.ElementShape, s.ElementDiamText,
                         s.ElementWidthText, s.ElementThickText));
  const std::string radiator =
      ShapeLine("Radiator ", s.DipoleShape, s.DipoleDiamText, s.DipoleWidthText, s.DipoleThickText);
  if (!radiator.empty()) text += radiator + kEol + kEol;
  return text;
}

std::string ReflectorBlock(const bs::YagiVar::State& s) {
  return std::string("REFLECTOR") + kEol + Fixed(s.ReflectorLength, 6, 1) +
         " mm long at boom position = 30 mm  (IT = " +
         Fixed(ElementIT(s, s.ReflectorLength), 6, 1) + " mm)" + kEol + kEol;
}

std::string RadiatorBlock(const bs::YagiVar::State& s) {
  return std::string("RADIATOR") + kEol + DipoleLine(s, "Single dipole ", s.SingleDipoleLength) +
         kEol + DipoleLine(s, "Folded dipole ", s.FoldedDipoleLength) + kEol + kEol;
}

std::string DirectorTableHeading() {
  return "DIRECTORS\r\n"
         "Dir\tLength\tSpaced\tBoom position\tIT\tGain\tGain\r\n"
         "(no.)\t(mm)\t(mm)\t(mm)\t\t(mm)\t(dBd)\t(dBi)\r\n";
}

std::string DirectorCells(int number, double length, double spacing) {
  return Fixed(number, 5, 0) + "\t" + Fixed(length, 17, 1) + "\t" + Fixed(spacing, 17, 1) + "\t";
}

std::string BoomPositionCell(double boomPosition) {
  return Fixed(boomPosition, 15, 1) + "\t\t";
}

std::string ITCell(long double insertTo) {
  return Fixed(insertTo, 7, 1) + "\t";
}

std::string GainCells(double gain) {
  return Fixed(gain, 7, 1) + "\t" + Fixed(gain + 2.15L, 7, 1) + kEol;
}

std::string CommentsBlock(const bs::YagiVar::State& s) {
  std::string text = std::string("COMMENTS") + kEol;
  text +=
      "The abbreviation \"IT\" means \"Insert To\", it is the construction distance from the "
      "element tip to the edge of the boom for through boom mounting\r\n\r\n";
  text += "Spacings measured centre to centre from previous element\r\n";
  text += "Tolerance for element lengths is +/- " + Fixed(LengthTolerance(s), 6, 0) + " mm\r\n\r\n";
  text +=
      "Boom position is the mounting point for each element as measured from the rear of the "
      "boom and includes the 30 mm overhang.The total boom length is " +
      Fixed(TotalBoomLength(s), 15, 0) + " mm including two overhangs of 30 mm\r\n\r\n";
  text += "The beam's estimated 3dB beamwidth is " + Fixed(BeamWidth(s.DirectorGain), 6, 0) +
          " deg\r\n\r\n";
  return text;
}

std::string BalunLine(const bs::YagiVar::State& s) {
  return "A half wave 4:1 balun uses " + Fixed(s.VelocityFactor, 2, 2) + " velocity factor " +
         s.CoaxName + " and is " + Fixed(s.BalunLoopLength, 6, 0) + " mm long plus leads" + kEol;
}

}  // namespace bs::design
