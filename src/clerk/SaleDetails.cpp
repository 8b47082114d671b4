#include "clerk/SaleDetails.h"

#include "records/RegularFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

// A details file is a few hundred bytes; anything far larger is not one.
constexpr qint64 MaxFileBytes = 64 * 1024;

const QString KeyHouse = QStringLiteral("house");
const QString KeyAddress = QStringLiteral("address");
const QString KeyTitle = QStringLiteral("title");
const QString KeyVenue = QStringLiteral("venue");
const QString KeyDate = QStringLiteral("date");

} // namespace

SaleDetails SaleDetails::Trimmed() const
{
    const auto cut = [](const QString& text) {
        return text.trimmed().left(MaxLength);
    };
    return {cut(house), cut(address), cut(title), cut(venue), cut(date)};
}

QString SaleDetails::PathBeside(const QString& journalPath)
{
    QString path = journalPath;
    if (path.endsWith(QLatin1String(".jsonl")))
        path.chop(6);
    return path + QStringLiteral(".details.json");
}

SaleDetails SaleDetails::ReadBeside(const QString& journalPath)
{
    const RegularFile::Reading reading = RegularFile::Read(PathBeside(journalPath), MaxFileBytes);
    if (reading.status != RegularFile::Status::Read)
        return {};
    const QJsonObject object = QJsonDocument::fromJson(reading.bytes).object();
    SaleDetails details;
    details.house = object.value(KeyHouse).toString();
    details.address = object.value(KeyAddress).toString();
    details.title = object.value(KeyTitle).toString();
    details.venue = object.value(KeyVenue).toString();
    details.date = object.value(KeyDate).toString();
    return details.Trimmed();
}

bool SaleDetails::WriteBeside(const QString& journalPath) const
{
    const QJsonObject object{
        {KeyHouse, house}, {KeyAddress, address}, {KeyTitle, title}, {KeyVenue, venue}, {KeyDate, date}};
    QSaveFile file(PathBeside(journalPath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(object).toJson());
    return file.commit();
}
