#include "feed/FeedState.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString ColorText(qint32 color)
{
    // CSS order: red, green, blue.
    return QStringLiteral("#%1%2%3")
        .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

qint32 ColorFromText(const QString& text)
{
    bool ok = false;
    const uint rgb = text.mid(1).toUInt(&ok, 16);
    if (!ok || text.size() != 7)
        return 0;
    return static_cast<qint32>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

} // namespace

bool FeedState::SameBoard(const FeedState& other) const
{
    return sale == other.sale && lotNumber == other.lotNumber && amount == other.amount && currency == other.currency &&
           grouping == other.grouping && note == other.note && stamp == other.stamp && price == other.price &&
           results == other.results && formBack == other.formBack && ledBack == other.ledBack && text == other.text &&
           ledLot == other.ledLot && ledAmount == other.ledAmount && ledType == other.ledType &&
           conversions == other.conversions && guidance == other.guidance;
}

QByteArray FeedState::ToJson(const char* type) const
{
    QJsonArray last;
    for (const FeedResult& result : results)
        last.append(QJsonObject{{QStringLiteral("lot"), result.lotNumber},
                                {QStringLiteral("note"), result.note},
                                {QStringLiteral("stamp"), result.stamp},
                                {QStringLiteral("price"), result.price}});
    const QJsonObject look{{QStringLiteral("formBack"), ColorText(formBack)},
                           {QStringLiteral("ledBack"), ColorText(ledBack)},
                           {QStringLiteral("text"), ColorText(text)},
                           {QStringLiteral("ledLot"), ColorText(ledLot)},
                           {QStringLiteral("ledAmount"), ColorText(ledAmount)},
                           {QStringLiteral("digits"), ledType == 1 ? QStringLiteral("dots") : QStringLiteral("lines")}};
    QJsonObject message{{QStringLiteral("type"), QString::fromLatin1(type)},
                        {QStringLiteral("seq"), sequence},
                        {QStringLiteral("sale"), sale},
                        {QStringLiteral("lot"), lotNumber},
                        {QStringLiteral("amount"), amount},
                        {QStringLiteral("currency"), currency},
                        {QStringLiteral("grouping"), grouping},
                        {QStringLiteral("note"), note},
                        {QStringLiteral("stamp"), stamp},
                        {QStringLiteral("price"), price},
                        {QStringLiteral("results"), last},
                        {QStringLiteral("look"), look}};
    if (!conversions.isEmpty()) {
        message.insert(QStringLiteral("conversions"), QJsonArray::fromStringList(conversions));
        message.insert(QStringLiteral("guidance"), guidance);
    }
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

bool FeedState::FromJson(const QByteArray& json, FeedState* state, QString* type)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject message = document.object();
    if (!message.value(QStringLiteral("seq")).isDouble())
        return false;
    FeedState read;
    read.sequence = message.value(QStringLiteral("seq")).toInteger();
    read.sale = message.value(QStringLiteral("sale")).toString();
    read.lotNumber = message.value(QStringLiteral("lot")).toInt();
    read.amount = message.value(QStringLiteral("amount")).toInt();
    read.currency = message.value(QStringLiteral("currency")).toString();
    read.grouping = message.value(QStringLiteral("grouping")).toString();
    read.note = message.value(QStringLiteral("note")).toString();
    read.stamp = message.value(QStringLiteral("stamp")).toString();
    read.price = message.value(QStringLiteral("price")).toInt();
    const QJsonArray last = message.value(QStringLiteral("results")).toArray();
    for (const QJsonValue& value : last) {
        const QJsonObject result = value.toObject();
        read.results.append(
            {result.value(QStringLiteral("lot")).toInt(), result.value(QStringLiteral("note")).toString(),
             result.value(QStringLiteral("stamp")).toString(), result.value(QStringLiteral("price")).toInt()});
    }
    for (const QJsonValue& value : message.value(QStringLiteral("conversions")).toArray())
        read.conversions.append(value.toString());
    read.guidance = message.value(QStringLiteral("guidance")).toString();
    const QJsonObject look = message.value(QStringLiteral("look")).toObject();
    read.formBack = ColorFromText(look.value(QStringLiteral("formBack")).toString());
    read.ledBack = ColorFromText(look.value(QStringLiteral("ledBack")).toString());
    read.text = ColorFromText(look.value(QStringLiteral("text")).toString());
    read.ledLot = ColorFromText(look.value(QStringLiteral("ledLot")).toString());
    read.ledAmount = ColorFromText(look.value(QStringLiteral("ledAmount")).toString());
    read.ledType = look.value(QStringLiteral("digits")).toString() == QStringLiteral("dots") ? 1 : 0;
    *state = read;
    if (type)
        *type = message.value(QStringLiteral("type")).toString();
    return true;
}
