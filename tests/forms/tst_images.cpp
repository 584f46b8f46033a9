#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <array>

namespace {

const QRgb schematicGround = qRgb(255, 153, 204);
const QRgb black = qRgb(0, 0, 0);
const QRgb iconYellow = qRgb(255, 255, 0);

QImage load(const QString& file) { return QImage(":/images/" + file); }

bool ink(const QImage& image, int x, int y) { return image.pixel(x, y) == black; }

// Bounding box of the black pixels inside `region`; null when there are none.
QRect inkBounds(const QImage& image, QRect region) {
    QRect bounds;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (ink(image, x, y)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool hasInkSquare(const QImage& image, QRect region) {
    for (int y = region.top(); y < region.bottom(); ++y)
        for (int x = region.left(); x < region.right(); ++x)
            if (ink(image, x, y) && ink(image, x + 1, y) && ink(image, x, y + 1) && ink(image, x + 1, y + 1))
                return true;
    return false;
}

// Separate stretches of black met walking `count` pixels from `start` in steps of `step`.
int inkRuns(const QImage& image, QPoint start, QPoint step, int count) {
    int runs = 0;
    for (int i = 0; i < count; ++i)
        if (ink(image, start.x() + i * step.x(), start.y() + i * step.y()) &&
            (i == 0 || !ink(image, start.x() + (i - 1) * step.x(), start.y() + (i - 1) * step.y())))
            ++runs;
    return runs;
}

// The colours met walking from `start` in steps of `step` to the frame, outlines (black)
// skipped and repeats merged.
QList<QRgb> colourSequence(const QImage& image, QPoint start, QPoint step) {
    QList<QRgb> seen;
    for (QPoint p = start; image.rect().adjusted(2, 2, -2, -2).contains(p); p += step) {
        const QRgb c = image.pixel(p);
        if (c != black && (seen.isEmpty() || seen.last() != c)) seen.append(c);
    }
    return seen;
}

QRect box(int x0, int y0, int x1, int y1) { return QRect(QPoint(x0, y0), QPoint(x1, y1)); }

const QStringList schematics = {"bas_6db.png",      "bas_12db.png",   "srednji_6db.png",
                                "srednji_12db.png", "visoki_6db.png", "visoki_12db.png"};

int penOf(const QString& file) { return file.contains("_6db") ? 2 : 1; }

}  // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    // Every bitmap is stored as an 8-bit palette PNG and loads at its designed size.
    void paletteBitmaps_data();
    void paletteBitmaps();
    // The icon is the diode of its description, pixel for pixel, opaque, in 16 colours.
    void iconPixels();
    // The schematics use exactly their two colours and have a 3-pixel frame.
    void schematicColoursAndFrame_data();
    void schematicColoursAndFrame();
    // The two input wires start open at their x, at their y, in the picture's line width.
    void wires_data();
    void wires();
    // Coils in a level wire: three arches between their ends, rising exactly to their top.
    void coilsAlong_data();
    void coilsAlong();
    // Coils in an upright wire: three arches between their ends, bulging left exactly so far.
    void coilsDown_data();
    void coilsDown();
    // Capacitors in a level wire: two upright plates with the wire cut between them.
    void seriesCapacitors_data();
    void seriesCapacitors();
    // Capacitors in an upright wire: two level plates with the wire cut between them.
    void shuntCapacitors_data();
    void shuntCapacitors();
    // Junction dots sit where a branch leaves a wire.
    void junctions_data();
    void junctions();
    // The loudspeaker: an empty upright body in its wire and a cone opening to the right.
    void loudspeakers_data();
    void loudspeakers();
    // In the first-order pictures nothing lies between the wires left of the loudspeaker.
    void emptyBetweenWires_data();
    void emptyBetweenWires();
    // Every letter fills its box exactly, in bold strokes in the first-order pictures only.
    void letters_data();
    void letters();
    // The coil drawing: black frame on its ground, grey flanges and core, orange winding.
    void coilDrawing();
    // The start form's loudspeakers are shaded pictures, one the mirror of the other.
    void startPictures();
};

void TestImages::paletteBitmaps_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("icon") << "icon.png" << QSize(32, 32);
    QTest::newRow("speaker right") << "speaker_right.png" << QSize(168, 199);
    QTest::newRow("speaker left") << "speaker_left.png" << QSize(168, 199);
    QTest::newRow("portrait") << "portrait.png" << QSize(145, 151);
    QTest::newRow("coil") << "kalem.png" << QSize(330, 200);
    for (const QString& file : schematics) QTest::newRow(qPrintable(file)) << file << QSize(236, 177);
}

void TestImages::paletteBitmaps() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFile png(":/images/" + file);
    QVERIFY(png.open(QIODevice::ReadOnly));
    const QByteArray head = png.read(26);
    QCOMPARE(head.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
    QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(head[24]), 8);  // bit depth
    QCOMPARE(int(head[25]), 3);  // colour type: palette
    const QImage image = load(file);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.size(), size);
    QVERIFY(image.colorCount() <= 256);
}

void TestImages::iconPixels() {
    const QImage icon = load("icon.png");
    QVERIFY(icon.colorCount() <= 16);
    const QSet<QRgb> windows16 = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                                  qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                                  qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                                  qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    for (QRgb entry : icon.colorTable()) QVERIFY(windows16.contains(entry));

    const std::array<int, 20> triangleEnd = {11, 12, 14, 15, 16, 18, 19, 23, 23, 31,
                                             31, 20, 18, 17, 16, 14, 13, 12, 10, 10};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool wire = y == 15 || y == 16;
            const bool body = y >= 6 && y <= 25;
            const bool bar = body && (x == 22 || x == 23);
            const bool triangle = body && x >= 9 && x <= triangleEnd[y - 6];
            const QRgb expected = wire || bar || triangle ? black : iconYellow;
            QVERIFY2(icon.pixel(x, y) == expected, qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
            QCOMPARE(qAlpha(icon.pixel(x, y)), 255);
        }
}

void TestImages::schematicColoursAndFrame_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : schematics) QTest::newRow(qPrintable(file)) << file;
}

void TestImages::schematicColoursAndFrame() {
    QFETCH(QString, file);
    const QImage image = load(file);
    QSet<QRgb> used;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) used.insert(image.pixel(x, y));
    QCOMPARE(used, QSet<QRgb>({schematicGround, black}));

    const QRect inside = image.rect().adjusted(3, 3, -3, -3);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inside.contains(x, y)) QVERIFY(ink(image, x, y));
    for (int x = 3; x <= 232; ++x) {
        QVERIFY(!ink(image, x, 3));
        QVERIFY(!ink(image, x, 173));
    }
    for (int y = 3; y <= 173; ++y) {
        QVERIFY(!ink(image, 3, y));
        QVERIFY(!ink(image, 232, y));
    }
}

void TestImages::wires_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("startX");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("endX");
    const struct {
        const char* name;
        const char* file;
        int startX, y, endX;
    } rows[] = {
        {"bas 6 upper", "bas_6db.png", 36, 45, 177},           {"bas 6 lower", "bas_6db.png", 36, 144, 177},
        {"bas 12 upper", "bas_12db.png", 36, 45, 177},         {"bas 12 lower", "bas_12db.png", 36, 143, 177},
        {"srednji 6 upper", "srednji_6db.png", 36, 45, 177},   {"srednji 6 lower", "srednji_6db.png", 36, 143, 177},
        {"srednji 12 upper", "srednji_12db.png", 12, 44, 202}, {"srednji 12 lower", "srednji_12db.png", 11, 143, 202},
        {"visoki 6 upper", "visoki_6db.png", 36, 43, 177},     {"visoki 6 lower", "visoki_6db.png", 36, 142, 177},
        {"visoki 12 upper", "visoki_12db.png", 36, 43, 177},   {"visoki 12 lower", "visoki_12db.png", 36, 141, 177},
    };
    for (const auto& r : rows) QTest::newRow(r.name) << r.file << r.startX << r.y << r.endX;
}

void TestImages::wires() {
    QFETCH(QString, file);
    QFETCH(int, startX);
    QFETCH(int, y);
    QFETCH(int, endX);
    const QImage image = load(file);
    const int pen = penOf(file);
    QVERIFY(!ink(image, startX - 1, y));
    for (int x = startX; x < startX + 10; ++x) {
        QVERIFY(!ink(image, x, y - 1));
        for (int row = y; row < y + pen; ++row) QVERIFY(ink(image, x, row));
        QVERIFY(!ink(image, x, y + pen));
    }
    QVERIFY(ink(image, endX, y));
    QVERIFY(!ink(image, endX + pen, y));
}

void TestImages::coilsAlong_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("x0");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("wireY");
    QTest::addColumn<int>("topY");
    QTest::newRow("bas 6 L") << "bas_6db.png" << 84 << 128 << 45 << 31;
    QTest::newRow("bas 12 L") << "bas_12db.png" << 64 << 106 << 45 << 30;
    QTest::newRow("srednji 6 L") << "srednji_6db.png" << 113 << 156 << 45 << 31;
    QTest::newRow("srednji 12 L2") << "srednji_12db.png" << 96 << 138 << 44 << 30;
}

void TestImages::coilsAlong() {
    QFETCH(QString, file);
    QFETCH(int, x0);
    QFETCH(int, x1);
    QFETCH(int, wireY);
    QFETCH(int, topY);
    const QImage image = load(file);
    QCOMPARE(inkBounds(image, box(x0 - 4, topY - 4, x1 + 4, wireY - 1)), box(x0, topY, x1, wireY - 1));
    QCOMPARE(inkRuns(image, QPoint(x0, topY), QPoint(1, 0), x1 - x0 + 1), 3);
}

void TestImages::coilsDown_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("wireX");
    QTest::addColumn<int>("y0");
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("leftX");
    QTest::newRow("srednji 12 L1") << "srednji_12db.png" << 75 << 72 << 115 << 61;
    QTest::newRow("visoki 12 L") << "visoki_12db.png" << 127 << 71 << 113 << 114;
}

void TestImages::coilsDown() {
    QFETCH(QString, file);
    QFETCH(int, wireX);
    QFETCH(int, y0);
    QFETCH(int, y1);
    QFETCH(int, leftX);
    const QImage image = load(file);
    QCOMPARE(inkBounds(image, box(leftX - 4, y0 - 4, wireX - 1, y1 + 4)), box(leftX, y0, wireX - 1, y1));
    QCOMPARE(inkRuns(image, QPoint(leftX, y0), QPoint(0, 1), y1 - y0 + 1), 3);
    QVERIFY(ink(image, wireX, y0 - 2));
    QVERIFY(ink(image, wireX, y1 + 2));
}

void TestImages::seriesCapacitors_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("leftPlate");
    QTest::addColumn<int>("rightPlate");
    QTest::addColumn<int>("y0");
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("wireY");
    QTest::newRow("srednji 6 C") << "srednji_6db.png" << 60 << 67 << 35 << 56 << 45;
    QTest::newRow("srednji 12 C1") << "srednji_12db.png" << 36 << 43 << 35 << 55 << 44;
    QTest::newRow("visoki 6 C") << "visoki_6db.png" << 95 << 102 << 33 << 54 << 43;
    QTest::newRow("visoki 12 C") << "visoki_12db.png" << 82 << 89 << 33 << 53 << 43;
}

void TestImages::seriesCapacitors() {
    QFETCH(QString, file);
    QFETCH(int, leftPlate);
    QFETCH(int, rightPlate);
    QFETCH(int, y0);
    QFETCH(int, y1);
    QFETCH(int, wireY);
    const QImage image = load(file);
    const int pen = penOf(file);
    for (int plate : {leftPlate, rightPlate}) {
        QCOMPARE(inkBounds(image, box(plate, y0 - 3, plate + pen - 1, y1 + 3)), box(plate, y0, plate + pen - 1, y1));
        for (int y = y0; y <= y1; ++y) QVERIFY(ink(image, plate, y) && ink(image, plate + pen - 1, y));
    }
    for (int x = leftPlate + pen; x < rightPlate; ++x) QVERIFY(!ink(image, x, wireY));
    QVERIFY(ink(image, leftPlate - 1, wireY));
    QVERIFY(ink(image, rightPlate + pen, wireY));
}

void TestImages::shuntCapacitors_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("x0");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("topPlate");
    QTest::addColumn<int>("bottomPlate");
    QTest::addColumn<int>("wireX");
    QTest::newRow("bas 12 C") << "bas_12db.png" << 117 << 137 << 90 << 97 << 127;
    QTest::newRow("srednji 12 C2") << "srednji_12db.png" << 149 << 169 << 90 << 97 << 159;
}

void TestImages::shuntCapacitors() {
    QFETCH(QString, file);
    QFETCH(int, x0);
    QFETCH(int, x1);
    QFETCH(int, topPlate);
    QFETCH(int, bottomPlate);
    QFETCH(int, wireX);
    const QImage image = load(file);
    for (int plate : {topPlate, bottomPlate})
        QCOMPARE(inkBounds(image, box(x0 - 3, plate, x1 + 3, plate)), box(x0, plate, x1, plate));
    for (int y = topPlate + 1; y < bottomPlate; ++y) QVERIFY(!ink(image, wireX, y));
    QVERIFY(ink(image, wireX, topPlate - 1));
    QVERIFY(ink(image, wireX, bottomPlate + 1));
}

void TestImages::junctions_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("centre");
    QTest::newRow("bas 12 upper") << "bas_12db.png" << QPoint(127, 45);
    QTest::newRow("bas 12 lower") << "bas_12db.png" << QPoint(127, 143);
    QTest::newRow("srednji 12 L1 upper") << "srednji_12db.png" << QPoint(75, 44);
    QTest::newRow("srednji 12 L1 lower") << "srednji_12db.png" << QPoint(75, 143);
    QTest::newRow("srednji 12 C2 upper") << "srednji_12db.png" << QPoint(159, 44);
    QTest::newRow("srednji 12 C2 lower") << "srednji_12db.png" << QPoint(159, 143);
    QTest::newRow("visoki 12 upper") << "visoki_12db.png" << QPoint(127, 43);
    QTest::newRow("visoki 12 lower") << "visoki_12db.png" << QPoint(127, 141);
}

void TestImages::junctions() {
    QFETCH(QString, file);
    QFETCH(QPoint, centre);
    const QImage image = load(file);
    int filled = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) filled += ink(image, centre.x() + dx, centre.y() + dy);
    QVERIFY2(filled >= 21, qPrintable(QString::number(filled)));
    QVERIFY(!ink(image, centre.x() - 3, centre.y() - 3));
    QVERIFY(!ink(image, centre.x() + 3, centre.y() + 3));
}

void TestImages::loudspeakers_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRect>("body");
    QTest::addColumn<int>("wireX");
    QTest::addColumn<int>("coneX");
    QTest::addColumn<int>("coneTop");
    QTest::addColumn<int>("coneBottom");
    QTest::newRow("bas 6") << "bas_6db.png" << box(170, 73, 184, 115) << 177 << 198 << 74 << 115;
    QTest::newRow("bas 12") << "bas_12db.png" << box(170, 73, 184, 115) << 177 << 198 << 74 << 115;
    QTest::newRow("srednji 6") << "srednji_6db.png" << box(169, 73, 185, 116) << 177 << 198 << 74 << 116;
    QTest::newRow("srednji 12") << "srednji_12db.png" << box(195, 72, 209, 115) << 202 << 223 << 73 << 115;
    QTest::newRow("visoki 6") << "visoki_6db.png" << box(170, 71, 184, 115) << 177 << 198 << 72 << 115;
    QTest::newRow("visoki 12") << "visoki_12db.png" << box(170, 71, 184, 113) << 177 << 198 << 72 << 113;
}

void TestImages::loudspeakers() {
    QFETCH(QString, file);
    QFETCH(QRect, body);
    QFETCH(int, wireX);
    QFETCH(int, coneX);
    QFETCH(int, coneTop);
    QFETCH(int, coneBottom);
    const QImage image = load(file);
    const int pen = penOf(file);
    for (int x = body.left(); x <= body.right(); ++x)
        QVERIFY(ink(image, x, body.top()) && ink(image, x, body.bottom()));
    for (int y = body.top(); y <= body.bottom(); ++y)
        QVERIFY(ink(image, body.left(), y) && ink(image, body.right(), y));
    QCOMPARE(inkBounds(image, body.adjusted(pen, pen, -pen, -pen)), QRect());
    QCOMPARE(inkBounds(image, box(body.left() - 2, body.top() + 2, body.left() - 1, body.bottom() - 2)), QRect());
    QVERIFY(ink(image, wireX, body.top() - 3));
    QVERIFY(ink(image, wireX, body.bottom() + 3));

    QCOMPARE(inkBounds(image, box(coneX, coneTop - 3, coneX, coneBottom + 3)), box(coneX, coneTop, coneX, coneBottom));
    QCOMPARE(inkBounds(image, box(coneX + pen, coneTop - 3, coneX + 6, coneBottom + 3)), QRect());
    // Halfway out, the cone's two sides are still apart: it opens to the right.
    const int mid = (body.right() + coneX) / 2;
    QVERIFY(inkBounds(image, box(mid, coneTop, mid, body.top() + 15)).isValid());
    QVERIFY(inkBounds(image, box(mid, body.bottom() - 15, mid, coneBottom)).isValid());
    QCOMPARE(inkBounds(image, box(mid, body.top() + 18, mid, body.bottom() - 18)), QRect());
}

void TestImages::emptyBetweenWires_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRect>("region");
    QTest::newRow("bas 6") << "bas_6db.png" << box(36, 62, 152, 141);
    QTest::newRow("srednji 6") << "srednji_6db.png" << box(36, 62, 152, 140);
    QTest::newRow("visoki 6") << "visoki_6db.png" << box(36, 60, 152, 139);
}

void TestImages::emptyBetweenWires() {
    QFETCH(QString, file);
    QFETCH(QRect, region);
    QCOMPARE(inkBounds(load(file), region), QRect());
}

void TestImages::letters_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRect>("letterBox");
    const struct {
        const char* name;
        const char* file;
        QRect box;
    } rows[] = {
        {"bas 6 L", "bas_6db.png", box(104, 51, 109, 60)},
        {"bas 6 Z", "bas_6db.png", box(158, 89, 166, 99)},
        {"bas 12 L", "bas_12db.png", box(83, 50, 87, 58)},
        {"bas 12 C", "bas_12db.png", box(107, 89, 113, 98)},
        {"bas 12 Z", "bas_12db.png", box(158, 89, 166, 99)},
        {"srednji 6 C", "srednji_6db.png", box(46, 50, 53, 60)},
        {"srednji 6 L", "srednji_6db.png", box(132, 51, 137, 60)},
        {"srednji 6 Z", "srednji_6db.png", box(158, 93, 166, 102)},
        {"srednji 12 C1", "srednji_12db.png", box(18, 50, 30, 58)},
        {"srednji 12 L1", "srednji_12db.png", box(44, 88, 54, 97)},
        {"srednji 12 L2", "srednji_12db.png", box(111, 50, 123, 58)},
        {"srednji 12 C2", "srednji_12db.png", box(129, 88, 143, 96)},
        {"srednji 12 Z", "srednji_12db.png", box(184, 89, 190, 98)},
        {"visoki 6 C", "visoki_6db.png", box(81, 49, 88, 58)},
        {"visoki 6 Z", "visoki_6db.png", box(158, 91, 166, 101)},
        {"visoki 12 C", "visoki_12db.png", box(68, 48, 74, 57)},
        {"visoki 12 L", "visoki_12db.png", box(104, 91, 108, 99)},
        {"visoki 12 Z", "visoki_12db.png", box(158, 91, 166, 101)},
    };
    for (const auto& r : rows) QTest::newRow(r.name) << r.file << r.box;
}

void TestImages::letters() {
    QFETCH(QString, file);
    QFETCH(QRect, letterBox);
    const QImage image = load(file);
    QCOMPARE(inkBounds(image, letterBox.adjusted(-2, -2, 2, 2)), letterBox);
    QCOMPARE(hasInkSquare(image, letterBox), penOf(file) == 2);
}

void TestImages::coilDrawing() {
    const QImage image = load("kalem.png");
    for (int x = 0; x < image.width(); ++x) QVERIFY(ink(image, x, 0) && ink(image, x, image.height() - 1));
    for (int y = 0; y < image.height(); ++y) QVERIFY(ink(image, 0, y) && ink(image, image.width() - 1, y));
    QCOMPARE(image.pixel(5, 5), qRgb(255, 0, 102));
    QCOMPARE(image.pixel(image.width() - 6, image.height() - 6), qRgb(255, 0, 102));

    // Across the middle: winding, core, winding; down the middle: flange, core, flange.
    const QRgb ground = qRgb(255, 0, 102), orange = qRgb(255, 102, 51);
    const QList<QRgb> across = colourSequence(image, QPoint(2, 100), QPoint(1, 0));
    QCOMPARE(across.size(), 5);
    QCOMPARE(across[0], ground);
    QCOMPARE(across[1], orange);
    QCOMPARE(across[3], orange);
    QCOMPARE(across[4], ground);
    const QList<QRgb> down = colourSequence(image, QPoint(165, 2), QPoint(0, 1));
    QCOMPARE(down.size(), 5);
    QCOMPARE(down[0], ground);
    QCOMPARE(down[1], down[3]);
    QCOMPARE(down[2], across[2]);
    QCOMPARE(down[4], ground);
    for (QRgb grey : {down[1], down[2]}) {
        QVERIFY(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey));
        QVERIFY(qRed(grey) > 64);
    }
    QVERIFY(qRed(down[2]) > qRed(down[1]));  // the core is the lighter grey
}

void TestImages::startPictures() {
    const QImage right = load("speaker_right.png");
    const QImage left = load("speaker_left.png");
    QCOMPARE(left.convertToFormat(QImage::Format_RGB32),
             right.mirrored(true, false).convertToFormat(QImage::Format_RGB32));
    QSet<QRgb> shades;
    for (int y = 0; y < right.height(); ++y)
        for (int x = 0; x < right.width(); ++x) shades.insert(right.pixel(x, y));
    QVERIFY(shades.size() > 100);
    for (QRgb entry : right.colorTable()) QCOMPARE(qAlpha(entry), 255);
    const QImage portrait = load("portrait.png");
    for (QRgb entry : portrait.colorTable()) QCOMPARE(qAlpha(entry), 255);
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
