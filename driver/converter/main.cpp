// qlx5sRcv <table> <printer file> <library name> <series character> <model character>
// The driver family's converter: turns a compiled table into the printer's binary
// definition file. The series and model characters are one byte each. Exit status 0 on
// success; on failure no printer file is left.

#include "CompiledTable.h"
#include "OutputFile.h"
#include "PrinterDefinition.h"
#include "platform/Files.h"

#include <cstdio>
#include <string>

namespace {

// A failed conversion leaves no printer file behind; one that cannot be replaced stays.
int Fail(const std::string& printerPath, const std::string& message, bool removeOutput = true) {
    if (removeOutput) {
        qlx::platform::DeleteFileIfExists(printerPath);
    }
    std::fprintf(stderr, "qlx5sRcv: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: qlx5sRcv <table> <printer file> <library name> "
                             "<series character> <model character>\n");
        return 2;
    }
    const std::string tablePath = argv[1];
    const std::string printerPath = argv[2];
    const std::string libraryName = argv[3];
    const std::string series = argv[4];
    const std::string model = argv[5];
    // The library name only says which family's table format is meant; ours is built in.
    if (libraryName.empty()) {
        return Fail(printerPath, "no library name");
    }
    if (series.size() != 1 || model.size() != 1) {
        return Fail(printerPath, "series and model must be one character each");
    }
    std::string bytes;
    if (!qlx::platform::ReadFileBytes(tablePath, bytes)) {
        return Fail(printerPath, "cannot read " + tablePath);
    }
    const auto table = qlx::CompiledTable::Parse(bytes);
    if (!table) {
        return Fail(printerPath, tablePath + " is not a compiled table");
    }
    if (table->papers.size() > qlx::PrinterDefinition::kMaxPapers) {
        return Fail(printerPath, "too many papers");
    }
    const auto definition = qlx::PrinterDefinition::FromTable(
        *table, static_cast<uint8_t>(series[0]), static_cast<uint8_t>(model[0]));
    if (!qlx::WriteOutputFile(printerPath, definition.Serialize())) {
        return Fail(printerPath, "cannot write " + printerPath, false);
    }
    return 0;
}
