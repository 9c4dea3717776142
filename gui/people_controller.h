// The saved people in the entry form's window: the People list docked beside
// the form, File > Save Person (Ctrl+S), Import People and Export People
// (AAF), and the person's name and save state in the window title.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "entry/birth_input.h"
#include "entry/entry_form.h"
#include "people/people_store.h"

class QAction;
class QDockWidget;

namespace starwise::gui {

class EntryWindow;
class MessageSink;
class PeoplePanel;
class PeopleQuestions;

class PeopleController : public QObject {
    Q_OBJECT

public:
    // Opens the store at storePath (people::DefaultPeoplePath when empty);
    // a store that cannot be opened leaves the list empty with its notice,
    // and readings go on.
    PeopleController(EntryWindow& form, MessageSink& messages, PeopleQuestions& questions,
                     const std::string& storePath, QObject* parent = nullptr);
    ~PeopleController() override;

    // Saves the form as a person: a new one, or, when the form holds a
    // chosen or saved person under the same name, that person after asking.
    void savePerson();
    void importAaf();
    void exportAaf();

    // The chosen person's birth as saved, while the form still shows it
    // unchanged: the reading then uses the stored values (exact offsets and
    // coordinates the form's boxes cannot hold). Nothing otherwise.
    std::optional<entry::BirthInput> unchangedBirth() const;

    PeoplePanel* panel() const;

protected:
    // The list is read again when the window becomes active: the other
    // program may have changed the file meanwhile.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(const people::Person& person);
    void setCurrent(std::optional<people::Person> person);
    void refreshTitle();

    EntryWindow& form_;
    MessageSink& messages_;
    PeopleQuestions& questions_;
    std::unique_ptr<people::PeopleStore> store_;
    std::string openNotice_;  // why the store could not be opened, if it could not
    QPointer<PeoplePanel> panel_;  // owned by the window
    QDockWidget* dock_;
    QAction* saveAction_;
    QAction* importAction_;
    QAction* exportAction_;
    QString baseTitle_;
    std::optional<people::Person> current_;      // the person the form was filled from or saved as
    entry::EntryFormValues currentValues_;       // what the form held then
};

}  // namespace starwise::gui
