#include "platform/ui/ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <array>
#include <utility>

namespace ui {

// Each picture is drawn on a 16 x 16 grid in the plain colours of a classic desktop toolbar;
// the painter scales the grid to the size asked for.
namespace {

const QColor outline(0, 0, 0);
const QColor darkGrey(128, 128, 128);
const QColor lightGrey(192, 192, 192);
const QColor folderYellow(255, 255, 0);
const QColor folderShade(128, 128, 0);
const QColor navy(0, 0, 128);
const QColor teal(0, 128, 128);

void drawOpen(QPainter &p)
{
    // An open folder: the back with its tab, and the front flap tilted towards the viewer.
    p.setPen(outline);
    p.setBrush(folderShade);
    p.drawPolygon(QPolygonF({{1.5, 2.5}, {5.5, 2.5}, {6.5, 4}, {12.5, 4}, {12.5, 13}, {1.5, 13}}));
    p.setBrush(folderYellow);
    p.drawPolygon(QPolygonF({{1, 13}, {4, 7}, {15, 7}, {12, 13}}));
}

void drawSave(QPainter &p)
{
    // A diskette: dark body, white label, metal shutter.
    p.setPen(outline);
    p.setBrush(teal);
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {14.5, 1.5}, {14.5, 14.5}, {3, 14.5}, {1.5, 13}}));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 1.5, 9, 6));
    p.setBrush(lightGrey);
    p.drawRect(QRectF(4.5, 10, 7, 4.5));
    p.fillRect(QRectF(9.5, 11, 1.5, 2.5), outline);
}

void drawPrint(QPainter &p)
{
    // A printer: the sheet going in at the top, the body, the printed sheet coming out.
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(lightGrey);
    p.drawPolygon(QPolygonF({{1.5, 6.5}, {14.5, 6.5}, {14.5, 11.5}, {1.5, 11.5}}));
    p.fillRect(QRectF(2.5, 9.5, 11, 1), darkGrey);
    p.fillRect(QRectF(12, 7.5, 1.5, 1), QColor(0, 255, 0));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{3.5, 11.5}, {12.5, 11.5}, {13.5, 14.5}, {2.5, 14.5}}));
}

void drawQuestionMark(QPainter &p, const QRectF &box, const QColor &colour)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(int(box.height()));
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

void drawHelp(QPainter &p)
{
    // A closed help book with a question mark on its cover.
    p.setPen(outline);
    p.setBrush(navy);
    p.drawRect(QRectF(3.5, 1.5, 10, 13));
    p.fillRect(QRectF(2.5, 2, 1.5, 12.5), lightGrey);
    drawQuestionMark(p, QRectF(4, 2, 9.5, 12), folderYellow);
}

void drawArrow(QPainter &p)
{
    // The mouse pointer.
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {3.5, 13.5}, {6.5, 10.5}, {8.5, 15}, {10.5, 14},
                             {8.5, 9.5}, {12.5, 9.5}}));
}

void drawHelpQ(QPainter &p)
{
    // The pointer with a question mark beside it: "what is this?".
    p.save();
    p.translate(-2.5, 0);
    p.scale(0.85, 0.85);
    drawArrow(p);
    p.restore();
    drawQuestionMark(p, QRectF(7, 1, 9, 13), outline);
}

void drawFind(QPainter &p)
{
    // A magnifying glass.
    p.setPen(QPen(outline, 1));
    p.setBrush(QColor(224, 255, 255));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(outline, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
}

void drawLetter(QPainter &p, const QString &letter, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(14);
    font.setBold(bold);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(outline);
    p.drawText(QRectF(0, -1, 16, 15), Qt::AlignCenter, letter);
    if (underline)
        p.fillRect(QRectF(3, 14, 10, 1), outline);
}

void drawBold(QPainter &p) { drawLetter(p, QStringLiteral("B"), true, false, false); }
void drawItalic(QPainter &p) { drawLetter(p, QStringLiteral("I"), true, true, false); }
void drawUnderline(QPainter &p) { drawLetter(p, QStringLiteral("U"), true, false, true); }

// Lines of text set to one side or centred: full lines alternating with shorter ones.
void drawAlignment(QPainter &p, Qt::Alignment side)
{
    for (int line = 0; line < 6; ++line) {
        const double width = line % 2 == 0 ? 12 : 8;
        double left = 2;
        if (side == Qt::AlignHCenter)
            left = 2 + (12 - width) / 2;
        else if (side == Qt::AlignRight)
            left = 14 - width;
        p.fillRect(QRectF(left, 2 + line * 2, width, 1), outline);
    }
}

void drawLeft(QPainter &p) { drawAlignment(p, Qt::AlignLeft); }
void drawCenter(QPainter &p) { drawAlignment(p, Qt::AlignHCenter); }
void drawRight(QPainter &p) { drawAlignment(p, Qt::AlignRight); }

void drawUp(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawPolygon(QPolygonF({{8, 4}, {14, 11}, {2, 11}}));
}

void drawDown(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawPolygon(QPolygonF({{2, 5}, {14, 5}, {8, 12}}));
}

using Drawing = void (*)(QPainter &);

const std::array<std::pair<const char *, Drawing>, 15> drawings = {{
    {"Open", drawOpen},     {"Help", drawHelp},     {"Arrow", drawArrow},
    {"Find", drawFind},     {"Print", drawPrint},   {"HelpQ", drawHelpQ},
    {"Save", drawSave},     {"Bold", drawBold},     {"Italic", drawItalic},
    {"Underline", drawUnderline}, {"Left", drawLeft}, {"Center", drawCenter},
    {"Right", drawRight},   {"Up", drawUp},         {"Down", drawDown},
}};

// The picture of the key at that size; null for an unknown key.
QPixmap drawPicture(const QString &key, int size)
{
    // Every window that opens draws its toolbar again: a picture is drawn once and kept.
    const QString cacheKey = QStringLiteral("zent-imagelist-%1-%2").arg(key).arg(size);
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;
    for (const auto &[name, drawing] : drawings) {
        if (key != QLatin1String(name))
            continue;
        pixmap = QPixmap(size, size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.scale(size / 16.0, size / 16.0);
            drawing(painter);
        }
        QPixmapCache::insert(cacheKey, pixmap);
        return pixmap;
    }
    return {};
}

} // namespace

ImageList::ImageList(const QStringList &keys)
    : held(keys)
{
}

QIcon ImageList::icon(const QString &key) const
{
    if (!held.contains(key))
        return {};
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(drawPicture(key, size));
    return icon;
}

} // namespace ui
