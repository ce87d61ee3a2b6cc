#include "TestSupport.h"

#include "document/EinheitspapierDoc.h"
#include "resources/ResourceNames.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The pictures compiled into t2l_gui, and the files that tie .t2l documents to
// the editor on the desktop.
class TestResources : public QObject
{
    Q_OBJECT

    CIsolatedSettings m_settings;
    QTemporaryDir m_share;

    static QImage Load(const QString& path)
    {
        QImageReader reader(path);
        return reader.read();
    }

    static QByteArray ReadPackaging(const char* name)
    {
        QFile f(QStringLiteral(T2L_PACKAGING_DIR "/") + QLatin1String(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QString MimeTypeName()
    {
        const QRegularExpression type(QStringLiteral("<mime-type\\s+type=\"([^\"]+)\""));
        return type.match(QString::fromUtf8(ReadPackaging("velmora-t2l.xml"))).captured(1);
    }

    // Mean brightness 0..1 of a rectangle of the picture.
    static double Brightness(const QImage& image, const QRect& r)
    {
        double sum = 0;
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                sum += (0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF()) * c.alphaF();
                ++n;
            }
        }
        return n ? sum / n : 0;
    }

    static bool OpaqueNear(const QImage& image, int x, int y)
    {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (qAlpha(image.pixel(x + dx, y + dy)) > 128)
                    return true;
            }
        }
        return false;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Our MIME type beside the system's, found the way the desktop finds it.
        QVERIFY(m_share.isValid());
        QVERIFY(QDir().mkpath(m_share.filePath(QStringLiteral("mime/packages"))));
        QVERIFY(QFile::copy(QStringLiteral(T2L_PACKAGING_DIR "/velmora-t2l.xml"),
                            m_share.filePath(QStringLiteral("mime/packages/velmora-t2l.xml"))));
        qputenv("XDG_DATA_DIRS", (m_share.path() + QStringLiteral(":/usr/share")).toLocal8Bit());
    }

    void everyPictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : ResourceNames::AllPaths())
            QTest::newRow(qPrintable(path)) << path;
    }

    void everyPictureLoads()
    {
        QFETCH(QString, path);
        QVERIFY2(QFile::exists(path), "not compiled into the program");
        const QImage image = Load(path);
        QVERIFY2(!image.isNull(), "the SVG does not load");
        QSize expected(64, 64);
        if (path.startsWith(QLatin1String(":/toolbar/")))
            expected = QSize(ResourceNames::kToolbarIconSize, ResourceNames::kToolbarIconSize);
        else if (path.startsWith(QLatin1String(":/arrows/")))
            expected = QSize(ResourceNames::kArrowSize, ResourceNames::kArrowSize);
        else if (path.startsWith(QLatin1String(":/cursors/")))
            expected = QSize(ResourceNames::kCursorSize, ResourceNames::kCursorSize);
        else if (path == ResourceNames::kSplash)
            expected = QSize(ResourceNames::kSplashWidth, ResourceNames::kSplashHeight);
        QCOMPARE(image.size(), expected);
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < argb.height(); ++y) {
            for (int x = 0; x < argb.width(); ++x)
                opaque += qAlpha(argb.pixel(x, y)) > 128 ? 1 : 0;
        }
        QVERIFY2(opaque * 10 > argb.width() * argb.height(), "almost nothing drawn");
    }

    void toolbarIconsByCommandId()
    {
        QCOMPARE(ResourceNames::ToolbarIcon(57603), QStringLiteral(":/toolbar/57603.svg"));
        QVERIFY(ResourceNames::ToolbarIcon(12345).isEmpty());
        QSet<int> ids;
        for (int id : ResourceNames::kToolbarIconIds)
            ids.insert(id);
        QCOMPARE(qsizetype(ids.size()), qsizetype(std::size(ResourceNames::kToolbarIconIds)));
    }

    void cursorHotspotsLieOnTheDrawing()
    {
        const QImage form = Load(ResourceNames::kFormCursor).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(OpaqueNear(form, ResourceNames::kFormCursorHotX, ResourceNames::kFormCursorHotY));
        const QImage field = Load(ResourceNames::kFieldCursor).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(OpaqueNear(field, ResourceNames::kFieldCursorHotX, ResourceNames::kFieldCursorHotY));
    }

    void splashLeavesRoomForItsTexts()
    {
        const QImage splash = Load(ResourceNames::kSplash).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!splash.isNull());
        // White version text needs a dark ground; the dark and red texts a light one.
        const int vx = ResourceNames::kSplashVersionCentreX;
        const int vy = ResourceNames::kSplashVersionY;
        QVERIFY(Brightness(splash, QRect(vx - 90, vy - 12, 180, 30)) < 0.5);
        const int wx = ResourceNames::kSplashWebCentreX;
        const int wy = ResourceNames::kSplashWebY;
        QVERIFY(Brightness(splash, QRect(wx - 200, wy - 10, 400, 26)) > 0.85);
        QVERIFY(Brightness(splash, QRect(ResourceNames::kSplashMakerX, ResourceNames::kSplashMakerY - 12, 200, 32)) > 0.85);
        QVERIFY(Brightness(splash, QRect(ResourceNames::kSplashNoticeRight - 160, ResourceNames::kSplashNoticeY - 10, 160, 26)) > 0.85);
    }

    void desktopEntryOpensDocuments()
    {
        const QString desktop = QString::fromUtf8(ReadPackaging("velmora-t2l.desktop"));
        QVERIFY(desktop.startsWith(QLatin1String("[Desktop Entry]")));
        QVERIFY(desktop.contains(QStringLiteral("\nExec=velmora-t2l %f\n")));
        QVERIFY(desktop.contains(QStringLiteral("\nIcon=velmora-t2l\n")));
        QCOMPARE(MimeTypeName(), QStringLiteral("application/x-velmora-t2l"));
        QVERIFY(desktop.contains(QStringLiteral("\nMimeType=") + MimeTypeName() + QStringLiteral(";\n")));
    }

    void savedDocumentIsRecognised()
    {
        // A document as the editor saves it, under a name that does not tell.
        CEinheitspapierDoc doc;
        doc.OnNewDocument();
        const QByteArray bytes = doc.SaveToBytes();
        QVERIFY(!bytes.isEmpty());

        QMimeDatabase db;
        QCOMPARE(db.mimeTypeForData(bytes).name(), MimeTypeName());
        QCOMPARE(db.mimeTypeForFile(QStringLiteral("Sendung.t2l"), QMimeDatabase::MatchExtension).name(), MimeTypeName());
        QVERIFY(db.mimeTypeForData(QByteArray("KIV-VURivi@2.00 something else")).name() != MimeTypeName());
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
