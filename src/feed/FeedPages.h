#pragma once

#include <QByteArray>
#include <QHash>

// The feed's pages, put together once from the program's resources: each a single HTML answer
// with its style and script inside, the texts in the operator's language, and a
// Content-Security-Policy that admits exactly that style and that script.
class FeedPages
{
public:
    struct Page
    {
        QByteArray html;
        QByteArray contentSecurityPolicy;
    };

    // Builds "/", "/board" and "/overlay"; texts through the installed translations.
    static FeedPages Build();

    // The page at a path, or null.
    const Page* Find(QByteArrayView path) const;

    // For answers that are not pages: nothing may load or run.
    static QByteArray StrictPolicy() { return "default-src 'none'; frame-ancestors 'none'"; }

private:
    QHash<QByteArray, Page> m_pages;
};
