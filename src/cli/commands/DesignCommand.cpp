// "beamsmith-cli design": the design report, or every value as JSON, for the entries given.
#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/commands/DesignFaults.h"
#include "cli/commands/DesignJson.h"
#include "cli/commands/DesignOptions.h"
#include "cli/commands/DesignRequest.h"
#include "cli/commands/ExportOptions.h"
#include "core/export/NecDeck.h"
#include "core/platform/Errors.h"

namespace bs::cli {

namespace {

class DesignCommand final : public Command {
 public:
  void Define(CLI::App& design) override {
    AddDesignEntryOptions(design, request_);
    design.add_flag("--json", request_.json, "Print every input and computed value as JSON");
    AddDesignExportOptions(design, exports_);
    design.add_option("--nec", necFile_,
                      "Also write the NEC-2 model of the design (for nec2c) to this file");
    design.add_option("--nec-dipole", necDipole_, "Driven element of the NEC-2 model (single)")
        ->check(CLI::IsMember({"single", "folded"}));
    design.footer(DesignEntryFooter());
  }

  int Run(std::ostream& out, std::ostream& err) override {
    if (const auto conflict = RequestConflict(request_)) throw UsageError(*conflict);
    const DesignOutcome outcome = NamedRun(err);
    if (necFile_) bs::exporting::WriteNecDeck(*necFile_, outcome.results, {necDipole_ == "folded"});
    WriteDesignExports(exports_, outcome.results);
    if (request_.json)
      PrintJson(out, DesignJson(outcome));
    else
      out << outcome.report;
    return kExitOk;
  }

 private:
  // The design; a refusal names the option or file line it comes from.
  DesignOutcome NamedRun(std::ostream& err) const {
    std::optional<SavedFile> saved;
    if (request_.fromFile) saved = ReadSavedFile(*request_.fromFile);
    const SavedFile* file = saved ? &*saved : nullptr;
    try {
      return RunDesign(request_, file, err);
    } catch (const bs::Error& e) {
      const std::string origin = FaultOrigin(request_, file, e.what());
      if (origin.empty()) throw;
      throw bs::Error(origin + ": " + e.what());
    }
  }

  DesignRequest request_;
  std::optional<std::string> necFile_;
  std::string necDipole_ = "single";
  DesignExports exports_;
};

const Registration kDesign{"design", "Design a DL6WU long Zuzo and print the report",
                           [] { return std::make_unique<DesignCommand>(); }};

}  // namespace

}  // namespace bs::cli
