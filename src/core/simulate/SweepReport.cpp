#include "core/simulate/SweepReport.h"

#include <charconv>
#include <cmath>

#include "core/platform/Numbers.h"

namespace bs::simulate {
namespace {

std::string Fixed(double value, int digits) {
  if (std::isinf(value)) return "inf";
  return FormatFixed(value, 15, digits);
}

std::string Right(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string CsvNumber(double value, int digits) {
  if (!std::isfinite(value)) return "";
  char buffer[64];
  const auto [end, err] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
  return err == std::errc() ? std::string(buffer, end) : std::string();
}

std::string Row(const SweepPoint& p) {
  std::string row = Right(Fixed(p.mhz, 3), 9);
  if (!p.ok) return row + "   failed\n";
  row += Right(Fixed(p.forwardDbi, 2), 10) + Right(Fixed(p.frontToBackDb, 1), 8) +
         Right(Fixed(p.impedance.real(), 1), 9) + Right(Fixed(p.impedance.imag(), 1), 9) +
         Right(Fixed(p.swr, 2), 8);
  return row + "\n";
}

}  // namespace

std::string DesignFiguresText(const SweepResult& result, const ReportEstimate& estimate) {
  const SweepPoint* p = DesignPoint(result);
  if (p == nullptr || !p->ok) return "At the design frequency nec2c gave no result.\n";
  const auto line = [](const std::string& name, const std::string& value) {
    return "  " + name + std::string(name.size() < 16 ? 16 - name.size() : 1, ' ') + value + "\n";
  };
  std::string text = "At " + Fixed(p->mhz, 3) + " MHz:\n";
  text += line("Forward gain", Fixed(p->forwardDbi, 2) + " dBi");
  if (estimate.present) text += line("  report", Fixed(estimate.gainDbi, 2) + " dBi");
  text += line("Front to back", Fixed(p->frontToBackDb, 1) + " dB");
  text += line("Feed impedance", Fixed(p->impedance.real(), 1) +
                                     (p->impedance.imag() < 0 ? " - j" : " + j") +
                                     Fixed(std::fabs(p->impedance.imag()), 1) + " ohm");
  text += line("SWR", Fixed(p->swr, 2) + " (" + Fixed(result.referenceOhm, 0) + " ohm)");
  text += line("Beamwidth E", Fixed(result.ePlane.beamwidthDeg, 1) + " deg");
  text += line("Beamwidth H", Fixed(result.hPlane.beamwidthDeg, 1) + " deg");
  if (estimate.present) text += line("  report", Fixed(estimate.beamwidthDeg, 1) + " deg");
  return text;
}

std::string SweepRowsText(const SweepResult& result) {
  std::string text = "NEC-2 simulation (nec2c), free space, SWR against " +
                     Fixed(result.referenceOhm, 0) + " ohm\n\n";
  text += "      MHz  Gain dBi  F/B dB    R ohm    X ohm     SWR\n";
  for (const auto& p : result.points) text += Row(p);
  return text;
}

std::string SweepTableText(const SweepResult& result, const ReportEstimate& estimate) {
  return SweepRowsText(result) + "\n" + DesignFiguresText(result, estimate);
}

std::string SweepCsv(const SweepResult& result, const std::string& lineEnd) {
  std::string csv = "MHz,Gain dBi,F/B dB,R ohm,X ohm,SWR" + lineEnd;
  for (const auto& p : result.points) {
    csv += CsvNumber(p.mhz, 4);
    if (p.ok) {
      csv += "," + CsvNumber(p.forwardDbi, 2) + "," + CsvNumber(p.frontToBackDb, 2) + "," +
             CsvNumber(p.impedance.real(), 2) + "," + CsvNumber(p.impedance.imag(), 2) + "," +
             CsvNumber(p.swr, 3);
    } else {
      csv += ",,,,,";
    }
    csv += lineEnd;
  }
  return csv;
}

}  // namespace bs::simulate
