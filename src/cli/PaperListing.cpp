#include "cli/PaperListing.h"

#include "app/Units.h"
#include "papers/TextCodec.h"

namespace qlx {

std::string PaperListing::Header() {
    return "#\tname\twidth\tlength\tenergy\torigin\n";
}

const char* PaperListing::Origin(const PaperDef& paper) {
    if (paper.bPreset != 0) {
        return "preset";
    }
    return paper.bProtected != 0 ? "protected" : "user";
}

std::string PaperListing::Row(const PaperList& list, int index, bool inch) {
    const PaperDef& paper = list.slots[index];
    const std::string name =
        TextCodec::ToUtf8(inch ? paper.szPaperName_inch : paper.szPaperName_mm).value_or("");
    const bool hasLength = paper.nType == kTypeDieCut || paper.nType == kTypeBlackMark;
    std::string row = std::to_string(index);
    row.push_back('\t');
    row.append(name);
    row.push_back('\t');
    row.append(FormatTenthsMm(paper.nPaperWidth, inch));
    row.push_back('\t');
    row.append(hasLength ? FormatTenthsMm(paper.nPaperLength, inch) : NotApplicableLength(inch));
    row.push_back('\t');
    row.append(std::to_string(paper.byEnergyRank));
    row.push_back('\t');
    row.append(Origin(paper));
    row.push_back('\n');
    return row;
}

} // namespace qlx
