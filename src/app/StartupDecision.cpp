#include "app/StartupDecision.h"

#include "app/PrinterModel.h"

namespace qlx {

int ChooseUnit(const std::vector<std::string>& args, bool localeIsMetric) {
    if (args.size() >= 2) {
        const std::string& unit = args[1];
        if (unit == "/i" || unit == "i") {
            return 1;
        }
        if (unit == "/m" || unit == "m") {
            return 0;
        }
    }
    return localeIsMetric ? 0 : 1;
}

bool StartupDecision::Make(const std::vector<std::string>& args, const platform::Spooler& spooler,
                           bool localeIsMetric, StartupDecision& decision) {
    if (args.empty()) {
        return false;
    }
    decision = StartupDecision();
    std::string driverName;
    if (FindPrinterDriver(spooler, args[0], driverName)) {
        decision.printerName = args[0];
    }
    decision.modelCode = ModelCodeForDriver(driverName);
    decision.bInch = ChooseUnit(args, localeIsMetric);
    decision.profile = ModelProfileFor(decision.modelCode);
    decision.mutexName = "mutex_" + decision.modelCode;
    return true;
}

} // namespace qlx
