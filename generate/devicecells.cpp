#include "generate/devicecells.h"

#include "form/window1.h"
#include "framework/numbers.h"
#include "framework/text.h"
#include "units/multipliercodes.h"
#include "units/pointlettercodes.h"
#include "units/valuetexts.h"

namespace generate {
namespace {

// The EIA-96 code exists only for 1 to 10^8; a part number must not silently lose its value.
constexpr const char* kNoEia96Code = "**Too Small/Large**";
constexpr const char* kTwoBlanks = "  ";

std::string indexCode(int row, std::int64_t counter) {
  switch (row) {
    case 13:
      return units::IndexPartNumber1(counter);
    case 14:
      return units::IndexPartNumber01(counter);
    case 15:
      return units::IndexPartNumber001(counter);
    default:
      return units::IndexPartNumber0001(counter);
  }
}

}  // namespace

std::optional<ValueCode> valueCode(int row, const DeviceValue& value, std::int64_t indexCounter,
                                   int sigDigits, const units::UnitTable& units) {
  const units::Value& E = value.E;
  switch (row) {
    case 0:
      return ValueCode{units::Double2stackpole(E, 3, units), 3};
    case 1:
      return ValueCode{units::Double2HumanValue(value.V, 2, false, units), 2};
    case 2:
      return ValueCode{units::Double2MMME(E, 2, true), 2};
    case 3:
      return ValueCode{units::Double2MMKM(E, 2, true), 2};
    case 4:
      return ValueCode{units::Double2uHMME(E, 2), 2};
    case 5:
      return ValueCode{units::Double2MRMMME(E, 2), 2};
    case 6: {
      std::string code = units::Double2Mrk0603Code(E);
      return ValueCode{code.empty() ? kNoEia96Code : std::move(code), 3};
    }
    case 7:
      return ValueCode{units::Double2MRMMME(E, 3), 3};
    case 8:
      return ValueCode{units::Double20MMME(E, 3), 3};
    case 9:
      return ValueCode{units::Double2MMME(E, 3, true), 3};
    case 10:
      return ValueCode{units::Double2MMKM(E, 3, true), 3};
    case 11:
      return ValueCode{units::Double2MMLRKM(E, 4), 4};
    case 12:
      return ValueCode{units::Double2MMVM(E, 2, true), 2};
    default:
      if (row < form::kFirstIndexFormat || row > form::kLastIndexFormat) return std::nullopt;
      return ValueCode{indexCode(row, indexCounter), sigDigits};
  }
}

std::optional<std::string> marking(int row, const DeviceValue& value) {
  switch (row) {
    case 0:
      return std::string();
    case 1:
      return units::Double2MMME(value.E, 2, false);
    case 2:
      return units::Double2MMME(value.E, 3, false);
    case 3:
      return units::Double2Mrk0603Code(value.E);
    default:
      return std::nullopt;
  }
}

void writeTestListing(fw::Array<std::string>& cells, const DeviceValue& value,
                      const units::UnitTable& units) {
  const units::Value& E = value.E;
  const units::Value& V = value.V;
  const double e = E.number;
  const std::string tab = fw::ChrB(9);
  const double d = fw::Floor(fw::Log(e * 1.0004) / fw::Log(10));
  const double s = e * fw::Pow(10, fw::Floor(5 + fw::Log(1 / e) / fw::Log(10)));
  cells[0] = fw::Str(e) + tab + fw::Str(d) + tab + fw::Str(s) + tab +
             (d >= 0 ? fw::Str(units.DecadeDelta[fw::ToInt32(d)]) : std::string("NA"));
  cells[1] = tab + "  Human:";
  cells[2] = units::Double2HumanValue(V, 2, true, units) + kTwoBlanks;
  cells[3] = units::Double2HumanValue(V, 3, true, units);
  cells[4] = tab + "  MMKM:";
  cells[5] = units::Double2MMKM(E, 2, true) + kTwoBlanks;
  cells[6] = units::Double2MMKM(E, 3, true);
  cells[7] = tab + "  MRMMME:";
  cells[8] = units::Double2MRMMME(E, 2) + kTwoBlanks;
  cells[9] = units::Double2MRMMME(E, 3);
  cells[10] = tab + "  MMKM:";
  cells[11] = cells[5];
  cells[12] = cells[6];
  cells[13] = tab + "  0603:";
  cells[14] = units::Double2Mrk0603Code(E);
  cells[15] = tab + "  uHMME:" + units::Double2uHMME(E, 2);
  cells[16] = tab + "  Mrk:";
  cells[17] = units::Double2mrkMMME(E, 2) + kTwoBlanks;
  cells[18] = units::Double2mrkMMME(E, 3);
  cells[19] = tab + "  Spice:";
  cells[20] = units::Double2spice(V, units);
  cells[21] = "";
  cells[22] = tab + "  SEI:";
  cells[23] = units::Double2stackpole(E, 2, units) + kTwoBlanks;
  cells[24] = units::Double2stackpole(E, 3, units);
  cells[25] = std::string(fw::EndOfLine);
}

}  // namespace generate
