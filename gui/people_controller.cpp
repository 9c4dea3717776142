#include "gui/people_controller.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <cstdlib>

#include "gui/entry_window.h"
#include "gui/message_sink.h"
#include "gui/people_panel.h"
#include "people/aaf_transfer.h"

namespace starwise::gui {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

// "City, State, Country" from the form's place boxes, empty parts left out.
std::string PlaceLabelOfForm(const EntryWindow& form) {
    QStringList parts;
    for (const char* name : {"txtMCity", "txtMState", "txtMCountry"}) {
        if (const auto* box = form.findChild<QLineEdit*>(QString::fromLatin1(name))) {
            if (!box->text().trimmed().isEmpty()) parts << box->text().trimmed();
        }
    }
    return ToUtf8(parts.join(QStringLiteral(", ")));
}

}  // namespace

PeopleController::PeopleController(EntryWindow& form, MessageSink& messages, PeopleQuestions& questions,
                                   const std::string& storePath, QObject* parent)
    : QObject(parent), form_(form), messages_(messages), questions_(questions), baseTitle_(form.windowTitle()) {
    const std::string path =
        storePath.empty() ? people::DefaultPeoplePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")) : storePath;
    auto opened = people::PeopleStore::Open(path);
    store_ = std::move(opened.store);
    openNotice_ = opened.notice.message;

    panel_ = new PeoplePanel(messages_, questions_);
    panel_->setStore(store_.get(), FromUtf8(opened.notice.message));
    dock_ = new QDockWidget(QStringLiteral("People"), &form_);
    dock_->setObjectName(QStringLiteral("dockPeople"));
    dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    dock_->setWidget(panel_);
    form_.addDockWidget(Qt::LeftDockWidgetArea, dock_);
    // The form kept its width: make room for the list beside it.
    const int separator = form_.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
    form_.resize(form_.width() + dock_->sizeHint().width() + separator, form_.height());

    QMenu* file = form_.fileMenu();
    QAction* first = file->actions().value(0);
    saveAction_ = new QAction(QStringLiteral("&Save Person"), &form_);
    saveAction_->setObjectName(QStringLiteral("mnuSavePerson"));
    saveAction_->setShortcut(QKeySequence::Save);
    importAction_ = new QAction(QStringLiteral("&Import People (AAF)…"), &form_);
    importAction_->setObjectName(QStringLiteral("mnuImportPeople"));
    exportAction_ = new QAction(QStringLiteral("&Export People (AAF)…"), &form_);
    exportAction_->setObjectName(QStringLiteral("mnuExportPeople"));
    file->insertActions(first, {saveAction_, importAction_, exportAction_});
    file->insertSeparator(first);
    form_.addAction(saveAction_);  // Ctrl+S wherever the focus is in the window
    connect(saveAction_, &QAction::triggered, this, &PeopleController::savePerson);
    connect(importAction_, &QAction::triggered, this, &PeopleController::importAaf);
    connect(exportAction_, &QAction::triggered, this, &PeopleController::exportAaf);

    connect(panel_, &PeoplePanel::personChosen, this, &PeopleController::choose);
    connect(panel_, &PeoplePanel::peopleChanged, this, [this] {
        if (!current_) return;
        auto found = store_->Find(current_->id);
        std::optional<people::Person> still = found.result.ok() ? found.value : current_;
        if (still) {
            current_ = still;
        } else {
            current_.reset();
        }
        refreshTitle();
    });

    // Every edit of the form may change its save state.
    QWidget* controls = form_.centralWidget();
    for (auto* box : controls->findChildren<QLineEdit*>()) connect(box, &QLineEdit::textChanged, this, &PeopleController::refreshTitle);
    for (auto* list : controls->findChildren<QComboBox*>()) {
        connect(list, &QComboBox::currentIndexChanged, this, &PeopleController::refreshTitle);
    }
    for (auto* button : controls->findChildren<QAbstractButton*>()) {
        connect(button, &QAbstractButton::toggled, this, &PeopleController::refreshTitle);
    }
    form_.installEventFilter(this);
    refreshTitle();
}

PeopleController::~PeopleController() {
    if (panel_) panel_->setStore(nullptr, {});  // the store closes with this
}

PeoplePanel* PeopleController::panel() const { return panel_.data(); }

bool PeopleController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::WindowActivate) panel_->reload();
    return QObject::eventFilter(watched, event);
}

void PeopleController::choose(const people::Person& person) {
    entry::BirthInput birth = person.entry.birth;
    birth.name = person.entry.name;
    form_.fillFromBirth(birth);
    setCurrent(person);
}

void PeopleController::setCurrent(std::optional<people::Person> person) {
    current_ = std::move(person);
    currentValues_ = form_.Values();
    refreshTitle();
}

void PeopleController::refreshTitle() {
    if (!current_) {
        form_.setWindowTitle(baseTitle_);
        form_.setWindowModified(false);
        return;
    }
    form_.setWindowTitle(FromUtf8(current_->entry.name) + QStringLiteral("[*] \u2013 ") + baseTitle_);
    form_.setWindowModified(!(form_.Values() == currentValues_));
}

std::optional<entry::BirthInput> PeopleController::unchangedBirth() const {
    if (!current_ || !(form_.Values() == currentValues_)) return std::nullopt;
    entry::BirthInput birth = current_->entry.birth;
    birth.name = current_->entry.name;
    return birth;
}

void PeopleController::savePerson() {
    if (!store_) {
        messages_.Show(&form_, openNotice_, entry::MessageIcon::Error);
        return;
    }
    std::optional<entry::BirthInput> birth = unchangedBirth();
    if (!birth) {
        auto fromForm = form_.Birth();
        if (const auto* refused = std::get_if<entry::FormMessage>(&fromForm)) {
            messages_.Show(&form_, refused->text, refused->icon);
            return;
        }
        birth = std::get<entry::BirthInput>(fromForm);
        // A chosen place gives its label; typed place boxes give theirs.
        if (birth->placeLabel.empty()) birth->placeLabel = PlaceLabelOfForm(form_);
    }
    people::PersonEntry entry{birth->name, *birth, current_ ? current_->entry.note : std::string{}};
    std::int64_t id = 0;
    if (current_ && current_->entry.name == birth->name) {
        const QString question = QStringLiteral("Replace the saved birth of %1 with what the form holds now?")
                                     .arg(FromUtf8(birth->name));
        if (unchangedBirth() || !questions_.Confirm(&form_, question)) return;
        const people::StoreResult updated = store_->Update(current_->id, entry);
        if (!updated.ok()) {
            messages_.Show(&form_, updated.message, entry::MessageIcon::Error);
            return;
        }
        id = current_->id;
    } else {
        auto added = store_->Add(entry);
        if (!added.result.ok()) {
            messages_.Show(&form_, added.result.message, entry::MessageIcon::Error);
            return;
        }
        id = added.value;
    }
    panel_->reload();
    panel_->selectPerson(id);
    auto saved = store_->Find(id);
    setCurrent(saved.result.ok() ? saved.value : std::nullopt);
}

void PeopleController::importAaf() {
    if (!store_) {
        messages_.Show(&form_, openNotice_, entry::MessageIcon::Error);
        return;
    }
    const std::optional<QString> file = questions_.AskAafFile(&form_, false);
    if (!file) return;
    const people::AafImport imported = people::ImportAafFile(*store_, ToUtf8(*file));
    if (!imported.result.ok()) {
        std::string text = imported.result.message;
        for (const people::AafLineProblem& problem : imported.problems) text += "\n" + people::ProblemLine(problem);
        messages_.Show(&form_, text, entry::MessageIcon::Error);
        return;
    }
    panel_->reload();
    messages_.Show(&form_,
                   "Imported " + std::to_string(imported.peopleRead) + (imported.peopleRead == 1 ? " person" : " people") +
                       " from \"" + ToUtf8(*file) + "\".",
                   entry::MessageIcon::Information);
}

void PeopleController::exportAaf() {
    if (!store_) {
        messages_.Show(&form_, openNotice_, entry::MessageIcon::Error);
        return;
    }
    const std::optional<QString> file = questions_.AskAafFile(&form_, true);
    if (!file) return;
    const people::AafExport exported = people::ExportAafFile(*store_, ToUtf8(*file));
    std::string text = exported.error.empty() ? "Exported " + std::to_string(exported.peopleWritten) +
                                                    (exported.peopleWritten == 1 ? " person" : " people") + " to \"" +
                                                    ToUtf8(*file) + "\"."
                                              : exported.error;
    for (const std::string& change : exported.changes) text += "\n" + change;
    messages_.Show(&form_, text, exported.error.empty() ? entry::MessageIcon::Information : entry::MessageIcon::Error);
}

}  // namespace starwise::gui
