#pragma once

#include "CompiledTable.h"
#include "papers/MdtHeader.h"
#include "papers/PaperDef.h"

#include <string>
#include <vector>

namespace qlx {

// Turns the header and papers of a source file into a compiled table: the model record from
// the [Model] keys, one paper record per paper in order.
class TableCompiler {
public:
    // Fails (with `error` set) when the header gives no resolution.
    static bool Compile(const MdtHeader& header, const std::vector<PaperDef>& papers,
                        CompiledTable& table, std::string& error);

    static ModelRecord MakeModelRecord(const MdtHeader& header);
    static PaperRecord MakePaperRecord(const PaperDef& paper);
};

} // namespace qlx
