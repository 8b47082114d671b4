#include "feed/FeedPages.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

static void LoadFeedResources()
{
    Q_INIT_RESOURCE(feed);
}

namespace {

QByteArray Resource(const QString& name)
{
    QFile file(QStringLiteral(":/feed/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray Html(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

QByteArray Hash(const QByteArray& content)
{
    return "'sha256-" + QCryptographicHash::hash(content, QCryptographicHash::Sha256).toBase64() + "'";
}

struct Texts
{
    QString title = QCoreApplication::translate("FeedPages", "Gavelor live");
    QString lot = QCoreApplication::translate("FeedPages", "Lot");
    QString bid = QCoreApplication::translate("FeedPages", "Current bid");
    QString lastResults = QCoreApplication::translate("FeedPages", "Last results");
    QString reconnecting = QCoreApplication::translate("FeedPages", "Reconnecting\u2026");
    // The board's own captions, as the scoreboard shows them.
    QString lotCaption = QCoreApplication::translate("frmScoreboard", "Lot #:");
    QString sold = QCoreApplication::translate("ResultStamp", "SOLD");
    QString passed = QCoreApplication::translate("ResultStamp", "PASSED");
};

FeedPages::Page Assemble(const QString& name, const Texts& texts)
{
    const QByteArray style = Resource(name + QStringLiteral(".css"));
    const QByteArray script = Resource(QStringLiteral("feed.js")) + '\n' + Resource(name + QStringLiteral(".js"));
    const QJsonObject forScript{{QStringLiteral("lot"), texts.lot},
                                {QStringLiteral("lotCaption"), texts.lotCaption},
                                {QStringLiteral("sold"), texts.sold},
                                {QStringLiteral("passed"), texts.passed},
                                {QStringLiteral("maker"), QString::fromLatin1(BuildInfo::MakerUrl)}};
    // Inside a script element nothing may close it early.
    const QByteArray textsJson =
        QJsonDocument(forScript).toJson(QJsonDocument::Compact).replace("<", "\\u003c").replace(">", "\\u003e");
    QByteArray html = Resource(name + QStringLiteral(".html"));
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    html.replace("{{lang}}",
                 Html(language.isEmpty() || language == QStringLiteral("C") ? QStringLiteral("en") : language))
        .replace("{{title}}", Html(texts.title))
        .replace("{{lot}}", Html(texts.lot))
        .replace("{{bid}}", Html(texts.bid))
        .replace("{{lastResults}}", Html(texts.lastResults))
        .replace("{{reconnecting}}", Html(texts.reconnecting))
        .replace("{{texts}}", textsJson)
        .replace("{{style}}", style)
        .replace("{{script}}", script);
    // Only the page's own style and script; the stream goes back to the laptop it came from.
    const QByteArray policy = "default-src 'none'; script-src " + Hash(script) + "; style-src " + Hash(style) +
                              "; connect-src 'self'; img-src 'self' data:; base-uri 'none'; form-action 'none'";
    return {html, policy};
}

} // namespace

FeedPages FeedPages::Build()
{
    LoadFeedResources();
    const Texts texts;
    FeedPages pages;
    pages.m_pages.insert("/", Assemble(QStringLiteral("phone"), texts));
    pages.m_pages.insert("/board", Assemble(QStringLiteral("board"), texts));
    pages.m_pages.insert("/overlay", Assemble(QStringLiteral("overlay"), texts));
    return pages;
}

const FeedPages::Page* FeedPages::Find(QByteArrayView path) const
{
    const auto found = m_pages.constFind(path.toByteArray());
    return found == m_pages.cend() ? nullptr : &found.value();
}
