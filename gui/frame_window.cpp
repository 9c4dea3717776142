#include "gui/frame_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

#include "content/fixed_texts.h"
#include "gui/clickable_label.h"
#include "gui/document_dialogs.h"
#include "gui/help_menus.h"
#include "gui/links.h"
#include "gui/look.h"
#include "gui/reading_files.h"
#include "gui/reading_pages.h"
#include "gui/report_window.h"
#include "gui/twips.h"

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

double ReportScaleFor(QSize workspace, QSize chrome, QSize design, int marginPx) {
    if (design.width() <= 0 || design.height() <= 0) return 1.0;
    const double byWidth = static_cast<double>(workspace.width() - chrome.width() - 2 * marginPx) / design.width();
    const double byHeight = static_cast<double>(workspace.height() - chrome.height() - 2 * marginPx) / design.height();
    return std::max(std::min(byWidth, byHeight), kMinimumReportScale);
}

FrameWindow::FrameWindow(UrlOpener& browser, QWidget* parent)
    : QMainWindow(parent), browser_(browser), dialogs_(std::make_unique<DesktopDocumentDialogs>()) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(FromUtf8(kWindowCaption));
    setFont(UiFont(8.25));

    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(kWorkspace);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    bannerStrip_ = createStrip("picBanner", kBannerStripHeight, kBannerStrip);
    banner_ = new ClickableLabel(FromUtf8(content::kFrameBanner), bannerStrip_);
    banner_->setObjectName(QStringLiteral("lblVantoriaBanner"));
    banner_->setFont(UiFont(9.75, true, true));
    SetColours(banner_, kBannerText);
    connect(banner_, &ClickableLabel::clicked, this, [this] { links::OpenHomePage(browser_); });

    nameStrip_ = createStrip("picName", kNameStripHeight, kNameStrip);
    softwareName_ = new QLabel(QStringLiteral("Starwise"), nameStrip_);
    softwareName_->setObjectName(QStringLiteral("lblSoftwareName"));
    softwareName_->setFont(UiFont(12, true));
    SetColours(softwareName_, kOrange);

    commandStrip_ = createStrip("picCommands", kCommandStripHeight, kCommandStrip);
    backButton_ = new QPushButton(QStringLiteral("&Back"), commandStrip_);
    backButton_->setObjectName(QStringLiteral("cmdBack"));
    exitButton_ = new QPushButton(QStringLiteral("&Exit"), commandStrip_);
    exitButton_->setObjectName(QStringLiteral("cmdMdiExit"));
    for (QPushButton* button : {backButton_, exitButton_}) button->setFont(UiFont(8.25, true));
    backButton_->resize(TwipsSize(kBackButtonWidth, kButtonHeight));
    exitButton_->resize(TwipsSize(kExitButtonWidth, kButtonHeight));
    connect(backButton_, &QPushButton::clicked, this, &FrameWindow::goBack);
    connect(exitButton_, &QPushButton::clicked, this, &FrameWindow::exitProgram);

    helpLink_ = new ClickableLabel(FromUtf8(content::kFullBrandOffer), commandStrip_);
    helpLink_->setObjectName(QStringLiteral("Label8"));
    helpLink_->setWordWrap(true);
    helpLink_->setFont(UiFont(8.25, false, true));
    SetColours(helpLink_, QColor(255, 236, 180));
    connect(helpLink_, &ClickableLabel::clicked, this, [this] { links::OpenFullBrandingOffer(browser_); });

    // The report window, the frame's only child. It keeps its layout size
    // and has no buttons of its own: Back and Exit are the frame's.
    report_ = new ReportWindow;
    QMdiSubWindow* child =
        mdiArea_->addSubWindow(report_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    child->setObjectName(QStringLiteral("frmDisplayWindow"));
    child->setWindowIcon(QGuiApplication::windowIcon());
    mdiArea_->installEventFilter(this);

    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bannerStrip_);
    layout->addWidget(nameStrip_);
    layout->addWidget(mdiArea_, 1);
    layout->addWidget(commandStrip_);
    setCentralWidget(client);

    createActions();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1024;
    resize(screenWidth, screen ? screen->availableGeometry().height() : 768);
    placeForScreenWidth(PixelsToTwips(screenWidth));
}

FrameWindow::~FrameWindow() = default;

void FrameWindow::createActions() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    savePdfAction_ = fileMenu_->addAction(QStringLiteral("Save Reading as &PDF…"));
    savePdfAction_->setObjectName(QStringLiteral("mnuSavePdf"));
    connect(savePdfAction_, &QAction::triggered, this, &FrameWindow::saveReadingAsPdf);
    saveHtmlAction_ = fileMenu_->addAction(QStringLiteral("Save Reading as &HTML…"));
    saveHtmlAction_->setObjectName(QStringLiteral("mnuSaveHtml"));
    connect(saveHtmlAction_, &QAction::triggered, this, &FrameWindow::saveReadingAsHtml);
    printAction_ = fileMenu_->addAction(QStringLiteral("&Print…"));
    printAction_->setObjectName(QStringLiteral("mnuPrint"));
    printAction_->setShortcut(QKeySequence::Print);
    connect(printAction_, &QAction::triggered, this, &FrameWindow::printReading);
    for (QAction* action : {savePdfAction_, saveHtmlAction_, printAction_}) action->setEnabled(false);
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    backAction_ = fileMenu_->addAction(QStringLiteral("&Back"));
    backAction_->setObjectName(QStringLiteral("mnuBack"));
    connect(backAction_, &QAction::triggered, this, &FrameWindow::goBack);
    exitAction_ = fileMenu_->addAction(QStringLiteral("E&xit"));
    exitAction_->setObjectName(QStringLiteral("mnuExit"));
    connect(exitAction_, &QAction::triggered, this, &FrameWindow::exitProgram);

    AddHelpMenus(menuBar(), browser_, [this] { emit aboutRequested(); }, "mnuSep1", "mnuSep2");
}

QWidget* FrameWindow::createStrip(const char* name, int heightTwips, const QColor& background) {
    auto* strip = new QWidget;
    strip->setObjectName(QString::fromLatin1(name));
    strip->setFixedHeight(TwipsToPixels(heightTwips));
    SetColours(strip, kWhite, background);
    return strip;
}

QWidget* FrameWindow::reportChild() const {
    QMdiSubWindow* child = report_->parentWidget() ? qobject_cast<QMdiSubWindow*>(report_->parentWidget()) : nullptr;
    return child ? static_cast<QWidget*>(child) : report_;
}

void FrameWindow::placeForScreenWidth(int screenWidthTwips) {
    for (QLabel* label : {static_cast<QLabel*>(banner_), softwareName_}) label->adjustSize();
    QWidget* reportWindow = reportChild();
    reportWindow->adjustSize();

    const FrameLayout at = ComputeFrameLayout(
        screenWidthTwips, PixelsToTwips(banner_->width()), PixelsToTwips(softwareName_->width()),
        kExitButtonWidth, kBackButtonWidth, PixelsToTwips(reportWindow->width()));

    banner_->move(TwipsToPixels(at.bannerLeft), Middle(bannerStrip_, banner_->height()));
    softwareName_->move(TwipsToPixels(at.softwareNameLeft), Middle(nameStrip_, softwareName_->height()));
    exitButton_->move(TwipsToPixels(at.exitLeft), Middle(commandStrip_, exitButton_->height()));
    backButton_->move(TwipsToPixels(at.backLeft), Middle(commandStrip_, backButton_->height()));
    const int offerWidth = std::max(TwipsToPixels(at.backLeft - kOfferGap - kOfferLeft), 80);
    helpLink_->setGeometry(TwipsToPixels(kOfferLeft), 2, offerWidth, commandStrip_->height() - 4);
    helpLink_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    reportWindow->move(std::max(TwipsToPixels(at.reportLeft), 0), TwipsToPixels(kReportTop));
}

void FrameWindow::fitReport() {
    QWidget* reportWindow = reportChild();
    const QSize workspace = mdiArea_->contentsRect().size();
    if (workspace.isEmpty()) return;
    // The child window's title bar and borders, as its style draws them.
    const QSize chrome = reportWindow == report_ ? QSize() : reportWindow->minimumSizeHint() - report_->minimumSize();
    const int margin = TwipsToPixels(kReportTop);
    report_->setScale(ReportScaleFor(workspace, chrome, ReportWindow::DesignSize(), margin));
    reportWindow->adjustSize();
    // Centred across; down, centred in what the height leaves, at least the margin from the top.
    const int left = std::max((workspace.width() - reportWindow->width()) / 2, 0);
    const int top = std::max((workspace.height() - reportWindow->height()) / 2, std::min(margin, workspace.height()));
    reportWindow->move(left, std::max(top, 0));
}

void FrameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeForScreenWidth(PixelsToTwips(width()));
    fitReport();
}

bool FrameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdiArea_ && event->type() == QEvent::Resize) fitReport();
    return QMainWindow::eventFilter(watched, event);
}

void FrameWindow::showReading(const reading::Reading& reading) {
    reading_ = reading;
    setWindowTitle(ReadingWindowTitle(reading.birth.name));
    report_->showReading(reading);
    for (QAction* action : {savePdfAction_, saveHtmlAction_, printAction_}) action->setEnabled(true);
}

void FrameWindow::setDocumentDialogs(std::unique_ptr<DocumentDialogs> dialogs) {
    if (dialogs) dialogs_ = std::move(dialogs);
}

QString FrameWindow::askSavePath(const QString& caption, const QString& suffix, const QString& filter) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(SuggestedFileName(*reading_, suffix));
    QString path = dialogs_->SaveFileName(this, caption, suggested, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
    return path;
}

void FrameWindow::saveReadingAsPdf() {
    if (!reading_) return;
    const QString path = askSavePath(QStringLiteral("Save Reading as PDF"), QStringLiteral("pdf"),
                                     QStringLiteral("PDF documents (*.pdf)"));
    if (path.isEmpty()) return;
    if (const QString failure = WriteReadingPdf(*reading_, path); !failure.isEmpty()) {
        dialogs_->ShowFailure(this, failure);
    }
}

void FrameWindow::saveReadingAsHtml() {
    if (!reading_) return;
    const QString path = askSavePath(QStringLiteral("Save Reading as HTML"), QStringLiteral("html"),
                                     QStringLiteral("Web pages (*.html *.htm)"));
    if (path.isEmpty()) return;
    if (const QString failure = WriteReadingHtml(*reading_, path); !failure.isEmpty()) {
        dialogs_->ShowFailure(this, failure);
    }
}

void FrameWindow::printReading() {
    if (!reading_) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReadingPageLayout());
    printer.setDocName(QFileInfo(SuggestedFileName(*reading_, QStringLiteral("pdf"))).completeBaseName());
    if (!dialogs_->SetUpPrinter(this, printer)) return;
    if (PaintReadingPages(*reading_, printer) == 0) {
        dialogs_->ShowFailure(this, QStringLiteral("The reading could not be printed: the printer could not be started."));
    }
}

void FrameWindow::goBack() { emit backRequested(); }

void FrameWindow::exitProgram() { emit exitRequested(); }

void FrameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!unloading_) emit exitRequested();
}

}  // namespace starwise::gui
