#include "MainWindowFixture.h"

#include "papers/MdtSource.h"
#include "papers/TextCodec.h"

#include <QDir>
#include <QFile>

namespace qlx::testing {

PaperDef MakePaper(const std::string& name, int size, int preset, int16_t type) {
    PaperDef p;
    TextCodec::Store(TextCodec::Utf8ToUtf16(name).value(), p.szPaperName_mm);
    std::string inchName = name;
    inchName.append(" (in)");
    TextCodec::Store(TextCodec::Utf8ToUtf16(inchName).value(), p.szPaperName_inch);
    p.nPaperSize = static_cast<int16_t>(size);
    p.nType = type;
    p.nPaperWidth = 560;
    p.nPaperLength = type == kTypeContinuous ? 0 : 300;
    p.byEnergyRank = 3;
    p.bPreset = preset;
    p.MediaAtrInfo.assign(1, '0'); // assign: GCC 12 -O3 warns wrongly on = "0" here
    p.reserved_12_ = "0,0,0,0,0,0,1,0,0,0,0,0";
    return p;
}

DriverTree::DriverTree() {
    QDir(dir_.path()).mkpath("bin");
    QDir(dir_.path()).mkpath("driver/3");
    QDir(dir_.path()).mkpath("tmp");
    for (const char* tool : {"bin/qlx5sRpc", "bin/qlx5sRcv"}) {
        QFile file(QString::fromStdString(Path(tool)));
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n");
    }
}

std::string DriverTree::Path(const std::string& relative) const {
    return (dir_.path() + "/").toStdString() + relative;
}

bool DriverTree::Write(const std::vector<PaperDef>& presets, const std::vector<PaperDef>& users) {
    MdtHeader header;
    header.FormatVersion = "1.00";
    header.ModelVersion = "1.00";
    header.OutputFileName = "qlx530ed.mdt";
    header.bySeriesCode = "0x12";
    header.byModelCode = "0x34";
    return WriteSourceFile(Path("driver/3/qlx530ead.txt"), header, presets) &&
           WriteSourceFile(Path("driver/3/qlx530eed.txt"), header, users);
}

MainWindowSetup DriverTree::Setup() const {
    MainWindowSetup setup;
    setup.modelCode = "qlx530e";
    setup.printerName = "Label printer";
    setup.programFolder = Path("bin");
    setup.driverFolder = Path("driver/3");
    setup.tempFolder = Path("tmp/");
    return setup;
}

MediamgrModel::Publisher DriverTree::Publisher() {
    return [this](const PublishEnvironment& environment, PublishVariant, const SourceWriter& writer,
                  const std::string& destination) {
        ++publications;
        const std::string source = environment.tempFolder + environment.modelCode + "ed.txt";
        writer(source);
        if (duringWait) {
            duringWait(environment);
        }
        PublishOutcome outcome;
        if (failCopies) {
            return outcome;
        }
        const QString target =
            QString::fromStdString(destination + "/" + environment.modelCode + "ed.txt");
        QFile::remove(target);
        outcome.ok = QFile::copy(QString::fromStdString(source), target);
        return outcome;
    };
}

} // namespace qlx::testing
