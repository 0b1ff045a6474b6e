#include "app/ResourceLibrary.h"

#include <QBitmap>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QPushButton>
#include <QResource>
#include <QtUiTools/QUiLoader>
#include <memory>

#include "app/MenuDefinition.h"

namespace qlx {

namespace {

// A binary resource file starts with "qres", a version and three offsets into the file; a
// file cut short or of another kind is refused before Qt maps it.
bool LooksLikeResourceFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const qint64 size = file.size();
    const QByteArray header = file.read(20);
    if (header.size() < 20 || !header.startsWith("qres")) {
        return false;
    }
    for (int field = 2; field < 5; ++field) {
        const auto* p = reinterpret_cast<const unsigned char*>(header.constData() + field * 4);
        const qint64 offset = (qint64(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        if (offset >= size) {
            return false;
        }
    }
    return true;
}

std::string ReadResource(const QString& path, bool& found) {
    QFile file(path);
    found = file.open(QIODevice::ReadOnly);
    if (!found) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

QString NumberedPath(const char* folder, int number, const char* suffix) {
    return QStringLiteral(":/%1/%2.%3")
        .arg(QLatin1String(folder))
        .arg(number)
        .arg(QLatin1String(suffix));
}

bool ReadMenu(int number, MenuDefinition& menu) {
    bool found = false;
    const std::string text = ReadResource(NumberedPath("menus", number, "txt"), found);
    if (!found) {
        menu = MenuDefinition();
        return false;
    }
    MenuDefinition::Parse(text, menu);
    return true;
}

} // namespace

ResourceLibrary& ResourceLibrary::Mutable() {
    static ResourceLibrary library;
    return library;
}

const ResourceLibrary& ResourceLibrary::Instance() {
    return Mutable();
}

bool ResourceLibrary::Open(const QString& rccPath) {
    ResourceLibrary& library = Mutable();
    if (!library.registeredPath_.isEmpty()) {
        QResource::unregisterResource(library.registeredPath_);
        library.registeredPath_.clear();
    }
    library.strings_.Clear();
    if (!LooksLikeResourceFile(rccPath) || !QResource::registerResource(rccPath)) {
        return false;
    }
    library.registeredPath_ = rccPath;
    const QDir folder(QStringLiteral(":/strings"));
    for (const QString& name :
         folder.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
        bool found = false;
        const std::string text = ReadResource(folder.filePath(name), found);
        // Malformed lines are caught by the tests over the sources; here the good ones count.
        std::vector<StringTable::Problem> problems;
        library.strings_.Parse(text, problems);
    }
    return true;
}

std::string ResourceLibrary::String(int id) const {
    return strings_.String(id);
}

QString ResourceLibrary::Text(int id) const {
    return QString::fromStdString(String(id));
}

bool ResourceLibrary::LoadDialogTemplate(int number, QDialog& dialog) const {
    QFile file(NumberedPath("dialogs", number, "ui"));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QUiLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&file, nullptr));
    if (!form) {
        return false;
    }
    // setLayout takes the layout off the form and re-parents the widgets it manages; the
    // remaining children (freely placed widgets, button groups) move over one by one.
    if (QLayout* layout = form->layout()) {
        if (QLayout* old = dialog.layout()) {
            delete old;
        }
        dialog.setLayout(layout);
    }
    const QObjectList children = form->children();
    for (QObject* child : children) {
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            widget->setParent(&dialog, widget->windowFlags());
        } else if (!qobject_cast<QLayout*>(child)) {
            child->setParent(&dialog);
        }
    }
    dialog.setWindowTitle(form->windowTitle());
    dialog.setMinimumSize(form->minimumSize());
    dialog.setMaximumSize(form->maximumSize());
    dialog.resize(form->size());
    if (auto* ok = Control<QPushButton>(dialog, 1)) {
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    }
    if (auto* cancel = Control<QPushButton>(dialog, 2)) {
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    return true;
}

QPixmap ResourceLibrary::Bitmap(int number) const {
    QPixmap pixmap(NumberedPath("bitmaps", number, "png"));
    if (pixmap.isNull()) {
        return pixmap;
    }
    const QColor transparent = pixmap.toImage().pixelColor(0, 0);
    pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    return pixmap;
}

QIcon ResourceLibrary::Icon(int number) const {
    const QString path = NumberedPath("icons", number, "png");
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QString ResourceLibrary::MenuTitle(int number) const {
    MenuDefinition menu;
    ReadMenu(number, menu);
    return QString::fromStdString(menu.title);
}

std::vector<ResourceLibrary::MenuItem> ResourceLibrary::Menu(int number) const {
    MenuDefinition menu;
    ReadMenu(number, menu);
    std::vector<MenuItem> items;
    for (const MenuDefinition::Item& item : menu.items) {
        items.push_back({item.command, QString::fromStdString(item.text)});
    }
    return items;
}

} // namespace qlx
