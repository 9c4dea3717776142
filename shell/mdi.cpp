#include "shell/mdi.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "content/fixed_texts.h"
#include "houses/frm_display.h"
#include "shell/clickable_label.h"
#include "shell/help_menus.h"
#include "shell/links.h"
#include "shell/look.h"
#include "shell/twips.h"

namespace starwise::gui {
namespace {

// Strip heights and button sizes, in twips.
constexpr int kBannerStripHeight = 615;
constexpr int kNameStripHeight = 360;
constexpr int kCommandStripHeight = 615;
constexpr int kExitButtonWidth = 1095;
constexpr int kBackButtonWidth = 1020;
constexpr int kButtonHeight = 405;
// Distance of Exit's and Back's right-hand side from the screen's edge,
// each counted with the button's own width.
constexpr int kExitInset = 160;
constexpr int kBackInset = 1400;
// Left margin of the branding offer in the command strip, and its gap to Back.
constexpr int kOfferLeft = 240;
constexpr int kOfferGap = 240;
// Space between the name strip and the top of the report.
constexpr int kReportTop = 120;

const QColor kBannerStrip{0, 40, 0};
const QColor kNameStrip{0, 24, 0};
const QColor kCommandStrip{0, 40, 0};
const QColor kWorkspace{0, 88, 0};
const QColor kBannerText{255, 214, 102};

int CentredLeft(int screenWidth, int width) { return (screenWidth - width) / 2; }

// Vertical position that centres a child of the given height in its strip.
int Middle(const QWidget* strip, int height) { return (strip->height() - height) / 2; }

}  // namespace

FrameLayout ComputeFrameLayout(int screenWidth, int bannerWidth, int softwareNameWidth, int exitWidth,
                               int backWidth, int reportWidth) {
    return {
        CentredLeft(screenWidth, bannerWidth),
        CentredLeft(screenWidth, softwareNameWidth),
        screenWidth - (exitWidth + kExitInset),
        screenWidth - (backWidth + kBackInset),
        CentredLeft(screenWidth, reportWidth),
    };
}

MDI::MDI(UrlOpener& browser, QWidget* parent) : QMainWindow(parent), browser_(browser) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(FromUtf8(kWindowCaption));
    setFont(UiFont(8.25));

    mdiArea = new QMdiArea;
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(kWorkspace);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    bannerStrip_ = createStrip("picBanner", kBannerStripHeight, kBannerStrip);
    lblVantoriaBanner = new ClickableLabel(FromUtf8(content::kFrameBanner), bannerStrip_);
    lblVantoriaBanner->setObjectName(QStringLiteral("lblVantoriaBanner"));
    lblVantoriaBanner->setFont(UiFont(9.75, true, true));
    SetColours(lblVantoriaBanner, kBannerText);
    connect(lblVantoriaBanner, &ClickableLabel::clicked, this, [this] { links::OpenHomePage(browser_); });

    nameStrip_ = createStrip("picName", kNameStripHeight, kNameStrip);
    lblSoftwareName = new QLabel(QStringLiteral("Starwise"), nameStrip_);
    lblSoftwareName->setObjectName(QStringLiteral("lblSoftwareName"));
    lblSoftwareName->setFont(UiFont(12, true));
    SetColours(lblSoftwareName, kOrange);

    commandStrip_ = createStrip("picCommands", kCommandStripHeight, kCommandStrip);
    cmdBack = new QPushButton(QStringLiteral("&Back"), commandStrip_);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdMdiExit = new QPushButton(QStringLiteral("&Exit"), commandStrip_);
    cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    for (QPushButton* button : {cmdBack, cmdMdiExit}) button->setFont(UiFont(8.25, true));
    cmdBack->resize(TwipsSize(kBackButtonWidth, kButtonHeight));
    cmdMdiExit->resize(TwipsSize(kExitButtonWidth, kButtonHeight));
    connect(cmdBack, &QPushButton::clicked, this, &MDI::cmdBack_Click);
    connect(cmdMdiExit, &QPushButton::clicked, this, &MDI::cmdMdiExit_Click);

    Label8 = new ClickableLabel(FromUtf8(content::kFullBrandOffer), commandStrip_);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setWordWrap(true);
    Label8->setFont(UiFont(8.25, false, true));
    SetColours(Label8, QColor(255, 236, 180));
    connect(Label8, &ClickableLabel::clicked, this, [this] { links::OpenFullBrandingOffer(browser_); });

    // The report window, the frame's only child. It keeps its designed size
    // and has no buttons of its own: Back and Exit are the frame's.
    report_ = new frmDisplay;
    QMdiSubWindow* child =
        mdiArea->addSubWindow(report_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    child->setObjectName(QStringLiteral("frmDisplayWindow"));
    child->setWindowIcon(QGuiApplication::windowIcon());

    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bannerStrip_);
    layout->addWidget(nameStrip_);
    layout->addWidget(mdiArea, 1);
    layout->addWidget(commandStrip_);
    setCentralWidget(client);

    createActions();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1024;
    resize(screenWidth, screen ? screen->availableGeometry().height() : 768);
    placeForScreenWidth(PixelsToTwips(screenWidth));
}

void MDI::createActions() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuBack = mnuFile->addAction(QStringLiteral("&Back"));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    connect(mnuBack, &QAction::triggered, this, &MDI::cmdBack_Click);
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &MDI::cmdMdiExit_Click);

    AddHelpMenus(menuBar(), browser_, [this] { emit aboutRequested(); }, "mnuSep1", "mnuSep2");
}

QWidget* MDI::createStrip(const char* name, int heightTwips, const QColor& background) {
    auto* strip = new QWidget;
    strip->setObjectName(QString::fromLatin1(name));
    strip->setFixedHeight(TwipsToPixels(heightTwips));
    SetColours(strip, kWhite, background);
    return strip;
}

void MDI::placeForScreenWidth(int screenWidthTwips) {
    for (QLabel* label : {static_cast<QLabel*>(lblVantoriaBanner), lblSoftwareName}) label->adjustSize();
    QMdiSubWindow* child = report_->parentWidget() ? qobject_cast<QMdiSubWindow*>(report_->parentWidget()) : nullptr;
    QWidget* reportWindow = child ? static_cast<QWidget*>(child) : report_;
    reportWindow->adjustSize();

    const FrameLayout at = ComputeFrameLayout(
        screenWidthTwips, PixelsToTwips(lblVantoriaBanner->width()), PixelsToTwips(lblSoftwareName->width()),
        kExitButtonWidth, kBackButtonWidth, PixelsToTwips(reportWindow->width()));

    lblVantoriaBanner->move(TwipsToPixels(at.bannerLeft), Middle(bannerStrip_, lblVantoriaBanner->height()));
    lblSoftwareName->move(TwipsToPixels(at.softwareNameLeft), Middle(nameStrip_, lblSoftwareName->height()));
    cmdMdiExit->move(TwipsToPixels(at.exitLeft), Middle(commandStrip_, cmdMdiExit->height()));
    cmdBack->move(TwipsToPixels(at.backLeft), Middle(commandStrip_, cmdBack->height()));
    const int offerWidth = std::max(TwipsToPixels(at.backLeft - kOfferGap - kOfferLeft), 80);
    Label8->setGeometry(TwipsToPixels(kOfferLeft), 2, offerWidth, commandStrip_->height() - 4);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    reportWindow->move(std::max(TwipsToPixels(at.reportLeft), 0), TwipsToPixels(kReportTop));
}

void MDI::cmdBack_Click() { emit backRequested(); }

void MDI::cmdMdiExit_Click() { emit exitRequested(); }

void MDI::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!unloading_) emit exitRequested();
}

}  // namespace starwise::gui
