// The about box: the program's name, icon and description, two links and OK.
// Shown modally over whichever window opened it; it blocks both windows.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QFrame;

namespace starwise::gui {

class ClickableLabel;
class UrlOpener;

class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(UrlOpener& browser, QWidget* parent = nullptr);

private:
    QLabel* icon_;
    QLabel* title_;
    QLabel* description_;
    QLabel* brandingLine_;
    QLabel* sources_;
    ClickableLabel* coBrandLink_;
    ClickableLabel* homePageLink_;
    QFrame* rule_;
    QPushButton* okButton_;
};

}  // namespace starwise::gui
