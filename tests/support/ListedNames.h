#pragma once

#include "app/CMediamgrDlg.h"
#include "app/ResourceLibrary.h"

#include <QListWidget>
#include <QStringList>

namespace qlx::testing {

// The names the main window's list 1000 shows, top to bottom.
inline QStringList ListedNames(const CMediamgrDlg& dialog) {
    QStringList names;
    const auto* list = Control<QListWidget>(dialog, 1000);
    for (int row = 0; row < list->count(); ++row) {
        names << list->item(row)->text();
    }
    return names;
}

} // namespace qlx::testing
