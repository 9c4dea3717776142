#include "shell/frm_about.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "content/fixed_texts.h"
#include "content/sign_pictures.h"
#include "shell/clickable_label.h"
#include "shell/links.h"
#include "shell/look.h"

namespace starwise::gui {
namespace {

// The about box's third line: the full-branding offer without its
// "Click here" tail, which is the co-branding link below it.
constexpr std::string_view kBrandingLine =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software "
    "fully branded for your website.";

constexpr int kIconPixels = 96;
constexpr int kDialogWidth = 520;

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmAbout::frmAbout(UrlOpener& browser, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(FromUtf8(kWindowCaption));
    setWindowModality(Qt::ApplicationModal);
    setModal(true);
    setFont(UiFont(8.25));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(kIconPixels, kIconPixels);
    picIcon->setPixmap(ResourcePicture(content::kProgramIcon, {kIconPixels, kIconPixels}, devicePixelRatioF()));

    Label2 = NamedLabel("Label2", FromUtf8(kWindowCaption), this);
    Label2->setFont(UiFont(12, true));
    Label1 = NamedLabel("Label1", FromUtf8(content::kAboutDescription), this);
    Label3 = NamedLabel("Label3", FromUtf8(kBrandingLine), this);
    Label3->setFont(UiFont(8.25, true));

    lblCoBrand = new ClickableLabel(QStringLiteral("Click here for more details."), this);
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    lblCoBrand->setFont(UiFont(8.25, false, true));
    SetColours(lblCoBrand, QColor(0, 0, 192));
    lblHomePage = new ClickableLabel(links::HomePageInvitation(), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setFont(UiFont(8.25, false, true));
    SetColours(lblHomePage, QColor(0, 0, 192));

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(88);

    auto* text = new QVBoxLayout;
    text->addWidget(Label2);
    text->addWidget(Label1);
    text->addSpacing(6);
    text->addWidget(Label3);
    text->addWidget(lblCoBrand);

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblHomePage, 1);
    bottom->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(Line1);
    layout->addLayout(bottom);

    connect(lblCoBrand, &ClickableLabel::clicked, this, [&browser] { links::OpenCoBrandingOffer(browser); });
    connect(lblHomePage, &ClickableLabel::clicked, this, [&browser] { links::OpenHomePage(browser); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // A fixed-size dialog: as wide as designed, as tall as its text needs.
    setFixedWidth(kDialogWidth);
    setFixedHeight(heightForWidth(kDialogWidth) > 0 ? heightForWidth(kDialogWidth) : sizeHint().height());
}

}  // namespace starwise::gui
