#include "LabelData.h"

#include <QFileInfo>
#include <QUrl>

#include "DataMerge.h"
#include "platform/SettingsStore.h"

namespace labeldata {

QString keyOf(const QString& labelPath)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(labelPath).absoluteFilePath(), " "));
}

QString remembered(const SettingsStore& store, const QString& labelPath)
{
    return labelPath.isEmpty() ? QString() : store.read(Section, keyOf(labelPath), {});
}

void remember(SettingsStore& store, const QString& labelPath, const QString& dataPath)
{
    if (!labelPath.isEmpty())
        store.write(Section, keyOf(labelPath), dataPath.isEmpty() ? QString() : QFileInfo(dataPath).absoluteFilePath());
}

std::shared_ptr<const csv::Table> load(const QString& dataPath, QString* error)
{
    auto table = std::make_shared<csv::Table>();
    if (!csv::read(dataPath, *table, error))
        return nullptr;
    return table;
}

bool forPrint(const SettingsStore& store, const QString& labelPath, merge::Source& source, QString* error)
{
    const QString path = remembered(store, labelPath);
    if (path.isEmpty())
        return true;
    source.data = load(path, error);
    return bool(source.data);
}

} // namespace labeldata
