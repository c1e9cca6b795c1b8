#include "cli/commands/DesignJson.h"

#include "core/design/DesignValues.h"

namespace bs::cli {

namespace {

// JSON numbers are doubles; extended values keep their nearest double.
double Num(long double value) {
  return static_cast<double>(value);
}

Json EntriesJson(const DesignOutcome& o) {
  Json entries;
  for (const bs::BoxRow& box : bs::design::DesignBoxes())
    entries[box.jsonKey] = o.entries.edit[box.box];
  for (const bs::ChoiceRow& choice : bs::design::DesignChoices())
    entries[choice.jsonKey] = choice.optionItems.at(o.entries.radio[choice.group]);
  entries["choices"] = bs::design::EncodeChoices(o.entries.radio);
  entries["coax"] = o.coax ? Json(bs::design::CoaxTable[*o.coax].text) : Json(nullptr);
  entries["velocityFactor"] = o.velocityFactor ? Json(*o.velocityFactor) : Json(nullptr);
  return entries;
}

Json DesignInputsJson(const bs::YagiVar::State& s) {
  return Json{
      {"designFreq", s.DesignFreq},
      {"numDirectors", s.NumDirectors},
      {"elementDiam", s.ElementDiam},
      {"elementDiamMm", s.ElementDiamMm},
      {"elementShape", s.ElementShape},
      {"dipoleDiam", s.DipoleDiam},
      {"dipoleShape", s.DipoleShape},
      {"dipoleMount", s.DipoleMount},
      {"boomSize", s.BoomSize},
      {"boomSizeEntered", Num(s.BoomSizeEntered)},
      {"boomIsSquare", s.BoomIsSquare},
      {"boomMount", std::string(1, static_cast<char>(s.BoomMount))},
      {"dipoleBendDiam", s.DipoleBendDiam},
      {"feedGap", s.FeedGap},
      {"velocityFactor", s.VelocityFactor},
      {"coaxName", s.CoaxName},
      {"balunLoopLength", s.BalunLoopLength},
  };
}

Json DirectorsJson(const bs::YagiVar::State& s) {
  Json rows = Json::array();
  for (const bs::design::DirectorValues& d : bs::design::DirectorTable(s)) {
    rows.push_back(Json{
        {"number", d.number},
        {"length", d.length},
        {"spacing", d.spacing},
        {"boomPosition", d.boomPosition},
        {"distanceFromReflector", d.distanceFromReflector},
        {"insertTo", Num(d.insertTo)},
        {"gainDbd", d.gainDbd},
        {"gainDbi", Num(d.gainDbi)},
    });
  }
  return rows;
}

Json FoldedDipoleJson(const bs::YagiVar::State& s) {
  const bs::design::FoldedGeometry g =
      bs::design::FoldedDipoleGeometry(s.FoldedDipoleLength, s.DipoleBendDiam, s.FeedGap);
  const bs::design::FlatPlaneValues plane = bs::design::FlatPlane(s);
  return Json{
      {"tipToTip", s.FoldedDipoleLength},
      {"totalRodLength", Num(g.totalRod)},
      {"centreOfRod", Num(g.totalRod / 2)},
      {"bc", Num(g.bc)},
      {"hi", Num(g.hi)},
      {"ha", Num(g.ha)},
      {"hb", Num(g.hb)},
      {"hc", Num(g.hc)},
      {"gap", s.FeedGap},
      {"bendDiameter", s.DipoleBendDiam},
      {"ratio", Num(plane.ratio)},
      {"k", plane.inRange ? Json(plane.k) : Json(nullptr)},
      {"resonantFrequency", plane.inRange ? Json(Num(plane.resonance)) : Json(nullptr)},
  };
}

Json MaterialsJson(const bs::YagiVar::State& s) {
  const bs::design::MaterialsValues m = bs::design::MaterialsGuideLengths(s);
  return Json{
      {"directorsAndReflector", Num(m.directorsAndReflector)},
      {"singleDipole", Num(m.singleDipole)},
      {"foldedDipole", Num(m.foldedDipole)},
      {"boom", Num(m.boom)},
  };
}

}  // namespace

Json DesignJson(const DesignOutcome& o) {
  const bs::YagiVar::State& s = o.results;
  Json j;
  j["inputs"] = Json{{"entries", EntriesJson(o)}, {"design", DesignInputsJson(o.inputs)}};
  j["wavelength"] = s.Wavelength;
  j["boomCorrection"] = s.BoomCorrection;
  j["boomCorrectionMm"] = Num(bs::design::BoomCorrectionMm(s));
  j["reflectorLength"] = s.ReflectorLength;
  j["reflectorInsertTo"] = Num(bs::design::ElementIT(s, s.ReflectorLength));
  j["singleDipoleLength"] = s.SingleDipoleLength;
  j["singleDipoleInsertTo"] = Num(bs::design::ElementIT(s, s.SingleDipoleLength));
  j["foldedDipoleLength"] = s.FoldedDipoleLength;
  j["foldedDipoleInsertTo"] = Num(bs::design::ElementIT(s, s.FoldedDipoleLength));
  j["dipoleSpacing"] = s.DipoleSpacing;
  j["dipoleBoomPosition"] = Num(bs::design::DipoleBoomPosition(s));
  j["directors"] = DirectorsJson(s);
  j["totalBoomLength"] = Num(bs::design::TotalBoomLength(s));
  j["tolerance"] = Num(bs::design::LengthTolerance(s));
  j["beamwidth"] = Num(bs::design::BeamWidth(s.DirectorGain));
  j["foldedDipole"] = FoldedDipoleJson(s);
  j["materials"] = MaterialsJson(s);
  j["balunLoopLength"] = o.inputs.BalunLoopLength;
  j["warnings"] = o.warnings;
  return j;
}

}  // namespace bs::cli
