#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The look of each character, every paragraph led by a mark that carries its alignment.
QStringList looks(const QTextDocument &document, SizeRule sizes = SizeRule::Exact)
{
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int alignment = block.blockFormat().alignment()
                              & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
        result << QString("paragraph align %1").arg(alignment);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            const double size = font.pointSizeF();
            const QString colour =
                format.foreground().style() != Qt::NoBrush ? format.foreground().color().name() : "auto";
            const QString look = QString("%1 %2pt%3%4%5 %6 align %7")
                                     .arg(font.families().value(0, font.family()))
                                     .arg(sizes == SizeRule::HalfPoints ? std::round(size * 2) / 2 : size)
                                     .arg(font.bold() ? " bold" : "", font.italic() ? " italic" : "",
                                          font.underline() ? " underline" : "", colour)
                                     .arg(alignment);
            for (const QChar c : it.fragment().text())
                result << QString(c) + " " + look;
        }
    }
    return result;
}

} // namespace

QString lookOf(const QTextDocument &document, const QString &text)
{
    const int at = int(document.toRawText().indexOf(text));
    EXPECT_GE(at, 0) << "no \"" << text.toStdString() << '"';
    // The raw text has nothing where looks() leads the first paragraph with a mark.
    return at < 0 ? QString() : looks(document)[at + 1].mid(2);
}

QString compareDocuments(const QTextDocument &expected, const QTextDocument &actual, SizeRule sizes)
{
    if (expected.toRawText() != actual.toRawText())
        return "text differs:\n" + expected.toRawText() + "\n" + actual.toRawText();
    const QStringList want = looks(expected, sizes), got = looks(actual);
    for (qsizetype i = 0; i < want.size(); ++i)
        if (want[i] != got[i])
            return QString("character %1: expected %2, got %3").arg(i).arg(want[i], got[i]);
    return {};
}

void readInto(const QByteArray &rtf, QTextDocument &document)
{
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    QString error;
    ASSERT_TRUE(richtext::readRtf(rtf, document, &error)) << error.toStdString();
}

void fillWithEveryAttribute(QTextDocument &document)
{
    QFont deckListFont(QStringLiteral("Arial"));
    deckListFont.setPointSizeF(11.25);
    document.setDefaultFont(deckListFont);
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
