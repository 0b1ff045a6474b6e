#pragma once

#include "app/MediamgrModel.h"
#include "app/Messages.h"
#include "app/PaperEditor.h"
#include "papers/PaperDef.h"
#include "support/MessageRecorder.h"

#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qlx::testing {

PaperDef MakePaper(const std::string& name, int size, int preset = 0, int16_t type = kTypeDieCut);

// A small driver tree in a temporary folder: the two tools next to the "program", the
// model's preset and user sources in driver/3.
class DriverTree {
public:
    DriverTree();
    bool Write(const std::vector<PaperDef>& presets, const std::vector<PaperDef>& users);
    MainWindowSetup Setup() const;
    std::string Path(const std::string& relative) const;
    // A stand-in for the driver update: writes the source, then installs it into the
    // destination or fails as told; `duringWait` runs where the tools would run.
    MediamgrModel::Publisher Publisher();
    bool failCopies = false;
    int publications = 0;
    std::function<void(const PublishEnvironment&)> duringWait;

private:
    QTemporaryDir dir_;
};

class StandInEditor final : public PaperEditor {
public:
    int result = 0;
    int runs = 0;
    PaperEditorMode lastMode{};
    std::function<void(PaperEditorRequest&)> change;
    int Run(PaperEditorRequest& request) override {
        ++runs;
        lastMode = request.mode;
        if (change) {
            change(request);
        }
        return result;
    }
};

} // namespace qlx::testing
