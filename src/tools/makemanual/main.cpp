// makemanual: the user manual from Markdown to a PDF on A4, with page numbers.
//
//   makemanual [--images DIR] docs/manual.md velmora-t2l.pdf
//
// A line that holds only a picture, ![Bildunterschrift](bild.png), becomes a
// numbered figure with its caption, at most as wide as the text. Relative picture
// paths are looked up in DIR, else beside the Markdown: the pictures are made by
// the build and live in the build tree, not in the sources. A line that holds
// only [TOC] becomes the list of the headings after it (levels 2 and 3) with
// their page numbers.
//
// Exit status: 0 written; 1 the input or a picture cannot be read or the PDF not
// written; 2 a wrong command line.

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// A manual is a few hundred kilobytes at most; a larger input is the wrong file.
constexpr qint64 kMaxInputBytes = 4 * 1024 * 1024;
constexpr int kResolution = 300; // dots per inch of the PDF's coordinates
constexpr qreal kMarginLeftMm = 22;
constexpr qreal kMarginRightMm = 20;
constexpr qreal kMarginTopMm = 18;
constexpr qreal kMarginBottomMm = 14;
constexpr qreal kFooterMm = 10; // inside the bottom margin's paint area, below the text
constexpr qreal kBodyPointSize = 10.5;
constexpr qreal kTextWidthMm = 210 - kMarginLeftMm - kMarginRightMm;
constexpr qreal kTextHeightMm = 297 - kMarginTopMm - kMarginBottomMm - kFooterMm;
constexpr qreal kCaptionRoomMm = 16; // a figure and its caption share one page
// Pictures beyond this are refused rather than decoded into memory.
constexpr qint64 kMaxPicturePixels = 64LL * 1000 * 1000;
// Marks the block of a figure, which must not be split over two pages.
constexpr int kFigureProperty = QTextFormat::UserProperty + 1;

const QColor kGreen(0, 128, 0);
const QColor kPaleGreen(222, 255, 209);
const QColor kGrey(128, 128, 128);

void Complain(const QString& message)
{
    std::fprintf(stderr, "makemanual: %s\n", qUtf8Printable(message));
}

qreal MmToDots(qreal mm)
{
    return mm * kResolution / 25.4;
}

// Lengths in text formats are screen pixels (96 per inch); the layout scales
// them to the PDF's resolution.
qreal MmToFormat(qreal mm)
{
    return mm * 96 / 25.4;
}

// Reads the Markdown as UTF-8; false and a message on failure.
bool ReadMarkdown(const QString& path, QString& text, QString& error)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        error = QStringLiteral("„%1“ ist ein Ordner, keine Textdatei.").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(path, file.errorString());
        return false;
    }
    // Read one byte more than allowed so that devices without a size are bounded too.
    const QByteArray bytes = file.read(kMaxInputBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(path, file.errorString());
        return false;
    }
    if (bytes.size() > kMaxInputBytes) {
        error = QStringLiteral("Die Datei „%1“ ist zu groß für ein Handbuch (mehr als %2 MB).")
                    .arg(path)
                    .arg(kMaxInputBytes / (1024 * 1024));
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    text = decoder.decode(bytes);
    if (decoder.hasError()) {
        error = QStringLiteral("Die Datei „%1“ ist kein UTF-8-Text.").arg(path);
        return false;
    }
    return true;
}

bool IsCode(const QTextBlock& block)
{
    return block.isValid() && block.blockFormat().hasProperty(QTextFormat::BlockCodeFence);
}

bool IsQuote(const QTextBlock& block)
{
    return block.blockFormat().intProperty(QTextFormat::BlockQuoteLevel) > 0;
}

bool IsFigure(const QTextBlock& block)
{
    return block.blockFormat().boolProperty(kFigureProperty);
}

struct SFigure
{
    QString caption;
    QString source;
};

QString FigureToken(qsizetype index)
{
    return QStringLiteral("MAKEMANUALFIGUR%1ENDE").arg(index);
}

const QString kContentsToken = QStringLiteral("MAKEMANUALINHALTENDE");

// Takes every line that holds a picture alone out of the Markdown and leaves a
// paragraph with a token in its place, so that the figure is built here with
// its caption rather than by the Markdown reader, which drops the caption.
QString ExtractFigures(const QString& markdown, QList<SFigure>& figures)
{
    static const QRegularExpression figureLine(
        QStringLiteral(R"(^!\[([^\]]*)\]\(\s*<?([^)\s>]+)>?(?:\s+"[^"]*")?\s*\)\s*$)"));
    static const QRegularExpression fence(QStringLiteral("^ {0,3}(```|~~~)"));
    QStringList lines = markdown.split(QLatin1Char('\n'));
    bool inFence = false;
    for (QString& line : lines) {
        if (fence.match(line).hasMatch()) {
            inFence = !inFence;
            continue;
        }
        if (inFence)
            continue;
        if (line.trimmed() == QLatin1String("[TOC]")) {
            line = QStringLiteral("\n%1\n").arg(kContentsToken);
            continue;
        }
        const QRegularExpressionMatch m = figureLine.match(line);
        if (!m.hasMatch())
            continue;
        line = QStringLiteral("\n%1\n").arg(FigureToken(figures.size()));
        figures.append({m.captured(1).trimmed(), m.captured(2)});
    }
    return lines.join(QLatin1Char('\n'));
}

// The picture a Markdown source names, relative ones from the picture folder;
// false and a message when it is missing or no picture.
bool LoadPicture(const QString& source, const QDir& pictureDir, QString& path, QImage& image, QString& error)
{
    const QUrl url(source);
    path = url.isLocalFile() ? url.toLocalFile() : QDir::cleanPath(pictureDir.absoluteFilePath(source));
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("Das Bild „%1“ gibt es nicht (gesucht als „%2“).").arg(source, path);
        return false;
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels) {
        error = QStringLiteral("Das Bild „%1“ ist mit %2 × %3 Pixeln zu groß.").arg(path).arg(size.width()).arg(size.height());
        return false;
    }
    image = reader.read();
    if (image.isNull()) {
        error = QStringLiteral("Das Bild „%1“ kann nicht gelesen werden: %2").arg(path, reader.errorString());
        return false;
    }
    return true;
}

// Printed size of a picture: its own size where it says one (at 96 dpi where it
// does not), shrunk to the text width and to what fits on a page with a caption.
QSizeF PictureSizeMm(const QImage& image, qreal maxHeightMm)
{
    const qreal dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 96 / 0.0254;
    const qreal dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 96 / 0.0254;
    QSizeF mm(image.width() * 1000.0 / dpmX, image.height() * 1000.0 / dpmY);
    const qreal scale = std::min({qreal(1), kTextWidthMm / mm.width(), maxHeightMm / mm.height()});
    return mm * scale;
}

// A thin grey frame, so that a picture with a white ground stands apart from the page.
QImage Framed(const QImage& image)
{
    QImage framed = image.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&framed);
    const int width = qMax(1, image.width() / 800);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGrey);
    painter.drawRect(0, 0, framed.width(), width);
    painter.drawRect(0, framed.height() - width, framed.width(), width);
    painter.drawRect(0, 0, width, framed.height());
    painter.drawRect(framed.width() - width, 0, width, framed.height());
    return framed;
}

QTextImageFormat PictureFormat(QTextDocument& doc, const QString& path, const QImage& image, qreal maxHeightMm)
{
    const QUrl name = QUrl::fromLocalFile(path);
    doc.addResource(QTextDocument::ImageResource, name, image);
    const QSizeF mm = PictureSizeMm(image, maxHeightMm);
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(MmToFormat(mm.width()));
    format.setHeight(MmToFormat(mm.height()));
    return format;
}

// Puts each figure in place of its token: the picture centred, below it
// "Bild n: caption" in small italics, both in one block that is never split.
bool BuildFigures(QTextDocument& doc, const QList<SFigure>& figures, const QDir& pictureDir, QString& error)
{
    QList<bool> placed(figures.size(), false);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text().trimmed();
        qsizetype index = -1;
        for (qsizetype i = 0; i < figures.size(); ++i) {
            if (text == FigureToken(i)) {
                index = i;
                break;
            }
        }
        if (index < 0)
            continue;
        const SFigure& figure = figures.at(index);
        QString path;
        QImage image;
        if (!LoadPicture(figure.source, pictureDir, path, image, error))
            return false;
        QTextCursor cursor(block);
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QTextBlockFormat bf;
        bf.setAlignment(Qt::AlignHCenter);
        bf.setTopMargin(MmToFormat(2));
        bf.setBottomMargin(MmToFormat(4));
        bf.setProperty(kFigureProperty, true);
        cursor.setBlockFormat(bf);
        cursor.insertImage(PictureFormat(doc, path, Framed(image), kTextHeightMm - kCaptionRoomMm));
        QTextCharFormat captionFormat;
        captionFormat.setFontItalic(true);
        captionFormat.setFontPointSize(kBodyPointSize - 1);
        captionFormat.setForeground(QColor(64, 64, 64));
        cursor.insertText(QString(QChar::LineSeparator), captionFormat);
        QString caption = QStringLiteral("Bild %1").arg(index + 1);
        if (!figure.caption.isEmpty())
            caption += QStringLiteral(": ") + figure.caption;
        cursor.insertText(caption, captionFormat);
        placed[index] = true;
    }
    // A token the Markdown reader did not leave as a paragraph of its own would
    // silently lose its picture.
    const qsizetype lost = placed.indexOf(false);
    if (lost >= 0) {
        error = QStringLiteral("Das Bild „%1“ steht nicht in einer eigenen Zeile.").arg(figures.at(lost).source);
        return false;
    }
    return true;
}

// Pictures inside running text: checked and sized like figures, without a caption.
bool SizeInlinePictures(QTextDocument& doc, const QDir& pictureDir, QString& error)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (IsFigure(block))
            continue;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat())
                continue;
            QString path;
            QImage image;
            if (!LoadPicture(fragment.charFormat().toImageFormat().name(), pictureDir, path, image, error))
                return false;
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(PictureFormat(doc, path, image, kTextHeightMm - kCaptionRoomMm));
        }
    }
    return true;
}

// Headings in the program's green with some air above; body text a little more
// line spacing than Qt's default, which reads tight on paper; notes set off as
// quotations and code on a pale green ground.
void StyleBlocks(QTextDocument& doc)
{
    QTextCursor cursor(&doc);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        QTextBlockFormat bf = block.blockFormat();
        const int level = bf.headingLevel();
        if (level > 0) {
            QTextCharFormat cf;
            cf.setForeground(kGreen);
            cursor.mergeCharFormat(cf);
            bf.setTopMargin(MmToFormat(level <= 1 ? 0 : level == 2 ? 6 : 4));
            bf.setBottomMargin(MmToFormat(level <= 2 ? 2.5 : 1.5));
        } else if (IsCode(block)) {
            QTextCharFormat cf;
            cf.setFontPointSize(kBodyPointSize - 2);
            cursor.mergeCharFormat(cf);
            bf.setBackground(kPaleGreen);
            bf.setTopMargin(IsCode(block.previous()) ? 0 : MmToFormat(1));
            bf.setBottomMargin(IsCode(block.next()) ? 0 : MmToFormat(2.5));
        } else if (IsFigure(block)) {
            continue;
        } else if (IsQuote(block)) {
            bf.setBackground(kPaleGreen);
            bf.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
        } else if (!block.textList()) {
            bf.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
            bf.setBottomMargin(qMax(bf.bottomMargin(), MmToFormat(1.8)));
        }
        cursor.setBlockFormat(bf);
        // Code inside running text comes in the system's fixed font and size, which
        // is larger than the text around it and spreads the lines apart.
        if (!IsCode(block)) {
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid() || !fragment.charFormat().fontFixedPitch())
                    continue;
                QTextCursor code(&doc);
                code.setPosition(fragment.position());
                code.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
                QTextCharFormat cf;
                cf.setFontPointSize(kBodyPointSize - 1);
                code.mergeCharFormat(cf);
            }
        }
    }
}

// Tables with thin grey rules and a pale green head row, as wide as the text.
void StyleTables(QTextFrame* frame)
{
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat tf = table->format();
            tf.setBorder(MmToFormat(0.15));
            tf.setBorderBrush(kGrey);
            tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            tf.setCellPadding(MmToFormat(1.2));
            tf.setCellSpacing(0);
            tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            tf.setHeaderRowCount(1);
            table->setFormat(tf);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextCharFormat cf = cell.format();
                cf.setBackground(kPaleGreen);
                cell.setFormat(cf);
            }
        }
        StyleTables(child);
    }
}

int PageOf(qreal y, qreal pageHeight)
{
    return static_cast<int>(y / pageHeight);
}

// The document laid out for the PDF. A fresh copy each time: a layout that has
// seen format changes is not reliably complete without an event loop.
std::unique_ptr<QTextDocument> LaidOut(const QTextDocument& doc, QPaintDevice* device, const QSizeF& pageSize)
{
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->setBaseUrl(doc.baseUrl());
    copy->documentLayout()->setPaintDevice(device);
    copy->setPageSize(pageSize);
    return copy;
}

// Position of the first heading that ends a page with its text on the next, or
// of the first note or figure split over two pages; -1 for none.
int FirstBadBreak(QTextDocument& doc, qreal pageHeight)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (IsQuote(block) || IsFigure(block)) {
            const QRectF r = layout->blockBoundingRect(block);
            const int page = PageOf(r.top(), pageHeight);
            if (PageOf(r.bottom() - 1, pageHeight) > page && r.top() > page * pageHeight + 1)
                return block.position();
            continue;
        }
        const QTextBlock next = block.next();
        if (block.blockFormat().headingLevel() == 0 || !next.isValid())
            continue;
        const QRectF headingRect = layout->blockBoundingRect(block);
        QRectF nextRect = layout->blockBoundingRect(next);
        // Two lines of the text belong with the heading (one if that is all there is).
        if (next.layout() && next.layout()->lineCount() > 0) {
            const QTextLine line = next.layout()->lineAt(qMin(1, next.layout()->lineCount() - 1));
            nextRect = QRectF(nextRect.topLeft() + line.rect().topLeft(), line.rect().size());
        }
        const int headingPage = PageOf(headingRect.top(), pageHeight);
        if (PageOf(nextRect.bottom(), pageHeight) > headingPage && headingRect.top() > headingPage * pageHeight + 1)
            return block.position();
    }
    return -1;
}

// A heading left alone at the foot of a page, or a note that would be split,
// starts the next page instead.
void KeepTogether(QTextDocument& doc, QPaintDevice* device, const QSizeF& pageSize)
{
    // Each break moves what follows, so look again after each; every block breaks once at most.
    for (int round = 0; round < doc.blockCount(); ++round) {
        const std::unique_ptr<QTextDocument> probe = LaidOut(doc, device, pageSize);
        const int position = FirstBadBreak(*probe, pageSize.height());
        if (position < 0)
            return;
        QTextCursor cursor(doc.findBlock(position));
        QTextBlockFormat bf = cursor.blockFormat();
        if (bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            return; // already at a page's top; nothing more to gain
        bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(bf);
    }
}

// Block numbers of the contents' lines and of the headings they list; block
// numbers stay valid while page numbers are filled in, positions do not.
struct SContents
{
    QList<int> entryBlocks;
    QList<int> headingBlocks;
};

// Puts one line per heading after the token in place of the token: the
// heading's text, a tab, and a page number filled in later.
SContents InsertContents(QTextDocument& doc)
{
    SContents contents;
    QTextBlock token;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (!token.isValid() && block.text().trimmed() == kContentsToken)
            token = block;
        else if (token.isValid() && (block.blockFormat().headingLevel() == 2 || block.blockFormat().headingLevel() == 3))
            contents.headingBlocks.append(block.blockNumber());
    }
    if (!token.isValid())
        return contents;

    QTextCursor cursor(token);
    cursor.setPosition(token.position() + token.length() - 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    QList<QPair<QString, int>> lines;
    for (int number : contents.headingBlocks) {
        const QTextBlock heading = doc.findBlockByNumber(number);
        lines.append({heading.text().trimmed(), heading.blockFormat().headingLevel()});
    }
    QTextCharFormat plain;
    plain.setFontPointSize(kBodyPointSize);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        const bool main = lines.at(i).second == 2;
        QTextBlockFormat bf;
        bf.setTopMargin(MmToFormat(main && i > 0 ? 1.2 : 0));
        bf.setBottomMargin(0);
        // Sub-entries are indented by a tab stop rather than a block margin: tab
        // stops and margins are scaled differently onto the PDF, and the page
        // numbers must line up. A stop right at the line's end would wrap the number.
        QList<QTextOption::Tab> tabs;
        if (!main)
            tabs.append(QTextOption::Tab(MmToFormat(6), QTextOption::LeftTab));
        tabs.append(QTextOption::Tab(MmToFormat(kTextWidthMm - 0.5), QTextOption::RightTab));
        bf.setTabPositions(tabs);
        cursor.setBlockFormat(bf);
        QTextCharFormat cf = plain;
        cf.setFontWeight(main ? QFont::Bold : QFont::Normal);
        cursor.insertText((main ? QString() : QStringLiteral("\t")) + lines.at(i).first + QLatin1Char('\t') + QLatin1Char('0'), cf);
        contents.entryBlocks.append(cursor.block().blockNumber());
    }
    // The entries took blocks of their own: the headings moved down by as many.
    const int added = int(lines.size()) - 1;
    for (int& number : contents.headingBlocks)
        number += added;
    return contents;
}

// Writes the page of each heading into its line; true when a number changed.
bool FillPageNumbers(QTextDocument& doc, const SContents& contents, QPaintDevice* device, const QSizeF& pageSize)
{
    const std::unique_ptr<QTextDocument> probe = LaidOut(doc, device, pageSize);
    bool changed = false;
    for (qsizetype i = 0; i < contents.entryBlocks.size(); ++i) {
        const QTextBlock heading = probe->findBlockByNumber(contents.headingBlocks.at(i));
        const int page = PageOf(probe->documentLayout()->blockBoundingRect(heading).top(), pageSize.height()) + 1;
        const QTextBlock entry = doc.findBlockByNumber(contents.entryBlocks.at(i));
        const qsizetype tab = entry.text().lastIndexOf(QLatin1Char('\t'));
        if (entry.text().mid(tab + 1) == QString::number(page))
            continue;
        QTextCursor cursor(&doc);
        cursor.setPosition(entry.position() + int(tab) + 1);
        cursor.setPosition(entry.position() + entry.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(QString::number(page));
        changed = true;
    }
    return changed;
}

QString FirstHeading(const QTextDocument& doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1)
            return block.text().trimmed();
    }
    return QString();
}

} // namespace

int main(int argc, char** argv)
{
    // No window is ever shown; fonts and layout need a platform all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QGuiApplication::arguments().mid(1);
    QString pictureFolder;
    const qsizetype option = args.indexOf(QStringLiteral("--images"));
    if (option >= 0 && option + 1 < args.size()) {
        pictureFolder = args.at(option + 1);
        args.remove(option, 2);
    }
    if (args.size() != 2 || args.first().startsWith(QLatin1String("--")) || args.last().startsWith(QLatin1String("--"))) {
        Complain(QStringLiteral("Aufruf: makemanual [--images BILDORDNER] HANDBUCH.md AUSGABE.pdf"));
        return 2;
    }
    const QString inputPath = args.at(0);
    const QString outputPath = args.at(1);

    QString markdown;
    QString error;
    if (!ReadMarkdown(inputPath, markdown, error)) {
        Complain(error);
        return 1;
    }
    const QDir pictureDir(pictureFolder.isEmpty() ? QFileInfo(inputPath).absolutePath() : pictureFolder);
    if (!pictureFolder.isEmpty() && !QFileInfo(pictureFolder).isDir()) {
        Complain(QStringLiteral("Den Bildordner „%1“ gibt es nicht.").arg(pictureFolder));
        return 1;
    }

    // Everything that can fail on the input is done before the output is opened.
    QTextDocument doc;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kBodyPointSize);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setBaseUrl(QUrl::fromLocalFile(pictureDir.absolutePath() + QLatin1Char('/')));
    QList<SFigure> figures;
    doc.setMarkdown(ExtractFigures(markdown, figures), QTextDocument::MarkdownDialectGitHub);
    if (!BuildFigures(doc, figures, pictureDir, error) || !SizeInlinePictures(doc, pictureDir, error)) {
        Complain(error);
        return 1;
    }
    StyleBlocks(doc);
    StyleTables(doc.rootFrame());

    // Written to a temporary file and renamed at the end: a failed run leaves an
    // existing PDF as it was.
    QSaveFile out(outputPath);
    if (!out.open(QIODevice::WriteOnly)) {
        Complain(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(outputPath, out.errorString()));
        return 1;
    }

    QPdfWriter writer(&out);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginLeftMm, kMarginTopMm, kMarginRightMm, kMarginBottomMm),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("makemanual"));

    const QRect paintRect = writer.pageLayout().paintRectPixels(kResolution);
    const qreal bodyWidth = paintRect.width();
    const qreal footerHeight = MmToDots(kFooterMm);
    const qreal bodyHeight = paintRect.height() - footerHeight;

    const QSizeF pageSize(bodyWidth, bodyHeight);
    const SContents contents = InsertContents(doc);
    KeepTogether(doc, &writer, pageSize);
    // Page numbers of one or two digits take the same line, so this settles at once;
    // the bound only guards against a layout that keeps moving.
    for (int round = 0; round < 4 && FillPageNumbers(doc, contents, &writer, pageSize); ++round)
        KeepTogether(doc, &writer, pageSize);
    const std::unique_ptr<QTextDocument> laidOut = LaidOut(doc, &writer, pageSize);

    QString title = FirstHeading(doc);
    if (title.isEmpty())
        title = QFileInfo(inputPath).completeBaseName();
    writer.setTitle(title);

    QPainter painter;
    if (!painter.begin(&writer)) {
        Complain(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(outputPath));
        return 1;
    }
    QFont footerFont(QStringLiteral("Arial"));
    footerFont.setPointSizeF(8.5);
    const int pageCount = laidOut->pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            writer.newPage();

        const QRectF pageRect(0, page * bodyHeight, bodyWidth, bodyHeight);
        painter.save();
        painter.setClipRect(QRectF(0, 0, bodyWidth, bodyHeight));
        painter.translate(0, -pageRect.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = pageRect;
        context.palette.setColor(QPalette::Text, Qt::black);
        laidOut->documentLayout()->draw(&painter, context);
        painter.restore();

        const QRectF footer(0, bodyHeight, bodyWidth, footerHeight);
        painter.setPen(QPen(kGreen, MmToDots(0.25)));
        painter.drawLine(QPointF(0, footer.top() + MmToDots(3)), QPointF(bodyWidth, footer.top() + MmToDots(3)));
        painter.setFont(footerFont);
        painter.setPen(kGrey);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, title);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Seite %1 von %2").arg(page + 1).arg(pageCount));
    }
    painter.end();

    if (!out.commit()) {
        Complain(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(outputPath, out.errorString()));
        return 1;
    }
    return 0;
}
