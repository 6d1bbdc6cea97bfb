// Reading RTF as other programs write it, and reading damaged RTF.
#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"

#include <gtest/gtest.h>

namespace {

// The text as read, paragraphs ended by '\n' and every other character as it is.
QString textOf(const QByteArray &rtf)
{
    QTextDocument document;
    readInto(rtf, document);
    return document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

} // namespace

TEST(RtfReader, KeepsFormattingPerGroupAndResetsItOnPlainAndPard)
{
    QTextDocument document;
    readInto("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
             "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
             "\\pard\\qc\\fs30 one {\\b two {\\i\\f0\\cf2 three} \\ul four} \\uld five\\ulnone  six"
             "\\par\\qr seven\\plain  eight\\pard\\par nine}",
             document);
    EXPECT_EQ(document.toPlainText(), "one two three four five six\nseven eight\nnine");
    EXPECT_EQ(lookOf(document, "two"), "Arial 15pt bold auto align 4");
    EXPECT_EQ(lookOf(document, "three"), "Times New Roman 15pt bold italic #0000ff align 4");
    EXPECT_EQ(lookOf(document, "four"), "Arial 15pt bold underline auto align 4");
    EXPECT_EQ(lookOf(document, "six"), "Arial 15pt auto align 4");
    // \plain goes back to the default font at 12 pt; \pard to left alignment, which the
    // paragraph has, being in force at its \par.
    EXPECT_EQ(lookOf(document, "eight"), "Arial 12pt auto align 1");

    // Font tables without inner groups (TextEdit), colour 0 as the automatic colour, \ulc as a
    // colour rather than underline; East Asian runs' size and bold (LibreOffice).
    readInto("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fnil Menlo;}{\\colortbl;\\red1\\green2\\blue3;}"
             "\\qj\\f1\\ulc1\\cf0 a\\cf1 b{\\dbch\\afs30\\ab c}}",
             document);
    EXPECT_EQ(lookOf(document, "a"), "Menlo 12pt auto align 8");
    EXPECT_EQ(lookOf(document, "b"), "Menlo 12pt #010203 align 8");
    EXPECT_EQ(lookOf(document, "c"), "Menlo 15pt bold #010203 align 8");
}

TEST(RtfReader, DecodesCodePagesUnicodeAndSpecialCharacters)
{
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80\\'96\xe9}"), "caf\u00e9 \u20ac\u2013\u00e9");
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1250 Prosz\\'ea \\'b9\\'9c\xb3}"), "Prosz\u0119 \u0105\u015b\u0142");
    EXPECT_EQ(textOf("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 Arial CE;}{\\f1\\fcharset0 Arial;}}"
                     "\\f0\\'b9{\\f1\\'b9}}"),
              "\u0105\u00b9");
    // \uN skips \ucN fallback characters; the count belongs to the group; negative numbers
    // are the upper half of the 16-bit range.
    EXPECT_EQ(textOf("{\\rtf1 \\u26580\\'3fx{\\uc2\\u8804\\'3f\\'3fy\\uc0\\u8805 z}\\u-10179?\\u-8704?}"),
              "\u67d4x\u2264y\u2265z\U0001F600");
    // A paragraph separator ends the paragraph; control characters and those QTextDocument keeps
    // for frames and objects are no text; the special characters and TextEdit's "\" line break.
    EXPECT_EQ(textOf("{\\rtf1 a\\u8233?b\\u127?\\u65532?\x01" "c\\~d\\-e\\_f\\tab g\\line h\\emdash"
                     "\\bullet\\ldblquote\\{\\}\\\\\\\ni}"),
              "a\nbc\u00a0d\u00ade\u2011f\tg\u2028h\u2014\u2022\u201c{}\\\ni");
}

TEST(RtfReader, ShowsOnlyTheBodyRefusesWhatIsNotRtfAndLoadsWhatItCanOfDamage)
{
    EXPECT_EQ(textOf("{\\rtf1{\\fonttbl{\\f0 A;}}{\\info{\\author me}}{\\*\\unknown hidden {\\nested}}"
                     "{\\header head}{\\pict\\bin4 {}\\}}x{\\field{\\*\\fldinst{HYPERLINK \"x\"}}{\\fldrslt shown}}"
                     "{\\v hidden}{\\pntext 1.\\tab}item\\trowd\\cellx100 a\\cell b\\cell\\row c\\page d\\par}"),
              "xshown1.\titema\tb\t\nc\nd");

    QTextDocument document;
    document.setPlainText("kept");
    QString error;
    for (const QByteArray &input : {QByteArray(), QByteArray("plain text"), QByteArray("{\\rtx1 a}")}) {
        EXPECT_FALSE(richtext::readRtf(input, document, &error));
        EXPECT_EQ(error, "The file is not in Rich Text Format.");
    }
    const int depth = richtext::RtfReader::maxGroupDepth;
    EXPECT_FALSE(richtext::readRtf("{\\rtf1" + QByteArray(depth, '{') + "x", document, &error));
    EXPECT_EQ(error, "The file nests groups too deeply.");
    EXPECT_EQ(document.toPlainText(), "kept");
    EXPECT_EQ(textOf("\xEF\xBB\xBF\r\n {\\rtf1" + QByteArray(depth - 1, '{') + "deep" + QByteArray(depth, '}')),
              "deep");

    // Cut off anywhere; text after the last brace; numbers far out of range held within reason.
    for (const char *cut : {"{\\rtf1 {\\b abc", "{\\rtf1 abc\\'4", "{\\rtf1 abc\\", "{\\rtf1 abc{\\pict\\bin999999999 x",
                            "{\\rtf1 abc}} def}"})
        EXPECT_EQ(textOf(cut), "abc") << cut;
    readInto("{\\rtf1{\\fonttbl{\\f99999999999999999999 Arial;}}{\\colortbl;\\red-5\\green999\\blue7;}"
             "\\f99999999999999999999\\fs99999999999999999\\cf1{\\uc99999999999\\u-99999999999 a}"
             "\\zentfs-7 b\\fs-3 c}",
             document);
    EXPECT_EQ(document.toPlainText(), "bc");
    EXPECT_EQ(lookOf(document, "c"), "Arial 12pt #00ff07 align 1");
}
