#pragma once

// Test support for printing through CUPS into PDF files: sets up the queue
// T2L-PDF (scripts/cups-pdf-queue.sh), finds the PDF a job produced and
// renders a page with pdftoppm so a test can measure where marks landed.
// A test using it defines T2L_CUPS_PDF_SCRIPT (path of the script) in CMake.

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <climits>

struct CCupsPdfQueue
{
    static QString QueueName() { return QStringLiteral("T2L-PDF"); }

#ifdef T2L_CUPS_PDF_SCRIPT
    static QString EnsureQueue(QString* error) { return EnsureQueue(QStringLiteral(T2L_CUPS_PDF_SCRIPT), error); }
#endif

    // Runs the set-up script; returns the directory the PDFs land in, or an
    // empty string and the script's own message in *error.
    static QString EnsureQueue(const QString& script, QString* error, int timeoutMs = 60000)
    {
        QProcess p;
        p.start(QStringLiteral("/bin/bash"), {script});
        if (!p.waitForStarted(10000))
            return Fail(error, QStringLiteral("cannot start %1: %2").arg(script, p.errorString()));
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished(5000);
            return Fail(error, QStringLiteral("%1 did not finish within %2 ms").arg(script).arg(timeoutMs));
        }
        const QString err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        const QStringList lines =
            QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return Fail(error, QStringLiteral("%1 failed (exit %2): %3").arg(script).arg(p.exitCode()).arg(err));
        const QString dir = lines.isEmpty() ? QString() : lines.last().trimmed();
        if (dir.isEmpty() || !QFileInfo(dir).isDir())
            return Fail(error, QStringLiteral("%1 named no output directory (got '%2')").arg(script, dir));
        return dir;
    }

    // cups-pdf names the file after the job title with every character that is
    // unsafe in a file name replaced, cut to 64 characters, plus "-job_N".
    static bool NameMatchesTitle(const QString& fileName, const QString& jobTitle)
    {
        static const QRegularExpression label(QStringLiteral("^(.*)-job_\\d+\\.pdf$"));
        const QRegularExpressionMatch m = label.match(fileName);
        if (!m.hasMatch())
            return false;
        return Loose(m.captured(1)) == Loose(jobTitle).left(64);
    }

    // Waits for the complete PDF of the job titled jobTitle, written at or after
    // since (files of earlier runs are older). Of several, the newest wins.
    static QString WaitForPdf(const QString& dir, const QString& jobTitle, const QDateTime& since, int timeoutMs,
                              QString* error)
    {
        QElapsedTimer timer;
        timer.start();
        QString last;
        qint64 lastSize = -1;
        for (;;) {
            QString found;
            QDateTime foundTime;
            const QFileInfoList files =
                QDir(dir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            for (const QFileInfo& fi : files) {
                if (fi.lastModified() >= since && NameMatchesTitle(fi.fileName(), jobTitle) &&
                    (found.isEmpty() || fi.lastModified() > foundTime)) {
                    found = fi.filePath();
                    foundTime = fi.lastModified();
                }
            }
            // Ghostscript writes the file in place: done when it ends with %%EOF
            // and has stopped growing.
            if (!found.isEmpty()) {
                const qint64 size = QFileInfo(found).size();
                if (found == last && size == lastSize && EndsWithEof(found))
                    return found;
                last = found;
                lastSize = size;
            }
            if (timer.elapsed() > timeoutMs) {
                QStringList recent;
                for (const QFileInfo& fi : files)
                    if (fi.lastModified() >= since)
                        recent << fi.fileName();
                return Fail(error, QStringLiteral("no complete PDF for job '%1' in %2 after %3 ms (new files: %4); "
                                                  "see lpstat -W all, /var/log/cups/error_log, cups-pdf_log")
                                       .arg(jobTitle, dir)
                                       .arg(timeoutMs)
                                       .arg(recent.isEmpty() ? QStringLiteral("none") : recent.join(QStringLiteral(", "))));
            }
            QThread::msleep(100);
        }
    }

    // Page 1-based, grey scale.
    static QImage RenderPage(const QString& pdf, int page, int dpi, QString* error, int timeoutMs = 60000)
    {
        QTemporaryDir tmp;
        if (!tmp.isValid())
            return FailImage(error, QStringLiteral("no temporary directory: %1").arg(tmp.errorString()));
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (tool.isEmpty())
            return FailImage(error, QStringLiteral("pdftoppm not found; run scripts/bootstrap.sh test"));
        const QString base = tmp.filePath(QStringLiteral("page"));
        QProcess p;
        p.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
                       QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                       QStringLiteral("-singlefile"), pdf, base});
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished(5000);
            return FailImage(error, QStringLiteral("pdftoppm did not finish for %1: %2").arg(pdf, p.errorString()));
        }
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return FailImage(error, QStringLiteral("pdftoppm failed for %1 page %2: %3")
                                        .arg(pdf)
                                        .arg(page)
                                        .arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed()));
        QImage img(base + QStringLiteral(".png"));
        if (img.isNull())
            return FailImage(error, QStringLiteral("pdftoppm wrote no readable image for %1 page %2").arg(pdf).arg(page));
        return img.convertToFormat(QImage::Format_Grayscale8);
    }

    // Bounding box in mm (from the page's top-left) of the pixels darker than
    // threshold inside searchMm (the whole image when empty); null when none.
    // A threshold at half grey puts an anti-aliased edge where it really is.
    static QRectF DarkBoundsMm(const QImage& image, int dpi, const QRectF& searchMm = QRectF(), int threshold = 128)
    {
        const QImage g = image.convertToFormat(QImage::Format_Grayscale8);
        const double pxPerMm = dpi / 25.4;
        QRect area = g.rect();
        if (!searchMm.isEmpty())
            area &= QRectF(searchMm.topLeft() * pxPerMm, searchMm.size() * pxPerMm).toAlignedRect();
        int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const uchar* line = g.constScanLine(y);
            for (int x = area.left(); x <= area.right(); ++x) {
                if (line[x] < threshold) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
            }
        }
        if (right < 0)
            return QRectF();
        return QRectF(left / pxPerMm, top / pxPerMm, (right + 1 - left) / pxPerMm, (bottom + 1 - top) / pxPerMm);
    }

private:
    static QString Loose(const QString& s)
    {
        QString r = s;
        for (QChar& c : r)
            if (!c.isLetterOrNumber())
                c = QLatin1Char('_');
        return r;
    }

    static bool EndsWithEof(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || f.size() < 8)
            return false;
        f.seek(qMax<qint64>(0, f.size() - 32));
        return f.readAll().contains("%%EOF");
    }

    static QString Fail(QString* error, const QString& message)
    {
        if (error)
            *error = message;
        return QString();
    }

    static QImage FailImage(QString* error, const QString& message)
    {
        Fail(error, message);
        return QImage();
    }
};
