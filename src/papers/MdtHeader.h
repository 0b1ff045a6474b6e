#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qlx {

// The [Version] and [Model] texts of a user source file, written back unchanged.
struct MdtHeader {
    std::string FormatVersion;
    std::string ModelVersion;
    std::string OutputFileName;
    std::string bySeriesCode;
    std::string byModelCode;
    std::string dmDeviceName;
    std::string dwHeadPinNum;
    std::string dwDeviceAbility01;
    std::string dwDeviceAbility02;
    std::string wMinCopies;
    std::string wMaxCopies;
    std::string wMinCutEveryNum;
    std::string wMaxCutEveryNum;
    std::string nDefaultPaperSize;
    std::string nDefaultPaperLength;
    std::string nDefaultPaperLengthRes;
    std::string wResolutionNum;
    std::string wResolutions;
    // The whole [Model] section as key=value pairs in stored order; at most 13000 bytes as
    // the profile reader would return them (each "key=value" plus its terminator).
    std::vector<std::pair<std::string, std::string>> modelSection;

    bool operator==(const MdtHeader&) const = default;
};

} // namespace qlx
