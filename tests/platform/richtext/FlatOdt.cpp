#include "FlatOdt.h"

#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTextCursor>
#include <QXmlStreamReader>

namespace {

struct Styles
{
    QHash<QString, QString> faces; // declared name -> family
    QHash<QString, QTextCharFormat> text;
    QHash<QString, QTextBlockFormat> paragraphs;
};

QTextCharFormat textProperties(const QXmlStreamAttributes &a, const Styles &styles)
{
    QTextCharFormat format;
    if (a.hasAttribute("style:font-name"))
        format.setFontFamilies({styles.faces.value(a.value("style:font-name").toString())});
    if (a.hasAttribute("fo:font-size"))
        format.setFontPointSize(a.value("fo:font-size").chopped(2).toDouble());
    if (a.hasAttribute("fo:font-weight"))
        format.setFontWeight(a.value("fo:font-weight") == u"bold" ? QFont::Bold : QFont::Normal);
    if (a.hasAttribute("fo:font-style"))
        format.setFontItalic(a.value("fo:font-style") == u"italic");
    if (a.hasAttribute("style:text-underline-style"))
        format.setFontUnderline(a.value("style:text-underline-style") != u"none");
    if (a.hasAttribute("fo:color") && a.value("style:use-window-font-color") != u"true")
        format.setForeground(QColor(a.value("fo:color")));
    return format;
}

Qt::Alignment alignment(QStringView value)
{
    if (value == u"center")
        return Qt::AlignHCenter;
    if (value == u"end" || value == u"right")
        return Qt::AlignRight;
    if (value == u"justify")
        return Qt::AlignJustify;
    return Qt::AlignLeft;
}

} // namespace

void readFlatOdt(const QByteArray &fodt, QTextDocument &document)
{
    Styles styles;
    QString style; // the automatic style being read
    QTextCursor cursor(&document);
    QTextCharFormat paragraphText;
    QList<QTextCharFormat> spans;
    bool firstParagraph = true;
    bool inBody = false;
    bool inParagraph = false;

    QXmlStreamReader xml(fodt);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const QString name = xml.qualifiedName().toString();
        const QXmlStreamAttributes a = xml.attributes();
        if (token == QXmlStreamReader::StartElement) {
            if (name == "style:font-face") {
                styles.faces.insert(a.value("style:name").toString(),
                                    a.value("svg:font-family").toString().remove('\''));
            } else if (name == "style:style") {
                style = a.value("style:name").toString();
            } else if (name == "style:text-properties") {
                styles.text.insert(style, textProperties(a, styles));
            } else if (name == "style:paragraph-properties") {
                QTextBlockFormat format;
                format.setAlignment(alignment(a.value("fo:text-align")));
                styles.paragraphs.insert(style, format);
            } else if (name == "office:body") {
                inBody = true;
            } else if (inBody && name == "text:p") {
                const QString styleName = a.value("text:style-name").toString();
                paragraphText = styles.text.value(styleName);
                if (!firstParagraph)
                    cursor.insertBlock();
                cursor.setBlockFormat(styles.paragraphs.value(styleName));
                firstParagraph = false;
                inParagraph = true;
            } else if (name == "text:span") {
                QTextCharFormat format = spans.isEmpty() ? paragraphText : spans.last();
                format.merge(styles.text.value(a.value("text:style-name").toString()));
                spans.append(format);
            } else if (name == "text:tab" || name == "text:s" || name == "text:line-break") {
                const int count = name == "text:s" ? a.value("text:c").toInt() : 1;
                const QChar c = name == "text:tab" ? QChar('\t')
                                : name == "text:s" ? QChar(' ')
                                                   : QChar(QChar::LineSeparator);
                cursor.insertText(QString(std::max(count, 1), c),
                                  spans.isEmpty() ? paragraphText : spans.last());
            }
        } else if (token == QXmlStreamReader::EndElement && name == "text:span") {
            spans.removeLast();
        } else if (token == QXmlStreamReader::EndElement && name == "text:p") {
            inParagraph = false;
        } else if (token == QXmlStreamReader::Characters && inParagraph) {
            cursor.insertText(xml.text().toString(), spans.isEmpty() ? paragraphText : spans.last());
        }
    }
}

bool libreOfficeAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

bool convertWithLibreOffice(const QStringList &files, const QString &format,
                            const QString &folder, QString *output)
{
    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start(QStringLiteral("soffice"),
                  QStringList{"-env:UserInstallation=file://" + folder + "/profile",
                              "--headless", "--convert-to", format, "--outdir", folder}
                      + files);
    // LibreOffice is slow to start, the more so with a fresh profile.
    const bool finished = soffice.waitForFinished(300000);
    if (!finished)
        soffice.kill();
    *output = QString::fromLocal8Bit(soffice.readAll());
    return finished && soffice.exitStatus() == QProcess::NormalExit && soffice.exitCode() == 0;
}
