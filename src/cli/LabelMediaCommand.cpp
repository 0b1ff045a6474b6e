#include "cli/LabelMediaCommand.h"

#include "app/PrinterModel.h"
#include "cli/PaperListing.h"
#include "cli/SourceLint.h"
#include "papers/MdtSource.h"
#include "papers/PaperList.h"
#include "platform/Files.h"
#include "platform/Spooler.h"

#include <memory>
#include <ostream>

namespace qlx {

namespace {

constexpr const char* kUsage =
    "Usage: labelmedia COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  list --printer NAME [--inch|--mm]   the papers the media manager lists for a printer\n"
    "  lint FILE...                        check source files section by section\n"
    "  normalize FILE                      rewrite a user source file as the program writes it\n"
    "\n"
    "Run 'labelmedia COMMAND --help' for a command's options.\n";

constexpr const char* kListHelp =
    "Usage: labelmedia list --printer NAME [--inch|--mm]\n"
    "\n"
    "Lists the papers the media manager shows for printer queue NAME: the model's preset\n"
    "file, then the user source, both from the driver folder of the spooler named by\n"
    "QLX_PRINTERS. One tab-separated line per paper: index, name, width, length, energy\n"
    "rank and origin (preset, protected or user). Lengths in millimetres unless --inch.\n";

constexpr const char* kLintHelp =
    "Usage: labelmedia lint FILE...\n"
    "\n"
    "Reads each source file as the media manager does (header, then Paper00, Paper01, ...)\n"
    "and reports each section: loaded, left out (a name that is not UTF-8), or the key or\n"
    "limit at which loading stops. Exit status 0 only when every header is complete and\n"
    "every section loaded; 1 otherwise; 2 when a file cannot be read.\n";

constexpr const char* kNormalizeHelp =
    "Usage: labelmedia normalize FILE\n"
    "\n"
    "Reads FILE as a user source and writes to standard output exactly what the media\n"
    "manager's writer would write for its header and papers (CR LF line ends). Problems go\n"
    "to standard error; exit status 1 when a section did not load or the header is\n"
    "incomplete, 2 when the file cannot be read.\n";

// The one message the list can raise while loading (its string 1109).
class CliStrings : public StringSource {
public:
    std::string String(int id) const override {
        if (id == PaperList::kStringListFull) {
            return "the list holds 100 papers; the papers after them are not listed";
        }
        return {};
    }
};

class StreamSink : public MessageSink {
public:
    StreamSink(std::ostream& stream, std::string prefix)
        : stream_(stream), prefix_(std::move(prefix)) {}
    bool Show(MessageIcon, const std::string& text) override {
        stream_ << prefix_ << text << '\n';
        return false;
    }

private:
    std::ostream& stream_;
    std::string prefix_;
};

bool WantsHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

} // namespace

int LabelMediaCommand::Run(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return kFailed;
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return kOk;
    }
    if (command == "list") {
        return List(rest, out, err);
    }
    if (command == "lint") {
        return Lint(rest, out, err);
    }
    if (command == "normalize") {
        return Normalize(rest, out, err);
    }
    err << "labelmedia: unknown command '" << command << "'\n" << kUsage;
    return kFailed;
}

int LabelMediaCommand::List(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err) {
    if (WantsHelp(args)) {
        out << kListHelp;
        return kOk;
    }
    std::string printer;
    bool havePrinter = false;
    bool inch = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--printer" && i + 1 < args.size()) {
            printer = args[++i];
            havePrinter = true;
        } else if (args[i] == "--inch") {
            inch = true;
        } else if (args[i] == "--mm") {
            inch = false;
        } else {
            err << "labelmedia list: unexpected argument '" << args[i] << "'\n" << kListHelp;
            return kFailed;
        }
    }
    if (!havePrinter) {
        err << "labelmedia list: --printer NAME is required\n" << kListHelp;
        return kFailed;
    }

    const auto spooler = platform::CreateDefaultSpooler();
    std::vector<platform::PrinterInfo> printers;
    if (!spooler->EnumPrinters(printers)) {
        err << "labelmedia list: no printers: set QLX_PRINTERS to a printers file\n";
        return kFailed;
    }
    const platform::PrinterInfo* found = nullptr;
    for (const auto& info : printers) {
        if (info.name == printer) {
            found = &info;
            break;
        }
    }
    if (found == nullptr) {
        err << "labelmedia list: no printer named '" << printer << "'\n";
        return kFailed;
    }
    const std::string model = ModelCodeForDriver(found->driverName);
    if (model.empty()) {
        err << "labelmedia list: printer '" << printer << "' has driver '" << found->driverName
            << "', which is not one of the supported models\n";
        return kFailed;
    }
    const std::string folder = spooler->DriverDirectory() + "/3";
    std::string paths[2];
    const char* suffixes[2] = {"ad.txt", "ed.txt"};
    for (int i = 0; i < 2; ++i) {
        const auto path = platform::FindNameIgnoringCase(folder, model + suffixes[i]);
        if (!path) {
            err << "labelmedia list: " << folder << "/" << model << suffixes[i]
                << ": file not found\n";
            return kFailed;
        }
        paths[i] = *path;
    }

    auto list = std::make_unique<PaperList>();
    CliStrings strings;
    StreamSink sink(err, "labelmedia list: " + paths[1] + ": ");
    list->Load(paths[0], paths[1], inch, strings, sink);
    out << PaperListing::Header();
    for (int i = 0; i < list->count; ++i) {
        out << PaperListing::Row(*list, i, inch);
    }
    return kOk;
}

int LabelMediaCommand::Lint(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err) {
    if (WantsHelp(args)) {
        out << kLintHelp;
        return kOk;
    }
    if (args.empty()) {
        err << "labelmedia lint: no file given\n" << kLintHelp;
        return kFailed;
    }
    int status = kOk;
    for (const std::string& path : args) {
        const SourceFile file = LoadSourceFile(path, false);
        const std::string report = SourceLint::Report(path, file);
        if (!file.readable) {
            err << report;
            status = kFailed;
            continue;
        }
        out << report;
        if (!SourceLint::Clean(file) && status == kOk) {
            status = kProblems;
        }
    }
    return status;
}

int LabelMediaCommand::Normalize(const std::vector<std::string>& args, std::ostream& out,
                                 std::ostream& err) {
    if (WantsHelp(args)) {
        out << kNormalizeHelp;
        return kOk;
    }
    if (args.size() != 1) {
        err << "labelmedia normalize: give exactly one file\n" << kNormalizeHelp;
        return kFailed;
    }
    const std::string& path = args.front();
    const SourceFile file = LoadSourceFile(path, false);
    if (!file.readable) {
        err << "labelmedia normalize: " << path << ": " << file.error << '\n';
        return kFailed;
    }
    std::vector<const PaperDef*> papers;
    for (const PaperDef& paper : file.papers) {
        papers.push_back(&paper);
    }
    const auto text = FormatSourceText(file.header, papers);
    if (!text) {
        err << "labelmedia normalize: " << path << ": the header cannot be written whole\n";
        return kFailed;
    }
    out.write(text->data(), static_cast<std::streamsize>(text->size()));
    if (!file.headerOk) {
        err << "labelmedia normalize: " << path << ": " << file.headerProblem << '\n';
    }
    for (const SourceSectionResult& section : file.sections) {
        if (!section.loaded) {
            err << "labelmedia normalize: " << path << ": " << section.problem
                << (section.leftOut ? "; the paper is left out\n" : "; loading stops here\n");
        }
    }
    return SourceLint::Clean(file) ? kOk : kProblems;
}

} // namespace qlx
