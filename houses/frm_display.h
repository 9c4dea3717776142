// The report window: one reading, written into it by the core through the
// ReportView interface. Sun-sign profile on the first tab; the Karma Profile
// and the planets in houses on the second, which it opens on.
#pragma once

#include <QTextCursor>
#include <QWidget>

#include "reading/report_view.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QTextEdit;

namespace starwise::gui {

class frmDisplay : public QWidget, public reading::ReportView {
    Q_OBJECT

public:
    explicit frmDisplay(QWidget* parent = nullptr);

    // ReportView. A name that is not a label (or text box) of this window,
    // or a picture number outside 1..12, throws std::out_of_range: the
    // reading skips that write and carries on.
    void SetCaption(std::string_view labelName, std::string_view caption) override;
    void SetText(std::string_view textBoxName, std::string_view text) override;
    void SetSignPicture(int pictureNumber) override;
    void WriteStyled(const reading::TextStyle& style, std::string_view text) override;

    // Resource path of the Sun-sign picture on show; empty before a reading.
    QString SignPictureResource() const { return signPictureResource_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createSunSignTab();
    void createStarwiseTab();

    QFrame* Shape1;
    QTabWidget* SSTab1;
    // Tab 0 "Sun Sign"
    QGroupBox* Frame4;
    QLabel* picSunSign;
    QLabel* Label15;
    QLabel* lblSunSign;
    QLabel* Label11;
    QLabel* lblSunSignElement;
    QLabel* Label27;
    QLabel* lblSunSignBirthStone;
    QLabel* Label23;
    QLabel* lblSunSignNumber;
    QLabel* Label21;
    QLabel* lblSunSignDay;
    QLabel* Label17;
    QLabel* lblSunSignCompatibility;
    QLabel* Label13;
    QPlainTextEdit* txtSunSignPositiveTraits;
    QLabel* Label10;
    QPlainTextEdit* txtSunSignNegativeTraits;
    // Tab 1 "Starwise"
    QGroupBox* Frame1;
    QLabel* Label1;
    QGroupBox* Frame2;
    QLabel* lblNorthNodedesc;
    QLabel* kkk;
    QLabel* lblNorthSign;
    QLabel* dsds;
    QLabel* lblNorthKeyWord;
    QPlainTextEdit* txtNorthDesc;
    QGroupBox* Frame6;
    QLabel* lblSouthNodeDesc;
    QLabel* hhh;
    QLabel* lblSouthSign;
    QLabel* Label5;
    QLabel* lblSouthKeyWord;
    QPlainTextEdit* txtSouthDesc;
    QGroupBox* Frame3;
    QTextEdit* RTBHouseDesc;

    // The rich-text box's insertion point, kept at the end of what the
    // reading has written.
    QTextCursor caret_;
    double caretPointSize_;
    QString signPictureResource_;
    bool shown_ = false;
};

}  // namespace starwise::gui
