#include "StyleIcons.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>

// Outside any namespace, as Q_INIT_RESOURCE requires: the resources of a static library are
// linked only when something refers to them.
static void initPlatformResources()
{
    Q_INIT_RESOURCE(Platform);
}

namespace {

// Draws the glyph at whatever size the icon is asked for, so it stays sharp at every scale.
class TGlyphIconEngine final : public QIconEngine
{
public:
    TGlyphIconEngine(char16_t glyph, TAlphaColor color)
        : m_glyph(glyph)
        , m_color(color)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QColor color = ToQColor(m_color);
        if (mode == QIcon::Disabled)
            color.setAlphaF(color.alphaF() * 0.35);
        QFont font(GlyphFontFamily());
        font.setPixelSize(std::max(1, std::min(rect.width(), rect.height())));
        painter->save();
        painter->setRenderHint(QPainter::TextAntialiasing);
        painter->setFont(font);
        painter->setPen(color);
        painter->drawText(rect, Qt::AlignCenter, QString(QChar(m_glyph)));
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new TGlyphIconEngine(m_glyph, m_color); }

private:
    char16_t m_glyph;
    TAlphaColor m_color;
};

struct TStyle
{
    char16_t Glyph;
    bool Bordered;
};

const QHash<QString, TStyle> &styles()
{
    static const QHash<QString, TStyle> table {
        { QStringLiteral("toolbutton"), { 0, false } },
        { QStringLiteral("addtoolbutton"), { TGlyph::Add, false } },
        { QStringLiteral("additembutton"), { TGlyph::AddBox, false } },
        { QStringLiteral("stoptoolbutton"), { TGlyph::Close, false } },
        { QStringLiteral("stoptoolbuttonbordered"), { TGlyph::Close, true } },
        { QStringLiteral("composetoolbutton"), { TGlyph::Edit, false } },
        { QStringLiteral("trashtoolbutton"), { TGlyph::Delete, false } },
        { QStringLiteral("searchtoolbutton"), { TGlyph::Search, false } },
        { QStringLiteral("refreshtoolbutton"), { TGlyph::Refresh, false } },
        { QStringLiteral("refreshtoolbuttonbordered"), { TGlyph::Refresh, true } },
        { QStringLiteral("arrowuptoolbutton"), { TGlyph::ExpandLess, false } },
        { QStringLiteral("arrowdowntoolbutton"), { TGlyph::ExpandMore, false } },
        { QStringLiteral("arrowdowntoolbuttonbordered"), { TGlyph::ExpandMore, true } },
        { QStringLiteral("arrowlefttoolbutton"), { TGlyph::ChevronLeft, false } },
        { QStringLiteral("arrowrighttoolbutton"), { TGlyph::ChevronRight, false } },
        { QStringLiteral("donetoolbutton"), { TGlyph::Done, false } },
        { QStringLiteral("infotoolbutton"), { TGlyph::Info, false } },
        { QStringLiteral("passwordeditbutton"), { TGlyph::Visibility, false } },
        { QStringLiteral("pagecurltoolbutton"), { TGlyph::Description, false } },
        { QStringLiteral("bookmarkstoolbutton"), { TGlyph::Bookmarks, false } },
        { QStringLiteral("replytoolbutton"), { TGlyph::Reply, false } },
        { QStringLiteral("priortoolbutton"), { TGlyph::NavigateBefore, false } },
        { QStringLiteral("nexttoolbutton"), { TGlyph::NavigateNext, false } },
        { QStringLiteral("detailstoolbutton"), { TGlyph::MoreHoriz, false } },
        { QStringLiteral("cleareditbutton"), { TGlyph::Clear, false } },
        { QStringLiteral("searcheditbutton"), { TGlyph::Search, false } },
    };
    return table;
}

} // namespace

QString GlyphFontFamily()
{
    // Registering needs the application object; without one, the next call tries again.
    static bool registered = false;
    static QString family = QStringLiteral("Material Icons");
    if (!registered && qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        registered = true;
        initPlatformResources();
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral(":/platform/resources/MaterialIcons-Regular.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            family = families.first();
    }
    return family;
}

QIcon GlyphIcon(char16_t glyph, TAlphaColor color)
{
    GlyphFontFamily();
    return QIcon(new TGlyphIconEngine(glyph, color));
}

QPixmap GlyphPixmap(char16_t glyph, int size, TAlphaColor color)
{
    return GlyphIcon(glyph, color).pixmap(QSize(size, size));
}

QIcon StyleIcon(const QString &styleName, TAlphaColor color)
{
    const auto it = styles().constFind(styleName.toLower());
    if (it == styles().cend() || it->Glyph == 0)
        return {};
    return GlyphIcon(it->Glyph, color);
}

bool IsKnownStyle(const QString &styleName)
{
    return styles().contains(styleName.toLower());
}

bool IsBorderedStyle(const QString &styleName)
{
    const auto it = styles().constFind(styleName.toLower());
    return it != styles().cend() && it->Bordered;
}
