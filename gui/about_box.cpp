#include "gui/about_box.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "content/fixed_texts.h"
#include "gui/sign_pictures.h"
#include "gui/clickable_label.h"
#include "gui/links.h"
#include "gui/look.h"

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

AboutBox::AboutBox(UrlOpener& browser, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(FromUtf8(kWindowCaption));
    setWindowModality(Qt::ApplicationModal);
    setModal(true);
    setFont(UiFont(8.25));

    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("picIcon"));
    icon_->setFixedSize(kIconPixels, kIconPixels);
    icon_->setPixmap(ResourcePicture(kProgramIcon, {kIconPixels, kIconPixels}, devicePixelRatioF()));

    title_ = NamedLabel("Label2", FromUtf8(kWindowCaption), this);
    title_->setFont(UiFont(12, true));
    description_ = NamedLabel("Label1", FromUtf8(content::kAboutDescription), this);
    brandingLine_ = NamedLabel("Label3", FromUtf8(kBrandingLine), this);
    brandingLine_->setFont(UiFont(8.25, true));

    // Where the program's data comes from and under which licences.
    sources_ = NamedLabel("lblSources", FromUtf8(content::kAboutSources), this);
    sources_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    coBrandLink_ = new ClickableLabel(QStringLiteral("Click here for more details."), this);
    coBrandLink_->setObjectName(QStringLiteral("lblCoBrand"));
    coBrandLink_->setFont(UiFont(8.25, false, true));
    SetColours(coBrandLink_, QColor(0, 0, 192));
    homePageLink_ = new ClickableLabel(links::HomePageInvitation(), this);
    homePageLink_->setObjectName(QStringLiteral("lblHomePage"));
    homePageLink_->setFont(UiFont(8.25, false, true));
    SetColours(homePageLink_, QColor(0, 0, 192));

    rule_ = new QFrame(this);
    rule_->setObjectName(QStringLiteral("Line1"));
    rule_->setFrameShape(QFrame::HLine);
    rule_->setFrameShadow(QFrame::Sunken);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("cmdOK"));
    okButton_->setDefault(true);
    okButton_->setMinimumWidth(88);

    auto* text = new QVBoxLayout;
    text->addWidget(title_);
    text->addWidget(description_);
    text->addSpacing(6);
    text->addWidget(brandingLine_);
    text->addWidget(coBrandLink_);

    auto* top = new QHBoxLayout;
    top->addWidget(icon_, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(homePageLink_, 1);
    bottom->addWidget(okButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(sources_);
    layout->addSpacing(8);
    layout->addWidget(rule_);
    layout->addLayout(bottom);

    connect(coBrandLink_, &ClickableLabel::clicked, this, [&browser] { links::OpenCoBrandingOffer(browser); });
    connect(homePageLink_, &ClickableLabel::clicked, this, [&browser] { links::OpenHomePage(browser); });
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    // A fixed-width dialog, as tall as its text needs.
    setFixedWidth(kDialogWidth);
    setFixedHeight(heightForWidth(kDialogWidth) > 0 ? heightForWidth(kDialogWidth) : sizeHint().height());
}

}  // namespace starwise::gui
