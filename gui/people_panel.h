// The People list beside the entry form: the saved people, most recently
// used first, narrowed as a name or place is typed in the search box; a
// person is chosen with a double click or Enter; rename and delete ask first.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "people/people_store.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace starwise::gui {

class MessageSink;

// The questions the People list asks; tests answer them without a dialog.
class PeopleQuestions {
public:
    virtual ~PeopleQuestions() = default;
    // Yes or No to `question`.
    virtual bool Confirm(QWidget* parent, const QString& question) = 0;
    // A new name, starting from `current`; nothing when cancelled.
    virtual std::optional<QString> AskName(QWidget* parent, const QString& current) = 0;
    // An AAF file to read (or, with save, to write); nothing when cancelled.
    virtual std::optional<QString> AskAafFile(QWidget* parent, bool save) = 0;
};

// The real thing: QMessageBox and QInputDialog.
class PeopleDialogs final : public PeopleQuestions {
public:
    bool Confirm(QWidget* parent, const QString& question) override;
    std::optional<QString> AskName(QWidget* parent, const QString& current) override;
    std::optional<QString> AskAafFile(QWidget* parent, bool save) override;
};

class PeoplePanel : public QWidget {
    Q_OBJECT

public:
    PeoplePanel(MessageSink& messages, PeopleQuestions& questions, QWidget* parent = nullptr);

    // The store to show (not owned; null when none could be opened) and the
    // notice to show above the list (why it is read-only or missing; empty
    // when all is well).
    void setStore(people::PeopleStore* store, const QString& notice);
    people::PeopleStore* store() const { return store_; }

    // Reads the list again (the other program may have changed the file).
    void reload();
    // The person selected in the list, if any.
    std::optional<people::Person> selectedPerson() const;
    // Selects the person with that id when it is listed.
    void selectPerson(std::int64_t id);

    void renameSelected();
    void deleteSelected();

signals:
    // A person was chosen: the form is to be filled with their birth.
    void personChosen(const starwise::people::Person& person);
    // A person was renamed or deleted (the window title may name them).
    void peopleChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter();
    void chooseSelected();
    // Shows a failed store call's message; true when it succeeded.
    bool Succeeded(const people::StoreResult& result);

    MessageSink& messages_;
    PeopleQuestions& questions_;
    people::PeopleStore* store_ = nullptr;
    std::vector<people::Person> people_;  // the store's order: most recently used first

    QLabel* noticeLabel_;
    QLineEdit* searchBox_;
    QListWidget* list_;
    QPushButton* renameButton_;
    QPushButton* deleteButton_;
};

// The line a person has in the list: "ASHA KULKARNI  15 Jul 1980 06:30, Pune,
// Maharashtra, India".
QString PersonListText(const people::Person& person);

}  // namespace starwise::gui
