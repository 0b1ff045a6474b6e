#include "platform/Spooler.h"

#include "platform/Files.h"

#include <cstdlib>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace qlx::platform {

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// A value of [Spooler] without its trailing comment (a ';' or '#' after a blank).
std::string_view WithoutTrailingComment(std::string_view value) {
    for (size_t i = 1; i < value.size(); ++i) {
        if ((value[i] == ';' || value[i] == '#') && (value[i - 1] == ' ' || value[i - 1] == '\t'))
            return Trim(value.substr(0, i));
    }
    return Trim(value);
}

// One printer line as found in the file: where its port starts and ends, so that the port
// can be replaced without touching anything else on the line.
struct PrinterLine {
    PrinterInfo info;
    size_t portBegin = 0; // offsets into the file's bytes
    size_t portEnd = 0;
    bool hasComma = false;
};

struct PrintersFile {
    std::vector<PrinterLine> printers;
    std::string driverDirectory; // as written, "" when absent
};

// Reads the file's lines (LF or CR LF) in order; section names and the DriverDirectory key
// ignore case, queue names do not.
PrintersFile Parse(const std::string& bytes) {
    enum class Section { None, Spooler, Printers, Other };
    PrintersFile file;
    Section section = Section::None;
    // A byte order mark some editors put first would hide the first section header.
    size_t begin = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (begin < bytes.size()) {
        size_t end = bytes.find('\n', begin);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos)
            end = bytes.size();
        if (end > begin && bytes[end - 1] == '\r')
            --end;
        const std::string_view raw(bytes.data() + begin, end - begin);
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            // comment or blank
        } else if (line.front() == '[' && line.back() == ']') {
            const std::string_view name = Trim(line.substr(1, line.size() - 2));
            section = EqualsIgnoringAsciiCase(name, "Spooler")    ? Section::Spooler
                      : EqualsIgnoringAsciiCase(name, "Printers") ? Section::Printers
                                                                  : Section::Other;
        } else if (const size_t equals = raw.find('='); equals != std::string_view::npos) {
            const std::string_view key = Trim(raw.substr(0, equals));
            if (section == Section::Spooler && EqualsIgnoringAsciiCase(key, "DriverDirectory")) {
                file.driverDirectory = std::string(WithoutTrailingComment(raw.substr(equals + 1)));
            } else if (section == Section::Printers && !key.empty()) {
                PrinterLine printer;
                printer.info.name = std::string(key);
                const size_t valueBegin = equals + 1;
                const std::string_view value = raw.substr(valueBegin);
                const size_t comma = value.rfind(',');
                printer.hasComma = comma != std::string_view::npos;
                if (printer.hasComma) {
                    printer.info.driverName = std::string(Trim(value.substr(0, comma)));
                    printer.info.portName = std::string(Trim(value.substr(comma + 1)));
                    printer.portBegin = begin + valueBegin + comma + 1;
                } else {
                    printer.info.driverName = std::string(Trim(value));
                    printer.portBegin = end;
                }
                printer.portEnd = end;
                file.printers.push_back(std::move(printer));
            }
        }
        begin = next;
    }
    return file;
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/')
        return path;
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer) == nullptr)
        return path;
    std::string cwd = buffer;
    if (cwd.back() != '/')
        cwd += '/';
    return cwd + path;
}

class FileSpooler final : public Spooler {
public:
    explicit FileSpooler(std::string path) : path_(std::move(path)) {}

    bool EnumPrinters(std::vector<PrinterInfo>& printers) const override {
        const std::optional<PrintersFile> file = Load();
        if (!file)
            return false;
        printers.clear();
        for (const PrinterLine& line : file->printers)
            printers.push_back(line.info);
        return true;
    }

    bool GetPort(const std::string& printerName, std::string& port) const override {
        const std::optional<PrintersFile> file = Load();
        if (!file)
            return false;
        for (const PrinterLine& line : file->printers) {
            if (line.info.name == printerName) {
                port = line.info.portName;
                return true;
            }
        }
        return false;
    }

    bool SetPort(const std::string& printerName, const std::string& port) override {
        // A port that would split the line or move the last comma would not read back.
        if (port.find_first_of(",\r\n") != std::string::npos)
            return false;
        std::string bytes;
        if (path_.empty() || !ReadFileBytes(path_, bytes))
            return false;
        const PrintersFile file = Parse(bytes);
        for (const PrinterLine& line : file.printers) {
            if (line.info.name != printerName)
                continue;
            const std::string replacement = line.hasComma ? port : "," + port;
            bytes.replace(line.portBegin, line.portEnd - line.portBegin, replacement);
            return WriteFileAtomic(path_, bytes);
        }
        return false;
    }

    std::string DriverDirectory() const override {
        const std::optional<PrintersFile> file = Load();
        if (!file || file->driverDirectory.empty())
            return {};
        std::string directory = file->driverDirectory;
        if (directory.front() != '/') {
            const size_t slash = path_.rfind('/');
            directory = path_.substr(0, slash + 1) + directory;
        }
        while (directory.size() > 1 && directory.back() == '/')
            directory.pop_back();
        return directory;
    }

private:
    // Read on every question, so that a change by another program is seen at once.
    std::optional<PrintersFile> Load() const {
        std::string bytes;
        if (path_.empty() || !ReadFileBytes(path_, bytes))
            return std::nullopt;
        return Parse(bytes);
    }

    std::string path_; // absolute, "" when there is no printers file
};

} // namespace

std::unique_ptr<Spooler> CreateFileSpooler(const std::string& printersFile) {
    return std::make_unique<FileSpooler>(AbsolutePath(printersFile));
}

std::unique_ptr<Spooler> CreateDefaultSpooler() {
    const char* path = std::getenv("QLX_PRINTERS");
    return CreateFileSpooler(path == nullptr ? std::string() : std::string(path));
}

} // namespace qlx::platform
