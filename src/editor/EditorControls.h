#pragma once

namespace qlx {

// Control numbers of the paper editor's dialog template (129). The dialog finds its widgets
// by these numbers and hands them to PaperEditorModel.
namespace paper_controls {
constexpr int kOk = 1;
constexpr int kName = 1011;
constexpr int kWidth = 1017;
constexpr int kLength = 1019;
constexpr int kGap = 1023;
constexpr int kRightMargin = 1304;
constexpr int kLeftMargin = 1305;
constexpr int kTopMargin = 1306;
constexpr int kBottomMargin = 1307;
constexpr int kMarkWidth = 1029;
constexpr int kMarkOffset = 1031;
// Echoes: the value again with its unit.
constexpr int kWidthEcho = 1007;
constexpr int kLengthEcho = 1008;
constexpr int kGapEcho = 1012;
constexpr int kRightEcho = 1300;
constexpr int kLeftEcho = 1301;
constexpr int kTopEcho = 1302;
constexpr int kBottomEcho = 1303;
constexpr int kMarkWidthEcho = 1036;
constexpr int kMarkOffsetEcho = 1035;
// Unit labels.
constexpr int kWidthUnit = 1018;
constexpr int kLengthUnit = 1020;
constexpr int kGapUnit = 1024;
constexpr int kMarginUnit1 = 1501;
constexpr int kMarginUnit2 = 1502;
constexpr int kMarginUnit3 = 1503;
constexpr int kMarginUnit4 = 1504;
constexpr int kMarkWidthUnit = 1030;
constexpr int kMarkOffsetUnit = 1032;
// Range texts.
constexpr int kWidthRange = 1044;
constexpr int kLengthRange = 1045;
// Kind drop-down list.
constexpr int kKind = 1054;
// Spin arrows.
constexpr int kWidthSpin = 1038;
constexpr int kLengthSpin = 1039;
constexpr int kGapSpin = 1041;
constexpr int kRightSpin = 1308;
constexpr int kLeftSpin = 1309;
constexpr int kTopSpin = 1310;
constexpr int kBottomSpin = 1311;
constexpr int kMarkWidthSpin = 1047;
constexpr int kMarkOffsetSpin = 1048;
// Picture anchors.
constexpr int kPictureKind = 1009;
constexpr int kPictureMark = 1033;
constexpr int kPictureLabel = 1010;
// Buttons.
constexpr int kAdvanced = 1034;
constexpr int kOverwrite = 1046;
} // namespace paper_controls

// Control numbers of the advanced settings dialog (template 134).
namespace advance_controls {
constexpr int kEnergyRank = 1029;
constexpr int kOffsetX = 1035;
constexpr int kOffsetY = 1038;
constexpr int kAfterFeed = 1410;
constexpr int kOffsetXSpin = 1036;
constexpr int kOffsetYSpin = 1040;
constexpr int kAfterFeedSpin = 1411;
constexpr int kOffsetXUnit = 1037;
constexpr int kOffsetYUnit = 1039;
constexpr int kAfterFeedUnit = 1412;
constexpr int kOffsetXRange = 1045;
constexpr int kOffsetYRange = 1046;
constexpr int kOffsetXEcho = 1049;
constexpr int kOffsetYEcho = 1050;
constexpr int kPicture = 1051;
constexpr int kPictureBitmap = 140; // drawn at kPicture, its top-left pixel transparent
constexpr int kDieCutValue9 = 1400;
constexpr int kDieCutValue10 = 1401;
constexpr int kBlackMarkValue9 = 1402;
constexpr int kBlackMarkValue10 = 1403;
} // namespace advance_controls

} // namespace qlx
