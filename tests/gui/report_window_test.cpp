// The report window shows what the reading holds and nothing else: after a
// failed nodes step the Karma Profile's controls are empty, whether the
// window is new or showed a whole reading before.
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <variant>

#include "entry/birth_flags.h"
#include "gui/report_window.h"
#include "reading/report_fields.h"

using namespace starwise;

namespace {

reading::Reading Pune() {
    const auto birth = entry::BirthInputOfLine("--date 1980-07-15 --time 06:30 --zone 34 --lon 73:51E --lat 18:31N --name ASHA");
    return reading::RunReading(birth.value);
}

// What a field's control shows.
QString Shown(const QWidget& window, std::string_view control) {
    const QString name = QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
    if (const auto* label = window.findChild<QLabel*>(name)) return label->text();
    if (const auto* box = window.findChild<QPlainTextEdit*>(name)) return box->toPlainText();
    return QStringLiteral("(no control %1)").arg(name);
}

}  // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aFailedNodesStepShowsEmpty_data() {
        QTest::addColumn<bool>("wholeFirst");
        QTest::newRow("a new window") << false;
        QTest::newRow("after a whole reading") << true;
    }

    void aFailedNodesStepShowsEmpty() {
        QFETCH(bool, wholeFirst);
        const reading::Reading whole = Pune();
        QVERIFY(whole.failures.empty() && whole.nodeRow);
        reading::Reading failed = whole;
        failed.nodeRow = nullptr;
        failed.failures.push_back({reading::Step::Nodes, Status::Internal, "stand-in failure"});

        gui::ReportWindow window;
        if (wholeFirst) window.showReading(whole);
        window.showReading(failed);
        for (const reading::ReportField& field : reading::kReportFields) {
            const bool node = field.group == reading::FieldGroup::NorthNode || field.group == reading::FieldGroup::SouthNode;
            if (field.kind == reading::FieldKind::Picture) continue;
            const QString shown = Shown(window, field.control);
            if (node) {
                QVERIFY2(shown.isEmpty(), qPrintable(QString::fromUtf8(field.control.data()) + " shows " + shown));
            } else {
                QCOMPARE(shown, QString::fromStdString(field.read(whole)));
            }
        }
    }

    // The Sun sign's picture is drawn when its tab is shown, not before.
    void theSignPictureIsDrawnWhenItsTabShows() {
        gui::ReportWindow window;
        window.showReading(Pune());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const std::string_view name = reading::FieldOf(reading::FieldId::SignPicture).control;
        const auto* picture = window.findChild<QLabel*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        QVERIFY(picture);
        QVERIFY2(picture->pixmap().isNull(), "drawn while its tab is hidden");
        window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
        QVERIFY2(!picture->pixmap().isNull(), "not drawn when its tab shows");
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), picture->size());
    }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
