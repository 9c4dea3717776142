// The report window: its design-time look, where its controls sit, and that
// it shows exactly what a reading writes into it.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <stdexcept>

#include "entry/entry_form.h"
#include "gui_test_support.h"
#include "houses/frm_display.h"
#include "reading/driver.h"
#include "reading/report_controls.h"
#include "recorders.h"

using namespace starwise;
using namespace starwise::gui;
using namespace starwise::gui::testing;

namespace {

int Px(int twips) { return qRound(twips / 15.0); }

// Encoded write: "bold|colour|size|text" with size "-" for none, and "\n"
// in the text standing for CR LF.
reading::TextStyle StyleOf(const QStringList& parts) {
    reading::TextStyle style;
    style.bold = parts[0] == QLatin1String("bold");
    const QString colour = parts[1];
    style.colour = colour == QLatin1String("green") ? reading::TextColour::Green
                   : colour == QLatin1String("red") ? reading::TextColour::Red
                   : colour == QLatin1String("blue") ? reading::TextColour::Blue
                                                     : reading::TextColour::Black;
    if (parts[2] != QLatin1String("-")) style.pointSize = parts[2].toInt();
    return style;
}

}  // namespace

class FrmDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheStarwiseTab();
    void designTimeCaptions_data();
    void designTimeCaptions();
    void placedInTwips_data();
    void placedInTwips();
    void styledWrites_data();
    void styledWrites();
    void namedControlsTakeTheirTexts_data();
    void namedControlsTakeTheirTexts();
    void writesToUnknownControlsThrow_data();
    void writesToUnknownControlsThrow();
    void signPictureByNumber_data();
    void signPictureByNumber();
    void wholeReadingRenderedExactly_data();
    void wholeReadingRenderedExactly();
};

void FrmDisplayTest::opensOnTheStarwiseTab() {
    frmDisplay report;
    auto* tabs = Find<QTabWidget>(&report, "SSTab1");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Sun Sign"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Starwise"));
    QCOMPARE(tabs->currentIndex(), 1);
    QVERIFY(tabs->widget(0)->isAncestorOf(Find<QWidget>(&report, "Frame4")));
    QVERIFY(tabs->widget(1)->isAncestorOf(Find<QWidget>(&report, "Frame1")));
    QVERIFY(tabs->widget(1)->isAncestorOf(Find<QWidget>(&report, "Frame3")));
    QVERIFY(tabs->widget(1)->isAncestorOf(Find<QWidget>(&report, "RTBHouseDesc")));
    QCOMPARE(report.windowTitle(), QStringLiteral("Starwise v1.15"));
}

void FrmDisplayTest::designTimeCaptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Frame1") << "Frame1" << "Karma Profile";
    QTest::newRow("Frame2 keeps its trailing space") << "Frame2" << "North Node ";
    QTest::newRow("Frame6") << "Frame6" << "South Node";
    QTest::newRow("Frame3") << "Frame3" << "Planets in House";
    QTest::newRow("kkk") << "kkk" << "North Node Is Placed In";
    QTest::newRow("hhh") << "hhh" << "South Node Is Placed In";
    QTest::newRow("dsds") << "dsds" << "Keywords";
    QTest::newRow("Label5") << "Label5" << "Keywords";
    QTest::newRow("north sign placeholder") << "lblNorthSign" << "lblSignNorth";
    QTest::newRow("south sign placeholder") << "lblSouthSign" << "lblSignSouth";
    QTest::newRow("north keyword placeholder") << "lblNorthKeyWord" << "lblNorthKeyWord";
    QTest::newRow("south keyword placeholder") << "lblSouthKeyWord" << "lblKeywords";
    QTest::newRow("Label15") << "Label15" << "Your Sun Sign";
    QTest::newRow("Label11") << "Label11" << "Element";
    QTest::newRow("Label27") << "Label27" << "Birthstone";
    QTest::newRow("Label23") << "Label23" << "Lucky Number";
    QTest::newRow("Label21") << "Label21" << "Lucky Day";
    QTest::newRow("Label17") << "Label17" << "Compatibility";
    QTest::newRow("Label13") << "Label13" << "Positive Traits";
    QTest::newRow("Label10") << "Label10" << "Negative Traits";
}

void FrmDisplayTest::designTimeCaptions() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    frmDisplay report;
    if (auto* frame = report.findChild<QGroupBox*>(control)) {
        QCOMPARE(frame->title(), caption);
    } else {
        auto* label = Find<QLabel>(&report, control);
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
    }
}

void FrmDisplayTest::placedInTwips_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");  // left, top, width, height within its container
    QTest::newRow("Shape1") << "Shape1" << QRect(1680, 240, 11655, 8055);
    QTest::newRow("Frame2 in Frame1") << "Frame2" << QRect(120, 1080, 4455, 3375);
    QTest::newRow("Frame6 in Frame1") << "Frame6" << QRect(4680, 1080, 4455, 3375);
    QTest::newRow("txtNorthDesc") << "txtNorthDesc" << QRect(120, 2280, 4215, 975);
    QTest::newRow("txtSouthDesc") << "txtSouthDesc" << QRect(120, 2280, 4215, 975);
    QTest::newRow("RTBHouseDesc") << "RTBHouseDesc" << QRect(120, 240, 9045, 1935);
    QTest::newRow("positive traits") << "txtSunSignPositiveTraits" << QRect(240, 3720, 8895, 1305);
    QTest::newRow("negative traits") << "txtSunSignNegativeTraits" << QRect(240, 5520, 8895, 1305);
}

void FrmDisplayTest::placedInTwips() {
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    frmDisplay report;
    QCOMPARE(report.size(), QSize(1000, 567));  // 15000 by 8505 twips
    auto* widget = Find<QWidget>(&report, control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), QRect(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())));
    // The tab control is centred across the window.
    auto* tabs = Find<QWidget>(&report, "SSTab1");
    QCOMPARE(tabs->x(), Px(2753));
    QVERIFY(qAbs((tabs->x() + tabs->width() / 2) - report.width() / 2) <= 1);
}

void FrmDisplayTest::styledWrites_data() {
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("runs");  // format of each run of characters, in order
    const QString base = QStringLiteral("|8.25");
    QTest::newRow("heading: bold green 11, CR LF twice")
        << QStringList{"bold|green|11|Heading\n\n"} << "Heading\n\n" << QStringList{"bold|#008000|11"};
    QTest::newRow("size stays in force after a heading")
        << QStringList{"bold|green|11|Head\n", "normal|black|-|body"} << "Head\nbody"
        << QStringList{"bold|#008000|11", "normal|#000000|11"};
    QTest::newRow("before any heading the base size")
        << QStringList{"normal|black|-|plain"} << "plain" << QStringList{"normal|#000000" + base};
    QTest::newRow("red and blue titles")
        << QStringList{"bold|red|-|Mars", "bold|blue|-|Venus"} << "MarsVenus"
        << QStringList{"bold|#800000" + base, "bold|#0000ff" + base};
    QTest::newRow("pieces follow on one line until CR LF")
        << QStringList{"normal|black|-|Moon", "bold|red|-|-Sun\n", "normal|black|-|next"} << "Moon-Sun\nnext"
        << QStringList{"normal|#000000" + base, "bold|#800000" + base, "normal|#000000" + base};
    QTest::newRow("CR LF inside a piece")
        << QStringList{"normal|green|-|one\ntwo"} << "one\ntwo" << QStringList{"normal|#008000" + base};
    QTest::newRow("bold switched off again")
        << QStringList{"bold|black|-|Keyword : ", "normal|black|-|words"} << "Keyword : words"
        << QStringList{"bold|#000000" + base, "normal|#000000" + base};
}

void FrmDisplayTest::styledWrites() {
    QFETCH(QStringList, writes);
    QFETCH(QString, text);
    QFETCH(QStringList, runs);
    frmDisplay report;
    for (const QString& write : writes) {
        const QStringList parts = write.split(QLatin1Char('|'));
        QString piece = parts.mid(3).join(QLatin1Char('|'));
        piece.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        report.WriteStyled(StyleOf(parts), piece.toStdString());
    }
    const RenderedText shown = Rendered(*Find<QTextEdit>(&report, "RTBHouseDesc")->document());
    QCOMPARE(shown.text, text);
    QStringList shownRuns;
    for (const QString& format : shown.formats) {
        if (format != QLatin1String("break") && (shownRuns.isEmpty() || shownRuns.last() != format)) shownRuns << format;
    }
    QCOMPARE(shownRuns, runs);
}

void FrmDisplayTest::namedControlsTakeTheirTexts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("isTextBox");
    namespace c = reading::controls;
    for (std::string_view name : {c::lblSunSign, c::lblSunSignElement, c::lblSunSignNumber, c::lblSunSignDay,
                                  c::lblSunSignCompatibility, c::lblSunSignBirthStone, c::lblNorthSign,
                                  c::lblNorthKeyWord, c::lblSouthSign, c::lblSouthKeyWord}) {
        QTest::newRow(std::string(name).c_str()) << QString::fromUtf8(name.data(), qsizetype(name.size())) << false;
    }
    for (std::string_view name :
         {c::txtSunSignPositiveTraits, c::txtSunSignNegativeTraits, c::txtNorthDesc, c::txtSouthDesc}) {
        QTest::newRow(std::string(name).c_str()) << QString::fromUtf8(name.data(), qsizetype(name.size())) << true;
    }
}

void FrmDisplayTest::namedControlsTakeTheirTexts() {
    QFETCH(QString, control);
    QFETCH(bool, isTextBox);
    frmDisplay report;
    const std::string text = "Text for " + control.toStdString() + " \xE2\x80\x94 with a dash";
    if (isTextBox) {
        report.SetText(control.toStdString(), text);
        auto* box = Find<QPlainTextEdit>(&report, control);
        QVERIFY(box);
        QCOMPARE(box->toPlainText(), QString::fromStdString(text));
        QVERIFY(box->isReadOnly());
    } else {
        report.SetCaption(control.toStdString(), text);
        QCOMPARE(Find<QLabel>(&report, control)->text(), QString::fromStdString(text));
    }
}

void FrmDisplayTest::writesToUnknownControlsThrow_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("asCaption");
    QTest::newRow("no such label") << "lblNoSuch" << true;
    QTest::newRow("a text box is not a label") << "txtNorthDesc" << true;
    QTest::newRow("a label is not a text box") << "lblSunSign" << false;
    QTest::newRow("the rich-text box takes styled writes only") << "RTBHouseDesc" << false;
}

void FrmDisplayTest::writesToUnknownControlsThrow() {
    QFETCH(QString, control);
    QFETCH(bool, asCaption);
    frmDisplay report;
    if (asCaption) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, report.SetCaption(control.toStdString(), "x"));
    } else {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, report.SetText(control.toStdString(), "x"));
    }
}

void FrmDisplayTest::signPictureByNumber_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("resource");  // empty: refused
    const char* const names[] = {"aries", "taurus", "gemini",      "cancer",    "leo",      "virgo",
                                 "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};
    for (int n = 1; n <= 12; ++n) {
        QTest::newRow(names[n - 1]) << n << QStringLiteral(":/signs/%1.svg").arg(QLatin1String(names[n - 1]));
    }
    QTest::newRow("0 is no sign") << 0 << QString();
    QTest::newRow("13 is no sign") << 13 << QString();
}

void FrmDisplayTest::signPictureByNumber() {
    QFETCH(int, number);
    QFETCH(QString, resource);
    frmDisplay report;
    auto* picture = Find<QLabel>(&report, "picSunSign");
    if (resource.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, report.SetSignPicture(number));
        QCOMPARE(report.SignPictureResource(), QString());
        return;
    }
    report.SetSignPicture(number);
    QCOMPARE(report.SignPictureResource(), resource);
    const QPixmap shown = picture->pixmap();
    QVERIFY2(!shown.isNull(), qPrintable("no picture drawn for " + resource));
    QCOMPARE(shown.deviceIndependentSize().toSize(), picture->size());
}

void FrmDisplayTest::wholeReadingRenderedExactly_data() {
    QTest::addColumn<int>("month");  // list positions
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("lonD");
    QTest::addColumn<QString>("latD");
    QTest::addColumn<bool>("east");
    QTest::addColumn<bool>("south");
    QTest::newRow("Pune, July 1980") << 6 << 14 << "1980" << "6" << 29 << "73" << "18" << true << false;
    QTest::newRow("New York, January 1950") << 0 << 0 << "1950" << "23" << 29 << "74" << "40" << false << false;
    QTest::newRow("Sydney, November 2021") << 10 << 29 << "2021" << "12" << 29 << "151" << "33" << true << true;
}

void FrmDisplayTest::wholeReadingRenderedExactly() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, year);
    QFETCH(QString, hour);
    QFETCH(int, zone);
    QFETCH(QString, lonD);
    QFETCH(QString, latD);
    QFETCH(bool, east);
    QFETCH(bool, south);
    entry::EntryFormValues form;
    form.nameText = "TEST";
    form.monthPosition = month;
    form.dayPosition = day;
    form.dayText = std::to_string(day + 1);
    form.yearText = year.toStdString();
    form.hourText = hour.toStdString();
    form.zonePosition = zone;
    form.longitudeDegreesText = lonD.toStdString();
    form.longitudeMinutesText = "0";
    form.latitudeDegreesText = latD.toStdString();
    form.latitudeMinutesText = "0";
    form.eastSelected = east;
    form.southSelected = south;

    RecordingReportView recorder;
    reading::ReadingState recorderState;
    QCOMPARE(reading::RunReading(form, recorderState, recorder).size(), std::size_t{0});

    frmDisplay report;
    reading::ReadingState state;
    QCOMPARE(reading::RunReading(form, state, report).size(), std::size_t{0});

    const RenderedText shown = Rendered(*Find<QTextEdit>(&report, "RTBHouseDesc")->document());
    const RenderedText expected = Expected(recorder.pieces, 8.25);
    QVERIFY2(expected.text.size() > 200, "the reading wrote its sections");
    QCOMPARE(shown.text, expected.text);
    for (qsizetype i = 0; i < expected.formats.size(); ++i) {
        if (shown.formats[i] != expected.formats[i]) {
            QFAIL(qPrintable(QStringLiteral("character %1 (%2): shown %3, written %4")
                                 .arg(i)
                                 .arg(expected.text.mid(i, 20), shown.formats[i], expected.formats[i])));
        }
    }
    for (const auto& [name, caption] : recorder.captions) {
        QCOMPARE(Find<QLabel>(&report, QString::fromStdString(name))->text(), QString::fromStdString(caption));
    }
    for (const auto& [name, text] : recorder.texts) {
        QCOMPARE(Find<QPlainTextEdit>(&report, QString::fromStdString(name))->toPlainText(),
                 QString::fromStdString(text));
    }
    QCOMPARE(report.SignPictureResource(), QStringLiteral(":/signs/%1.svg")
                                               .arg(QString::fromStdString(recorderState.SunSignName).toLower()));
}

QTEST_MAIN(FrmDisplayTest)
#include "frm_display_test.moc"
