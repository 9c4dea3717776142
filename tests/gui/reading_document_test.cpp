// The reading as a document: the wheel built from a reading, the HTML file
// (well-formed, self-contained, the report's texts in order), and the
// frame's File menu saving and printing it through stand-in dialogs. The
// PDF's text and pages are checked by pdf_document_test.py.
#include <QAction>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include <signal.h>
#include <sys/resource.h>

#include "entry/birth_flags.h"
#include "gui/document_dialogs.h"
#include "gui/frame_window.h"
#include "gui/reading_files.h"
#include "gui/reading_html.h"
#include "gui/reading_wheel.h"
#include "gui_test_support.h"
#include "reading/birth_header.h"
#include "reading/node_reading.h"
#include "reading/sun_sign.h"

using namespace starwise;
using namespace starwise::gui;

namespace {

// Births as command-line flags. Pune: aspects of both kinds; New York, on
// the cusp of Libra and Scorpio; Reykjavik: far north.
const char* const kPune = "--date 1980-07-15 --time 06:30 --zone 34 --lon 73:51E --lat 18:31N --name 'ASHA KULKARNI'";
const char* const kCusp = "--date 1975-10-23 --time 06:00 --zone 27 --dst --lon 74:00W --lat 40:43N --name ROSA";
const char* const kNorth = "--date 2001-01-01 --time 23:59 --zone 29 --lon 21:56W --lat 64:09N --name EINAR";

reading::Reading ReadingOf(const char* flags) {
    const auto birth = entry::BirthInputOfLine(flags);
    if (!birth.Ok()) qFatal("sample refused: %s", birth.detail.c_str());
    return reading::RunReading(birth.value);
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Whitespace runs as one space, so texts compare across line breaks.
QString Words(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified(); }

// The report's texts in the order the document must hold them.
QStringList ExpectedTexts(const reading::Reading& r) {
    // Whose reading it is comes first, with the zone used.
    QStringList texts{Q(reading::BirthHeaderText(r.birth)), QStringLiteral("Sun Sign"),
                      Q(reading::SignName(*r.sunSign))};
    if (r.sunCusp) texts << Q(reading::SunCuspLine(*r.sunCusp));
    texts << Q(r.sunSignProfile->element) << Q(r.sunSignProfile->birthStone) << Q(r.sunSignProfile->luckyNumber)
          << Q(r.sunSignProfile->luckyDay) << Q(r.sunSignProfile->compatibleSigns)
          << Q(reading::PositiveTraitsOf(*r.sunSignProfile)) << Q(r.sunSignProfile->negativeTraits)
          << QStringLiteral("Karma Profile") << Q(r.nodeRow->northSign) << Q(r.nodeRow->northKeywords)
          << Q(reading::NorthDescriptionOf(*r.nodeRow)) << Q(r.nodeRow->southSign) << Q(r.nodeRow->southKeywords)
          << Q(reading::SouthDescriptionOf(*r.nodeRow)) << QStringLiteral("Planets in House");
    for (const reading::ReportBlock& block : r.RunningText()) {
        if (!Words(Q(block.text)).isEmpty()) texts << Q(block.text);
        for (const std::string& item : block.items) texts << Q(item);
    }
    for (QString& text : texts) text = Words(text);
    return texts;
}

// The first expected text not found after the one before it, or empty.
QString FirstMissing(const QString& haystack, const QStringList& texts) {
    qsizetype from = 0;
    for (const QString& text : texts) {
        const qsizetype at = haystack.indexOf(text, from);
        if (at < 0) return text;
        from = at + text.size();
    }
    return {};
}

// Answers the file and print dialogs as a test asks.
class ScriptedDialogs final : public DocumentDialogs {
public:
    QString SaveFileName(QWidget*, const QString&, const QString& suggested, const QString&) override {
        suggestions << suggested;
        return savePath;
    }
    bool SetUpPrinter(QWidget*, QPrinter& printer) override {
        if (printPath.isEmpty()) return false;
        printer.setOutputFileName(printPath);  // a PDF file instead of a printer
        if (fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(fromPage, toPage);
        }
        printer.setCopyCount(copies);
        printer.setCollateCopies(collate);
        return true;
    }
    void ShowFailure(QWidget*, const QString& text) override { failures << text; }

    QString savePath;
    QString printPath;
    int fromPage = 0;  // 0: all pages
    int toPage = 0;
    int copies = 1;
    bool collate = true;
    QStringList suggestions;
    QStringList failures;
};

QByteArray Head(const QString& path, int bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray("(missing)");
}

}  // namespace

class ReadingDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void wheelHoldsTheReadingsPoints();
    void htmlIsOneWellFormedFileInTheReportsOrder_data();
    void htmlIsOneWellFormedFileInTheReportsOrder();
    void htmlOfAFailedStepLeavesItsPartEmpty();
    void fileMenuSavesAndPrints_data();
    void fileMenuSavesAndPrints();
    void printHonoursPageRangeAndCopies_data();
    void printHonoursPageRangeAndCopies();
    void saveDialogsStartInTheLastFolder();
    void failedSaveKeepsTheOlderFile();
};

void ReadingDocumentTest::initTestCase() {
    // Settings in a folder of the tests' own, emptied.
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

// The wheel copies the reading's points and pairs whatever the birth: one
// birth with aspects of both kinds.
void ReadingDocumentTest::wheelHoldsTheReadingsPoints() {
    const reading::Reading r = ReadingOf(kPune);
    const auto wheel = WheelChartOf(r);
    QVERIFY(wheel);
    QCOMPARE(wheel->ascendantDeg, r.chart->bodies[engine::kAscendant].longitudeDeg);
    QCOMPARE(wheel->points.size(), std::size_t{12});
    for (int id = 0; id < 12; ++id) {
        const WheelPoint& point = wheel->points[static_cast<std::size_t>(id)];
        const bool node = id >= engine::kReadingBodies;
        const double longitude = id == kNorthNodePointId   ? r.chart->northNodeDeg
                                 : id == kSouthNodePointId ? r.chart->southNodeDeg
                                                           : r.chart->bodies[static_cast<std::size_t>(id)].longitudeDeg;
        const std::string& label = !node                    ? r.chart->bodies[static_cast<std::size_t>(id)].positionText
                                   : id == kNorthNodePointId ? r.chart->northNodeText
                                                             : r.chart->southNodeText;
        QCOMPARE(point.id, id);
        QCOMPARE(point.longitudeDeg, longitude);
        QCOMPARE(Q(point.label), Q(label));
        QCOMPARE(Q(point.glyph), Q(kBodyGlyphs[static_cast<std::size_t>(id)]));
    }
    // Each line joins the two bodies its pair names, of its kind, in order.
    QStringList pairs;
    for (const reading::AspectPair& pair : r.aspects->quincunx) pairs << "quincunx " + Q(reading::PairName(pair));
    for (const reading::AspectPair& pair : r.aspects->semiSextile) pairs << "semi-sextile " + Q(reading::PairName(pair));
    QStringList lines;
    for (const WheelAspect& line : wheel->aspects) {
        lines << (line.kind == WheelAspect::Quincunx ? "quincunx " : "semi-sextile ") +
                     Q(engine::kBodyNames[static_cast<std::size_t>(line.fromId)]) + '-' +
                     Q(engine::kBodyNames[static_cast<std::size_t>(line.toId)]);
    }
    QCOMPARE(lines, pairs);

    QVERIFY2(!WheelChartOf(reading::Reading{}), "no chart, no wheel");
}

void ReadingDocumentTest::htmlIsOneWellFormedFileInTheReportsOrder_data() {
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("name");
    QTest::newRow("Pune") << kPune << "ASHA KULKARNI";
    QTest::newRow("on the cusp, a name to escape") << kCusp << "O'NEIL <&> \"CO\"";
    QTest::newRow("far north, a name of argument markers") << kNorth << "EINAR %1 %2 %3";
}

void ReadingDocumentTest::htmlIsOneWellFormedFileInTheReportsOrder() {
    QFETCH(QString, flags);
    QFETCH(QString, name);
    reading::Reading r = ReadingOf(qPrintable(flags));
    r.birth.name = name.toStdString();  // the form takes only letters; a file may be given any name
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.html"));
    QCOMPARE(WriteReadingHtml(r, path), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));

    QXmlStreamReader xml(&file);
    QString text;
    QString title;
    int svgs = 0;
    QStringList sources;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("svg")) ++svgs;
        if (xml.isStartElement() && xml.name() == QLatin1String("img")) {
            sources << xml.attributes().value(QLatin1String("src")).toString().left(26);
        }
        if (xml.isStartElement() && xml.name() == QLatin1String("title") && title.isEmpty()) title = xml.readElementText();
        if (xml.isStartElement() && xml.name() == QLatin1String("br")) text += ' ';
        if (xml.isCharacters()) text += xml.text();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString() + QStringLiteral(" at line %1").arg(xml.lineNumber())));
    QCOMPARE(svgs, 1);  // the wheel, inline
    QCOMPARE(sources, QStringList{QStringLiteral("data:image/svg+xml;base64,")});  // the sign picture, inline
    QCOMPARE(title, QStringLiteral("Starwise Reading: ") + name);
    text = Words(text);
    QVERIFY2(text.contains(name), qPrintable(text.left(200)));
    const QString missing = FirstMissing(text, ExpectedTexts(r));
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing or out of order: ") + missing.left(120)));
}

// The nodes step failed: the Karma Profile's fields are empty, no other
// text stands in for them, and the document tells the failure.
void ReadingDocumentTest::htmlOfAFailedStepLeavesItsPartEmpty() {
    reading::Reading r = ReadingOf(kPune);
    QVERIFY(r.nodeRow != nullptr);
    const QString keywords = Q(r.nodeRow->northKeywords);
    const QString description = Q(reading::SouthDescriptionOf(*r.nodeRow)).left(60);
    r.nodeRow = nullptr;
    r.failures.push_back({reading::Step::Nodes, Status::Internal, "stand-in failure"});
    const QString html = ReadingHtml(r, FigureMarkup::Placeholders);
    QVERIFY2(!html.contains(keywords), qPrintable(keywords));
    QVERIFY2(!html.contains(description.toHtmlEscaped()), qPrintable(description));
    QVERIFY2(!html.contains(QStringLiteral("lbl")), "a control's name in the document");
    QVERIFY2(html.contains(Q(reading::FailedStepsNotice(r))), "the failure is not told");
}

void ReadingDocumentTest::fileMenuSavesAndPrints_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("answer");  // the file chosen: a name in the test's folder, "" for Cancel
    QTest::addColumn<QString>("written");  // what the file begins with; "" when none is written
    QTest::addColumn<bool>("failureShown");
    QTest::newRow("PDF") << "mnuSavePdf" << "reading.pdf" << "%PDF" << false;
    QTest::newRow("PDF, no suffix typed") << "mnuSavePdf" << "reading" << "%PDF" << false;
    QTest::newRow("PDF cancelled") << "mnuSavePdf" << "" << "" << false;
    QTest::newRow("PDF to a missing folder") << "mnuSavePdf" << "no/such/folder/reading.pdf" << "" << true;
    QTest::newRow("HTML") << "mnuSaveHtml" << "reading.html" << "<!DOCTYPE html>" << false;
    QTest::newRow("HTML to a missing folder") << "mnuSaveHtml" << "no/such/folder/r.html" << "" << true;
    QTest::newRow("Print") << "mnuPrint" << "printed.pdf" << "%PDF" << false;
    QTest::newRow("Print cancelled") << "mnuPrint" << "" << "" << false;
}

void ReadingDocumentTest::fileMenuSavesAndPrints() {
    QFETCH(QString, item);
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(bool, failureShown);
    QTemporaryDir folder;
    testing::RecordingUrlOpener browser;
    FrameWindow frame(browser);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& answers = *dialogs;
    frame.setDocumentDialogs(std::move(dialogs));
    const QString path = answer.isEmpty() ? QString() : folder.filePath(answer);
    (item == QLatin1String("mnuPrint") ? answers.printPath : answers.savePath) = path;

    auto* action = testing::Find<QAction>(&frame, item);
    QVERIFY(action);
    QVERIFY2(!action->isEnabled(), "nothing to save before a reading");
    frame.showReading(ReadingOf(kPune));
    QVERIFY(action->isEnabled());
    action->trigger();

    const QString expectedFile = path.isEmpty() || QFileInfo(path).suffix().isEmpty() ? path + ".pdf" : path;
    QCOMPARE(Head(expectedFile, static_cast<int>(written.size())), written.isEmpty() ? QByteArray("(missing)")
                                                                                      : written.toUtf8());
    QCOMPARE(answers.failures.size(), failureShown ? 1 : 0);
    if (item != QLatin1String("mnuPrint")) {
        QCOMPARE(answers.suggestions.size(), 1);
        QVERIFY2(answers.suggestions[0].endsWith(QStringLiteral("Starwise reading - ASHA KULKARNI.") +
                                                 (item == QLatin1String("mnuSavePdf") ? "pdf" : "html")),
                 qPrintable(answers.suggestions[0]));
    }
}

void ReadingDocumentTest::printHonoursPageRangeAndCopies_data() {
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<int>("toPage");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collate");
    // The footers' page numbers in the file, in order ("4..N": 4 to the last
    // page); "" for none. The reading has more than four pages.
    QTest::addColumn<QString>("printed");
    QTest::newRow("all") << 0 << 0 << 1 << true << "1..N";
    QTest::newRow("pages 2-3") << 2 << 3 << 1 << true << "2 3";
    QTest::newRow("pages 2-3, two copies collated") << 2 << 3 << 2 << true << "2 3 2 3";
    QTest::newRow("pages 2-3, two copies apart") << 2 << 3 << 2 << false << "2 2 3 3";
    QTest::newRow("pages 4-99: cut at the end") << 4 << 99 << 1 << true << "4..N";
    QTest::newRow("pages 98-99: none, and told") << 98 << 99 << 1 << true << "";
}

void ReadingDocumentTest::printHonoursPageRangeAndCopies() {
    QFETCH(int, fromPage);
    QFETCH(int, toPage);
    QFETCH(int, copies);
    QFETCH(bool, collate);
    QFETCH(QString, printed);
    QTemporaryDir folder;
    testing::RecordingUrlOpener browser;
    FrameWindow frame(browser);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& answers = *dialogs;
    frame.setDocumentDialogs(std::move(dialogs));
    answers.printPath = folder.filePath(QStringLiteral("printed.pdf"));
    answers.fromPage = fromPage;
    answers.toPage = toPage;
    answers.copies = copies;
    answers.collate = collate;
    frame.showReading(ReadingOf(kPune));
    frame.printReading();
    if (printed.isEmpty()) {
        QVERIFY2(!QFileInfo::exists(answers.printPath), "no blank page printed");
        QCOMPARE(answers.failures.size(), 1);
        return;
    }

    QProcess toText;
    toText.start(QStringLiteral("pdftotext"), {answers.printPath, QStringLiteral("-")});
    QVERIFY2(toText.waitForFinished(60000), "pdftotext runs");
    const QString text = QString::fromUtf8(toText.readAllStandardOutput());
    QStringList footers;
    int pages = 0;
    const QRegularExpression footer(QStringLiteral("Page (\\d+) of (\\d+)"));
    for (auto match = footer.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch next = match.next();
        footers << next.captured(1);
        pages = next.captured(2).toInt();
    }
    if (printed.endsWith(QLatin1String("..N"))) {
        QStringList run;
        const int first = printed.section(QLatin1Char('.'), 0, 0).toInt();
        for (int page = first; page <= pages; ++page) run << QString::number(page);
        printed = run.join(QLatin1Char(' '));
        QVERIFY2(pages > 4, qPrintable(text.left(200)));
    }
    QCOMPARE(footers.join(QLatin1Char(' ')), printed);
    QCOMPARE(answers.failures.size(), printed.isEmpty() ? 1 : 0);
}

void ReadingDocumentTest::saveDialogsStartInTheLastFolder() {
    QTemporaryDir first;
    QTemporaryDir second;
    const reading::Reading r = ReadingOf(kPune);
    const auto save = [&r](const char* item, const QString& answer) {
        testing::RecordingUrlOpener browser;
        FrameWindow frame(browser);  // a new frame each time, as after Back
        auto dialogs = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs& answers = *dialogs;
        frame.setDocumentDialogs(std::move(dialogs));
        answers.savePath = answer;
        frame.showReading(r);
        testing::Find<QAction>(&frame, item)->trigger();
        return answers.suggestions.value(0);
    };
    save("mnuSavePdf", first.filePath(QStringLiteral("a.pdf")));
    QCOMPARE(QFileInfo(save("mnuSaveHtml", second.filePath(QStringLiteral("b.html")))).absolutePath(), first.path());
    QCOMPARE(QFileInfo(save("mnuSavePdf", QString())).absolutePath(), second.path());  // cancelled: nothing kept
    QCOMPARE(QFileInfo(save("mnuSavePdf", first.filePath(QStringLiteral("no/such/c.pdf")))).absolutePath(),
             second.path());
    QCOMPARE(QFileInfo(save("mnuSavePdf", QString())).absolutePath(), second.path());  // a failed save keeps none
}

// A save that cannot be written (a 4 KiB file size limit) says so in the
// window with the writer's sentence, and leaves the older reading. The
// writer's causes (pipes, devices, a full disk) are atomic_file_test's, the
// PDF's short write pdf_document_test's.
void ReadingDocumentTest::failedSaveKeepsTheOlderFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("older.html"));
    {
        QFile older(path);
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older reading") == 13);
    }
    testing::RecordingUrlOpener browser;
    FrameWindow frame(browser);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& answers = *dialogs;
    frame.setDocumentDialogs(std::move(dialogs));
    answers.savePath = path;
    frame.showReading(ReadingOf(kPune));

    constexpr rlim_t kLimitBytes = 4096;
    struct rlimit saved {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = kLimitBytes;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    testing::Find<QAction>(&frame, "mnuSaveHtml")->trigger();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, handler);

    QCOMPARE(answers.failures, QStringList{QStringLiteral("Cannot write ") + path + QStringLiteral(": File too large.")});
    QCOMPARE(Head(path, 100), QByteArray("older reading"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

QTEST_MAIN(ReadingDocumentTest)
#include "reading_document_test.moc"
