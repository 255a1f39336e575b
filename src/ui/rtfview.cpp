#include "rtfview.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <string_view>

#include "rtfreader.h"

namespace vorn {

namespace {

// Twips to document pixels at 96 dots per inch.
qreal Pixels(int twips) { return twips / 15.0; }

Qt::Alignment ToQt(RtfAlignment alignment) {
    switch (alignment) {
        case RtfAlignment::Center:
            return Qt::AlignHCenter;
        case RtfAlignment::Right:
            return Qt::AlignRight;
        case RtfAlignment::Justified:
            return Qt::AlignJustify;
        case RtfAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat BlockFormat(const RtfParagraph& paragraph) {
    QTextBlockFormat format;
    format.setAlignment(ToQt(paragraph.alignment));
    format.setTextIndent(Pixels(paragraph.firstLineIndent));
    format.setLeftMargin(Pixels(paragraph.leftIndent));
    format.setRightMargin(Pixels(paragraph.rightIndent));
    return format;
}

QTextCharFormat CharFormat(const RtfCharFormat& rtf) {
    QTextCharFormat format;
    format.setFontWeight(rtf.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(rtf.italic);
    format.setFontUnderline(rtf.underline);
    format.setFontPointSize(rtf.PointSize());
    if (rtf.color) format.setForeground(QColor(rtf.color->red, rtf.color->green, rtf.color->blue));
    if (!rtf.font.empty())
        format.setFontFamilies(QStringList{QString::fromUtf8(rtf.font.data(), static_cast<qsizetype>(rtf.font.size()))});
    return format;
}

}  // namespace

void LoadRtfText(QTextDocument& document, const QByteArray& rtf) {
    document.clear();
    const RtfDocument parsed = ParseRtf(std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())));
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& paragraph : parsed.paragraphs) {
        // Plain text keeps the document's own default look.
        const QTextBlockFormat blockFormat = parsed.isRtf ? BlockFormat(paragraph) : QTextBlockFormat();
        if (first)
            cursor.setBlockFormat(blockFormat);
        else
            cursor.insertBlock(blockFormat);
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            const QString text = QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size()));
            cursor.insertText(text, parsed.isRtf ? CharFormat(run.format) : QTextCharFormat());
        }
    }
    cursor.endEditBlock();
}

bool LoadRtfFile(QTextDocument& document, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        document.clear();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        document.clear();
        return false;
    }
    LoadRtfText(document, bytes);
    return true;
}

}  // namespace vorn
