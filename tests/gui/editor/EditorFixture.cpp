#include "EditorFixture.h"

#include "app/ModelProfile.h"
#include "papers/TextCodec.h"

namespace qlx::testing {

PaperDef MakePaper(const std::string& name, int size, int16_t type) {
    PaperDef p;
    TextCodec::Store(TextCodec::Utf8ToUtf16(name).value(), p.szPaperName_mm);
    TextCodec::Store(TextCodec::Utf8ToUtf16(name).value(), p.szPaperName_inch);
    p.nPaperSize = static_cast<int16_t>(size);
    p.wPafMediaID = std::to_string(size);
    p.nType = type;
    // 300 dpi: 56 mm = 661 dots, 30 mm = 354 dots, 3 mm = 35 dots, 2 mm gap = 24 dots.
    p.nPaperWidth = 560;
    p.nPaperWidthRes = 661;
    p.nPhysicalOffsetX = 35;
    p.nImageAreaWidthRes = 661 - 70;
    p.nPhysicalOffsetY = 35;
    if (type != kTypeContinuous) {
        p.nPaperLength = 300;
        p.nPaperLengthRes = 354;
        p.nImageAreaLengthRes = 354 - 70;
        p.lblPitchDot = 354 + 24;
    }
    p.byEnergyRank = 3;
    p.MediaAtrInfo.assign(1, '0');
    p.reserved_12_ = "0,0,0,0,0,0,1,0,0,0,0,0";
    return p;
}

EditorBench::EditorBench(int storedPapers, PaperEditorMode mode)
    : list(std::make_unique<PaperList>()) {
    for (int i = 0; i < storedPapers; ++i) {
        list->Append(MakePaper("Stored " + std::to_string(i), 513 + i));
    }
    list->bFull = list->count >= PaperList::kCapacity ? 1 : 0;
    list->nSelected = list->count > 0 ? list->count - 1 : 0;
    list->work = list->count > 0 ? list->slots[static_cast<size_t>(list->nSelected)]
                                 : MakePaper("New paper", 513);
    request = std::make_unique<PaperEditorRequest>(list->work, *list);
    request->mode = mode;
    request->modelCode = "qlx530e";
    request->nSelected = list->nSelected;
    request->bOkAtStart = mode == PaperEditorMode::New ? 1 : 0;
    request->bFull = list->bFull;
    request->profile = ModelProfileFor("qlx530e");
}

} // namespace qlx::testing
