#include "gui/people_panel.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "atlas/text_folding.h"
#include "gui/message_sink.h"

namespace starwise::gui {
namespace {

constexpr std::array<const char*, 12> kMonthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool PeopleDialogs::Confirm(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, QStringLiteral("Starwise"), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> PeopleDialogs::AskName(QWidget* parent, const QString& current) {
    bool accepted = false;
    const QString name = QInputDialog::getText(parent, QStringLiteral("Rename Person"), QStringLiteral("New name:"),
                                               QLineEdit::Normal, current, &accepted);
    if (!accepted) return std::nullopt;
    return name;
}

std::optional<QString> PeopleDialogs::AskAafFile(QWidget* parent, bool save) {
    const QString filter = QStringLiteral("AAF files (*.aaf *.AAF);;All files (*)");
    const QString path = save ? QFileDialog::getSaveFileName(parent, QStringLiteral("Export People"),
                                                             QStringLiteral("people.aaf"), filter)
                              : QFileDialog::getOpenFileName(parent, QStringLiteral("Import People"), QString{}, filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

QString PersonListText(const people::Person& person) {
    const entry::BirthInput& birth = person.entry.birth;
    const QString when = QStringLiteral("%1 %2 %3 %4:%5")
                             .arg(static_cast<unsigned>(birth.localDate.day()))
                             .arg(QLatin1String(kMonthAbbreviations[static_cast<unsigned>(birth.localDate.month()) - 1]))
                             .arg(static_cast<int>(birth.localDate.year()))
                             .arg(birth.localMinutes / 60, 2, 10, QLatin1Char('0'))
                             .arg(birth.localMinutes % 60, 2, 10, QLatin1Char('0'));
    QString text = FromUtf8(person.entry.name) + QStringLiteral("  ") + when;
    if (!birth.placeLabel.empty()) text += QStringLiteral(", ") + FromUtf8(birth.placeLabel);
    return text;
}

PeoplePanel::PeoplePanel(MessageSink& messages, PeopleQuestions& questions, QWidget* parent)
    : QWidget(parent), messages_(messages), questions_(questions) {
    setObjectName(QStringLiteral("pnlPeople"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    noticeLabel_ = new QLabel(this);
    noticeLabel_->setObjectName(QStringLiteral("lblPeopleNotice"));
    noticeLabel_->setWordWrap(true);
    noticeLabel_->hide();
    searchBox_ = new QLineEdit(this);
    searchBox_->setObjectName(QStringLiteral("txtPeopleSearch"));
    searchBox_->setPlaceholderText(QStringLiteral("Search by name or place"));
    searchBox_->setClearButtonEnabled(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstPeople"));
    auto* buttons = new QHBoxLayout;
    renameButton_ = new QPushButton(QStringLiteral("&Rename…"), this);
    renameButton_->setObjectName(QStringLiteral("cmdRenamePerson"));
    deleteButton_ = new QPushButton(QStringLiteral("&Delete…"), this);
    deleteButton_->setObjectName(QStringLiteral("cmdDeletePerson"));
    buttons->addWidget(renameButton_);
    buttons->addWidget(deleteButton_);
    layout->addWidget(noticeLabel_);
    layout->addWidget(searchBox_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(searchBox_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    connect(list_, &QListWidget::itemActivated, this, [this] { chooseSelected(); });  // double click, Enter
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        const bool writable = store_ && store_->canWrite();
        renameButton_->setEnabled(row >= 0 && writable);
        deleteButton_->setEnabled(row >= 0 && writable);
    });
    connect(renameButton_, &QPushButton::clicked, this, &PeoplePanel::renameSelected);
    connect(deleteButton_, &QPushButton::clicked, this, &PeoplePanel::deleteSelected);
    // Down from the search box goes to the list, so a person is found and
    // chosen from the keyboard alone.
    searchBox_->installEventFilter(this);
    setStore(nullptr, {});
}

void PeoplePanel::setStore(people::PeopleStore* store, const QString& notice) {
    store_ = store;
    noticeLabel_->setText(notice);
    noticeLabel_->setVisible(!notice.isEmpty());
    reload();
}

void PeoplePanel::reload() {
    people_.clear();
    if (store_) {
        auto listed = store_->List();
        if (Succeeded(listed.result)) people_ = std::move(listed.value);
    }
    applyFilter();
}

void PeoplePanel::applyFilter() {
    const std::optional<people::Person> selected = selectedPerson();
    // Compared as searches are: "rene" finds René, "o'neil" O'Neil.
    const std::string wanted = atlas::FoldForSearch(searchBox_->text().toStdString());
    list_->clear();
    for (const people::Person& person : people_) {
        if (!wanted.empty() && atlas::FoldForSearch(person.entry.name).find(wanted) == std::string::npos &&
            atlas::FoldForSearch(person.entry.birth.placeLabel).find(wanted) == std::string::npos) {
            continue;
        }
        auto* item = new QListWidgetItem(PersonListText(person), list_);
        item->setToolTip(item->text());
        item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(person.id));
    }
    if (selected) selectPerson(selected->id);
    if (list_->currentRow() < 0 && list_->count() > 0 && !wanted.empty()) list_->setCurrentRow(0);
    const bool writable = store_ && store_->canWrite();
    renameButton_->setEnabled(list_->currentRow() >= 0 && writable);
    deleteButton_->setEnabled(list_->currentRow() >= 0 && writable);
}

std::optional<people::Person> PeoplePanel::selectedPerson() const {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return std::nullopt;
    const auto id = item->data(Qt::UserRole).toLongLong();
    for (const people::Person& person : people_) {
        if (person.id == id) return person;
    }
    return std::nullopt;
}

void PeoplePanel::selectPerson(std::int64_t id) {
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole).toLongLong() == id) list_->setCurrentRow(row);
    }
}

void PeoplePanel::chooseSelected() {
    const std::optional<people::Person> person = selectedPerson();
    if (!person) return;
    if (store_ && store_->canWrite()) store_->MarkUsed(person->id);  // the order only: a failure changes nothing else
    emit personChosen(*person);
}

void PeoplePanel::renameSelected() {
    const std::optional<people::Person> person = selectedPerson();
    if (!person || !store_) return;
    const std::optional<QString> name = questions_.AskName(this, FromUtf8(person->entry.name));
    if (!name || name->trimmed().isEmpty() || name->trimmed() == FromUtf8(person->entry.name)) return;
    if (Succeeded(store_->Rename(person->id, name->trimmed().toStdString()))) {
        reload();
        selectPerson(person->id);
        emit peopleChanged();
    }
}

void PeoplePanel::deleteSelected() {
    const std::optional<people::Person> person = selectedPerson();
    if (!person || !store_) return;
    const QString question =
        QStringLiteral("Delete %1 from the saved people? This cannot be undone.").arg(FromUtf8(person->entry.name));
    if (!questions_.Confirm(this, question)) return;
    if (Succeeded(store_->Remove(person->id))) {
        reload();
        emit peopleChanged();
    }
}

bool PeoplePanel::Succeeded(const people::StoreResult& result) {
    if (result.ok()) return true;
    messages_.Show(this, result.message, entry::MessageIcon::Error);
    return false;
}

bool PeoplePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchBox_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down && list_->count() > 0) {
            list_->setFocus();
            if (list_->currentRow() < 0) list_->setCurrentRow(0);
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && list_->currentRow() >= 0) {
            chooseSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace starwise::gui
