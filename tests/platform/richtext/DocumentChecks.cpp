#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <cmath>
#include <gtest/gtest.h>

QString describe(const Look &l)
{
    return QStringLiteral("%1 %2pt%3%4%5 %6 align %7")
        .arg(l.family)
        .arg(l.size)
        .arg(l.bold ? " bold" : "", l.italic ? " italic" : "", l.underline ? " underline" : "",
             l.colour.isValid() ? l.colour.name() : QStringLiteral("auto"))
        .arg(int(l.alignment));
}

std::vector<std::pair<QChar, Look>> looks(const QTextDocument &document)
{
    std::vector<std::pair<QChar, Look>> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // Each paragraph begins with a mark that carries its alignment.
        Look mark;
        mark.alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        result.emplace_back(QChar::ParagraphSeparator, mark);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            Look look;
            look.family = font.families().value(0, font.family());
            look.size = font.pointSizeF();
            look.bold = font.bold();
            look.italic = font.italic();
            look.underline = font.underline();
            if (format.foreground().style() != Qt::NoBrush)
                look.colour = format.foreground().color();
            look.alignment = mark.alignment;
            for (const QChar c : it.fragment().text())
                result.emplace_back(c, look);
        }
    }
    return result;
}

Look lookOf(const QTextDocument &document, const QString &text)
{
    const int at = int(document.toRawText().indexOf(text));
    EXPECT_GE(at, 0) << "no \"" << text.toStdString() << '"';
    // looks() leads the first paragraph with a mark where the raw text has nothing.
    return at < 0 ? Look() : looks(document)[at + 1].second;
}

QString compareDocuments(const QTextDocument &expected, const QTextDocument &actual,
                         SizeRule sizes)
{
    if (expected.toRawText() != actual.toRawText())
        return QStringLiteral("text differs:\n[%1]\n[%2]")
            .arg(expected.toRawText(), actual.toRawText());
    auto want = looks(expected);
    const auto got = looks(actual);
    for (size_t i = 0; i < want.size(); ++i) {
        if (sizes == SizeRule::HalfPoints && want[i].second.size > 0)
            want[i].second.size = std::round(want[i].second.size * 2) / 2;
        if (want[i].second != got[i].second)
            return QStringLiteral("character %1 '%2': expected %3, got %4")
                .arg(i)
                .arg(want[i].first)
                .arg(describe(want[i].second), describe(got[i].second));
    }
    return {};
}

void readInto(const QByteArray &rtf, QTextDocument &document)
{
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    QString error;
    ASSERT_TRUE(richtext::readRtf(rtf, document, &error)) << error.toStdString();
}

QFont deckListFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    return font;
}

void fillWithEveryAttribute(QTextDocument &document)
{
    document.setDefaultFont(deckListFont());
    QTextCursor cursor(&document);
    auto paragraph = [&cursor](Qt::Alignment alignment, bool first = false) {
        QTextBlockFormat format;
        format.setAlignment(alignment);
        if (first)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
    };
    auto run = [&cursor](const QString &text, auto... settings) {
        QTextCharFormat format;
        (settings(format), ...);
        cursor.insertText(text, format);
    };
    auto bold = [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); };
    auto italic = [](QTextCharFormat &f) { f.setFontItalic(true); };
    auto underline = [](QTextCharFormat &f) { f.setFontUnderline(true); };
    auto face = [](const char *family) {
        return [family](QTextCharFormat &f) { f.setFontFamilies({QString::fromLatin1(family)}); };
    };
    auto size = [](double points) {
        return [points](QTextCharFormat &f) { f.setFontPointSize(points); };
    };
    auto colour = [](Qt::GlobalColor c) {
        return [c](QTextCharFormat &f) { f.setForeground(QColor(c)); };
    };

    paragraph(Qt::AlignLeft, true);
    run(QStringLiteral("Zentari deck list:"));
    run(QStringLiteral(" bold"), bold);
    run(QStringLiteral(" italic"), italic);
    run(QStringLiteral(" underlined"), underline);
    run(QStringLiteral(" all three"), bold, italic, underline);
    paragraph(Qt::AlignHCenter);
    run(QStringLiteral("Times 14 red, "), face("Times New Roman"), size(14), colour(Qt::red));
    run(QStringLiteral("Courier 9.5 blue italic"), face("Courier New"), size(9.5), italic,
        colour(Qt::blue));
    paragraph(Qt::AlignRight);
    run(QStringLiteral("Gr\u00fc\u00dfe \u2013 \u67d4\u9053 \U0001F600 {braces} \\ back\tslash"
                       "\u2028next line"),
        bold, colour(Qt::darkGreen));
    paragraph(Qt::AlignJustify);
    run(QStringLiteral("No-break\u00a0space, soft\u00adhyphen, no-break\u2011hyphen, "
                       "\u20ac 5."),
        face("Liberation Serif"), size(20), underline);
    paragraph(Qt::AlignLeft);
    paragraph(Qt::AlignHCenter);
    run(QStringLiteral("4 "), size(11.25), bold);
    run(QStringLiteral("Fire Energy"), colour(Qt::magenta));
}
