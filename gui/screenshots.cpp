// Renders the program's windows to PNG files for the documentation: the entry
// form with a place chosen from the atlas, the places it offers as a city is
// typed, the report on each of its tabs after a fixed sample reading, the
// sample's chart wheel on its own, and the about box.
// Usage: starwise-screenshots OUTPUT_FOLDER [WIDTHxHEIGHT@RATIO]
//
// It always draws off screen at 96 dpi, so the pictures come out the same
// on every machine: on a 1280 by 800 screen for the documentation, or, with
// a screen given (its device pixels and the desktop's scale, e.g.
// 1366x768@2, which is 683 by 384 logical pixels), only the entry form and
// the report's tabs with the frame maximized on it, named for the screen
// ("report-chart-1366x768@2.png").
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QAbstractItemView>
#include <QPainter>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "atlas/places.h"
#include "gui/sign_pictures.h"
#include "gui/entry_window.h"
#include "gui/people_controller.h"
#include "gui/people_panel.h"
#include "entry/zones.h"
#include "gui/report_window.h"
#include "gui/application.h"
#include "gui/about_box.h"
#include "gui/chart_wheel.h"
#include "gui/reading_wheel.h"
#include "gui/look.h"
#include "gui/frame_window.h"
#include "gui/message_sink.h"
#include "gui/single_instance.h"
#include "gui/url_opener.h"

namespace {

using namespace starwise::gui;

class PrintedMessages final : public MessageSink {
public:
    void Show(QWidget*, std::string_view text, starwise::entry::MessageIcon) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
        ++count;
    }
    int count = 0;
};

class NoBrowser final : public UrlOpener {
public:
    void Open(const QUrl&) override {}
};

bool Save(QWidget* window, const QDir& folder, const QString& fileName) {
    QApplication::processEvents();
    const QString path = folder.filePath(fileName);
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The reading's wheel alone, sidePx square on white.
bool SaveWheel(const starwise::reading::Reading& reading, const QDir& folder, const QString& fileName, int sidePx) {
    const auto chart = WheelChartOf(reading);
    if (!chart) {
        std::fprintf(stderr, "the sample reading has no chart\n");
        return false;
    }
    QImage image(sidePx, sidePx, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChartWheel(painter, QRectF(0, 0, sidePx, sidePx), *chart, WheelStyle{});
    painter.end();
    const QString path = folder.filePath(fileName);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

template <typename Widget>
Widget* Control(QWidget* window, const char* name) {
    auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) std::fprintf(stderr, "no control %s\n", name);
    return widget;
}

// A sample person: born 15 July 1980 at 06:30 in Pune, India, the place
// chosen from the atlas (which sets coordinates, zone and box).
bool FillSample(EntryWindow* form, const starwise::atlas::Place& pune) {
    auto* name = Control<QLineEdit>(form, "txtName");
    auto* month = Control<QComboBox>(form, "cboMonth");
    auto* day = Control<QComboBox>(form, "cboDate");
    auto* year = Control<QComboBox>(form, "cboYear");
    auto* hour = Control<QComboBox>(form, "cboHH");
    auto* minute = Control<QComboBox>(form, "cboMM");
    auto* zone = Control<QComboBox>(form, "cmbTimeZone");
    if (!name || !month || !day || !year || !hour || !minute) return false;
    name->setText(QStringLiteral("ASHA KULKARNI"));
    month->setCurrentText(QStringLiteral("July"));
    day->setCurrentText(QStringLiteral("15"));
    year->setCurrentText(QStringLiteral("1980"));
    hour->setCurrentText(QStringLiteral("6"));
    minute->setCurrentText(QStringLiteral("30"));
    form->choosePlace(pune);
    return zone->currentText().contains(QStringLiteral("IST"));
}

// A birth the zone list has no row for: 1 May 1990 at 12:00 in Kathmandu,
// where the tz database gives UTC+5:45; choosing the place fills the exact
// offset.
bool FillKathmandu(EntryWindow* form, const starwise::atlas::Place& kathmandu) {
    auto* month = Control<QComboBox>(form, "cboMonth");
    auto* day = Control<QComboBox>(form, "cboDate");
    auto* year = Control<QComboBox>(form, "cboYear");
    auto* hour = Control<QComboBox>(form, "cboHH");
    auto* minute = Control<QComboBox>(form, "cboMM");
    auto* name = Control<QLineEdit>(form, "txtName");
    auto* offset = Control<QLineEdit>(form, "txtUtcOffset");
    if (!name || !month || !day || !year || !hour || !minute || !offset) return false;
    name->setText(QStringLiteral("BINA SHRESTHA"));
    month->setCurrentText(QStringLiteral("May"));
    day->setCurrentText(QStringLiteral("1"));
    year->setCurrentText(QStringLiteral("1990"));
    hour->setCurrentText(QStringLiteral("12"));
    minute->setCurrentText(QStringLiteral("0"));
    form->choosePlace(kathmandu);
    return offset->text() == QStringLiteral("+05:45");
}

// The form with the places the City box offers for a typed name; the list
// is a window of its own, drawn onto the form's picture.
bool SaveOffers(EntryWindow* form, const QString& typed, const QDir& folder, const QString& fileName) {
    auto* city = Control<QLineEdit>(form, "txtMCity");
    auto* completer = Control<QCompleter>(form, "cityCompleter");
    if (!city || !completer) return false;
    city->setFocus();
    city->setText(typed);
    emit city->textEdited(typed);
    QApplication::processEvents();  // the zone's line hides: the layout shrinks ...
    QApplication::processEvents();  // ... and the form is drawn again
    QWidget* offers = completer->popup();
    const QPoint offersAt = form->mapFromGlobal(offers->mapToGlobal(QPoint(0, 0)));
    QPixmap picture(QRect(QPoint(0, 0), form->size()).united(QRect(offersAt, offers->size())).size());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, form->grab());
    painter.drawPixmap(offersAt, offers->grab());
    painter.end();
    offers->hide();
    const QString path = folder.filePath(fileName);
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The People list beside the form: a few saved people and the sample
// person saved with File > Save Person, the list searched for "ra".
bool SavePeople(Application& app, const QDir& folder, const QString& fileName) {
    PeopleController* people = app.People();
    starwise::people::PeopleStore* store = people ? people->panel()->store() : nullptr;
    if (!store) return false;
    using std::chrono::day;
    using std::chrono::month;
    using std::chrono::year;
    const std::pair<const char*, starwise::entry::BirthInput> samples[] = {
        {"RAVI RAO", {"", year{1975} / month{1} / day{2}, 23 * 60 + 10, 19.07283, 72.88261,
                      starwise::entry::ZoneRowChoice{34, false}, "Mumbai, Maharashtra, India"}},
        {"LENA BERG", {"", year{1990} / month{6} / day{1}, 12 * 60, 59.91273, 10.74609,
                       starwise::entry::ZoneRowChoice{20, true}, "Oslo, Oslo, Norway"}},
        {"MARIA SANTOS", {"", year{1968} / month{3} / day{21}, 4 * 60 + 45, -23.5475, -46.63611,
                          starwise::entry::ZoneRowChoice{14, false}, "Sao Paulo, Sao Paulo, Brazil"}},
    };
    for (const auto& [name, birth] : samples) {
        if (!store->Add({name, birth, ""}).result.ok()) return false;
    }
    people->panel()->reload();
    people->savePerson();
    auto* search = Control<QLineEdit>(app.EntryForm(), "txtPeopleSearch");
    if (!search) return false;
    search->setText(QStringLiteral("ra"));
    const bool saved = Save(app.EntryForm(), folder, fileName);
    search->clear();
    return saved;
}

struct Screen {
    int width = 1280;  // device pixels
    int height = 800;
    double ratio = 1.0;  // device pixels per logical pixel
    bool given = false;
};

// "WIDTHxHEIGHT@RATIO" (the ratio may be left out): nothing when malformed.
std::optional<Screen> ParseScreen(const QString& text) {
    static const QRegularExpression shape(QStringLiteral(R"(^(\d{3,5})x(\d{3,5})(?:@(\d(?:\.\d+)?))?$)"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch()) return std::nullopt;
    Screen screen{match.captured(1).toInt(), match.captured(2).toInt(),
                  match.captured(3).isEmpty() ? 1.0 : match.captured(3).toDouble(), true};
    if (!(screen.ratio >= 1.0 && screen.ratio <= 4.0)) return std::nullopt;
    return screen;
}

QString ScreenName(const Screen& screen) {
    return QStringLiteral("%1x%2@%3").arg(screen.width).arg(screen.height).arg(screen.ratio);
}

// Offscreen screen description, see the offscreen platform's configfile.
QString WriteScreenConfig(const QTemporaryDir& dir, const Screen& screen) {
    const QString path = dir.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return {};
    // The configured size is logical; the ratio multiplies the pixels.
    QTextStream(&file) << R"({"screens": [{"name": "docs", "x": 0, "y": 0, "width": )"
                       << std::lround(screen.width / screen.ratio) << R"(, "height": )"
                       << std::lround(screen.height / screen.ratio)
                       << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": )" << screen.ratio << "}]}";
    return path;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::optional<Screen> screen = argc == 3 ? ParseScreen(QString::fromLocal8Bit(argv[2])) : Screen{};
    if ((argc != 2 && argc != 3) || !screen) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [WIDTHxHEIGHT@RATIO]\n",
                     argc > 0 ? argv[0] : "starwise-screenshots");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    const std::string platform = "offscreen:configfile=" + WriteScreenConfig(scratch, *screen).toStdString();
    std::vector<char*> arguments{argv[0], const_cast<char*>("-platform"), const_cast<char*>(platform.c_str()),
                                 nullptr};
    int qtArgc = 3;
    QApplication qtApp(qtArgc, arguments.data());
    ConfigureApplication();
    QApplication::setFont(UiFont(9));

    QDir folder;
    if (!folder.mkpath(output)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(output));
        return 1;
    }
    folder.setPath(output);

    PrintedMessages messages;
    NoBrowser browser;
    SingleInstanceGuard guard(scratch.filePath(QStringLiteral("starwise.lock")));
    Application app(messages, browser, nullptr, scratch.filePath(QStringLiteral("people.sqlite")).toStdString());
    if (!app.Start(guard)) return 1;

    const starwise::atlas::Atlas atlas;
    const std::vector<starwise::atlas::Place> pune = atlas.Search("Pune, Maharashtra", 1);
    EntryWindow* form = app.EntryForm();
    if (pune.empty() || !FillSample(form, pune.front())) return 1;
    if (screen->given) {
        // The form and the report's tabs on the screen given, the frame maximized.
        const QString suffix = QLatin1Char('-') + ScreenName(*screen) + QStringLiteral(".png");
        bool ok = Save(form, folder, QStringLiteral("entry-form") + suffix);
        form->requestReading();
        FrameWindow* frame = app.Frame();
        auto* tabs = frame ? Control<QTabWidget>(frame, "SSTab1") : nullptr;
        if (tabs == nullptr || messages.count != 0) return 1;
        frame->showMaximized();
        const char* const names[] = {"sun-sign", "starwise", "chart"};
        for (int tab = 0; tab < tabs->count() && tab < 3; ++tab) {
            tabs->setCurrentIndex(tab);
            ok = Save(frame, folder, QStringLiteral("report-") + QLatin1String(names[tab]) + suffix) && ok;
        }
        app.ExitProgram();
        return ok ? 0 : 1;
    }
    bool ok = Save(form, folder, QStringLiteral("entry-form.png"));
    ok = SavePeople(app, folder, QStringLiteral("people-list.png")) && ok;
    ok = SaveOffers(form, QStringLiteral("Springfield"), folder, QStringLiteral("entry-form-places.png")) && ok;
    const std::vector<starwise::atlas::Place> kathmandu = atlas.Search("Kathmandu", 1);
    if (kathmandu.empty() || !FillKathmandu(form, kathmandu.front())) return 1;
    ok = Save(form, folder, QStringLiteral("entry-form-kathmandu.png")) && ok;
    // Its report: the Sun Sign tab's first line names the offset used.
    form->requestReading();
    if (FrameWindow* kathmanduFrame = app.Frame(); kathmanduFrame != nullptr && messages.count == 0) {
        auto* tabs = Control<QTabWidget>(kathmanduFrame, "SSTab1");
        if (!tabs) return 1;
        tabs->setCurrentIndex(0);
        ok = Save(kathmanduFrame, folder, QStringLiteral("report-kathmandu.png")) && ok;
        emit kathmanduFrame->backRequested();
        QApplication::processEvents();
    } else {
        std::fprintf(stderr, "the Kathmandu reading did not open the report\n");
        ok = false;
    }
    if (!FillSample(form, pune.front())) return 1;

    form->requestReading();
    FrameWindow* frame = app.Frame();
    if (frame == nullptr || messages.count != 0) {
        std::fprintf(stderr, "the sample reading did not open the report\n");
        return 1;
    }
    auto* tabs = Control<QTabWidget>(frame, "SSTab1");
    if (!tabs) return 1;
    ok = Save(frame, folder, QStringLiteral("report-starwise.png")) && ok;
    tabs->setCurrentIndex(0);
    ok = Save(frame, folder, QStringLiteral("report-sun-sign.png")) && ok;
    tabs->setCurrentIndex(2);
    ok = Save(frame, folder, QStringLiteral("report-chart.png")) && ok;
    tabs->setCurrentIndex(1);
    ok = SaveWheel(app.LastReading(), folder, QStringLiteral("wheel.png"), 640) && ok;

    AboutBox about(browser, frame);
    about.show();
    ok = Save(&about, folder, QStringLiteral("about.png")) && ok;
    about.hide();

    app.ExitProgram();
    return ok ? 0 : 1;
}
