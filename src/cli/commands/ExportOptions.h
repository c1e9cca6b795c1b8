#pragma once
// Options that write the export files: the .maa choices (shared by "design" and "yag") and
// "design --yag/--maa".
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "core/export/MaaFile.h"
#include "core/state/YagiVar.h"

namespace bs::cli {

// --maa-dipole, --dm1, --dm2, --sc, --ec, --ground, --height, --material; defaults the screen's.
void AddMaaChoiceOptions(CLI::App& app, bs::exporting::MaaChoices& choices);

// Writes the .maa file; line 1 is the file's name without its folder and ".maa".
void WriteMaaTo(const bs::YagiVar::State& state, bs::exporting::MaaChoices choices,
                const std::string& path);

struct DesignExports {
  std::optional<std::string> yag;
  std::string description;
  std::optional<std::string> maa;
  bs::exporting::MaaChoices maaChoices;
};

// --yag FILE [--description TEXT], --maa FILE and the .maa choices.
void AddDesignExportOptions(CLI::App& design, DesignExports& exports);

// The files of "Create YO" and "Save .MAA" for the calculated design.
void WriteDesignExports(const DesignExports& exports, const bs::YagiVar::State& results);

}  // namespace bs::cli
