#pragma once

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "app/StringTable.h"

namespace qlx {

// The resource library: one binary Qt resource file (qlx5srct.rcc beside the program) holding
// the string table, the dialog templates, the icon, the bitmaps and the menu, each looked up
// by number. It stays registered for the whole run.
class ResourceLibrary final : public StringSource {
public:
    // Registers the .rcc; false when the file is missing or not a valid resource file. A
    // second Open replaces the library opened before.
    static bool Open(const QString& rccPath);
    // After Open; before it (or after a failed Open) an empty library whose lookups all miss.
    static const ResourceLibrary& Instance();

    std::string String(int id) const override; // "" when missing
    QString Text(int id) const;                // same as QString

    // Loads dialog template `number` into `dialog`: the template's children and layout become
    // the dialog's, its title and size too. Buttons c1 (OK) and c2 (Cancel) are connected to
    // the dialog's accept() and reject(), which a dialog class may override. False when the
    // template is missing or unreadable.
    bool LoadDialogTemplate(int number, QDialog& dialog) const;

    // The bitmap with its top-left pixel's colour made transparent; null when missing.
    QPixmap Bitmap(int number) const;
    QIcon Icon(int number) const; // null when missing

    struct MenuItem {
        int command;
        QString text;
    };
    QString MenuTitle(int number) const;          // "" when missing
    std::vector<MenuItem> Menu(int number) const; // the popup's items, in order

private:
    ResourceLibrary() = default;
    static ResourceLibrary& Mutable();

    QString registeredPath_;
    StringTable strings_;
};

// Control `number` of a dialog loaded from a template (findChild by "c<number>").
template <class T> T* Control(const QWidget& dialog, int number) {
    return dialog.findChild<T*>(QStringLiteral("c%1").arg(number));
}

} // namespace qlx
