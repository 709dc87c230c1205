// Go walks the chosen series from Start: each device snaps the current value to the series,
// fills the value cells of the device-line template and appends the joined line; the next
// current value is the snapped value times one series step, which keeps the run on the series.

#include "generate/go.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/numbers.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "generate/attributetext.h"
#include "generate/devicecells.h"
#include "units/digits.h"
#include "units/evalue.h"
#include "units/ranges.h"
#include "units/valuetexts.h"

namespace generate {
namespace {

constexpr const char* kSizeUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
constexpr int kLargestSizeUnit = static_cast<int>(std::size(kSizeUnits)) - 1;

constexpr double kSmallestStart = 0.0001;
constexpr int kUnitRowWithoutUnitText = 6;  // "p, n, µ, m, <none>, k, M...": no unit letter
constexpr int kSourceColumns = 3;
constexpr int kNoDigits = 9999;  // the fewest digits of no active column
// The most bytes a value formatter or an index number writes into one cell for any value of the
// unit tables (an index number of 20 characters is the longest), with room to spare.
constexpr std::uint64_t kLongestCodeBytes = 64;
constexpr std::uint64_t kLongestRefNumberBytes = 20;  // a 64-bit number with its sign
constexpr int kTestListingCells = 26;                 // cells 0 to 25

// What the user reads when a run fails part-way, with the reason when there is one.
std::string stoppedPartWay(const std::string& reason) {
  return "Go stopped part-way" + (reason.empty() ? "" : " (" + reason + ")") + " and kept no text";
}

bool g_running = false;

// The one run in progress; a press of Go inside a yield of a run does nothing.
class RunningFlag {
 public:
  RunningFlag() { g_running = true; }
  ~RunningFlag() { g_running = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;
};

std::int32_t intOf(const std::string& text) { return fw::ToInt32(fw::Val(text)); }

// The values of a run: from Start, each current value snapped to the series and the snapped value
// stepped by one series ratio, while the current value is not above the limit. Snapping never
// gives 0 for a value in the unit tables' range; the walk ends rather than loops if it does. The
// walk is bounded by that range, checked before: a few thousand values at most.
std::vector<double> seriesValues(double start, double limit, const SeriesStep& series) {
  std::vector<double> values;
  for (double current = start; current <= limit;) {
    const double E = units::Evalue(current, series.valuesPerDecade, 0, fw::Yield);
    if (!(E > 0)) break;
    values.push_back(E);
    current = E * series.ratio;
  }
  return values;
}

// The value of a device in both units; they share their digits when the unit is the base unit.
DeviceValue deviceValue(double E, double multiplier) {
  const units::Value base(E);
  const double V = E * multiplier;
  if (V == E) return {base, base};
  return {base, V};
}

// a + b x c, held at the largest value rather than wrapping.
std::uint64_t plusTimes(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
  constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
  if (c != 0 && b > (kMost - a) / c) return kMost;
  return a + b * c;
}

// Takes the pieces of a text as a std::string would, and keeps only their number of bytes.
struct ByteCount {
  std::uint64_t bytes = 0;
  ByteCount& operator+=(std::string_view piece) {
    bytes = plusTimes(bytes, 1, piece.size());
    return *this;
  }
  ByteCount& operator+=(char) {
    bytes = plusTimes(bytes, 1, 1);
    return *this;
  }
};

class Run {
 public:
  explicit Run(form::Window1& w)
      : w_(w),
        cells_(w.OutputLineArray),
        unit_(w.ValueSuffixPU()),
        organizerBox_(w.PreLOCB()),
        partNumberBox_(w.PrefixPNCB()),
        libraryPrefix_(w.LibPreEF()),
        spicePrefix_(w.SpiceRefDesPreCB()),
        spiceParameters_(w.SpiceParamEF()) {
    for (int i = 0; i < kSourceColumns && w.sourceCells(i).valueCode <= w.LastSource; ++i) {
      sources_.push_back(w.sourceCells(i));
    }
  }

  void go();

 private:
  void build();
  // Ends the run before its first device: `message` in CurrentValueST, no count.
  void refuse(const std::string& message);
  // Ends a run that could not go on: no text (not even what a progress refresh showed), no
  // count, and `message`.
  void fail(const std::string& message);
  // An upper bound of the bytes of the whole text: `sectionBytes`, and for each of `devices`
  // devices the longest line that the template and the form can give.
  std::uint64_t textBound(std::uint64_t sectionBytes, std::size_t devices, bool test) const;
  // The exact bytes of the whole text: `sectionBytes` and the device lines of `values` (in the
  // base unit, times `multiplier` in the user's) as this run would write them.
  std::uint64_t textBytes(std::uint64_t sectionBytes, const std::vector<double>& values,
                          double multiplier, bool test) const;
  std::uint64_t lineBound(bool test) const;
  // A value the unit tables in force cannot format, as a message for the user; empty when
  // every value of the run up to `lastE` formats (`test`: the run lists the test series).
  std::string rangeProblem(double lastE, bool test) const;
  bool anyActiveColumnUses(int valueFormat) const;
  // Fills the template for the next device and appends its line to `text`.
  template <class Text>
  void device(const DeviceValue& value, bool test, Text& text);
  void normalDevice(const DeviceValue& value);
  void sourceColumns(const DeviceValue& value, int& minDigits);
  void libraryName(const DeviceValue& value);

  form::Window1& w_;
  // This run's copy of the template: what a run empties or lists applies to its own lines.
  fw::Array<std::string> cells_;
  // The cells of each source column the template holds.
  std::vector<form::SourceCells> sources_;
  // The controls read for every device, found once.
  const fw::PopupMenu& unit_;
  const fw::CheckBox& organizerBox_;
  const fw::CheckBox& partNumberBox_;
  const fw::EditField& libraryPrefix_;
  const fw::ComboBox& spicePrefix_;
  const fw::EditField& spiceParameters_;
  // 64 bits: the numbers count on past the largest 32-bit start without repeating.
  std::int64_t refNumber_ = 0;
  std::array<std::int64_t, kSourceColumns> indexCounters_{};
  std::array<int, kSourceColumns> sigDigits_{};
  int digitCount_ = 0;
  std::string valueText_;
  // A copy that only counts the text yields to nothing: no event is handled while Go decides.
  bool counting_ = false;
};

void Run::go() {
  try {
    build();
  } catch (const std::bad_alloc&) {
    fail(stoppedPartWay("out of memory"));
  } catch (const std::length_error&) {
    fail(stoppedPartWay("out of memory"));
  } catch (const std::exception& e) {
    fail(stoppedPartWay(e.what()));
  } catch (...) {
    fail(stoppedPartWay(""));
  }
}

// The text lives in this function alone: when a run fails, it is gone before the failure is
// shown.
void Run::build() {
  std::string text;
  appendSectionLines(text, w_);
  w_.RefDesPrefix = w_.RefDesPreCB().Text();
  cells_[form::kAreaCell] = w_.AreaEF().Text();
  const SeriesStep series = seriesStep(w_.SeriesPU().ListIndex());
  w_.TestEF().setText("");
  refNumber_ = intOf(w_.RefDesStartEF().Text());
  for (int i = 0; i < kSourceColumns; ++i) {
    indexCounters_[i] = intOf(w_.IndexStartEF(i).Text());
    sigDigits_[i] = intOf(w_.SigDigEF(i).Text());
  }
  std::int32_t refreshInterval = 20;

  const double typedStart = fw::CDbl(w_.StartEF().Text());
  if (typedStart < kSmallestStart) {
    refuse("Start is too small");
    return;
  }
  const double multiplier = w_.Units.UnitMultiplier;
  if (!(multiplier > 0) || !std::isfinite(multiplier)) {
    refuse("Choose a unit first");
    return;
  }
  const double start = typedStart / multiplier;
  const double limit = ((fw::CDbl(w_.StopEF().Text()) / multiplier) * series.ratio) *
                       stopMargin(series.valuesPerDecade);
  if (start <= limit) {
    const std::string problem =
        rangeProblem(units::Evalue(limit, series.valuesPerDecade, 0, fw::Yield), series.test);
    if (!problem.empty()) {
      refuse(problem);
      return;
    }
  }
  const std::vector<double> values = seriesValues(start, limit, series);
  // The bound, cheap, settles most runs; past the limit only the text's exact size may refuse it.
  std::uint64_t bytes = textBound(text.size(), values.size(), series.test);
  if (bytes > kMaxTextBytes) {
    bytes = textBytes(text.size(), values, multiplier, series.test);
    if (bytes > kMaxTextBytes) {
      refuse("The text would be " + roundedUpSizeText(bytes) + "; Go writes at most " +
             sizeText(kMaxTextBytes));
      return;
    }
  }
  // Room for the whole text at once, so it is never copied as it grows. The bound can be a few
  // times the text, but never past the limit, and the room the text does not fill is never
  // written, so the system gives it no memory.
  text.reserve(static_cast<std::size_t>(bytes));

  w_.DeviceCntST().setText("");
  std::int32_t countdown = 2;
  std::int32_t deviceCount = 0;

  for (const double E : values) {
    ++deviceCount;
    device(deviceValue(E, multiplier), series.test, text);
    if (countdown <= 0) {
      w_.TestEF().setText(text);
      w_.CurrentValueST().setText("Last device generated so far:" + valueText_);
      w_.CurrentValueST().Refresh();
      refreshInterval = fw::ToInt32(refreshInterval * 1.2);
      countdown = refreshInterval;
    }
    --countdown;
    fw::Yield();
    // The window closed in the yield: its run ends with it.
    if (!w_.isOpen()) return;
  }

  w_.DeviceCntST().setText(fw::Str(deviceCount) + " Devices Generated");
  w_.CurrentValueST().setText("Last device generated:" + valueText_);
  w_.CurrentValueST().Refresh();
  w_.TestEF().setText(std::move(text));
}

void Run::refuse(const std::string& message) {
  w_.DeviceCntST().setText("");
  w_.CurrentValueST().setText(message);
}

void Run::fail(const std::string& message) {
  if (!w_.isOpen()) return;
  w_.TestEF().setText("");
  refuse(message);
}

std::uint64_t Run::textBound(std::uint64_t sectionBytes, std::size_t devices, bool test) const {
  return plusTimes(sectionBytes, devices, lineBound(test));
}

// On a copy, so that the run starts from the same template, designator and index numbers.
std::uint64_t Run::textBytes(std::uint64_t sectionBytes, const std::vector<double>& values,
                             double multiplier, bool test) const {
  Run count(*this);
  count.counting_ = true;
  ByteCount bytes{sectionBytes};
  for (const double E : values) count.device(deviceValue(E, multiplier), test, bytes);
  return bytes.bytes;
}

// The template's cells as they stand, with every cell that a device rewrites counted at its
// longest: the value texts and codes at kLongestCodeBytes, the SPICE prefix and parameters at the
// length of their fields, cell 0 by the naming boxes; a column without manufacturer counts its
// emptied cells as nothing.
std::uint64_t Run::lineBound(bool test) const {
  std::vector<std::uint64_t> bytes;
  bytes.reserve(static_cast<std::size_t>(cells_.size()));
  for (const std::string& cell : cells_) bytes.push_back(cell.size());
  const auto atLeastCode = [&](int cell) {
    bytes.at(cell) = std::max(bytes.at(cell), kLongestCodeBytes);
  };
  if (test) {
    for (int cell = 0; cell < kTestListingCells; ++cell) bytes.at(cell) = kLongestCodeBytes;
  } else {
    for (const form::SourceCells& c : sources_) {
      if (!cells_[c.manufacturer].empty()) {
        atLeastCode(c.valueCode);
        atLeastCode(c.marking);
      } else {
        for (int cell : {c.prefix, c.valueCode, c.suffix, c.vendor, c.marking}) bytes.at(cell) = 0;
      }
    }
    for (int cell :
         {form::kNameValueCell, form::kValueCell, form::kValueFieldCell, form::kSpiceValueCell}) {
      bytes.at(cell) = kLongestCodeBytes;
    }
    bytes.at(form::kSpicePrefixCell) = spicePrefix_.Text().size();
    bytes.at(form::kSpiceParamCell) = spiceParameters_.Text().size();
    const bool partNumber = partNumberBox_.Value();
    const bool organizer = organizerBox_.Value();
    if (partNumber || organizer) {
      std::uint64_t& name = bytes.at(form::kNameCell);
      name = libraryPrefix_.Text().size();
      if (organizer) name += kLongestCodeBytes + 1;
      if (partNumber) {
        const form::SourceCells first = w_.sourceCells(0);
        name += bytes.at(first.prefix) + bytes.at(first.valueCode) + bytes.at(first.suffix);
      }
    }
  }
  std::uint64_t line = w_.RefDesPrefix.size() + kLongestRefNumberBytes + 1;
  for (const std::uint64_t cell : bytes) line += cell;
  return line;
}

std::string Run::rangeProblem(double lastE, bool test) const {
  const std::string tooLarge = "Stop is too large for the chosen unit";
  if (!(lastE > 0) || !std::isfinite(lastE)) return tooLarge;
  const units::UnitTable& tables = w_.Units;
  const double lastV = lastE * tables.UnitMultiplier;
  if (lastV > units::largestValue(tables, units::TableFormatter::HumanValue) ||
      lastV > units::largestValue(tables, units::TableFormatter::Spice)) {
    return tooLarge;
  }
  if ((test || anyActiveColumnUses(0)) &&
      lastE > units::largestValue(tables, units::TableFormatter::Stackpole)) {
    return tooLarge;
  }
  // The test listing also shows the decade step of the snapped value itself.
  if (test && units::decadeExponent(lastE) > tables.DecadeDelta.Ubound()) return tooLarge;
  return {};
}

bool Run::anyActiveColumnUses(int valueFormat) const {
  for (const form::SourceCells& c : sources_) {
    if (!cells_[c.manufacturer].empty() && w_.ResCodeFormat[c.valueCode] == valueFormat) {
      return true;
    }
  }
  return false;
}

template <class Text>
void Run::device(const DeviceValue& value, bool test, Text& text) {
  if (test) {
    writeTestListing(cells_, value, w_.Units);
  } else {
    normalDevice(value);
  }
  appendDeviceLine(text, w_.RefDesPrefix, refNumber_, cells_);
  ++refNumber_;
  for (auto& counter : indexCounters_) ++counter;
}

void Run::normalDevice(const DeviceValue& value) {
  int minDigits = kNoDigits;
  sourceColumns(value, minDigits);
  valueText_ = units::Double2HumanValue(value.V, minDigits, true, w_.Units);
  cells_[form::kNameValueCell] = valueText_;
  cells_[form::kValueCell] = valueText_;
  cells_[form::kValueFieldCell] = unit_.ListIndex() == kUnitRowWithoutUnitText
                                      ? valueText_
                                      : fw::Left(valueText_, fw::Len(valueText_) - 1);
  libraryName(value);
  cells_[form::kSpiceValueCell] = units::Double2spice(value.V, w_.Units);
  cells_[form::kSpicePrefixCell] = spicePrefix_.Text();
  cells_[form::kSpiceParamCell] = spiceParameters_.Text();
}

// Each column with a manufacturer gets its value code and marking; a column without one is
// emptied, so its four columns stay empty while their separators keep the line's 20 columns.
void Run::sourceColumns(const DeviceValue& value, int& minDigits) {
  for (std::size_t source = 0; source < sources_.size(); ++source) {
    const form::SourceCells& c = sources_[source];
    if (!cells_[c.manufacturer].empty()) {
      if (auto code = valueCode(w_.ResCodeFormat[c.valueCode], value, indexCounters_[source],
                                sigDigits_[source], w_.Units)) {
        cells_[c.valueCode] = std::move(code->code);
        digitCount_ = code->digitCount;
      }
      if (auto mark = marking(w_.MrkFormat[c.marking], value)) cells_[c.marking] = std::move(*mark);
      minDigits = std::min(minDigits, digitCount_);
    } else {
      for (int cell : {c.prefix, c.valueCode, c.suffix}) {
        cells_[cell] = "";
        if (!counting_) fw::Yield();
      }
      cells_[c.vendor] = "";
      cells_[c.marking] = "";
    }
    if (!counting_) fw::Yield();
  }
}

// The name column starts with the library organizer prefix and/or the first source's part
// number when their boxes are on; with both off it keeps the library-name prefix.
void Run::libraryName(const DeviceValue& value) {
  const bool partNumber = partNumberBox_.Value();
  const bool organizer = organizerBox_.Value();
  if (!partNumber && !organizer) return;
  const std::string& prefix = libraryPrefix_.Text();
  const form::SourceCells first = w_.sourceCells(0);
  const std::string number = cells_[first.prefix] + cells_[first.valueCode] + cells_[first.suffix];
  std::string& name = cells_[form::kNameCell];
  if (!organizer) {
    name = number + prefix;
    return;
  }
  const std::string lo = units::Double2EMMM(value.V, digitCount_);
  name = partNumber ? lo + " " + number + prefix : lo + " " + prefix;
}

}  // namespace

SeriesStep seriesStep(int row) noexcept {
  switch (row) {
    case 0:
      return {1.4677992676220695, 6, false};
    case 1:
      return {1.2115276586285884, 12, false};
    case 2:
      return {1.1006941712522096, 24, false};
    case 3:
      return {1.0491397291363098, 48, false};
    case 4:
      return {1.0242752213815922, 96, false};
    case 5:
      return {1.0120648306218294, 192, false};
    case 6:
      return {1.7782794100389228, 125, false};
    case 7:
      return {3.1622776601683795, 48, true};
    default:
      return {};
  }
}

double stopMargin(int valuesPerDecade) noexcept {
  if (valuesPerDecade == 192) return 0.989;
  if (valuesPerDecade > 48) return 0.98;
  if (valuesPerDecade > 12) return 0.95;
  return 0.89;
}

std::string sizeText(std::uint64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " bytes";
  double size = static_cast<double>(bytes) / 1024;
  int unit = 0;
  while (size >= 1024 && unit < kLargestSizeUnit) {
    size /= 1024;
    ++unit;
  }
  std::string number;
  if (size < 10) {
    const auto tenths = std::llround(size * 10);
    number = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  } else {
    number = std::to_string(std::llround(size));
  }
  return number + " " + kSizeUnits[unit];
}

std::string roundedUpSizeText(std::uint64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " bytes";
  // Whole integers: no rounding of a double can bring a size past a limit back down to it. The
  // remainder times ten stays below 2^64 for every unit up to EB.
  const auto tenthsUp = [bytes](std::uint64_t unitBytes) {
    return bytes / unitBytes * 10 + (bytes % unitBytes * 10 + unitBytes - 1) / unitBytes;
  };
  std::uint64_t unitBytes = 1024;
  int unit = 0;
  while (tenthsUp(unitBytes) >= 10240 && unit < kLargestSizeUnit) {
    unitBytes *= 1024;
    ++unit;
  }
  const std::uint64_t tenths = tenthsUp(unitBytes);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " " + kSizeUnits[unit];
}

void PushButton1_Action(form::Window1& w) {
  if (g_running) return;
  RunningFlag running;
  Run(w).go();
}

}  // namespace generate
