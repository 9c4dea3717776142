// The saved people in the entry form's window: Save (Ctrl+S) of a new person
// and asking before it replaces one, choosing a person fills the form, the
// title names the person and shows unsaved changes, AAF out and in.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "gui/entry_window.h"
#include "gui/people_controller.h"
#include "gui/people_panel.h"
#include "gui_test_support.h"

namespace starwise::gui {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

class ScriptedQuestions final : public PeopleQuestions {
public:
    bool Confirm(QWidget*, const QString& question) override {
        asked << question;
        return confirm;
    }
    std::optional<QString> AskName(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<QString> AskAafFile(QWidget*, bool) override { return file; }
    QStringList asked;
    bool confirm = false;
    std::optional<QString> file;
};

// Kathmandu: an atlas place's degrees and Nepal's offset, which no zone row gives.
entry::BirthInput Kathmandu() {
    return {"RINGO", year{1990} / month{12} / day{31}, 23 * 60 + 59, 27.70169, 85.3206,
            entry::ExactOffset{5 * 3600 + 45 * 60, entry::OffsetSource::TimeZoneDatabase}, "Kathmandu, Nepal"};
}

}  // namespace

class PeopleControllerTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        form_ = std::make_unique<EntryWindow>(messages_, browser_);
        people_ = std::make_unique<PeopleController>(*form_, messages_, questions_,
                                                     folder_->filePath(QStringLiteral("people.sqlite")).toStdString());
        save_ = testing::Find<QAction>(form_.get(), QStringLiteral("mnuSavePerson"));
        list_ = testing::Find<QListWidget>(form_.get(), QStringLiteral("lstPeople"));
    }

    void savingANewPersonThenAskingBeforeReplacing() {
        form_->fillFromBirth({"ASHA KULKARNI", year{1980} / month{7} / day{15}, 390, 18 + 31 / 60.0, 73 + 51 / 60.0,
                              entry::ZoneRowChoice{34, false}, "Pune, Maharashtra, India"});
        QVERIFY(!form_->windowTitle().contains(QStringLiteral("ASHA")));
        QCOMPARE(save_->shortcut(), QKeySequence(QKeySequence::Save));
        save_->trigger();
        QCOMPARE(list_->count(), 1);
        QVERIFY(questions_.asked.isEmpty());
        QVERIFY2(form_->windowTitle().startsWith(QStringLiteral("ASHA KULKARNI[*]")), qPrintable(form_->windowTitle()));
        QVERIFY(!form_->isWindowModified());
        const auto saved = people_->panel()->store()->List().value.front();
        QCOMPARE(QString::fromStdString(saved.entry.birth.placeLabel), QStringLiteral("Pune, Maharashtra, India"));

        testing::Find<QComboBox>(form_.get(), QStringLiteral("cboHH"))->setCurrentIndex(7);
        QVERIFY(form_->isWindowModified());
        questions_.confirm = false;
        save_->trigger();
        QCOMPARE(questions_.asked.size(), 1);
        QCOMPARE(people_->panel()->store()->List().value.front().entry.birth.localMinutes, 390);
        questions_.confirm = true;
        save_->trigger();
        QCOMPARE(people_->panel()->store()->List().value.front().entry.birth.localMinutes, 7 * 60 + 30);
        QCOMPARE(list_->count(), 1);
        QVERIFY(!form_->isWindowModified());

        testing::Find<QLineEdit>(form_.get(), QStringLiteral("txtName"))->setText(QStringLiteral("ASHA RAO"));
        save_->trigger();  // another name: another person, nothing to ask
        QCOMPARE(list_->count(), 2);
        QCOMPARE(questions_.asked.size(), 2);
        QVERIFY(messages_.shown.isEmpty());
    }

    void choosingAPersonFillsTheFormAndKeepsTheExactBirth() {
        QVERIFY(people_->panel()->store()->Add({"RINGO", Kathmandu(), ""}).result.ok());
        people_->panel()->reload();
        list_->setCurrentRow(0);
        emit list_->itemActivated(list_->currentItem());
        const entry::EntryFormValues values = form_->Values();
        QCOMPARE(QString::fromStdString(values.nameText), QStringLiteral("RINGO"));
        QCOMPARE(values.monthPosition, 11);
        QCOMPARE(QString::fromStdString(values.yearText), QStringLiteral("1990"));
        QCOMPARE(QString::fromStdString(values.latitudeDegreesText), QStringLiteral("27"));
        QCOMPARE(QString::fromStdString(values.latitudeMinutesText), QStringLiteral("42"));
        QCOMPARE(testing::Find<QLineEdit>(form_.get(), QStringLiteral("txtMCountry"))->text(), QStringLiteral("Nepal"));
        const auto exact = people_->unchangedBirth();
        QVERIFY2(exact && exact->zone == Kathmandu().zone && exact->latitudeDeg == Kathmandu().latitudeDeg,
                 "the reading uses the birth as saved");
        testing::Find<QComboBox>(form_.get(), QStringLiteral("cboMM"))->setCurrentIndex(0);
        QVERIFY(!people_->unchangedBirth());
    }

    void exportThenImportAaf() {
        QVERIFY(people_->panel()->store()->Add({"RINGO", Kathmandu(), ""}).result.ok());
        questions_.file = folder_->filePath(QStringLiteral("people.aaf"));
        testing::Find<QAction>(form_.get(), QStringLiteral("mnuExportPeople"))->trigger();
        QVERIFY2(messages_.shown.last().contains(QStringLiteral("Exported 1 person")), qPrintable(messages_.shown.last()));
        testing::Find<QAction>(form_.get(), QStringLiteral("mnuImportPeople"))->trigger();
        QVERIFY2(messages_.shown.last().contains(QStringLiteral("Imported 1 person")), qPrintable(messages_.shown.last()));
        QCOMPARE(list_->count(), 2);
    }

    void aDamagedFileIsShownAndLeftAlone() {
        const QString path = folder_->filePath(QStringLiteral("damaged.sqlite"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("SQLite format 3") + QByteArray(4000, '\x55'));
        file.close();
        people_.reset();
        form_ = std::make_unique<EntryWindow>(messages_, browser_);
        people_ = std::make_unique<PeopleController>(*form_, messages_, questions_, path.toStdString());
        auto* notice = testing::Find<QLabel>(form_.get(), QStringLiteral("lblPeopleNotice"));
        QVERIFY2(!notice->isHidden() && notice->text().contains(QStringLiteral("damaged")), qPrintable(notice->text()));
        testing::Find<QAction>(form_.get(), QStringLiteral("mnuSavePerson"))->trigger();
        QVERIFY(messages_.shown.last().contains(path));
        QCOMPARE(QFileInfo(path).size(), qint64{15 + 4000});
    }

    void cleanup() {
        people_.reset();
        form_.reset();
        folder_.reset();
        messages_.shown.clear();
        questions_.asked.clear();
        questions_.file.reset();
        questions_.confirm = false;
    }

private:
    testing::RecordingMessageSink messages_;
    testing::RecordingUrlOpener browser_;
    ScriptedQuestions questions_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EntryWindow> form_;
    std::unique_ptr<PeopleController> people_;
    QAction* save_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace starwise::gui

QTEST_MAIN(starwise::gui::PeopleControllerTest)
#include "people_controller_test.moc"
