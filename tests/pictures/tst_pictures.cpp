// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Reads the pictures committed under resources/ and checks them against how they must look:
// exact pixels where the design is exact, robust region statistics for the photo-like
// background.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

constexpr QRgb grey = 0xff8b8b8b;
constexpr QRgb white = 0xffffffff;
constexpr QRgb mint = 0xff8affde;
constexpr QRgb black = 0xff000000;

QByteArray committed(const QString &path)
{
    QFile file(QDir(QStringLiteral(PICTURES_DIR)).filePath(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 le16(const QByteArray &bytes, qsizetype at)
{
    return quint32(uchar(bytes.at(at))) | quint32(uchar(bytes.at(at + 1))) << 8;
}

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return le16(bytes, at) | le16(bytes, at + 2) << 16;
}

// The 32 px icon: two framed 9 x 9 squares on rows 11 to 19, at columns 13 and 23.
// Transparent is returned as 0.
QRgb iconPixel(int x, int y)
{
    if (y < 11 || y > 19)
        return 0;
    int left = 0;
    QRgb fill = 0;
    if (x >= 13 && x <= 21) {
        left = 13;
        fill = white;
    } else if (x >= 23 && x <= 31) {
        left = 23;
        fill = mint;
    } else {
        return 0;
    }
    const bool frame = x == left || x == left + 8 || y == 11 || y == 19;
    return frame ? grey : fill;
}

// Compares every pixel, ignoring the colour under fully transparent pixels.
void compareWithIcon(const QImage &image)
{
    QCOMPARE(image.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb expected = iconPixel(x, y);
            const QRgb actual = image.pixel(x, y);
            if (expected == 0) {
                QVERIFY2(qAlpha(actual) == 0, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            } else {
                QVERIFY2(actual == expected, qPrintable(QStringLiteral("(%1, %2): %3 instead of %4")
                                                            .arg(x)
                                                            .arg(y)
                                                            .arg(actual, 8, 16)
                                                            .arg(expected, 8, 16)));
            }
        }
    }
}

// The play picture: solid first row, then every fourth pixel see-through, column 1 in odd
// rows and column 3 in even rows.
bool playHole(int x, int y)
{
    if (y == 0)
        return false;
    return y % 2 == 1 ? x % 4 == 1 : x % 4 == 3;
}

int luma(QRgb c)
{
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// Counts the pixels of a rectangle, given in 600 x 400 picture pixels, that pass a test.
qsizetype countIn(const QImage &image, int scale, const QRect &area,
                  const std::function<bool(QRgb)> &test)
{
    const QRect pixels(area.topLeft() * scale, area.size() * scale);
    qsizetype count = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

double meanLuma(const QImage &image, int scale, const QRect &area)
{
    const QRect pixels(area.topLeft() * scale, area.size() * scale);
    double sum = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            sum += luma(image.pixel(x, y));
    }
    return sum / (double(pixels.width()) * pixels.height());
}

bool bright(QRgb c)
{
    return luma(c) >= 200;
}

bool paleGreen(QRgb c)
{
    return qGreen(c) >= 180 && qGreen(c) >= qRed(c) + 20 && qGreen(c) >= qBlue(c) + 20;
}

bool reddish(QRgb c)
{
    return qRed(c) >= 100 && qGreen(c) * 2 <= qRed(c) && qBlue(c) * 2 <= qRed(c);
}

QString hicolorPath(int size)
{
    return QStringLiteral("icons/hicolor/%1x%1/apps/" KALUDNIK_APP_ID ".png").arg(size);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void iconFileHeader();
    void iconPixels();
    void hicolorIcons_data();
    void hicolorIcons();
    void scalableIcon();

    void playHeader_data();
    void playHeader();
    void playPixels_data();
    void playPixels();

    void background_data();
    void background();
    void backgroundDoubleMatches();
};

void PicturesTest::iconFileHeader()
{
    const QByteArray ico = committed(QStringLiteral("icon.ico"));
    // Directory, entry, BITMAPINFOHEADER, 256 colours, 32 x 32 index bytes, 32 mask rows of 4.
    QCOMPARE(ico.size(), 6 + 16 + 40 + 256 * 4 + 32 * 32 + 32 * 4);
    QCOMPARE(le16(ico, 0), 0u); // reserved
    QCOMPARE(le16(ico, 2), 1u); // icon, not cursor
    QCOMPARE(le16(ico, 4), 1u); // one image
    QCOMPARE(uchar(ico.at(6)), uchar(32));
    QCOMPARE(uchar(ico.at(7)), uchar(32));
    QCOMPARE(uchar(ico.at(8)), uchar(0)); // 0 = 256 colours
    QCOMPARE(le16(ico, 10), 1u);          // planes
    QCOMPARE(le16(ico, 12), 8u);          // bits per pixel
    QCOMPARE(le32(ico, 14), quint32(ico.size() - 22));
    QCOMPARE(le32(ico, 18), 22u);

    QCOMPARE(le32(ico, 22), 40u); // header size
    QCOMPARE(le32(ico, 26), 32u); // width
    QCOMPARE(le32(ico, 30), 64u); // colour rows plus mask rows
    QCOMPARE(le16(ico, 34), 1u);  // planes
    QCOMPARE(le16(ico, 36), 8u);  // 8-bit palette indices
    QCOMPARE(le32(ico, 38), 0u);  // uncompressed

    // The palette (BGRx) must hold the three colours of the design.
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i) {
        const qsizetype at = 62 + 4 * i;
        palette.append(qRgb(uchar(ico.at(at + 2)), uchar(ico.at(at + 1)), uchar(ico.at(at))));
    }
    QVERIFY(palette.contains(grey));
    QVERIFY(palette.contains(white));
    QVERIFY(palette.contains(mint));
}

void PicturesTest::iconPixels()
{
    const QImage image = QImage::fromData(committed(QStringLiteral("icon.ico")), "ico");
    QVERIFY(!image.isNull());
    compareWithIcon(image);
}

void PicturesTest::hicolorIcons_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

// Every size: RGBA, crisp (only the design's colours, alpha 0 or 255), nothing but the white
// square left of the mint one, both framed in grey as wide as the gap between them, filling the
// canvas up to the usual margin of a desktop icon (1/16 to 1/8 of the size) and centred.
void PicturesTest::hicolorIcons()
{
    QFETCH(int, size);
    const QByteArray png = committed(hicolorPath(size));
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(uchar(png.at(24)), uchar(8)); // bits per channel
    QCOMPARE(uchar(png.at(25)), uchar(6)); // RGBA
    const QImage image = QImage::fromData(png, "png");
    QCOMPARE(image.size(), QSize(size, size));

    QRect opaque, whiteFill, mintFill;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            QVERIFY2(pixel == grey || pixel == white || pixel == mint,
                     qPrintable(QStringLiteral("(%1, %2): %3").arg(x).arg(y).arg(pixel, 8, 16)));
            opaque |= QRect(x, y, 1, 1);
            if (pixel == white)
                whiteFill |= QRect(x, y, 1, 1);
            if (pixel == mint)
                mintFill |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!whiteFill.isEmpty() && !mintFill.isEmpty());
    const int line = whiteFill.left() - opaque.left();
    QVERIFY(line >= 1);
    const QRect whiteSquare = whiteFill.adjusted(-line, -line, line, line);
    const QRect mintSquare = mintFill.adjusted(-line, -line, line, line);
    QCOMPARE(whiteSquare.width(), whiteSquare.height());
    QCOMPARE(mintSquare.size(), whiteSquare.size());
    QCOMPARE(mintSquare.top(), whiteSquare.top());
    QCOMPARE(mintSquare.left() - whiteSquare.right() - 1, line);
    QCOMPARE(opaque, whiteSquare | mintSquare);
    // The frame keeps about the design's share of the square (1 of 9), at least one pixel.
    QVERIFY2(qAbs(whiteSquare.width() / double(line) - 9) <= 4.5 || line == 1,
             qPrintable(QStringLiteral("frame %1 of %2").arg(line).arg(whiteSquare.width())));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QPoint at(x, y);
            QRgb expected = 0;
            if (whiteSquare.contains(at))
                expected = whiteFill.contains(at) ? white : grey;
            else if (mintSquare.contains(at))
                expected = mintFill.contains(at) ? mint : grey;
            const QRgb actual = image.pixel(at);
            QVERIFY2(expected == 0 ? qAlpha(actual) == 0 : actual == expected,
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }

    const int left = opaque.left(), right = size - 1 - opaque.right();
    const int top = opaque.top(), bottom = size - 1 - opaque.bottom();
    QVERIFY2(qAbs(left - right) <= 1 && qAbs(top - bottom) <= 1,
             qPrintable(
                 QStringLiteral("margins %1 %2 %3 %4").arg(left).arg(right).arg(top).arg(bottom)));
    QVERIFY2(std::min(left, right) * 16 >= size && std::max(left, right) * 8 <= size,
             qPrintable(QStringLiteral("margins %1 and %2 of %3").arg(left).arg(right).arg(size)));
}

// The SVG may only hold whole-unit rectangles on a square view box; painting them in order must
// give the PNG icon of that size.
void PicturesTest::scalableIcon()
{
    QXmlStreamReader xml(
        committed(QStringLiteral("icons/hicolor/scalable/apps/" KALUDNIK_APP_ID ".svg")));
    int size = 0;
    QList<QRgb> canvas;
    bool sawRoot = false;
    int rects = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        QCOMPARE(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QStringLiteral("svg")) {
            QVERIFY(!sawRoot);
            sawRoot = true;
            const QStringList box =
                attributes.value(QStringLiteral("viewBox")).toString().simplified().split(u' ');
            QCOMPARE(box.size(), 4);
            size = box.at(2).toInt();
            QCOMPARE(box, QStringList({QStringLiteral("0"), QStringLiteral("0"),
                                       QString::number(size), QString::number(size)}));
            QVERIFY(size > 0);
            canvas.fill(0, size * size);
            continue;
        }
        QCOMPARE(xml.name().toString(), QStringLiteral("rect"));
        QVERIFY(sawRoot);
        ++rects;
        bool ok[4] = {};
        const int x = attributes.value(QStringLiteral("x")).toInt(&ok[0]);
        const int y = attributes.value(QStringLiteral("y")).toInt(&ok[1]);
        const int width = attributes.value(QStringLiteral("width")).toInt(&ok[2]);
        const int height = attributes.value(QStringLiteral("height")).toInt(&ok[3]);
        QVERIFY(ok[0] && ok[1] && ok[2] && ok[3]);
        const QString fill = attributes.value(QStringLiteral("fill")).toString();
        QVERIFY2(fill.size() == 7 && fill.startsWith(u'#'), qPrintable(fill));
        bool hexOk = false;
        const QRgb colour = 0xff000000u | fill.mid(1).toUInt(&hexOk, 16);
        QVERIFY(hexOk);
        QVERIFY(x >= 0 && y >= 0 && x + width <= size && y + height <= size);
        for (int row = y; row < y + height; ++row) {
            for (int column = x; column < x + width; ++column)
                canvas[row * size + column] = colour;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(sawRoot);
    QVERIFY(rects > 0);
    const QImage png = QImage::fromData(committed(hicolorPath(size)), "png");
    QCOMPARE(png.size(), QSize(size, size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = png.pixel(x, y);
            QVERIFY2(canvas[y * size + x] == (qAlpha(pixel) == 0 ? 0 : pixel),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
}

void PicturesTest::playHeader_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << QStringLiteral("play.gif") << 1;
    QTest::newRow("2x") << QStringLiteral("play@2x.gif") << 2;
}

void PicturesTest::playHeader()
{
    QFETCH(QString, path);
    QFETCH(int, scale);
    const QByteArray gif = committed(path);
    QVERIFY(gif.size() > 13 + 6 + 8 + 10);
    QCOMPARE(gif.left(6), QByteArray("GIF89a"));
    QCOMPARE(le16(gif, 6), quint32(103 * scale));
    QCOMPARE(le16(gif, 8), quint32(76 * scale));
    const uchar packed = uchar(gif.at(10));
    QVERIFY(packed & 0x80);                                              // global palette present
    QCOMPARE(packed & 0x07, 0);                                          // of 2 ^ (0 + 1) colours
    QCOMPARE(gif.mid(13, 6), QByteArray("\x00\x00\x00\xff\xff\xff", 6)); // black, white
    // Graphic control extension right after the palette, marking index 1 see-through.
    QCOMPARE(gif.mid(19, 3), QByteArray("\x21\xf9\x04"));
    QVERIFY(uchar(gif.at(22)) & 0x01);
    QCOMPARE(uchar(gif.at(25)), uchar(1));
    QCOMPARE(uchar(gif.at(26)), uchar(0));
    // The image covers the whole screen, without a palette of its own.
    QCOMPARE(uchar(gif.at(27)), uchar(0x2c));
    QCOMPARE(le32(gif, 28), 0u);
    QCOMPARE(le16(gif, 32), quint32(103 * scale));
    QCOMPARE(le16(gif, 34), quint32(76 * scale));
    QCOMPARE(uchar(gif.at(36)) & 0x80, 0);
    QVERIFY(gif.endsWith(";"));
}

void PicturesTest::playPixels_data()
{
    playHeader_data();
}

// Read back by Qt's own GIF decoder, so this also checks our LZW stream.
void PicturesTest::playPixels()
{
    QFETCH(QString, path);
    QFETCH(int, scale);
    const QImage image = QImage::fromData(committed(path), "gif");
    QCOMPARE(image.size(), QSize(103 * scale, 76 * scale));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool hole = playHole(x / scale, y / scale);
            QVERIFY2(hole ? qAlpha(pixel) == 0 : pixel == black,
                     qPrintable(QStringLiteral("(%1, %2): %3").arg(x).arg(y).arg(pixel, 8, 16)));
        }
    }
}

void PicturesTest::background_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << QStringLiteral("background.jpg") << 1;
    QTest::newRow("2x") << QStringLiteral("background@2x.jpg") << 2;
}

void PicturesTest::background()
{
    QFETCH(QString, path);
    QFETCH(int, scale);
    const QByteArray jpeg = committed(path);
    QVERIFY(jpeg.startsWith("\xff\xd8\xff"));
    const QImage image = QImage::fromData(jpeg, "jpeg");
    QCOMPARE(image.size(), QSize(600 * scale, 400 * scale));

    for (const QRect &corner : {QRect(0, 0, 10, 10), QRect(590, 0, 10, 10), QRect(0, 390, 10, 10),
                                QRect(590, 390, 10, 10)}) {
        QCOMPARE(countIn(image, scale, corner, [](QRgb c) { return luma(c) > 12; }), 0);
    }

    // The bright figure sits in the left half, white or pale green inside, red at its edges.
    const QRect leftHalf(0, 0, 300, 400);
    const QRect rightHalf(300, 0, 300, 400);
    const qsizetype halfArea = qsizetype(300) * 400 * scale * scale;
    const qsizetype brightLeft = countIn(image, scale, leftHalf, bright);
    const qsizetype brightRight = countIn(image, scale, rightHalf, bright);
    QVERIFY2(brightLeft >= halfArea / 10, qPrintable(QString::number(brightLeft)));
    QVERIFY2(brightRight * 9 <= brightLeft, qPrintable(QString::number(brightRight)));
    QVERIFY(countIn(image, scale, leftHalf, paleGreen) >= halfArea / 20);
    QVERIFY(countIn(image, scale, leftHalf, reddish) >= halfArea / 50);

    // Walking right along a row into the figure, the first lit pixel is red: a rim, not a
    // green or white edge straight on black.
    int rows = 0, rimmed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width() / 2; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 100)
                continue;
            ++rows;
            rimmed += reddish(pixel) ? 1 : 0;
            break;
        }
    }
    QVERIFY(rows >= 100 * scale);
    QVERIFY2(rimmed * 10 >= rows * 9, qPrintable(QStringLiteral("%1 of %2").arg(rimmed).arg(rows)));

    // The main window shows (16, 32) to (589, 398); its button grid covers window
    // (360..569, 8..217) and must stay on black, as must the rest of its right side.
    const QRect grid(376, 40, 210, 210);
    QCOMPARE(countIn(image, scale, grid, [](QRgb c) { return luma(c) > 24; }), 0);
    QVERIFY(meanLuma(image, scale, grid) < 3);
    QVERIFY(meanLuma(image, scale, QRect(376, 32, 214, 367)) < 3);

    // The white menu commands at picture (176..276, 192..332) need a darker ground.
    const QRect menu(176, 192, 101, 141);
    QVERIFY(meanLuma(image, scale, menu) < 40);
    QVERIFY(countIn(image, scale, menu, bright) * 20 <= qsizetype(101) * 141 * scale * scale);
}

// The 2x picture shows the same scene: halved, it matches the 1x one closely where the figure
// is (the black ground would water the average down).
void PicturesTest::backgroundDoubleMatches()
{
    const QImage single = QImage::fromData(committed(QStringLiteral("background.jpg")), "jpeg");
    const QImage twice = QImage::fromData(committed(QStringLiteral("background@2x.jpg")), "jpeg");
    QCOMPARE(single.size(), QSize(600, 400));
    QCOMPARE(twice.size(), QSize(1200, 800));
    double difference = 0;
    qsizetype lit = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 600; ++x) {
            const QRgb corners[] = {twice.pixel(2 * x, 2 * y), twice.pixel(2 * x + 1, 2 * y),
                                    twice.pixel(2 * x, 2 * y + 1),
                                    twice.pixel(2 * x + 1, 2 * y + 1)};
            double r = 0, g = 0, b = 0;
            for (const QRgb c : corners) {
                r += qRed(c) / 4.0;
                g += qGreen(c) / 4.0;
                b += qBlue(c) / 4.0;
            }
            const QRgb s = single.pixel(x, y);
            if (luma(s) <= 16 && luma(qRgb(int(r), int(g), int(b))) <= 16)
                continue;
            ++lit;
            difference += qAbs(r - qRed(s)) + qAbs(g - qGreen(s)) + qAbs(b - qBlue(s));
        }
    }
    QVERIFY(lit > 0);
    const double mean = difference / (double(lit) * 3.0);
    QVERIFY2(mean < 3.0, qPrintable(QString::number(mean)));
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
