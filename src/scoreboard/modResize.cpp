#include "scoreboard/modResize.h"

#include "common/DesignLayout.h"
#include "common/Twips.h"
#include "scoreboard/LedDisplay.h"
#include "scoreboard/PictureBox.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>
#include <initializer_list>

namespace {

enum Field : unsigned
{
    Height = 1u << 0,
    Width = 1u << 1,
    FontSize = 1u << 2,
    Size = 1u << 3,
    PaddingI = 1u << 4,
    PaddingH = 1u << 5,
    PaddingV = 1u << 6,
};

// What is recorded for each type of control the windows hold, besides Left and Top. LED
// displays size themselves from Size and their paddings, so their width and height are never set.
struct RecordedFields
{
    const char* typeName;
    unsigned fields;
};

constexpr RecordedFields RecordedByType[] = {
    {"PolyLED", Size},
    {"NumberLED", Size | PaddingH | PaddingV | PaddingI},
    {"PictureBox", Height | Width},
    {"Label", Height | Width | FontSize},
    {"TextBox", Height | Width | FontSize},
};

const RecordedFields* FieldsFor(const QString& typeName)
{
    for (const RecordedFields& row : RecordedByType) {
        if (typeName == QLatin1String(row.typeName))
            return &row;
    }
    return nullptr;
}

// Each recorded field with its property name and its place in an entry.
struct FieldSlot
{
    Field field;
    const char* property;
    int modResize::DesignEntry::*slot;
};

// In the order the rescale sets them.
constexpr FieldSlot Slots[] = {
    {Width, "Width", &modResize::DesignEntry::Width},
    {Height, "Height", &modResize::DesignEntry::Height},
    {FontSize, "FontSize", &modResize::DesignEntry::FontSize},
    {Size, "Size", &modResize::DesignEntry::Size},
    {PaddingH, "PaddingH", &modResize::DesignEntry::PaddingH},
    {PaddingV, "PaddingV", &modResize::DesignEntry::PaddingV},
    {PaddingI, "PaddingI", &modResize::DesignEntry::PaddingI},
};

double ReadTwips(const QWidget* control, const char* property, int pixels)
{
    const QVariant value = control->property(property);
    return value.isValid() ? value.toDouble() : Twips::FromPixels(pixels, control);
}

double ReadProperty(const QWidget* control, const char* property)
{
    const QByteArray name(property);
    if (name == "Width")
        return ReadTwips(control, property, control->width());
    if (name == "Height")
        return ReadTwips(control, property, control->height());
    if (name == "FontSize") {
        const QVariant value = control->property(property);
        return value.isValid() ? value.toDouble() : control->font().pointSizeF();
    }
    return control->property(property).toDouble();
}

void ApplyFontSize(QWidget* control, double points)
{
    QFont font = control->font();
    if (font.pointSizeF() == points)
        return;
    font.setPointSizeF(points);
    control->setFont(font);
}

void WriteProperty(QWidget* control, const char* property, double value)
{
    control->setProperty(property, value);
    if (qstrcmp(property, "FontSize") == 0)
        ApplyFontSize(control, value);
}

// Moves the control to its "Left" and "Top" and, when it has them, sizes it to its
// "Width" and "Height". Edges are rounded rather than sizes, so that neighbours meet.
void ApplyPixelGeometry(QWidget* control, bool sized, double dpi)
{
    const QRectF twips(control->property("Left").toDouble(), control->property("Top").toDouble(),
                       sized ? control->property("Width").toDouble() : 0.0,
                       sized ? control->property("Height").toDouble() : 0.0);
    const QRect pixels = DesignLayout::EdgesToPixels(twips, dpi);
    if (sized)
        control->setGeometry(pixels);
    else
        control->move(pixels.topLeft());
}

} // namespace

int modResize::ToWhole(double x)
{
    return DesignLayout::ToWhole(x);
}

modResize::Scale modResize::ComputeScale(double clientWidth, double clientHeight, int designWidth, int designHeight)
{
    Scale scale;
    if (designWidth <= 0 || designHeight <= 0)
        return scale;
    // Compared in single precision, so that a window of exactly the design proportions
    // counts as a tie.
    const float ry = static_cast<float>(clientHeight) / static_cast<float>(designHeight);
    const float rx = static_cast<float>(clientWidth) / static_cast<float>(designWidth);
    if (rx >= ry) {
        scale.factor = clientHeight / designHeight;
        scale.offsetX = DesignLayout::Centred(clientWidth, designWidth * scale.factor);
    } else {
        scale.factor = clientWidth / designWidth;
        scale.offsetY = DesignLayout::Centred(clientHeight, designHeight * scale.factor);
    }
    return scale;
}

QString modResize::TypeName(const QWidget* control)
{
    if (qobject_cast<const QLabel*>(control))
        return QStringLiteral("Label");
    if (qobject_cast<const QPlainTextEdit*>(control) || qobject_cast<const QTextEdit*>(control) ||
        qobject_cast<const QLineEdit*>(control))
        return QStringLiteral("TextBox");
    if (const std::optional<LedType> led = LedTypeOf(control))
        return LedTypeName(*led);
    if (qobject_cast<const PictureBox*>(control))
        return QStringLiteral("PictureBox");
    return QString::fromLatin1(control->metaObject()->className());
}

void modResize::SetDesignGeometry(QWidget* control, int left, int top, int width, int height)
{
    control->setProperty("Left", left);
    control->setProperty("Top", top);
    const bool sized = width > 0 && height > 0;
    if (sized) {
        control->setProperty("Width", width);
        control->setProperty("Height", height);
    }
    ApplyPixelGeometry(control, sized, Twips::LogicalDpi(control));
}

void modResize::SetFontSize(QWidget* control, double points)
{
    WriteProperty(control, "FontSize", points);
}

QSizeF modResize::ClientSizeTwips(const QWidget* window)
{
    return {ReadTwips(window, "ScaleWidth", window->width()), ReadTwips(window, "ScaleHeight", window->height())};
}

void modResize::CaptureDesignLayout(QWidget* window)
{
    m_entries.clear();
    if (!window)
        return;
    const QSizeF client = ClientSizeTwips(window);
    m_designScaleWidth = ToWhole(client.width());
    m_designScaleHeight = ToWhole(client.height());

    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    m_entries.reserve(static_cast<size_t>(controls.size()));
    for (QWidget* control : controls) {
        const RecordedFields* recorded = FieldsFor(TypeName(control));
        if (!recorded)
            continue;
        DesignEntry entry;
        entry.control = control;
        for (const FieldSlot& slot : Slots) {
            if (!(recorded->fields & slot.field))
                continue;
            entry.*slot.slot = ToWhole(ReadProperty(control, slot.property));
        }
        entry.Left = ToWhole(ReadTwips(control, "Left", control->x()));
        entry.Top = ToWhole(ReadTwips(control, "Top", control->y()));
        m_entries.push_back(entry);
    }
}

void modResize::StretchToWindow(QWidget* window)
{
    if (!window || window->isMinimized())
        return;
    const double dpi = Twips::LogicalDpi(window);
    const double clientWidth = Twips::FromPixels(window->width(), dpi);
    const double clientHeight = Twips::FromPixels(window->height(), dpi);
    window->setProperty("ScaleWidth", clientWidth);
    window->setProperty("ScaleHeight", clientHeight);
    if (m_entries.empty())
        return;

    const Scale scale = ComputeScale(clientWidth, clientHeight, m_designScaleWidth, m_designScaleHeight);

    // Painting is suspended rather than the window hidden: hiding and showing a window
    // makes it flicker and can move it on some window managers.
    const bool updatesWereEnabled = window->updatesEnabled();
    window->setUpdatesEnabled(false);
    for (const DesignEntry& entry : m_entries) {
        QWidget* control = entry.control;
        if (!control)
            continue;
        const bool onWindow = control->parentWidget() == window;
        control->setProperty("Left", entry.Left * scale.factor + (onWindow ? scale.offsetX : 0));
        control->setProperty("Top", entry.Top * scale.factor + (onWindow ? scale.offsetY : 0));
        for (const FieldSlot& slot : Slots) {
            const int recorded = entry.*slot.slot;
            if (recorded == 0)
                continue;
            WriteProperty(control, slot.property, AtLeastOne(recorded * scale.factor));
        }
        ApplyPixelGeometry(control, entry.Width != 0 && entry.Height != 0, dpi);
    }
    // Turning updates back on repaints the whole window once.
    window->setUpdatesEnabled(updatesWereEnabled);
}
