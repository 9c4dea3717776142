// The People list on a real store: search as you type, choosing with the
// keyboard, rename and delete asking first, and a read-only store's notice.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
    std::optional<QString> AskName(QWidget*, const QString& current) override {
        asked << current;
        return newName;
    }
    std::optional<QString> AskAafFile(QWidget*, bool) override { return std::nullopt; }
    QStringList asked;
    bool confirm = false;
    std::optional<QString> newName;
};

people::PersonEntry Entry(const std::string& name, const std::string& place) {
    people::PersonEntry entry;
    entry.name = name;
    entry.birth.localDate = year{1980} / month{7} / day{15};
    entry.birth.localMinutes = 390;
    entry.birth.zone = entry::ZoneRowChoice{34, false};
    entry.birth.placeLabel = place;
    return entry;
}

}  // namespace

class PeoplePanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        auto opened = people::PeopleStore::Open(folder_->filePath(QStringLiteral("people.sqlite")).toStdString());
        QVERIFY(opened.store);
        store_ = std::move(opened.store);
        for (const auto& [name, place] : std::vector<std::pair<std::string, std::string>>{
                 {"ASHA KULKARNI", "Pune, Maharashtra, India"}, {"Ravi Rao", "Mumbai, Maharashtra, India"},
                 {"Lena Berg", "Oslo, Norway"}}) {
            QVERIFY(store_->Add(Entry(name, place)).result.ok());
        }
        panel_ = std::make_unique<PeoplePanel>(messages_, questions_);
        panel_->setStore(store_.get(), {});
        list_ = testing::Find<QListWidget>(panel_.get(), QStringLiteral("lstPeople"));
        search_ = testing::Find<QLineEdit>(panel_.get(), QStringLiteral("txtPeopleSearch"));
    }

    void searchNarrowsByNameOrPlaceAndEnterChooses() {
        QCOMPARE(list_->count(), 3);
        QTest::keyClicks(search_, QStringLiteral("maha"));  // the place of two of them
        QCOMPARE(list_->count(), 2);
        QTest::keyClicks(search_, QStringLiteral("x"));
        QCOMPARE(list_->count(), 0);
        search_->clear();
        QTest::keyClicks(search_, QStringLiteral("lena"));
        QCOMPARE(list_->count(), 1);
        QSignalSpy chosen(panel_.get(), &PeoplePanel::personChosen);
        QTest::keyClick(search_, Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(QString::fromStdString(chosen.at(0).at(0).value<people::Person>().entry.name), QStringLiteral("Lena Berg"));

        search_->clear();
        panel_->reload();
        QVERIFY2(list_->item(0)->text().startsWith(QStringLiteral("Lena Berg")), "the person chosen last comes first");
    }

    void renameAndDeleteAskFirst() {
        list_->setCurrentRow(0);
        const std::int64_t id = panel_->selectedPerson()->id;
        questions_.newName = QStringLiteral("Lena Berg-Olsen");
        testing::Find<QPushButton>(panel_.get(), QStringLiteral("cmdRenamePerson"))->click();
        QCOMPARE(QString::fromStdString(store_->Find(id).value->entry.name), QStringLiteral("Lena Berg-Olsen"));

        auto* remove = testing::Find<QPushButton>(panel_.get(), QStringLiteral("cmdDeletePerson"));
        questions_.confirm = false;
        remove->click();
        QVERIFY(store_->Find(id).value.has_value());
        QVERIFY(questions_.asked.last().contains(QStringLiteral("Lena Berg-Olsen")));
        questions_.confirm = true;
        remove->click();
        QVERIFY(!store_->Find(id).value.has_value());
        QCOMPARE(list_->count(), 2);
        QVERIFY(messages_.shown.isEmpty());
    }

    void aReadOnlyStoreShowsItsNoticeAndOffersNoChanges() {
        auto opened = people::PeopleStore::Open(store_->path(), {.readOnly = true});
        QVERIFY(opened.store);
        panel_->setStore(opened.store.get(), QString::fromStdString(opened.notice.message));
        QCOMPARE(list_->count(), 3);
        list_->setCurrentRow(0);
        QVERIFY(!testing::Find<QPushButton>(panel_.get(), QStringLiteral("cmdDeletePerson"))->isEnabled());
        QVERIFY(!testing::Find<QLabel>(panel_.get(), QStringLiteral("lblPeopleNotice"))->isHidden());
        panel_->setStore(nullptr, {});
    }

private:
    testing::RecordingMessageSink messages_;
    ScriptedQuestions questions_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<people::PeopleStore> store_;
    std::unique_ptr<PeoplePanel> panel_;
    QListWidget* list_ = nullptr;
    QLineEdit* search_ = nullptr;
};

}  // namespace starwise::gui

QTEST_MAIN(starwise::gui::PeoplePanelTest)
#include "people_panel_test.moc"
