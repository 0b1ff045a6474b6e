#include "editor/AdvanceModel.h"

#include "app/FormatMessage.h"
#include "app/Units.h"
#include "editor/ControlsToPaper.h"
#include "editor/EditorControls.h"
#include "papers/ReservedNumbers.h"
#include "editor/SpinStep.h"
#include "editor/ValidatePaper.h"

namespace qlx {

namespace ac = advance_controls;

namespace {

constexpr int kEnergyItems = 11; // ranks 0 to 10
constexpr int kKindItems = 5;    // values -2 to 2
constexpr int kNeutralItem = 2;  // value 0

} // namespace

AdvanceModel::AdvanceModel(PaperDef& paper, bool bInch, char decimalSeparator,
                           int32_t nResolutionDpi, const StringSource& strings)
    : paper_(paper), bInch_(bInch), decimalSeparator_(decimalSeparator),
      nResolutionDpi_(nResolutionDpi > 0 ? nResolutionDpi : 203), strings_(strings) {
    const std::string unit = bInch_ ? "\"" : "mm";
    for (int id : {ac::kOffsetXUnit, ac::kOffsetYUnit, ac::kAfterFeedUnit}) {
        controls_[id].text = unit;
    }

    auto shown = [this](const std::string& mm) {
        return ToLocaleDecimal(bInch_ ? MmTextToInchTextSigned(mm, 2) : mm, decimalSeparator_);
    };
    const std::string range =
        "[ " + shown(FormatFixed(-150.0, 1)) + " - " + shown(FormatFixed(150.0, 1)) + " ]";
    controls_[ac::kOffsetXRange].text = range;
    controls_[ac::kOffsetYRange].text = range;

    auto& energy = listItems_[ac::kEnergyRank];
    for (int i = 0; i < kEnergyItems; ++i) {
        energy.push_back(std::to_string(i));
    }
    selections_[ac::kEnergyRank] = std::min<int>(paper_.byEnergyRank, kEnergyItems - 1);

    std::vector<std::string> kindItems;
    for (int id = 1250; id <= 1254; ++id) {
        kindItems.push_back(strings_.String(id));
    }
    const ReservedNumbers numbers = ParseReservedNumbers(paper_.reserved_12_);
    for (size_t i = 0; i < numbers.size(); ++i) {
        reservedValues_[i] = static_cast<int16_t>(numbers[i]);
    }
    // A value outside -2..2 has no item: the list shows none, and OK then keeps the value.
    auto itemOf = [](int value) {
        const int item = value + kNeutralItem;
        return item >= 0 && item < kKindItems ? item : -1;
    };
    for (int list :
         {ac::kDieCutValue9, ac::kDieCutValue10, ac::kBlackMarkValue9, ac::kBlackMarkValue10}) {
        listItems_[list] = kindItems;
        const bool value9 = list == ac::kDieCutValue9 || list == ac::kBlackMarkValue9;
        selections_[list] = itemOf(reservedValues_[value9 ? 9 : 10]);
    }
    const bool dieCut = paper_.nType == kTypeDieCut;
    const bool blackMark = paper_.nType == kTypeBlackMark;
    auto setList = [this](int list, bool enabled) {
        controls_[list].enabled = enabled;
        if (!enabled) {
            selections_[list] = kNeutralItem;
        }
    };
    setList(ac::kDieCutValue9, dieCut);
    setList(ac::kDieCutValue10, dieCut);
    setList(ac::kBlackMarkValue9, blackMark);
    setList(ac::kBlackMarkValue10, blackMark);

    SetEdit(ac::kOffsetX, ac::kOffsetXEcho, paper_.nVirtualOffsetX);
    SetEdit(ac::kOffsetY, ac::kOffsetYEcho, paper_.nVirtualOffsetY);
    SetEdit(ac::kAfterFeed, 0, ParseDotDouble(paper_.nAfterFeedPlus));
}

void AdvanceModel::SetEdit(int id, int echo, double dots) {
    std::string text;
    if (bInch_) {
        const float inch = static_cast<float>(dots / nResolutionDpi_);
        text = FormatFixed(RoundToDecimalsSigned(inch, 2), 2);
    } else {
        const float mm = static_cast<float>(dots * 254.0 / (nResolutionDpi_ * 10.0));
        text = FormatFixed(RoundToDecimalsSigned(mm, 1), 1);
    }
    text = ToLocaleDecimal(text, decimalSeparator_);
    if (echo != 0) {
        controls_[echo].text = text + (bInch_ ? " \"" : " mm");
    }
    controls_[id].text = std::move(text);
}

const ControlState& AdvanceModel::Control(int id) const {
    static const ControlState kNone;
    const auto it = controls_.find(id);
    return it == controls_.end() ? kNone : it->second;
}

const std::vector<std::string>& AdvanceModel::ListItems(int list) const {
    static const std::vector<std::string> kNone;
    const auto it = listItems_.find(list);
    return it == listItems_.end() ? kNone : it->second;
}

int AdvanceModel::Selection(int list) const {
    const auto it = selections_.find(list);
    return it == selections_.end() ? -1 : it->second;
}

void AdvanceModel::Select(int list, int index) {
    const auto& items = ListItems(list);
    if (index >= 0 && index < static_cast<int>(items.size())) {
        selections_[list] = index;
    }
}

int AdvanceModel::EchoOf(int id) const {
    return id == ac::kOffsetX ? ac::kOffsetXEcho : id == ac::kOffsetY ? ac::kOffsetYEcho : 0;
}

FilterOutcome AdvanceModel::TextEdited(int id, std::string_view newText, TextSelection selection) {
    if (id != ac::kOffsetX && id != ac::kOffsetY && id != ac::kAfterFeed) {
        return FilterOutcome{true, std::string(newText), selection};
    }
    FilterOutcome f = FilterDecimalInput(controls_[id].text, newText, selection, decimalSeparator_,
                                         AdvanceValueRules(bInch_));
    controls_[id].text = f.text;
    if (const int echo = EchoOf(id); echo != 0) {
        controls_[echo].text = f.text + (bInch_ ? " \"" : " mm");
    }
    return f;
}

void AdvanceModel::Step(int spin, bool up) {
    int id = 0;
    double bound = 0;
    if (spin == ac::kOffsetXSpin || spin == ac::kOffsetYSpin) {
        id = spin == ac::kOffsetXSpin ? ac::kOffsetX : ac::kOffsetY;
        bound = up ? 150.0 : -150.0;
    } else if (spin == ac::kAfterFeedSpin) {
        id = ac::kAfterFeed;
        bound = up ? 10.0 : -10.0;
    } else {
        return;
    }
    controls_[id].text = SpinStep(controls_[id].text, up, bound, bInch_, decimalSeparator_);
    if (const int echo = EchoOf(id); echo != 0) {
        controls_[echo].text = controls_[id].text + (bInch_ ? " \"" : " mm");
    }
}

void AdvanceModel::StepUp(int spin) {
    Step(spin, true);
}

void AdvanceModel::StepDown(int spin) {
    Step(spin, false);
}

std::optional<std::string> AdvanceModel::Validate() const {
    auto read = [this](int id) {
        return ParseScaledDecimal(Control(id).text, 3, decimalSeparator_);
    };
    const int32_t offsetLimit = bInch_ ? 5910 : 150000;
    const int32_t feedLimit = bInch_ ? 390 : 10000;
    const struct {
        int id;
        int label;
        int32_t limit;
    } checks[] = {{ac::kOffsetX, 1207, offsetLimit},
                  {ac::kOffsetY, 1208, offsetLimit},
                  {ac::kAfterFeed, 1216, feedLimit}};
    for (const auto& check : checks) {
        const int32_t v = read(check.id);
        if (v < -check.limit || v > check.limit) {
            return FormatMessage(strings_.String(1108), {strings_.String(check.label)}) +
                   FormatRangeText(-check.limit, check.limit, bInch_, decimalSeparator_);
        }
    }
    return std::nullopt;
}

std::optional<std::string> AdvanceModel::Accept() {
    if (auto message = Validate()) {
        return message;
    }
    auto dots = [this](int id) {
        return ThousandthsToDots(ParseScaledDecimal(Control(id).text, 3, decimalSeparator_), bInch_,
                                 nResolutionDpi_);
    };
    paper_.nVirtualOffsetX = static_cast<int16_t>(dots(ac::kOffsetX));
    paper_.nVirtualOffsetY = static_cast<int16_t>(dots(ac::kOffsetY));
    paper_.nDieStartRevPlus = std::to_string(paper_.nVirtualOffsetX);
    paper_.wDieStartFwdPlus = std::to_string(paper_.nVirtualOffsetY);
    paper_.nAfterFeedPlus = std::to_string(static_cast<int16_t>(dots(ac::kAfterFeed)));

    if (const int rank = Selection(ac::kEnergyRank); rank >= 0) {
        paper_.byEnergyRank = static_cast<uint8_t>(rank);
    }
    auto takeValue = [this](int list, int index) {
        if (const int item = Selection(list); item >= 0) {
            reservedValues_[static_cast<size_t>(index)] = static_cast<int16_t>(item - 2);
        }
    };
    if (paper_.nType == kTypeDieCut) {
        takeValue(ac::kDieCutValue9, 9);
        takeValue(ac::kDieCutValue10, 10);
    } else if (paper_.nType == kTypeBlackMark) {
        takeValue(ac::kBlackMarkValue9, 9);
        takeValue(ac::kBlackMarkValue10, 10);
    }
    ReservedNumbers numbers{};
    for (size_t i = 0; i < numbers.size(); ++i) {
        numbers[i] = reservedValues_[i];
    }
    paper_.reserved_12_ = FormatReservedNumbers(numbers);
    return std::nullopt;
}

} // namespace qlx
