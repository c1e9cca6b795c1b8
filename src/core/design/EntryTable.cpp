#include "core/design/EntryTable.h"

namespace bs::design {

namespace {

using S = bs::YagiVar::State;

}  // namespace

BoxTable DesignBoxes() {
  static const BoxRow rows[] = {
      {kFreqBox, "Edit1", StateText(&S::DesignFreqText), "Label4", "Frequency in MHz", "--freq",
       "frequency", nullptr},
      {kDirectorsBox, "Edit2", StateText(&S::DesignDirectorsText), "Label5", "Number of directors",
       "--directors", "directors", nullptr},
      {kElemDiamBox, "Edit3", StateText(&S::DesignElemDiamText), "Label6",
       "Diameter of element (mm)", "--element-diam", "elementDiameter",
       "Directors/reflector: diameter of element mm"},
      {kElemWidthBox, "Edit10", StateText(&S::DesignElemWidthText), "Label16",
       "Width of element (mm)", "--element-width", "elementWidth",
       "Directors/reflector: width of element mm"},
      {kElemThickBox, "Edit11", StateText(&S::DesignElemThickText), "Label17",
       "Thickness of element (mm)", "--element-thickness", "elementThickness",
       "Directors/reflector: thickness of element mm"},
      {kBoomBox, "Edit5", StateText(&S::DesignBoomText), "Label8", "Cross-section of boom mm",
       "--boom", "boom", nullptr},
      {kDipoleDiamBox, "Edit6", StateText(&S::DesignDipoleDiamText), "Label9",
       "Diameter of element (mm)", "--dipole-diam", "dipoleDiameter",
       "Dipole: diameter of element mm"},
      {kDipoleWidthBox, "Edit4", StateText(&S::DesignDipoleWidthText), "Label7",
       "Width of element (mm)", "--dipole-width", "dipoleWidth", "Dipole: width of element mm"},
      {kDipoleThickBox, "Edit9", StateText(&S::DesignDipoleThickText), "Label13",
       "Thickness of element (mm)", "--dipole-thickness", "dipoleThickness",
       "Dipole: thickness of element mm"},
      {kBendBox, "Edit7", StateText(&S::DesignBendText), "Label10", "Diameter of dipole bend mm",
       "--bend", "bend", nullptr},
      {kGapBox, "Edit8", StateText(&S::DesignGapText), "Label11", "Dipole gap at feed point mm",
       "--gap", "gap", nullptr},
  };
  return rows;
}

ChoiceTable DesignChoices() {
  static const std::vector<const char*> shapes = {"Round", "Square", "Flat ribbon"};
  static const std::vector<const char*> shapeValues = {"round", "square", "strip"};
  static const ChoiceRow rows[] = {
      {kElementShapeGroup, "RadioGroup4", "Metal shape", shapes, "--element-shape", "elementShape",
       "Directors/reflector metal shape", shapeValues},
      {kBoomTypeGroup,
       "RadioGroup1",
       "Boom type",
       {"Square section", "Round"},
       "--boom-shape",
       "boomShape",
       "Boom type",
       {"square", "round"}},
      {kMountingGroup,
       "RadioGroup2",
       "Directors/Reflector mounting",
       {"bonded through metal boom", "insulated through metal boom",
        "non metal boom (or standoffs)"},
       "--mount",
       "mount",
       "Directors/reflector mounting",
       {"bonded", "insulated", "nonmetal"}},
      {kDipoleShapeGroup, "RadioGroup3", "Metal shape", shapes, "--dipole-shape", "dipoleShape",
       "Dipole metal shape", shapeValues},
      {kDipoleMountGroup,
       "RadioGroup5",
       "Folded Dipole mounting",
       {"Same as Dir/Reflector", "Fully insulated"},
       "--dipole-mount",
       "dipoleMount",
       "Folded dipole mounting",
       {"same", "insulated"}},
  };
  return rows;
}

}  // namespace bs::design
