// Every sign picture and the program icon must parse as SVG, use the
// 180 by 180 canvas the report lays out, and actually draw something.
#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QSvgRenderer>
#include <QTest>

#ifndef STARWISE_PICTURES_DIR
#error "STARWISE_PICTURES_DIR must name the folder that holds the sign pictures"
#endif

class SignPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void rendersSomething_data();
    void rendersSomething();
};

void SignPicturesTest::rendersSomething_data() {
    QTest::addColumn<QString>("path");
    const char* const files[] = {
        "aries.svg", "taurus.svg",  "gemini.svg",      "cancer.svg",    "leo.svg",
        "virgo.svg", "libra.svg",   "scorpio.svg",     "sagittarius.svg", "capricorn.svg",
        "aquarius.svg", "pisces.svg", "starwise-icon.svg",
    };
    for (const char* file : files) {
        QTest::newRow(file) << QStringLiteral(STARWISE_PICTURES_DIR "/") + QString::fromLatin1(file);
    }
}

void SignPicturesTest::rendersSomething() {
    QFETCH(QString, path);
    QVERIFY2(QFileInfo::exists(path), qPrintable("missing file " + path));

    QSvgRenderer renderer(path);
    QVERIFY2(renderer.isValid(), qPrintable("not a valid SVG: " + path));
    QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 180, 180));

    QImage image(180, 180, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }

    // A picture that failed to draw its glyph would come out as one flat
    // colour (or fully transparent); a real one has many.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 16,
             qPrintable(QStringLiteral("%1 draws only %2 distinct colours").arg(path).arg(colours.size())));
    // The centre of the card is painted, not left transparent.
    QCOMPARE(qAlpha(image.pixel(90, 90)), 255);
}

QTEST_MAIN(SignPicturesTest)
#include "sign_pictures_test.moc"
