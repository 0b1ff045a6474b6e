#include "app/MediamgrModel.h"

#include "app/FormatMessage.h"
#include "app/Units.h"
#include "papers/TextCodec.h"
#include "platform/Files.h"

#include <memory>
#include <utility>

namespace qlx {

namespace {

constexpr int kStringDefaultName = 501;
constexpr int kStringConfirmDelete = 1001;
constexpr int kStringChangesInstalled = 1006;
constexpr int kStringFilesMissing = 1101;
constexpr int kStringCopyFailed = 1102;

// The default name in a 32-unit name field: cut to 31 units without splitting a pair.
PaperName NameField(const std::string& utf8) {
    PaperName field{};
    std::u16string text = TextCodec::Utf8ToUtf16(utf8).value_or(u"");
    if (text.size() > field.size() - 1) {
        std::size_t keep = field.size() - 1;
        if (text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF) {
            --keep;
        }
        text.resize(keep);
    }
    TextCodec::Store(text, field);
    return field;
}

} // namespace

MediamgrModel::MediamgrModel(const StringSource& strings, MessageSink& messages,
                             Publisher publisher)
    : strings_(strings), messages_(messages), publisher_(std::move(publisher)) {
    if (!publisher_) {
        publisher_ = PublishDefinitions;
    }
}

std::string MediamgrModel::DriverFolderFor(const std::string& driverDirectory) {
    if (driverDirectory.empty()) {
        return {};
    }
    return driverDirectory + "/3";
}

void MediamgrModel::Configure(const MainWindowSetup& setup) {
    setup_ = setup;
    setup_.bInch = setup.bInch ? 1 : 0;
}

bool MediamgrModel::Fail() {
    messages_.Show(MessageIcon::Error, strings_.String(kStringFilesMissing));
    return false;
}

bool MediamgrModel::Initialise(const MainWindowSetup& setup) {
    Configure(setup);
    list_.bChanged = 0;

    // Both tools of the family must lie next to the program; the driver update runs them.
    if (setup_.programFolder.empty() ||
        !platform::FindNameIgnoringCase(setup_.programFolder, "qlx5sRcv") ||
        !platform::FindNameIgnoringCase(setup_.programFolder, "qlx5sRpc")) {
        return Fail();
    }
    if (setup_.modelCode.empty() || setup_.driverFolder.empty()) {
        return Fail();
    }
    const auto presetPath =
        platform::FindNameIgnoringCase(setup_.driverFolder, setup_.modelCode + "ad.txt");
    const auto userPath =
        platform::FindNameIgnoringCase(setup_.driverFolder, setup_.modelCode + "ed.txt");
    if (!presetPath || !userPath) {
        return Fail();
    }

    // The header is written back unchanged, so a missing key is carried as it is.
    list_.ReadHeader(*userPath);
    // A list that overflows has reported string 1109 and keeps its first 100 papers.
    list_.Load(*presetPath, *userPath, setup_.bInch != 0, strings_, messages_);
    return true;
}

std::string MediamgrModel::DisplayName(const PaperDef& paper) const {
    const PaperName& name = setup_.bInch ? paper.szPaperName_inch : paper.szPaperName_mm;
    return TextCodec::ToUtf8(name).value_or(std::string());
}

std::vector<std::string> MediamgrModel::DisplayNames() const {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(list_.count));
    for (int i = 0; i < list_.count; ++i) {
        names.push_back(DisplayName(list_.slots[static_cast<std::size_t>(i)]));
    }
    return names;
}

MediamgrModel::SelectedPaperView MediamgrModel::ShowSelectedPaper(int index) {
    SelectedPaperView view;
    view.newEnabled = list_.bFull == 0;
    if (index < 0 || index >= list_.count) {
        return view;
    }
    list_.Select(index);
    const PaperDef& paper = list_.slots[static_cast<std::size_t>(index)];
    const bool inch = setup_.bInch != 0;
    view.valid = true;
    view.editEnabled = list_.IsEditable(index);
    view.deleteEnabled = view.editEnabled;
    view.width = ToLocaleDecimal(FormatTenthsMm(paper.nPaperWidth, inch), setup_.decimalSeparator);
    const bool hasLength = paper.nType == kTypeDieCut || paper.nType == kTypeBlackMark;
    view.length = ToLocaleDecimal(hasLength ? FormatTenthsMm(paper.nPaperLength, inch)
                                            : NotApplicableLength(inch),
                                  setup_.decimalSeparator);
    view.energy = std::to_string(static_cast<int>(paper.byEnergyRank));
    return view;
}

std::optional<int16_t> MediamgrModel::LowestFreePaperSize() const {
    for (int size = kFirstUserPaperSize; size <= kLastUserPaperSize; ++size) {
        bool used = false;
        for (int i = 0; i < list_.count && !used; ++i) {
            used = list_.slots[static_cast<std::size_t>(i)].nPaperSize == size;
        }
        if (!used) {
            return static_cast<int16_t>(size);
        }
    }
    return std::nullopt;
}

void MediamgrModel::PrepareNewPaper() {
    PaperDef& work = list_.work;
    work.bPreset = 0;
    const PaperName name = NameField(strings_.String(kStringDefaultName));
    work.szPaperName_mm = name;
    work.szPaperName_inch = name;
    if (const auto size = LowestFreePaperSize()) {
        work.nPaperSize = *size;
    }
}

PublishEnvironment MediamgrModel::Environment() const {
    PublishEnvironment environment;
    environment.programFolder = setup_.programFolder;
    environment.tempFolder = setup_.tempFolder;
    environment.modelCode = setup_.modelCode;
    environment.header = list_.header;
    return environment;
}

PaperEditorRequest MediamgrModel::EditorRequest(PaperEditorMode mode) {
    PaperEditorRequest request(list_.work, list_);
    request.mode = mode;
    request.bInch = setup_.bInch;
    request.decimalSeparator = setup_.decimalSeparator;
    request.modelCode = setup_.modelCode;
    request.header = list_.header;
    request.modelSection = list_.header.modelSection;
    request.nSelected = list_.nSelected;
    request.driverFolder = setup_.driverFolder;
    request.bOkAtStart = mode == PaperEditorMode::New ? 1 : 0;
    request.bFull = list_.bFull;
    request.profile = setup_.profile;
    request.publish = Environment();
    return request;
}

int MediamgrModel::RunEditor(PaperEditor& editor, PaperEditorMode mode) {
    if (mode == PaperEditorMode::New) {
        PrepareNewPaper();
    }
    PaperEditorRequest request = EditorRequest(mode);
    const int result = editor.Run(request);
    if (result == kEditorResultAdd && list_.count < PaperList::kCapacity) {
        list_.Append(list_.work);
        list_.bChanged = 1;
        if (list_.count >= PaperList::kCapacity) {
            list_.bFull = 1;
        }
        return list_.count - 1;
    }
    if (result == kEditorResultReplace && mode == PaperEditorMode::Edit && list_.nSelected >= 0 &&
        list_.nSelected < list_.count) {
        list_.Replace(list_.nSelected, list_.work);
        list_.bChanged = 1;
        return list_.nSelected;
    }
    return list_.nSelected;
}

MediamgrModel::DeleteOutcome MediamgrModel::Delete() {
    DeleteOutcome outcome;
    const int index = list_.nSelected;
    outcome.select = index;
    if (index < 0 || index >= list_.count || !list_.IsEditable(index)) {
        return outcome;
    }
    const std::string question =
        FormatMessage(strings_.String(kStringConfirmDelete), {DisplayName(list_.work)});
    if (!messages_.Show(MessageIcon::Question, question)) {
        return outcome;
    }
    outcome.confirmed = true;

    // Kept whole so that a failed publication can put the paper back where it was.
    const auto before = std::make_unique<PaperList>(list_);
    list_.Remove(index);
    const SourceWriter writer = [this](const std::string& path) {
        return list_.WriteUserSource(path, list_.count);
    };
    const PublishOutcome published =
        publisher_(Environment(), PublishVariant::Delete, writer, setup_.driverFolder);
    if (!published.ok) {
        messages_.Show(MessageIcon::Error, strings_.String(kStringCopyFailed));
        list_ = *before;
        outcome.select = list_.nSelected;
        return outcome;
    }
    outcome.published = true;
    list_.bFull = 0;
    outcome.select = list_.nSelected;
    return outcome;
}

void MediamgrModel::ConfirmOk() {
    if (list_.bChanged == 1) {
        messages_.Show(MessageIcon::Information, strings_.String(kStringChangesInstalled));
    }
}

} // namespace qlx
