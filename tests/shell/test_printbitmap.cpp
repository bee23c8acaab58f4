// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printbitmap.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every pixel a different colour, so a pixel taken from the wrong place shows.
QImage Distinct(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(width * 1000 + height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFFu));
    if (format == QImage::Format_Indexed8) {
        // A small palette of its own, as a 16-colour bitmap has.
        QImage indexed(width, height, QImage::Format_Indexed8);
        QList<QRgb> palette;
        for (int i = 0; i < 16; ++i)
            palette.append(qRgb(i * 16, 255 - i * 13, (i * 71) % 256));
        indexed.setColorTable(palette);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                indexed.setPixel(x, y, static_cast<uint>((x * 7 + y * 3) % 16));
        return indexed;
    }
    return image;
}

constexpr QRgb kBackground = 0xFFFFFFFFu;
constexpr QRgb kMark = 0xFF12B45Au;   // the block looked for in the PDF
constexpr QRgb kAround = 0xFFC8283Cu; // its surroundings

} // namespace

class TestPrintBitmap : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stretchesEveryPixelIntoABlock_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("format");
        QTest::newRow("1:1") << QSize(9, 7) << 1 << int(QImage::Format_RGB32);
        QTest::newRow("2:1") << QSize(9, 7) << 2 << int(QImage::Format_RGB32);
        QTest::newRow("2:1 plate picture") << QSize(80, 81) << 2 << int(QImage::Format_RGB32);
        QTest::newRow("3:1") << QSize(5, 6) << 3 << int(QImage::Format_RGB32);
        QTest::newRow("2:1 own palette") << QSize(80, 81) << 2 << int(QImage::Format_Indexed8);
    }

    void stretchesEveryPixelIntoABlock()
    {
        QFETCH(QSize, size);
        QFETCH(int, scale);
        QFETCH(int, format);
        const QImage bitmap = Distinct(size.width(), size.height(), QImage::Format(format));
        const QPoint origin(16, 16);
        QImage canvas(origin.x() * 2 + size.width() * scale, origin.y() * 2 + size.height() * scale,
                      QImage::Format_RGB32);
        canvas.fill(kBackground);
        {
            QPainter painter(&canvas);
            // The caller's painter may smooth; the copy must not.
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            PrintBitmap(painter, origin.x(), origin.y(), origin.x() + size.width() * scale,
                        origin.y() + size.height() * scale, bitmap);
            QVERIFY(painter.testRenderHint(QPainter::SmoothPixmapTransform));
        }
        const QRect box(origin, size * scale);
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const QRgb expected = box.contains(x, y)
                                          ? bitmap.pixel((x - origin.x()) / scale, (y - origin.y()) / scale)
                                          : kBackground;
                if (canvas.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, not %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(canvas.pixel(x, y), 8, 16)
                                         .arg(expected, 8, 16)));
            }
    }

    void emptyBoxDrawsNothing()
    {
        QImage canvas(20, 20, QImage::Format_RGB32);
        canvas.fill(kBackground);
        {
            QPainter painter(&canvas);
            PrintBitmap(painter, 5, 5, 5, 15, Distinct(4, 4, QImage::Format_RGB32));
            PrintBitmap(painter, 5, 5, 15, 4, Distinct(4, 4, QImage::Format_RGB32));
            PrintBitmap(painter, 0, 0, 20, 20, QImage());
        }
        QImage blank(20, 20, QImage::Format_RGB32);
        blank.fill(kBackground);
        QCOMPARE(canvas, blank);
    }

    void pdfPrinterKeepsExactColours()
    {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("plate.pdf"));

        // A checkerboard would be smeared by lossy compression; the mark in
        // its middle must come out as one block of exactly its colour.
        QImage bitmap(12, 12, QImage::Format_RGB32);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                bitmap.setPixel(x, y, (x + y) % 2 ? kAround : kBackground);
        for (int y = 4; y < 8; ++y)
            for (int x = 4; x < 8; ++x)
                bitmap.setPixel(x, y, kMark);

        const int scale = 4;
        {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setResolution(96);
            QPainter painter;
            QVERIFY(painter.begin(&printer));
            PrintBitmap(painter, 16, 16, 16 + 12 * scale, 16 + 12 * scale, bitmap);
            painter.end();
        }

        // 192 dpi: every bitmap pixel becomes 8 x 8 raster pixels.
        const int dpi = 192;
        const int block = scale * dpi / 96;
        QProcess process;
        process.start(pdftoppm, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                 QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QImage page(dir.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());
        page = page.convertToFormat(QImage::Format_RGB32);

        QRect mark;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixel(x, y) == kMark)
                    mark |= QRect(x, y, 1, 1);
        QVERIFY2(mark.isValid(), "the mark's colour does not occur exactly");
        // Its edges may fall between raster pixels; its inside must be exact.
        QVERIFY2(qAbs(mark.width() - 4 * block) <= 1 && qAbs(mark.height() - 4 * block) <= 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(mark.width()).arg(mark.height())));
        const QRect inside = mark.adjusted(1, 1, -1, -1);
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                QCOMPARE(page.pixel(x, y), kMark);

        // The checkerboard next to it: each square's middle exact too.
        const QPoint topLeft = mark.topLeft() - QPoint(4 * block, 4 * block);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const QPoint middle = topLeft + QPoint(x * block + block / 2, y * block + block / 2);
                QCOMPARE(page.pixel(middle), bitmap.pixel(x, y));
            }
    }
};

QTEST_MAIN(TestPrintBitmap)
#include "test_printbitmap.moc"
