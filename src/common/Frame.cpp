#include "common/Frame.h"

#include "common/Twips.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

#include <algorithm>

namespace {

// Caption placement, in twips from the frame's left edge: the break in the border line
// starts at CaptionIndent, and the text stands CaptionPadding inside the break.
constexpr int CaptionIndent = 90;
constexpr int CaptionPadding = 30;
// The etched border: a shadow line with a light line inside it.
constexpr int BorderWidth = 2;

// The group box geometry and drawing of the frame, over whatever style the application
// uses for everything else. QGroupBox takes its contents margins from the style, so the
// frame's contents rectangle and what is drawn come from the same place.
class FrameStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    static QRect CaptionRect(const QStyleOptionGroupBox& option, const QWidget* widget)
    {
        if (option.text.isEmpty())
            return {};
        const int indent = Twips::ToPixels(CaptionIndent, widget);
        const int padding = Twips::ToPixels(CaptionPadding, widget);
        const QSize text = option.fontMetrics.size(Qt::TextShowMnemonic, option.text);
        const int room = std::max(0, option.rect.width() - 2 * indent);
        return QRect(option.rect.left() + indent, option.rect.top(), std::min(text.width() + 2 * padding, room),
                     text.height());
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box)
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const QRect caption = CaptionRect(*box, widget);
        const QRect frame = box->rect.adjusted(0, caption.height() / 2, 0, 0);
        switch (sub) {
        case SC_GroupBoxFrame:
            return frame;
        case SC_GroupBoxLabel:
            return caption;
        case SC_GroupBoxContents: {
            QRect contents = frame.adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
            contents.setTop(std::max(contents.top(), caption.bottom() + 1));
            return contents;
        }
        default:
            return {};
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->save();
        // The border breaks where the caption stands.
        painter->setClipRegion(QRegion(box->rect).subtracted(caption));
        qDrawShadeRect(painter, subControlRect(control, option, SC_GroupBoxFrame, widget), box->palette, true, 1, 0);
        painter->restore();
        if (caption.isEmpty())
            return;
        const int padding = Twips::ToPixels(CaptionPadding, widget);
        int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
        if (!proxy()->styleHint(SH_UnderlineShortcut, option, widget))
            flags |= Qt::TextHideMnemonic;
        else
            flags |= Qt::TextShowMnemonic;
        painter->save();
        painter->setClipRect(caption);
        proxy()->drawItemText(painter, caption.adjusted(padding, 0, 0, 0), flags, box->palette,
                              box->state & State_Enabled, box->text, QPalette::WindowText);
        painter->restore();
    }
};

// One style for every frame, on the application's own style, gone with the application: once
// made, it is one of the application's children.
QStyle* frameStyle()
{
    const QString name = QStringLiteral("gavelorFrameStyle");
    if (auto* style = qApp->findChild<QStyle*>(name, Qt::FindDirectChildrenOnly))
        return style;
    auto* style = new FrameStyle(QApplication::style()->name());
    style->setObjectName(name);
    style->setParent(qApp);
    return style;
}

} // namespace

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent)
{
    setStyle(frameStyle());
}
