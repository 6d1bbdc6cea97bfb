#include "CardPainter.h"

#include "catalogue/Columns.h"
#include "catalogue/Rules.h"
#include "platform/system/Files.h"
#include "CreatureFigure.h"
#include "Emblems.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QtMath>

namespace column = catalogue::column;

using catalogue_writer::CardRow;

namespace zentgen {

namespace {

const QColor ink(38, 30, 26);
const QColor gold(222, 186, 84);

// A hash that is the same in every run, so a card is always drawn the same way.
quint32 stableHash(const QString &text)
{
    quint32 hash = 2166136261u;
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * 16777619u;
    return hash;
}

QFont font(const QString &family, qreal pixels, bool bold = false, bool italic = false)
{
    QFont result(family);
    result.setPixelSize(qMax(1, qRound(pixels)));
    result.setBold(bold);
    result.setItalic(italic);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

QFont serif(qreal pixels) { return font("DejaVu Serif", pixels, true); }
QFont sans(qreal pixels, bool bold = false, bool italic = false) { return font("DejaVu Sans", pixels, bold, italic); }

// Draws text in rect with the largest font size from the given one down that lets it fit;
// text too long even at the smallest size is cut at the rect's edge.
void drawFitted(QPainter &painter, const QRectF &rect, int flags, const QString &text, QFont face)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    for (int pixels = face.pixelSize(); pixels > 6; --pixels) {
        face.setPixelSize(pixels);
        painter.setFont(face);
        const QRectF needed = painter.boundingRect(rect, flags, text);
        if (needed.width() <= rect.width() + 0.5 && needed.height() <= rect.height() + 0.5)
            break;
    }
    painter.drawText(rect, flags, text);
    painter.restore();
}

// The energy types of a cost written as "2 Fire, 1 Colorless"; other words draw nothing.
QStringList energies(const QString &cost)
{
    QStringList result;
    for (const QString &part : cost.split(',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(' ');
        const int count = words.size() == 2 ? qBound(0, words[0].toInt(), 9) : 1;
        if (isEnergyType(words.last()))
            result << QStringList(count, words.last());
    }
    return result;
}

void drawTokens(QPainter &painter, QPointF at, qreal size, const QStringList &types)
{
    for (const QString &type : types) {
        drawEnergyToken(painter, QRectF(at, QSizeF(size, size)), type);
        at.rx() += size + 1.5;
    }
}

void drawFrame(QPainter &painter, const TypeColours &colours)
{
    const QRectF card(0.5, 0.5, pictureWidth - 1, pictureHeight - 1);
    QLinearGradient frame(card.topLeft(), card.bottomRight());
    frame.setColorAt(0, colours.light.lighter(110));
    frame.setColorAt(0.5, colours.light);
    frame.setColorAt(1, colours.dark);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(frame);
    painter.drawRoundedRect(card, 12, 12);

    const QRectF panel = card.adjusted(8, 8, -8, -8);
    QLinearGradient paper(panel.topLeft(), panel.bottomLeft());
    paper.setColorAt(0, QColor(255, 253, 246));
    paper.setColorAt(1, QColor(247, 242, 230));
    painter.setPen(QPen(colours.dark, 1));
    painter.setBrush(paper);
    painter.drawRoundedRect(panel, 7, 7);
    // A wash of the type's colour over the paper.
    QColor wash = colours.light;
    wash.setAlpha(90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(wash);
    painter.drawRoundedRect(panel, 7, 7);
}

// The picture window: a glowing background with rays and sparks that differ from card to
// card, then the window's content (drawn by the caller inside the clip), then a gilt border.
template <typename Content>
void drawArt(QPainter &painter, const QRectF &window, const TypeColours &colours, quint32 hash, Content content)
{
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(window, 4, 4);
    painter.setClipPath(clip);

    const QPointF centre = window.center() + QPointF(int(hash % 31) - 15, int(hash / 31 % 15) - 7);
    QRadialGradient glow(centre, window.width() * 0.75);
    glow.setColorAt(0, colours.light.lighter(150));
    glow.setColorAt(0.45, colours.light);
    glow.setColorAt(1, colours.dark);
    painter.fillRect(window, glow);

    const int rays = 10 + int(hash % 7);
    const qreal turn = hash % 360;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 34));
    for (int i = 0; i < rays; ++i) {
        const qreal a = qDegreesToRadians(turn + i * 360.0 / rays);
        const qreal b = a + qDegreesToRadians(180.0 / rays);
        painter.drawPolygon(QPolygonF({centre, centre + 300 * QPointF(qCos(a), qSin(a)),
                                       centre + 300 * QPointF(qCos(b), qSin(b))}));
    }
    quint32 seed = hash;
    for (int i = 0; i < 9; ++i) {
        seed = seed * 1103515245u + 12345u;
        const QPointF spot(window.left() + (seed >> 8) % int(window.width()),
                           window.top() + (seed >> 16) % int(window.height()));
        const qreal radius = 1.5 + (seed >> 4) % 4;
        painter.setBrush(QColor(255, 255, 255, 90 + int(seed % 100)));
        painter.drawEllipse(spot, radius, radius);
    }
    content(centre);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 3));
    painter.drawRoundedRect(window, 4, 4);
    painter.setPen(QPen(ink, 1));
    painter.drawRoundedRect(window.adjusted(-1.5, -1.5, 1.5, 1.5), 5, 5);
}

// The emblem in the middle of the window, with a soft shadow.
void drawCentredEmblem(QPainter &painter, const QPointF &centre, qreal side, const QString &look, const QColor &fill)
{
    const QRectF box(centre.x() - side / 2, centre.y() - side / 2, side, side);
    drawEmblem(painter, box.translated(3, 4), look, QColor(0, 0, 0, 60), Qt::transparent);
    drawEmblem(painter, box, look, fill, typeColours(look).dark);
}

// A card at no stage of a line gets no stage label.
QString stageText(const CardRow &row)
{
    const QString level = row.value(column::groupLevel);
    if (catalogue::isBasic(level))
        return "BASIC";
    const int stage = catalogue::stageOf(level);
    return stage > 1 ? QString("STAGE %1").arg(stage - 1) : QString();
}

void drawCreatureHeader(QPainter &painter, const CardRow &row)
{
    painter.setPen(ink);
    painter.setFont(sans(7, true));
    painter.drawText(QRectF(16, 11, 100, 10), Qt::AlignLeft | Qt::AlignVCenter, stageText(row));

    const QString type = row.value(column::category);
    drawEnergyToken(painter, QRectF(206, 18, 18, 18), type);
    painter.setPen(QColor(170, 30, 20));
    painter.setFont(sans(16, true));
    painter.drawText(QRectF(140, 16, 52, 22), Qt::AlignRight | Qt::AlignVCenter, row.value(column::hitPoints));
    painter.setFont(sans(7, true));
    painter.drawText(QRectF(192, 16, 14, 22), Qt::AlignCenter, "HP");

    painter.setPen(ink);
    drawFitted(painter, QRectF(16, 19, 132, 22), Qt::AlignLeft | Qt::AlignVCenter, row.value(column::name), serif(15));
}

void drawRibbon(QPainter &painter, const QRectF &band, const TypeColours &colours, const QString &text)
{
    QLinearGradient fill(band.topLeft(), band.bottomLeft());
    fill.setColorAt(0, gold.lighter(125));
    fill.setColorAt(1, gold);
    painter.setBrush(fill);
    painter.setPen(QPen(colours.dark, 0.8));
    painter.drawRoundedRect(band, 3, 3);
    painter.setPen(ink);
    drawFitted(painter, band.adjusted(4, 0, -4, 0), Qt::AlignCenter, text, sans(8, false, true));
}

// One attack between top and bottom: its cost tokens, name, damage and effect text.
void drawAttack(QPainter &painter, qreal top, qreal bottom, const QString &name, const QString &cost,
                const QString &damage, const QString &effect)
{
    const QStringList tokens = energies(cost);
    const qreal tokenSize = tokens.size() > 3 ? 10 : 12;
    drawTokens(painter, QPointF(16, top + 2), tokenSize, tokens);
    const qreal nameLeft = 16 + qMax<qreal>(3, tokens.size()) * (tokenSize + 1.5) + 4;
    painter.setPen(ink);
    drawFitted(painter, QRectF(nameLeft, top, 184 - nameLeft, 16), Qt::AlignLeft | Qt::AlignVCenter, name, sans(11.5, true));
    painter.setFont(sans(15, true));
    painter.drawText(QRectF(184, top - 1, 40, 18), Qt::AlignRight | Qt::AlignVCenter, damage);
    painter.setPen(QColor(70, 60, 52));
    drawFitted(painter, QRectF(16, top + 16, 208, bottom - top - 16), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               effect, sans(8));
}

// A footer cell: its small label on top; returns the room left below it for the value.
QRectF drawFooterLabel(QPainter &painter, const QRectF &cell, const QString &label)
{
    painter.setPen(ink);
    painter.setFont(sans(6.5, true));
    painter.drawText(QRectF(cell.left(), cell.top(), cell.width(), 9), Qt::AlignCenter, label);
    return QRectF(cell.left(), cell.top() + 10, cell.width(), 14);
}

// A weakness or resistance such as "Water x2": the type's token, then the rest of the text.
void drawTypedValue(QPainter &painter, const QRectF &cell, const QString &label, const QString &value)
{
    const QRectF body = drawFooterLabel(painter, cell, label);
    const QString type = value.section(' ', 0, 0);
    if (isEnergyType(type)) {
        drawEnergyToken(painter, QRectF(body.left() + 8, body.top() + 1, 12, 12), type);
        painter.setFont(sans(9, true));
        painter.drawText(body.adjusted(22, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, value.section(' ', 1));
    } else {
        painter.setFont(sans(8));
        painter.drawText(body, Qt::AlignCenter, value);
    }
}

void drawRetreatCost(QPainter &painter, const QRectF &cell, const QString &value)
{
    const QRectF body = drawFooterLabel(painter, cell, "retreat cost");
    const int count = qBound(0, value.toInt(), 5);
    const qreal width = count * 12.5;
    drawTokens(painter, QPointF(body.center().x() - width / 2, body.top() + 1), 11, QStringList(count, "Colorless"));
}

void drawCreature(QPainter &painter, const CardRow &row)
{
    const QString type = row.value(column::category);
    const TypeColours colours = typeColours(type);
    drawFrame(painter, colours);
    drawCreatureHeader(painter, row);

    // A card with a power gives up some picture height for the power's text.
    const QString power = row.value(column::power);
    const qreal artHeight = power.isEmpty() ? 122 : 88;
    const QRectF window(18, 44, 204, artHeight);
    const quint32 hash = stableHash(row.value(column::name));
    drawArt(painter, window, colours, hash, [&](const QPointF &centre) {
        drawCentredEmblem(painter, centre, artHeight * 0.8, type, QColor(255, 255, 255, 70));
        drawCreatureFigure(painter, window.adjusted(20, 6, -20, -4), type, hash, catalogue::stageOf(row.value(column::groupLevel)));
    });

    QString ribbon = "Level " + row.value(column::level);
    if (!row.value(column::evolution).isEmpty())
        ribbon += QString::fromUtf8("  \u00b7  ") + row.value(column::evolution);
    qreal top = window.bottom() + 4;
    drawRibbon(painter, QRectF(34, top, 172, 13), colours, ribbon);
    top += 18;

    if (!power.isEmpty()) {
        painter.setPen(QColor(160, 32, 24));
        drawFitted(painter, QRectF(16, top, 208, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, power,
                   sans(8, true, true));
        top += 40;
    }
    // The second attack's effect may run on down to the footer.
    drawAttack(painter, top, top + 40, row.value(column::attack1), row.value(column::attack1Cost),
               row.value(column::attack1Damage), row.value(column::attack1Effects));
    drawAttack(painter, top + 40, 282, row.value(column::attack2), row.value(column::attack2Cost),
               row.value(column::attack2Damage), row.value(column::attack2Effects));

    painter.setPen(QPen(colours.dark, 1));
    painter.drawLine(QPointF(16, 284), QPointF(224, 284));
    drawTypedValue(painter, QRectF(14, 288, 70, 26), "weakness", row.value(column::weakness));
    drawTypedValue(painter, QRectF(85, 288, 70, 26), "resistance", row.value(column::resistance));
    drawRetreatCost(painter, QRectF(156, 288, 70, 26), row.value(column::retreatCost));
}

// Trainers come in three kinds, told apart by the first word of their card text.
QString trainerLook(const CardRow &row)
{
    const QString notes = row.value(column::notes);
    if (notes.startsWith("Realm"))
        return "Realm";
    if (notes.startsWith("Companion"))
        return "Companion";
    return "Trainer";
}

void drawTrainer(QPainter &painter, const CardRow &row)
{
    const QString look = trainerLook(row);
    const TypeColours colours = typeColours(look);
    drawFrame(painter, colours);

    const QString label = look == "Trainer" ? "TRAINER" : "TRAINER \u00b7 " + look.toUpper();
    painter.setFont(sans(8, true));
    const QRectF pill(16, 13, painter.fontMetrics().horizontalAdvance(label) + 16, 13);
    painter.setBrush(colours.dark);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(pill, 6, 6);
    painter.setPen(Qt::white);
    painter.drawText(pill, Qt::AlignCenter, label);

    painter.setPen(ink);
    drawFitted(painter, QRectF(16, 27, 208, 22), Qt::AlignCenter, row.value(column::trainers), serif(16));
    const QRectF window(18, 52, 204, 114);
    drawArt(painter, window, colours, stableHash(row.value(column::trainers)), [&](const QPointF &centre) {
        drawCentredEmblem(painter, centre, window.height() * 0.72, look, QColor(255, 255, 255, 235));
    });

    const QRectF textBox(18, 176, 204, 132);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.setPen(QPen(colours.dark, 1));
    painter.drawRoundedRect(textBox, 6, 6);
    painter.setPen(ink);
    drawFitted(painter, textBox.adjusted(8, 7, -8, -7), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               row.value(column::notes), sans(10.5));
}

} // namespace

QImage paintCard(const CardRow &row)
{
    QImage image(pictureWidth, pictureHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    if (catalogue::isNoName(row.value(column::name)))
        drawTrainer(painter, row);
    else
        drawCreature(painter, row);
    painter.end();
    return image;
}

bool PicturePainter::paint(const CardRow &row, QString *error)
{
    const QString relative = row.value(column::image);
    if (relative.isEmpty() || drawn.contains(relative))
        return true;
    drawn.insert(relative);
    const QString path = sys::localPathIn(root, relative);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !paintCard(row).save(path, "PNG")) {
        *error = "cannot write the picture " + path;
        return false;
    }
    return true;
}

} // namespace zentgen
