#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Each character with its look, every paragraph led by a mark that carries its alignment.
std::vector<std::pair<QChar, Look>> looks(const QTextDocument &document)
{
    std::vector<std::pair<QChar, Look>> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Look mark;
        mark.alignment = block.blockFormat().alignment()
                         & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
        result.emplace_back(QChar::ParagraphSeparator, mark);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            Look look{font.families().value(0, font.family()), font.pointSizeF(), font.bold(),
                      font.italic(), font.underline(), QColor(), mark.alignment};
            if (format.foreground().style() != Qt::NoBrush)
                look.colour = format.foreground().color();
            for (const QChar c : it.fragment().text())
                result.emplace_back(c, look);
        }
    }
    return result;
}

} // namespace

QString describe(const Look &l)
{
    return QStringLiteral("%1 %2pt%3%4%5 %6 align %7")
        .arg(l.family)
        .arg(l.size)
        .arg(l.bold ? " bold" : "", l.italic ? " italic" : "", l.underline ? " underline" : "",
             l.colour.isValid() ? l.colour.name() : QStringLiteral("auto"))
        .arg(l.alignment);
}

Look lookOf(const QTextDocument &document, const QString &text)
{
    const int at = int(document.toRawText().indexOf(text));
    EXPECT_GE(at, 0) << "no \"" << text.toStdString() << '"';
    // The raw text has nothing where looks() leads the first paragraph with a mark.
    return at < 0 ? Look() : looks(document)[at + 1].second;
}

QString compareDocuments(const QTextDocument &expected, const QTextDocument &actual,
                         SizeRule sizes)
{
    if (expected.toRawText() != actual.toRawText())
        return "text differs:\n" + expected.toRawText() + "\n" + actual.toRawText();
    auto want = looks(expected);
    const auto got = looks(actual);
    for (size_t i = 0; i < want.size(); ++i) {
        if (sizes == SizeRule::HalfPoints)
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
    // Text outside any span stays in the default font.
    document.setHtml(QString::fromUtf8(R"(
<p>Zentari deck list: <b>bold</b> <i>italic</i> <u>underlined</u> <b><i><u>all three</u></i></b></p>
<p align="center"><span style="font-family:'Times New Roman'; font-size:14pt;
 color:#ff0000">Times 14 red, </span><span style="font-family:'Courier New'; font-size:9.5pt;
 color:#0000ff"><i>Courier 9.5 blue italic</i></span></p>
<p align="right" style="color:#008000"><b>Grüße – 柔道 😀 {braces} \ back<span
 style="white-space:pre">	</span>slash<br/>next line</b></p>
<p align="justify" style="font-family:'Liberation Serif'; font-size:20pt"><u>No-break&nbsp;space,
 soft&shy;hyphen, no-break&#8209;hyphen, € 5.</u></p>
<p align="center"><b style="font-size:11.25pt">4 </b><span style="color:#ff00ff">Fire
 Energy</span></p>)"));
    // HTML keeps no empty paragraph: one goes before the last.
    QTextCursor(document.lastBlock()).insertBlock();
}
