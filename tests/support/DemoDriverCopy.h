#pragma once

#include <QDir>
#include <QFile>
#include <QString>

namespace qlx::testing {

// A copy of the demo driver folder (QLX_DEMO_DIR/driver/3) at `root`/driver/3, with an empty
// `root`/tmp beside it: the copy's path with a trailing '/', or "" when it cannot be made.
inline QString CopyDemoDriverFolder(const QString& root) {
    const QDir demo(qEnvironmentVariable("QLX_DEMO_DIR") + "/driver/3");
    if (!demo.exists() || !QDir(root).mkpath("driver/3") || !QDir(root).mkpath("tmp")) {
        return {};
    }
    const QString folder = root + "/driver/3/";
    for (const QString& name : demo.entryList(QDir::Files)) {
        if (!QFile::copy(demo.filePath(name), folder + name)) {
            return {};
        }
    }
    return folder;
}

} // namespace qlx::testing
