// RTF: reading it as other programs write it and reading damaged RTF; writing documents and
// files and reading them back; and LibreOffice, an independent word processor: documents it
// wrote read as it reads them, and ours read by it. (Files other word processors wrote seed
// the reader's fuzzer.)
#include "Testing.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"

#include <map>

using richtext::readRtf;
using richtext::writeRtf;

namespace {

// Reads RTF into the document, failing the test when it does not load.
void readInto(const QByteArray &rtf, QTextDocument &document)
{
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    QString error;
    ASSERT_TRUE(richtext::readRtf(rtf, document, &error)) << error.toStdString();
}

// A document in the deck list's default font with every attribute the editor keeps, mixed in
// runs and paragraphs: bold, italic, underline, strikethrough, superscript, subscript, faces,
// sizes (11.25 pt among them), colours, highlight, the four alignments, indents, spacing, a
// list's label, an empty paragraph, and text beyond ASCII.
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
<p style="margin-left:48px; margin-right:24px; text-indent:-24px; margin-top:6px; margin-bottom:3px">•<span
 style="white-space:pre">	</span><s>struck</s> x<sup>2</sup> H<sub>2</sub>O <span
 style="background-color:#ffff00">marked <s><sup>all</sup></s></span> plain</p>
<p align="center"><b style="font-size:11.25pt">4 </b><span style="color:#ff00ff">Fire
 Energy</span></p>)"));
    // HTML keeps no empty paragraph: one goes before the last.
    QTextCursor(document.lastBlock()).insertBlock();
}

// The text as read, paragraphs ended by '\n' and every other character as it is.
QString textOf(const QByteArray &rtf)
{
    QTextDocument document;
    readInto(rtf, document);
    return document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// Converts the files with LibreOffice, all in one run, into the folder; false when it fails.
bool libreOffice(const TempDir &dir, const QString &filter, const QString &folder, const QStringList &files)
{
    // With a profile of the test's own; slow to start, the more so the first time.
    const ToolRun soffice = runTool("soffice", QStringList{"-env:UserInstallation=file://" + dir.file("profile"), "--headless",
                                                       "--convert-to", filter, "--outdir", dir.file(folder)} + files,
                                    QProcessEnvironment::systemEnvironment(), 300000);
    EXPECT_EQ(soffice.code, 0) << soffice.out.toStdString() << soffice.err.toStdString();
    return soffice.code == 0;
}

// Documents of the test's own in LibreOffice's flat format, such as users make of a deck list in
// a word processor: lists whose bullets are Symbol's and Wingdings' as Word's are, a table, notes,
// character and paragraph formats, Japanese, and Cyrillic in a Western font.
std::map<QString, QString> wordProcessorDocuments()
{
    const auto document = [](const QString &styles, const QString &body) {
        return R"(<?xml version="1.0" encoding="UTF-8"?><office:document office:version="1.3"
 xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:mimetype="application/vnd.oasis.opendocument.text"><office:font-face-decls>
 <style:font-face style:name="Symbol" svg:font-family="Symbol" style:font-charset="x-symbol"/>
 <style:font-face style:name="Wingdings" svg:font-family="Wingdings" style:font-charset="x-symbol"/>
 <style:font-face style:name="OpenSymbol" svg:font-family="OpenSymbol" style:font-charset="x-symbol"/>
 <style:font-face style:name="Arial" svg:font-family="Arial"/><style:font-face style:name="Courier New" svg:font-family="'Courier New'"/>
 </office:font-face-decls><office:automatic-styles>)" + styles + "</office:automatic-styles><office:body><office:text>"
            + body + "</office:text></office:body></office:document>";
    };
    // A level of a list: a bullet in a font, or numbers.
    const auto level = [](int n, const QString &bullet = {}, const QString &font = {}) {
        const QString kind = bullet.isEmpty() ? "number" : "bullet";
        return QString(R"(<text:list-level-style-%1 text:level="%2" %3><style:list-level-properties
 text:list-level-position-and-space-mode="label-alignment"><style:list-level-label-alignment text:label-followed-by="listtab"
 fo:text-indent="-0.25in" fo:margin-left="%4in"/></style:list-level-properties>%5</text:list-level-style-%1>)")
            .arg(kind).arg(n)
            .arg(bullet.isEmpty() ? R"(style:num-format="1" style:num-suffix=".")" : "text:bullet-char=\"" + bullet + '"')
            .arg(n * 0.5)
            .arg(font.isEmpty() ? QString() : R"(<style:text-properties style:font-name=")" + font + "\"/>");
    };
    const auto item = [](const QString &text, const QString &inner = {}) {
        return "<text:list-item><text:p>" + text + "</text:p>" + inner + "</text:list-item>";
    };
    const auto span = [](const QString &style, const QString &text) {
        return R"(<text:span text:style-name=")" + style + "\">" + text + "</text:span>";
    };
    const auto textStyle = [](const QString &name, const QString &family, const QString &properties) {
        return QString(R"(<style:style style:name="%1" style:family="%2"><style:%2-properties %3/></style:style>)")
            .arg(name, family, properties);
    };
    const auto note = [](const QString &kind, const QString &mark, const QString &text) {
        return QString(R"(<text:note text:note-class="%1"><text:note-citation>%2</text:note-citation><text:note-body>
 <text:p>%3</text:p></text:note-body></text:note>)").arg(kind, mark, text);
    };
    const auto cell = [](const QString &paragraphs) {
        return "<table:table-cell>" + paragraphs + "</table:table-cell>";
    };
    return {
        {"lists", document(R"(<text:list-style style:name="B">)" + level(1, QChar(0xF0B7), "Symbol")
                               + level(2, "◦", "OpenSymbol") + level(3, QChar(0xF0A7), "Wingdings")
                               + R"(</text:list-style><text:list-style style:name="N">)" + level(1) + "</text:list-style>",
                           R"(<text:p>Deck list</text:p><text:list text:style-name="B">)"
                               + item("Quarlith", "<text:list>" + item("Skarnox", "<text:list>" + item("Fire Energy") + "</text:list>")
                                                      + "</text:list>")
                               + item("Kilnmole") + R"(</text:list><text:list text:style-name="N">)" + item("one")
                               + item("two") + "</text:list>")},
        {"table", document({}, R"(<text:p>Before</text:p><table:table><table:table-column table:number-columns-repeated="3"/>
 <table:table-row>)" + cell("<text:p>a1</text:p>") + cell("<text:p>b1</text:p>") + cell("<text:p>x</text:p>")
                                   + "</table:table-row><table:table-row>" + cell("<text:p>c1</text:p><text:p>c2</text:p>")
                                   + cell({}) + cell("<text:p>d</text:p>") + "</table:table-row></table:table><text:p>After</text:p>")},
        {"notes", document({}, "<text:p>A footnote" + note("footnote", "1", "The note.") + " and an endnote"
                                   + note("endnote", "i", "The end note.") + " here.</text:p><text:p>Next</text:p>")},
        {"formats",
         document(textStyle("S", "text", R"(style:text-line-through-style="solid")")
                      + textStyle("U", "text", R"(style:text-position="super 58%")")
                      + textStyle("D", "text", R"(style:text-position="sub 58%")")
                      + textStyle("H", "text", R"(fo:background-color="#ffff00")")
                      + textStyle("L", "text", R"(fo:font-weight="bold" fo:font-style="italic" style:text-underline-style="solid"
 fo:color="#c00000" style:font-name="Courier New" fo:font-size="14pt")")
                      + textStyle("I", "paragraph", R"(fo:margin-left="1in" fo:margin-right="0.5in" fo:text-indent="-0.25in"
 fo:margin-top="0.1in" fo:margin-bottom="0.2in" fo:text-align="center")")
                      + textStyle("R", "paragraph", R"(fo:text-align="end")")
                      + textStyle("J", "paragraph", R"(fo:text-align="justify")"),
                  "<text:p>Plain " + span("S", "struck") + " x" + span("U", "2") + " H" + span("D", "2") + "O "
                      + span("H", "marked") + " " + span("L", "loud") + R"(.</text:p><text:p text:style-name="I">Indented,
 spaced</text:p><text:p text:style-name="R">Right</text:p><text:p text:style-name="J">Justified</text:p>)")},
        {"japanese", document({}, "<text:p>日本語のデッキ、カタカナ。</text:p>")},
        {"cyrillic", document(textStyle("C", "text", R"(style:font-name="Arial")"),
                              "<text:p>" + span("C", "Колода: Café éè") + "</text:p>")},
    };
}

// What LibreOffice's text export holds, a line per paragraph; a list's paragraph is written
// indented four blanks a level, its label followed by a blank where the document has a tab.
QStringList exportedText(const QByteArray &text)
{
    QStringList lines = QString::fromUtf8(text).remove(QChar::ByteOrderMark).split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    static const QRegularExpression listItem("^ {4,}(\\S+) ");
    return lines.replaceInStrings(listItem, "\\1\t");
}

// The editor's text, likewise, without the blanks that may lead a list's label.
QStringList editorText(const QTextDocument &document)
{
    static const QRegularExpression leadingBlanks("^ +");
    return document.toPlainText().split('\n').replaceInStrings(leadingBlanks, "");
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
    // Double-byte code pages, in a Western font too, a second byte written as an escaped brace;
    // a font's own charset over the document's; Unicode preferred where both are given (\upr).
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\{\\'8c\\'ea\\'b1}"), "日本語ｱ");
    EXPECT_EQ(textOf("{\\rtf1\\ansicpg936{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0\\'d6\\'d0\\'ce\\'c4}"), "中文");
    EXPECT_EQ(textOf("{\\rtf1\\ansicpg949 \\'c7\\'d1\\'b1\\'b9}"), "한국");
    EXPECT_EQ(textOf("{\\rtf1\\ansicpg950 \\'a4\\'a4\\'a4\\'e5}"), "中文");
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}{\\f1\\fcharset0 Arial;}"
                     "{\\f2\\fcharset128 MS Mincho;}}\\f0\\'cf\\'f0\\'e8 {\\f1\\'e9\\'e8}{\\f2\\'93\\'fa}"
                     "{\\upr{\\'e9}{\\*\\ud{\\u26412?}}}}"),
              "При éè日本");
    // Symbol fonts' pictures in Unicode, in the document's font; those of fonts we do not know
    // kept as they are addressed, in their font; a label without a font as Word's bullets.
    QTextDocument symbols;
    readInto("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}{\\f2\\fcharset2 Wingdings;}"
             "{\\f3\\fcharset2 Webdings;}}\\f1\\'b7 a\\f2\\'a7 l\\f3 a\\f0\\u61623?{\\plain\\u61623?\\u61607?}}",
             symbols);
    EXPECT_EQ(symbols.toPlainText(), "\u2022 \u03b1\u25aa \u25cf\uf061\uf0b7\u2022\u25aa");
    EXPECT_EQ(lookOf(symbols, "\u03b1"), "Arial 12pt auto align 1");
    EXPECT_EQ(lookOf(symbols, "\uf061"), "Webdings 12pt auto align 1");
    // Notes leave their marks, numbered as the document says, and not their text.
    EXPECT_EQ(textOf("{\\rtf1\\ftnnalc\\aftnnruc\\aftnstart4 a{\\super\\chftn}{\\*\\footnote\\chftn x} b\\chftn"
                     "{\\*\\footnote\\ftnalt y}\\chftn}"),
              "aa bIVb");
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
                     "{\\v hidden}{\\pntext 1.\\tab}item\\par\\trowd\\cellx100 a\\cell\\cell b\\par c\\cell\\row d\\page e\\par}"),
              "xshown1.\titem\na\n\nb\nc\nd\ne");

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

    // Cut off anywhere; text after the last brace.
    for (const char *cut : {"{\\rtf1 {\\b abc", "{\\rtf1 abc\\'4", "{\\rtf1 abc\\", "{\\rtf1 abc{\\pict\\bin999999999 x",
                            "{\\rtf1 abc}} def}"})
        EXPECT_EQ(textOf(cut), "abc") << cut;
}

TEST(RtfRoundTrip, KeepsTextAndEveryAttributeInMemoryAndInFilesAndFailuresChangeNothing)
{
    QTextDocument original, loaded;
    fillWithEveryAttribute(original);
    const QByteArray rtf = writeRtf(original);
    // A different default font shows that every attribute, the deck list's default font
    // included, comes from the file. (Other readers get 11.25 pt to the nearest half-point: the
    // LibreOffice test reads it so.)
    QTextDocument copy;
    copy.setDefaultFont(QFont("Courier New", 8));
    ASSERT_TRUE(readRtf(rtf, copy));
    EXPECT_EQ(looks(copy), looks(original)) << rtf.toStdString();
    // Opened and saved again, a file of ours is byte for byte what it was.
    QTextDocument reopened;
    reopened.setDefaultFont(original.defaultFont());
    ASSERT_TRUE(readRtf(rtf, reopened));
    EXPECT_EQ(writeRtf(reopened), rtf);

    // Empty paragraphs stay, and text typed into an empty paragraph takes its format.
    QTextDocument empty;
    empty.setPlainText("\n\nx\n");
    QTextCursor(empty.lastBlock()).setBlockCharFormat([] { QTextCharFormat f; f.setFontWeight(QFont::Bold); return f; }());
    ASSERT_TRUE(readRtf(writeRtf(empty), copy));
    EXPECT_EQ(copy.toPlainText(), "\n\nx\n");
    EXPECT_EQ(copy.lastBlock().charFormat().fontWeight(), QFont::Bold);

    // Saved under a .txt name it is still rich text, byte for byte what was read back above.
    TempDir dir;
    ASSERT_TRUE(richtext::saveRtfFile(dir.file("deck.txt"), original));
    EXPECT_EQ(readFile(dir.file("deck.txt")), rtf);
    QString error;
    // A pipe would keep the reader waiting for ever.
    ASSERT_TRUE(makePipe(dir.file("pipe.rtf")));
    for (const char *unread : {"missing.rtf", "pipe.rtf"})
        EXPECT_FALSE(richtext::loadRtfFile(dir.file(unread), loaded, &error)) << unread;
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(loaded.isEmpty());
    // A file that cannot be written leaves nothing in place of what was there.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.rtf"));
    EXPECT_FALSE(richtext::saveRtfFile(dir.file("taken.rtf"), original, &error));
    EXPECT_FALSE(richtext::saveRtfFile(dir.file("no/such/folder/deck.rtf"), original, &error));
    EXPECT_EQ(filesUnder(dir.path()), QStringList({"deck.txt", "pipe.rtf", "taken.rtf"}));
}

// LibreOffice, an independent word processor, and we read the RTF it writes of its documents
// alike, bullets and all; it reads what we save of them, and of a document with every attribute
// the editor keeps, with the same look: written out as RTF again, it is our document.
TEST(RtfLibreOffice, DocumentsItWritesReadAsItReadsThemAndOursReadWithTheirLook)
{
    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    TempDir dir;
    QStringList sources, converted, saved;
    for (const auto &[name, content] : wordProcessorDocuments()) {
        ASSERT_TRUE(writeFile(dir.file(name + ".fodt"), content.toUtf8()));
        sources << dir.file(name + ".fodt");
        converted << dir.file("rtf/" + name + ".rtf");
    }
    ASSERT_TRUE(libreOffice(dir, "rtf:Rich Text Format", "rtf", sources));
    ASSERT_TRUE(libreOffice(dir, "txt:Text (encoded):UTF8", "txt", converted));

    std::map<QString, QStringList> ourLooks;
    ASSERT_TRUE(QDir(dir.path()).mkdir("saved"));
    for (const QString &file : converted) {
        const QString name = QFileInfo(file).baseName();
        QTextDocument opened;
        readInto(readFile(file), opened);
        EXPECT_EQ(editorText(opened), exportedText(readFile(dir.file("txt/" + name + ".txt")))) << name.toStdString();
        ASSERT_TRUE(richtext::saveRtfFile(dir.file("saved/" + name + ".rtf"), opened));
        saved << dir.file("saved/" + name + ".rtf");
        ourLooks[name] = looks(opened);
    }
    QTextDocument everyAttribute;
    fillWithEveryAttribute(everyAttribute);
    ASSERT_TRUE(richtext::saveRtfFile(dir.file("saved/every.rtf"), everyAttribute));
    saved << dir.file("saved/every.rtf");
    // Like Word, it keeps sizes to the half-point: 11.25 pt becomes 11.5 pt.
    ourLooks["every"] = looks(everyAttribute, SizeRule::HalfPoints);

    ASSERT_TRUE(libreOffice(dir, "rtf:Rich Text Format", "reread", saved));
    for (const auto &[name, look] : ourLooks) {
        QTextDocument reread;
        readInto(readFile(dir.file("reread/" + name + ".rtf")), reread);
        EXPECT_EQ(looks(reread), look) << name.toStdString();
    }
}
