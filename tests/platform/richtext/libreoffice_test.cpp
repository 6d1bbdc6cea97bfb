// RTF between us and an independent word processor, LibreOffice, in both directions.
#include "DocumentChecks.h"
#include "FlatOdt.h"

#include "platform/richtext/RichText.h"

#include "TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// A LibreOffice document with the attributes the deck list editor offers.
const char *const formattedFodt = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:font-face-decls>
  <style:font-face style:name="Arial" svg:font-family="Arial"/>
  <style:font-face style:name="Courier New" svg:font-family="'Courier New'"/>
  <style:font-face style:name="Liberation Serif" svg:font-family="'Liberation Serif'"/>
 </office:font-face-decls>
 <office:automatic-styles>
  <style:style style:name="P1" style:family="paragraph">
   <style:paragraph-properties fo:text-align="start"/></style:style>
  <style:style style:name="P2" style:family="paragraph">
   <style:paragraph-properties fo:text-align="center"/></style:style>
  <style:style style:name="P3" style:family="paragraph">
   <style:paragraph-properties fo:text-align="end"/></style:style>
  <style:style style:name="P4" style:family="paragraph">
   <style:paragraph-properties fo:text-align="justify"/></style:style>
  <style:style style:name="T1" style:family="text">
   <style:text-properties style:font-name="Arial" fo:font-size="11pt" fo:font-weight="normal"
    fo:font-style="normal" style:text-underline-style="none" fo:color="#000000"/></style:style>
  <style:style style:name="T2" style:family="text">
   <style:text-properties style:font-name="Arial" fo:font-size="11pt" fo:font-weight="bold"
    fo:font-style="normal" style:text-underline-style="none" fo:color="#000000"/></style:style>
  <style:style style:name="T3" style:family="text">
   <style:text-properties style:font-name="Courier New" fo:font-size="16pt"
    fo:font-weight="normal" fo:font-style="italic" style:text-underline-style="solid"
    fo:color="#0000ff"/></style:style>
  <style:style style:name="T4" style:family="text">
   <style:text-properties style:font-name="Liberation Serif" fo:font-size="10.5pt"
    fo:font-weight="bold" fo:font-style="italic" style:text-underline-style="none"
    fo:color="#c00000"/></style:style>
 </office:automatic-styles>
 <office:body>
  <office:text>
   <text:p text:style-name="P1"><text:span text:style-name="T1">Zentari deck: </text:span><text:span text:style-name="T2">bold</text:span></text:p>
   <text:p text:style-name="P2"><text:span text:style-name="T3">Courier 16 italic underlined blue</text:span></text:p>
   <text:p text:style-name="P3"><text:span text:style-name="T4">caf&#233; &#8211; Gr&#252;&#223;e &#8364;<text:tab/>tab</text:span></text:p>
   <text:p text:style-name="P4"><text:span text:style-name="T1">justified </text:span><text:span text:style-name="T2">{braces} \ backslash</text:span></text:p>
  </office:text>
 </office:body>
</office:document>
)";

} // namespace

TEST(RtfLibreOffice, OpensWhatWeWriteWithTheSameTextAndFormatting)
{
    if (!libreOfficeAvailable())
        GTEST_SKIP() << "LibreOffice is not installed";
    TempDir dir;
    QTextDocument original;
    fillWithEveryAttribute(original);
    ASSERT_TRUE(richtext::saveRtfFile(dir.file("ours.rtf"), original));

    QString output;
    ASSERT_TRUE(convertWithLibreOffice({dir.file("ours.rtf")}, "fodt", dir.path(), &output))
        << output.toStdString();
    QTextDocument seen;
    readFlatOdt(readFile(dir.file("ours.fodt")), seen);
    // LibreOffice, like Word, knows sizes only to the half-point: 11.25 pt shows as 11.5 pt.
    EXPECT_EQ(compareDocuments(original, seen, SizeRule::HalfPoints), QString());
}

TEST(RtfLibreOffice, WhatItWritesLoadsWithTheSameTextAndFormatting)
{
    if (!libreOfficeAvailable())
        GTEST_SKIP() << "LibreOffice is not installed";
    TempDir dir;
    writeFile(dir.file("theirs.fodt"), formattedFodt);
    QString output;
    ASSERT_TRUE(convertWithLibreOffice({dir.file("theirs.fodt")}, "rtf", dir.path(), &output))
        << output.toStdString();

    QTextDocument expected;
    readFlatOdt(formattedFodt, expected);
    ASSERT_EQ(expected.blockCount(), 4);
    QTextDocument loaded;
    QString error;
    ASSERT_TRUE(richtext::loadRtfFile(dir.file("theirs.rtf"), loaded, &error)) << error.toStdString();
    EXPECT_EQ(compareDocuments(expected, loaded), QString());
}
