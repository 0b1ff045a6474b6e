#pragma once

#include <cstdint>
#include <string>

namespace qlx {

// The eight per-model constants. Lengths in hundredths of a millimetre or an inch.
struct ModelProfile {
    int32_t nResolutionDpi = 203;
    int32_t nHeadDots = 448;
    int32_t nMaxWidthMm100 = 6300;
    int32_t nMaxWidthInch100 = 248;
    int32_t nPrintWidthMm100 = 5600;
    int32_t nPrintWidthInch100 = 220;
    int32_t nMaxRightMarginMm100 = 5600;
    int32_t nMaxLeftMarginMm100 = 5600;
};

// The 300-dpi set for "qlx410a", "qlx530e" and "qlx530ew"; the 203-dpi set for every other
// code, the empty one (no model matched) included.
ModelProfile ModelProfileFor(const std::string& modelCode);

} // namespace qlx
