#include "resources/string_table_resource.h"

#include "core/string_table.h"

#include <QFile>

// The resources sit in a static library: they are brought in by name (outside any namespace).
static void InitializeResources() { Q_INIT_RESOURCE(resources); }

namespace resources {

bool LoadStringTable(std::string& error) {
    InitializeResources();
    QFile file(":/string_table.txt");
    if (!file.open(QIODevice::ReadOnly)) {
        error = "the string table is missing from the resources";
        return false;
    }
    const QByteArray text = file.readAll();
    StringTableEntries entries;
    const bool ok =
        ParseStringTable(std::string_view(text.constData(), text.size()), entries, error);
    FillStringTable(std::move(entries));
    return ok;
}

}  // namespace resources
