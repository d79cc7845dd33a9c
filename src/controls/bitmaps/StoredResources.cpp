#include "StoredResources.h"

#include "controls/grid/GridModel.h"

#include <QFile>

namespace {

bool ReadBlob(const char* name, std::string& bytes, std::string& error) {
    QFile file(QStringLiteral(":/korvalen/blobs/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        error = std::string("The stored blob ") + name + " is missing.";
        return false;
    }
    QByteArray data = file.readAll();
    bytes.assign(data.constData(), static_cast<size_t>(data.size()));
    return true;
}

} // namespace

bool LoadStoredGridStr(TStrings2& gridStr, std::string& error) {
    std::string bytes;
    return ReadBlob("GridStr.bin", bytes, error) && gridStr.ReadData(bytes, error) == TStrings2::TReadResult::Ok;
}

bool LoadStoredTemplateGrid(TGridModel& grid, std::string& error) {
    std::string bytes;
    if (!ReadBlob("TemplateGrid.bin", bytes, error))
        return false;
    if (grid.ReadData(bytes) == TGridDataResult::Ok)
        return true;
    error = "The stored template columns are damaged.";
    return false;
}

bool LoadStoredBitmaps(TBitmapContainer& container, std::string& error) {
    std::string bytes;
    return ReadBlob("MainBitmaps.bin", bytes, error) && container.ReadProps(bytes, error);
}
