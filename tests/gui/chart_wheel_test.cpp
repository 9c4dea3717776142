// The wheel's painter on the devices the program draws it to: an image and
// an SVG file both come out with something drawn, and the widget keeps its
// chart square. With STARWISE_WHEEL_OUT_DIR set, the sample wheels are also
// written there as PNG and SVG files to be looked at.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <utility>
#include <vector>

#include "gui/chart_wheel.h"

namespace {

using starwise::gui::WheelAspect;
using starwise::gui::WheelChart;
using starwise::gui::WheelPoint;

constexpr const char* kSigns[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                  "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

// Twelve points at the given longitudes (Sun .. Pluto, then the nodes),
// with their position texts.
WheelChart MakeChart(double ascendantDeg, const double (&longitudesDeg)[12], std::vector<WheelAspect> aspects) {
    WheelChart chart{ascendantDeg, {}, std::move(aspects)};
    for (int id = 0; id < 12; ++id) {
        const double inSign = std::fmod(longitudesDeg[id], 30.0);
        char text[16];
        std::snprintf(text, sizeof text, "%02d %s %02d", static_cast<int>(inSign),
                      kSigns[static_cast<int>(longitudesDeg[id] / 30.0)],
                      static_cast<int>(std::fmod(inSign, 1.0) * 60.0));
        chart.points.push_back(
            {id, std::string(starwise::gui::kBodyGlyphs[static_cast<std::size_t>(id)]), text, longitudesDeg[id]});
    }
    return chart;
}

// A spread-out chart with a few close pairs and one with a stellium of
// five, with their quincunxes and semi-sextiles among Sun .. Pluto.
WheelChart SampleChart() {
    return MakeChart(132.4, {125.6952, 276.2, 141.3, 97.8, 330.1, 7.9, 310.4, 300.2, 296.8, 243.1, 51.7, 231.7},
                     {{1, 0, WheelAspect::Quincunx}, {3, 6, WheelAspect::Quincunx}, {0, 3, WheelAspect::SemiSextile},
                      {4, 7, WheelAspect::SemiSextile}});
}
WheelChart StelliumChart() {
    return MakeChart(18.0, {200.5, 203.1, 204.0, 206.2, 207.9, 262.0, 265.3, 269.0, 120.4, 171.2, 44.0, 224.0},
                     {{7, 8, WheelAspect::Quincunx},
                      {0, 9, WheelAspect::SemiSextile},
                      {1, 9, WheelAspect::SemiSextile}});
}

}  // namespace

class ChartWheelTest : public QObject {
    Q_OBJECT

private slots:
    void paintsIntoAnImage();
    void writesAnSvg();
    void widgetStaysSquareAndRefusesBadCharts();
};

void ChartWheelTest::paintsIntoAnImage() {
    const QString outDir = qEnvironmentVariable("STARWISE_WHEEL_OUT_DIR");
    const struct {
        const char* name;
        WheelChart chart;
        int sidePx;
    } cases[] = {{"sample", SampleChart(), 800},
                 {"stellium", StelliumChart(), 800},
                 {"small", SampleChart(), 360}};
    for (const auto& c : cases) {
        QImage blank(c.sidePx, c.sidePx, QImage::Format_ARGB32);
        blank.fill(Qt::white);
        QImage image = blank;
        {
            QPainter painter(&image);
            starwise::gui::PaintChartWheel(painter, QRectF(image.rect()), c.chart, {});
        }
        QVERIFY2(image != blank, c.name);
        if (!outDir.isEmpty()) QVERIFY(image.save(outDir + QStringLiteral("/wheel-%1.png").arg(c.name)));
    }
}

void ChartWheelTest::writesAnSvg() {
    const QString outDir = qEnvironmentVariable("STARWISE_WHEEL_OUT_DIR");
    for (const bool textAsPaths : {false, true}) {
        starwise::gui::WheelStyle style;
        style.textAsPaths = textAsPaths;
        QBuffer buffer;
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(600, 600));
        generator.setViewBox(QRectF(0, 0, 600, 600));
        {
            QPainter painter(&generator);
            starwise::gui::PaintChartWheel(painter, QRectF(0, 0, 600, 600), SampleChart(), style);
        }
        const QByteArray svg = buffer.data();
        QVERIFY2(svg.contains("<svg") && svg.contains("</svg>"), svg.left(200).constData());
        // Drawn as vectors: paths and text, no embedded pictures.
        QVERIFY(svg.contains("<path"));
        QVERIFY(!svg.contains("<image"));
        QCOMPARE(svg.contains("<text"), !textAsPaths);
        QVERIFY2(svg.size() > 20000, qPrintable(QStringLiteral("%1 bytes").arg(svg.size())));
        if (!outDir.isEmpty()) {
            QFile file(outDir + QStringLiteral("/wheel-sample%1.svg").arg(textAsPaths ? "-outlined" : ""));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size());
        }
    }
}

void ChartWheelTest::widgetStaysSquareAndRefusesBadCharts() {
    starwise::gui::ChartWheelWidget widget;
    QVERIFY(widget.hasHeightForWidth());
    QCOMPARE(widget.heightForWidth(500), 500);
    QVERIFY(widget.minimumSizeHint().width() >= 300);

    widget.setChart(SampleChart());
    WheelChart bad = SampleChart();
    bad.aspects.push_back({0, 99, WheelAspect::Quincunx});
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, widget.setChart(bad));
    QCOMPARE(widget.chart().aspects.size(), SampleChart().aspects.size());
}

QTEST_MAIN(ChartWheelTest)
#include "chart_wheel_test.moc"
