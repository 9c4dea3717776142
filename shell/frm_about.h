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

class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(UrlOpener& browser, QWidget* parent = nullptr);

private:
    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label3;
    ClickableLabel* lblCoBrand;
    ClickableLabel* lblHomePage;
    QFrame* Line1;
    QPushButton* cmdOK;
};

}  // namespace starwise::gui
