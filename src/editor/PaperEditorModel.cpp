#include "editor/PaperEditorModel.h"

#include "app/Units.h"
#include "editor/ControlsToPaper.h"
#include "editor/EditorControls.h"
#include "editor/FilterDecimalInput.h"
#include "editor/NameText.h"
#include "papers/ReservedNumbers.h"
#include "editor/SpinStep.h"
#include "editor/ValidatePaper.h"

#include <algorithm>
#include <memory>
#include <span>

namespace qlx {

namespace pc = paper_controls;

namespace {

constexpr int kModeEdit = 1;
constexpr int16_t kFirstUserPaperSize = 513;
constexpr int16_t kLastUserPaperSize = 612;

} // namespace

PaperEditorModel::PaperEditorModel(PaperDef& paper, PaperEditorSetup setup,
                                   const StringSource& strings)
    : paper_(paper), setup_(std::move(setup)), strings_(strings) {
    const EditorSettings& s = setup_.settings;
    const ModelProfile& profile = s.profile;
    values_ = {
        {pc::kWidth, pc::kWidthEcho, pc::kWidthSpin, profile.nMaxWidthMm100 / 100.0, 11.9},
        {pc::kLength, pc::kLengthEcho, pc::kLengthSpin, 1000.0, 6.0},
        {pc::kGap, pc::kGapEcho, pc::kGapSpin, 1000.0, 2.0},
        {pc::kRightMargin, pc::kRightEcho, pc::kRightSpin, profile.nMaxRightMarginMm100 / 100.0,
         0.0},
        {pc::kLeftMargin, pc::kLeftEcho, pc::kLeftSpin, profile.nMaxLeftMarginMm100 / 100.0, 0.0},
        {pc::kTopMargin, pc::kTopEcho, pc::kTopSpin, 1000.0, 0.0},
        {pc::kBottomMargin, pc::kBottomEcho, pc::kBottomSpin, 1000.0, 0.0},
        {pc::kMarkWidth, pc::kMarkWidthEcho, pc::kMarkWidthSpin, 1000.0, 2.0},
        {pc::kMarkOffset, pc::kMarkOffsetEcho, pc::kMarkOffsetSpin, 1000.0, -1000.0},
    };

    // Title and the Overwrite button, which only editing offers.
    title_ = strings_.String(setup_.mode == kModeEdit ? 202 : 201);
    controls_[pc::kOverwrite].visible = setup_.mode == kModeEdit;

    // A black-mark paper is stored as die-cut with kind code 2.
    if (ParseReservedNumbers(paper_.reserved_12_)[6] == 2) {
        paper_.nType = kTypeBlackMark;
    }

    const std::string unit = s.bInch ? "\"" : "mm";
    for (int id :
         {pc::kWidthUnit, pc::kLengthUnit, pc::kGapUnit, pc::kMarginUnit1, pc::kMarginUnit2,
          pc::kMarginUnit3, pc::kMarginUnit4, pc::kMarkWidthUnit, pc::kMarkOffsetUnit}) {
        controls_[id].text = unit;
    }

    paper_.bProtected = 0;

    controls_[pc::kName].text =
        NameToUtf8(s.bInch ? paper_.szPaperName_inch : paper_.szPaperName_mm);

    const int32_t r = profile.nResolutionDpi > 0 ? profile.nResolutionDpi : 203;
    if (s.bInch) {
        SetValue(pc::kWidth, FormatFixed(RoundToDecimals(paper_.nPaperWidth / 254.0f, 2), 2));
        SetValue(pc::kLength, FormatFixed(RoundToDecimals(paper_.nPaperLength / 254.0f, 2), 2));
    } else {
        SetValue(pc::kWidth, FormatFixed(RoundToDecimals(paper_.nPaperWidth / 10.0f, 1), 1));
        SetValue(pc::kLength, FormatFixed(RoundToDecimals(paper_.nPaperLength / 10.0f, 1), 1));
    }
    SetValue(pc::kRightMargin,
             ShowDots(paper_.nPaperWidthRes - paper_.nPhysicalOffsetX - paper_.nImageAreaWidthRes));
    SetValue(pc::kTopMargin, ShowDots(paper_.nPhysicalOffsetY));
    SetValue(pc::kLeftMargin, ShowDots(paper_.nPhysicalOffsetX));
    SetValue(pc::kBottomMargin, paper_.nType == kTypeContinuous
                                    ? ShowDots(paper_.nPhysicalOffsetY)
                                    : ShowDots(paper_.nPaperLengthRes - paper_.nPhysicalOffsetY -
                                               paper_.nImageAreaLengthRes));
    SetValue(pc::kMarkWidth, ShowDots(paper_.nMarkWidth));
    {
        // The only signed value: rounded on its magnitude.
        const float v = s.bInch ? static_cast<float>(static_cast<double>(paper_.nMarkOffset) / r)
                                : static_cast<float>(paper_.nMarkOffset * 254.0 / (r * 10.0));
        const int digits = s.bInch ? 2 : 1;
        SetValue(pc::kMarkOffset, FormatFixed(RoundToDecimalsSigned(v, digits), digits));
    }
    {
        const float gapDots = static_cast<float>(paper_.lblPitchDot - paper_.nPaperLengthRes);
        SetValue(pc::kGap, ShowMm(static_cast<float>(gapDots * 254.0 / (r * 10.0))));
    }

    // Width range; the length range follows the kind.
    const std::string minWidth = "11.9";
    const std::string maxWidth = FormatFixed(profile.nMaxWidthMm100 / 100.0, 1);
    auto shown = [&s](const std::string& mm) {
        return ToLocaleDecimal(s.bInch ? MmTextToInchText(mm, 2) : mm, s.decimalSeparator);
    };
    controls_[pc::kWidthRange].text = "[ " + shown(minWidth) + " - " + shown(maxWidth) + " ]";

    kindNames_ = {strings_.String(2000), strings_.String(2001), strings_.String(2002)};
    kindSelection_ = SelectionFromKind(paper_.nType);
    ApplyKind();

    // OK starts as the caller says and is cleared for a full list; filling the name counts
    // as a change of the name, which enables OK unless the list is full.
    controls_[pc::kOk].enabled = !setup_.bListFull;
}

const ControlState& PaperEditorModel::Control(int id) const {
    static const ControlState kNone;
    const auto it = controls_.find(id);
    return it == controls_.end() ? kNone : it->second;
}

bool PaperEditorModel::OkEnabled() const {
    return Control(pc::kOk).enabled;
}

PaperTexts PaperEditorModel::Texts() const {
    PaperTexts t;
    t.name = Control(pc::kName).text;
    t.width = Control(pc::kWidth).text;
    t.length = Control(pc::kLength).text;
    t.gap = Control(pc::kGap).text;
    t.rightMargin = Control(pc::kRightMargin).text;
    t.leftMargin = Control(pc::kLeftMargin).text;
    t.topMargin = Control(pc::kTopMargin).text;
    t.bottomMargin = Control(pc::kBottomMargin).text;
    t.markWidth = Control(pc::kMarkWidth).text;
    t.markOffset = Control(pc::kMarkOffset).text;
    t.kindSelection = kindSelection_;
    return t;
}

PreviewBitmaps PaperEditorModel::Bitmaps() const {
    return ChoosePreviewBitmaps(previewType_, MarkOffsetNegative());
}

const PaperEditorModel::ValueControl* PaperEditorModel::FindValue(int id) const {
    for (const ValueControl& v : values_) {
        if (v.value == id) {
            return &v;
        }
    }
    return nullptr;
}

const PaperEditorModel::ValueControl* PaperEditorModel::FindSpin(int arrow) const {
    for (const ValueControl& v : values_) {
        if (v.spin == arrow) {
            return &v;
        }
    }
    return nullptr;
}

std::string PaperEditorModel::Echo(const std::string& text) const {
    return text + (setup_.settings.bInch ? " \"" : " mm");
}

void PaperEditorModel::SetValue(int id, std::string text) {
    const ValueControl* v = FindValue(id);
    if (v == nullptr) {
        return;
    }
    text = ToLocaleDecimal(text, setup_.settings.decimalSeparator);
    controls_[v->echo].text = Echo(text);
    controls_[id].text = std::move(text);
}

std::string PaperEditorModel::ShowMm(float mm) const {
    if (setup_.settings.bInch) {
        return FormatFixed(RoundToDecimals(static_cast<float>(mm / 25.4), 2), 2);
    }
    return FormatFixed(RoundToDecimals(mm, 1), 1);
}

std::string PaperEditorModel::ShowDots(int32_t dots) const {
    const int32_t r =
        setup_.settings.profile.nResolutionDpi > 0 ? setup_.settings.profile.nResolutionDpi : 203;
    if (setup_.settings.bInch) {
        const float inch = static_cast<float>(static_cast<double>(dots) / r);
        return FormatFixed(RoundToDecimals(inch, 2), 2);
    }
    const float mm = static_cast<float>(dots * 254.0 / (r * 10.0));
    return FormatFixed(RoundToDecimals(mm, 1), 1);
}

std::string PaperEditorModel::LengthRangeText() const {
    const EditorSettings& s = setup_.settings;
    const std::string minLength = previewType_ == kTypeBlackMark ? "12.7" : "6.0";
    auto shown = [&s](const std::string& mm) {
        return ToLocaleDecimal(s.bInch ? MmTextToInchText(mm, 2) : mm, s.decimalSeparator);
    };
    return "[ " + shown(minLength) + " - " + shown("1000.0") + " ]";
}

void PaperEditorModel::CopyTopToBottom() {
    controls_[pc::kBottomMargin].text = controls_[pc::kTopMargin].text;
    controls_[pc::kBottomEcho].text = Echo(controls_[pc::kTopMargin].text);
}

void PaperEditorModel::ApplyKind() {
    const int16_t kind = KindFromSelection(kindSelection_);
    previewType_ = kind;
    const bool continuous = kind == kTypeContinuous;
    const bool dieCut = kind == kTypeDieCut;
    const bool blackMark = kind == kTypeBlackMark;
    // A disabled value's spin arrow is disabled with it, so that a value the kind does not
    // use (the bottom margin of continuous tape above all) cannot be stepped either.
    auto enable = [this](int value, int spin, bool on) {
        controls_[value].enabled = on;
        controls_[spin].enabled = on;
    };
    enable(pc::kLength, pc::kLengthSpin, !continuous);
    enable(pc::kGap, pc::kGapSpin, dieCut);
    enable(pc::kMarkWidth, pc::kMarkWidthSpin, blackMark);
    enable(pc::kMarkOffset, pc::kMarkOffsetSpin, blackMark);
    enable(pc::kBottomMargin, pc::kBottomSpin, !continuous);
    controls_[pc::kLengthEcho].visible = !continuous;
    controls_[pc::kGapEcho].visible = dieCut;
    controls_[pc::kMarkWidthEcho].visible = blackMark;
    controls_[pc::kMarkOffsetEcho].visible = blackMark;
    if (continuous) {
        CopyTopToBottom();
    }
    controls_[pc::kBottomEcho].text = Echo(controls_[pc::kBottomMargin].text);
    controls_[pc::kLengthRange].text = LengthRangeText();
}

bool PaperEditorModel::KindChanged(int selection) {
    kindSelection_ = selection;
    ApplyKind();
    return true;
}

bool PaperEditorModel::MarkOffsetNegative() const {
    return IsMarkOffsetNegative(Control(pc::kMarkOffset).text, setup_.settings.decimalSeparator);
}

PaperEditorModel::EditOutcome PaperEditorModel::TextEdited(int id, std::string_view newText,
                                                           TextSelection selection) {
    EditOutcome out;
    if (id == pc::kName) {
        if (!setup_.bListFull) {
            controls_[pc::kOk].enabled = true;
        }
        const FilterOutcome f = FilterNameInput(Text(pc::kName), newText, selection);
        Text(pc::kName) = f.text;
        out.text = f.text;
        out.selection = f.selection;
        return out;
    }
    const ValueControl* v = FindValue(id);
    if (v == nullptr) {
        out.text = std::string(newText);
        out.selection = selection;
        return out;
    }
    const EditorSettings& s = setup_.settings;
    if (id == pc::kTopMargin) {
        paper_.nType = KindFromSelection(kindSelection_);
    }
    const std::string markOffsetBefore = Control(pc::kMarkOffset).text;
    const FilterOutcome f = FilterDecimalInput(Text(id), newText, selection, s.decimalSeparator,
                                               PaperValueRules(s.bInch, id == pc::kMarkOffset));
    Text(id) = f.text;
    controls_[v->echo].text = Echo(f.text);
    if (id == pc::kTopMargin && KindFromSelection(kindSelection_) == kTypeContinuous) {
        CopyTopToBottom();
    }
    if (id == pc::kMarkOffset) {
        out.repaint = NeedsRepaint(markOffsetBefore, f.text, s.decimalSeparator);
    }
    out.text = f.text;
    out.selection = f.selection;
    return out;
}

bool PaperEditorModel::Step(int arrow, bool up) {
    const ValueControl* v = FindSpin(arrow);
    if (v == nullptr) {
        return false;
    }
    paper_.nType = KindFromSelection(kindSelection_);
    if (!Control(arrow).enabled) {
        return false;
    }
    const EditorSettings& s = setup_.settings;
    const std::string before = Text(v->value);
    Text(v->value) = SpinStep(Text(v->value), up, up ? v->upBoundMm : v->downBoundMm, s.bInch,
                              s.decimalSeparator);
    controls_[v->echo].text = Echo(Text(v->value));
    if (v->value == pc::kTopMargin && KindFromSelection(kindSelection_) == kTypeContinuous) {
        CopyTopToBottom();
    }
    return v->value == pc::kMarkOffset && NeedsRepaint(before, Text(v->value), s.decimalSeparator);
}

bool PaperEditorModel::StepUp(int arrow) {
    return Step(arrow, true);
}

bool PaperEditorModel::StepDown(int arrow) {
    return Step(arrow, false);
}

PaperDef& PaperEditorModel::PrepareAdvanced() {
    paper_.nType = KindFromSelection(kindSelection_);
    return paper_;
}

int16_t PaperEditorModel::FirstFreePaperSize(const PaperList& stored, int16_t current) {
    const int count = std::clamp(stored.count, 0, PaperList::kCapacity);
    for (int16_t id = kFirstUserPaperSize; id <= kLastUserPaperSize; ++id) {
        const bool used = std::any_of(stored.slots.begin(), stored.slots.begin() + count,
                                      [id](const PaperDef& p) { return p.nPaperSize == id; });
        if (!used) {
            return id;
        }
    }
    return current;
}

std::optional<std::string> PaperEditorModel::ConvertAndValidate(const PaperList& stored) {
    const PaperTexts texts = Texts();
    bBlackMark_ = false;
    bBlackMark_ = ControlsToPaper(texts, setup_.settings, paper_);
    const int count = std::clamp(stored.count, 0, PaperList::kCapacity);
    return ValidatePaper(texts, paper_, bBlackMark_, setup_.settings,
                         std::span<const PaperDef>(stored.slots.data(), count),
                         setup_.mode == kModeEdit, strings_);
}

SaveOutcome PaperEditorModel::Publish(const PaperList& stored,
                                      const PublishEnvironment& environment,
                                      const PublishFunction& publish,
                                      const UserSourceWriter& writeUserSource,
                                      PublishVariant variant, int slot, int numberOfPapers) {
    // The source is written from a copy: the stored list changes only when the main dialog
    // takes the result.
    auto papers = std::make_shared<PaperList>(stored);
    papers->slots[static_cast<size_t>(slot)] = paper_;
    papers->count = numberOfPapers;
    const SourceWriter writer = [papers, numberOfPapers, writeUserSource](const std::string& path) {
        return writeUserSource(*papers, path, numberOfPapers);
    };
    const PublishOutcome outcome = publish(environment, variant, writer, setup_.driverFolder);
    if (!outcome.ok) {
        return SaveOutcome{0, strings_.String(1102)};
    }
    return SaveOutcome{variant == PublishVariant::Add ? kResultAdded : kResultReplaced,
                       std::nullopt};
}

SaveOutcome PaperEditorModel::AddAsNew(const PaperList& stored,
                                       const PublishEnvironment& environment,
                                       const PublishFunction& publish,
                                       const UserSourceWriter& writeUserSource) {
    const bool edit = setup_.mode == kModeEdit;
    const int16_t rememberedSize = paper_.nPaperSize;
    const std::string rememberedId = paper_.wPafMediaID;
    auto restoreId = [&] {
        if (edit) {
            paper_.nPaperSize = rememberedSize;
            paper_.wPafMediaID = rememberedId;
        }
    };
    // The conversion runs first: it writes wPafMediaID from the id the paper has now.
    const PaperTexts texts = Texts();
    bBlackMark_ = false;
    bBlackMark_ = ControlsToPaper(texts, setup_.settings, paper_);
    if (edit) {
        // A copy of an edited paper becomes a new paper with an id of its own.
        paper_.nPaperSize = FirstFreePaperSize(stored, paper_.nPaperSize);
        paper_.wPafMediaID = std::to_string(paper_.nPaperSize);
    }
    const int count = std::clamp(stored.count, 0, PaperList::kCapacity);
    if (auto message =
            ValidatePaper(texts, paper_, bBlackMark_, setup_.settings,
                          std::span<const PaperDef>(stored.slots.data(), count), edit, strings_)) {
        restoreId();
        return SaveOutcome{0, std::move(message)};
    }
    if (count >= PaperList::kCapacity) {
        // OK is disabled for a full list; a hundred papers leave no slot to add to.
        restoreId();
        return SaveOutcome{0, std::nullopt};
    }
    SaveOutcome outcome = Publish(stored, environment, publish, writeUserSource,
                                  PublishVariant::Add, count, count + 1);
    if (outcome.result == 0) {
        // The paper stays what it was, so that Overwrite or another attempt starts from the
        // edited paper's own id.
        restoreId();
    }
    return outcome;
}

SaveOutcome PaperEditorModel::Overwrite(const PaperList& stored,
                                        const PublishEnvironment& environment,
                                        const PublishFunction& publish,
                                        const UserSourceWriter& writeUserSource) {
    if (setup_.mode != kModeEdit) {
        return SaveOutcome{};
    }
    if (auto message = ConvertAndValidate(stored)) {
        return SaveOutcome{0, std::move(message)};
    }
    const int count = std::clamp(stored.count, 0, PaperList::kCapacity);
    if (setup_.selectedIndex < 0 || setup_.selectedIndex >= count) {
        return SaveOutcome{};
    }
    return Publish(stored, environment, publish, writeUserSource, PublishVariant::Replace,
                   setup_.selectedIndex, count);
}

} // namespace qlx
