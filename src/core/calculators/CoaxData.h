#pragma once
// The coax data file "Coax.dta" that ships with the program, and the loss of a length of coax
// on a band. One line per coax: the name, a run of at least five spaces, then entries such as
// "144MHZ=2.5" for the bands 50, 144, 432 and 1296 MHz, in dB per 100 feet. Lines starting with
// "#" are comments; empty lines are skipped.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace bs::calculators {

inline constexpr const char* kCoaxFileName = "Coax.dta";
// The shipped file is a few kilobytes; the reader refuses anything above this.
inline constexpr std::size_t kCoaxFileMaxBytes = 1024 * 1024;
inline constexpr const char* kNoCoaxFile = "File called 'Coax.dta' does not exist, see help file";
inline constexpr const char* kSelectBandFirst = "You must select frequency first";
inline constexpr const char* kNoLossForBand =
    "No data for loss at this frequency - coax unsuitable?";
inline constexpr const char* kCoaxLossCaption = "Coax loss";

// The band choices as the screen lists them.
inline constexpr const char* kBands[] = {"50 MHz", "144 MHz", "432 MHz", "1296 MHz"};

// The path of the shipped coax data file (found like every shipped file, bs::ShippedFile).
std::string CoaxFilePath();

// The coax lines of the file in file order (comment and empty lines left out). Raises
// bs::InOutError when the file cannot be read.
std::vector<std::string> ReadCoaxFile(const std::string& path);

// The coax name of a line: everything before its first run of five spaces.
std::string CoaxLineName(const std::string& line);
// The first line whose name is `name`, if any.
std::optional<std::string> FindCoaxLine(const std::vector<std::string>& lines,
                                        const std::string& name);

// The loss entries of a line: a space appended, then everything up to and including the first
// character of its first run of five spaces removed (nothing removed without such a run).
std::string LossEntries(const std::string& line);
// The band key of a band choice: its first space removed, upper case ("144 MHz" -> "144MHZ").
std::string BandKey(const std::string& bandText);
// The text of the band's loss figure in the entries (the number and the space after it), or
// nothing when the band has no entry.
std::optional<std::string> LossFigureText(const std::string& entries, const std::string& key);
// A loss figure of the file, read with a full stop or a comma whatever the locale; raises
// bs::ConvertError otherwise.
long double ParseLossFigure(const std::string& figure);

enum class LossOutcome { Done, NoBand, NoData };

// GetLoss for a selected coax line, the band choice text and the length text in metres.
// NoBand: no band chosen, `coaxLoss` unchanged. NoData: the band has no figure, `coaxLoss`
// becomes kNoLossData. Done: `coaxLoss` is the loss over the length in dB, rounded half to even
// to hundredths. A length that is not a number raises bs::ConvertError with `coaxLoss` already
// holding the figure per 100 feet.
LossOutcome GetLoss(const std::string& line, const std::string& bandText,
                    const std::string& lengthText, double& coaxLoss);

// The caption under the coax list after a loss was found: "Coax loss= 1.64 dB".
std::string CoaxLossLabel(double coaxLoss);

}  // namespace bs::calculators
