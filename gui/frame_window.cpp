#include "gui/frame_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "content/fixed_texts.h"
#include "gui/clickable_label.h"
#include "gui/document_dialogs.h"
#include "gui/focus_ring.h"
#include "gui/help_menus.h"
#include "gui/links.h"
#include "gui/look.h"
#include "gui/reading_files.h"
#include "gui/reading_pages.h"
#include "gui/report_window.h"
#include "gui/twips.h"
#include "reading/report_fields.h"

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
const QColor kFocusRing{255, 140, 0};  // stands out on the greens and on white

// Where the folder of the last saved reading is kept (QSettings).
constexpr char kLastSaveFolderKey[] = "documents/lastSaveFolder";

// Zoom by keys and the mouse wheel: the factor of one step, and its bounds
// as multiples of the scale that fits the workspace.
constexpr double kZoomStep = 1.25;
constexpr double kMinimumZoom = 0.5;
constexpr double kMaximumZoom = 4.0;

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
    setFont(UiFont(kSmallestTextPoints));

    // The report's window fills the workspace; the report scrolls within it
    // when it is larger, so it need never be drawn too small to read.
    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(kWorkspace);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

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
    for (QPushButton* button : {backButton_, exitButton_}) button->setFont(UiFont(kSmallestTextPoints, true));
    backButton_->resize(TwipsSize(kBackButtonWidth, kButtonHeight));
    exitButton_->resize(TwipsSize(kExitButtonWidth, kButtonHeight));
    connect(backButton_, &QPushButton::clicked, this, &FrameWindow::goBack);
    connect(exitButton_, &QPushButton::clicked, this, &FrameWindow::exitProgram);

    helpLink_ = new ClickableLabel(FromUtf8(content::kFullBrandOffer), commandStrip_);
    helpLink_->setObjectName(QStringLiteral("Label8"));
    helpLink_->setWordWrap(true);
    helpLink_->setFont(UiFont(kSmallestTextPoints, false, true));
    SetColours(helpLink_, QColor(255, 236, 180));
    connect(helpLink_, &ClickableLabel::clicked, this, [this] { links::OpenFullBrandingOffer(browser_); });

    // The report window, the frame's only child: without a title bar or
    // borders, so it cannot be dragged or resized, and kept over the whole
    // workspace. It has no buttons of its own: Back and Exit are the frame's.
    report_ = new ReportWindow;
    for (QAbstractScrollArea* box : report_->findChildren<QAbstractScrollArea*>()) {
        // Tab leaves a text box for the next control, as everywhere else.
        if (auto* text = qobject_cast<QPlainTextEdit*>(box)) text->setTabChangesFocus(true);
        if (auto* text = qobject_cast<QTextEdit*>(box)) text->setTabChangesFocus(true);
    }
    reportScroll_ = new QScrollArea;
    reportScroll_->setObjectName(QStringLiteral("reportScroll"));
    reportScroll_->setFrameShape(QFrame::NoFrame);
    reportScroll_->setAlignment(Qt::AlignCenter);
    reportScroll_->setWidgetResizable(false);
    SetColours(reportScroll_->viewport(), kWhite, kWorkspace);
    reportScroll_->setWidget(report_);
    connect(reportScroll_->horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { centreAcross_ = false; });
    reportHolder_ = mdiArea_->addSubWindow(reportScroll_, Qt::SubWindow | Qt::FramelessWindowHint);
    reportHolder_->setObjectName(QStringLiteral("frmDisplayWindow"));
    reportHolder_->setWindowIcon(QGuiApplication::windowIcon());
    reportHolder_->setSystemMenu(nullptr);
    reportHolder_->installEventFilter(this);
    mdiArea_->installEventFilter(this);
    // Ctrl with the mouse wheel zooms the report, over its text boxes too
    // (which would otherwise zoom their own text).
    for (QWidget* widget : report_->findChildren<QWidget*>()) widget->installEventFilter(this);
    reportScroll_->viewport()->installEventFilter(this);
    reportScroll_->installEventFilter(this);

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
    focusRing_ = new FocusRing(this, kFocusRing);

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
    backAction_->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(backAction_, &QAction::triggered, this, &FrameWindow::goBack);
    exitAction_ = fileMenu_->addAction(QStringLiteral("E&xit"));
    exitAction_->setObjectName(QStringLiteral("mnuExit"));
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exitAction_, &QAction::triggered, this, &FrameWindow::exitProgram);

    AddHelpMenus(menuBar(), browser_, [this] { emit aboutRequested(); }, "mnuSep1", "mnuSep2");

    // Keys without a menu item: the report's tabs and its zoom.
    const auto addKeys = [this](const char* name, QList<QKeySequence> keys, auto slot) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    addKeys("actNextTab",
            {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
            [this] { showAdjacentTab(1); });
    addKeys("actPreviousTab",
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
             QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            [this] { showAdjacentTab(-1); });
    addKeys("actZoomIn",
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Equal)},
            &FrameWindow::zoomIn);
    addKeys("actZoomOut", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &FrameWindow::zoomOut);
    addKeys("actActualSize", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &FrameWindow::resetZoom);
}

void FrameWindow::moveFocus(bool forward) {
    QWidget* const start = QApplication::focusWidget();
    if (!start) return;
    QWidget* widget = start;
    do {
        widget = forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
        const bool takesTab = (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled();
        if (takesTab && widget->window() == this && !widget->focusProxy()) {
            widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (widget != start);
}

void FrameWindow::showAdjacentTab(int step) {
    auto* tabs = report_->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    if (!tabs || tabs->count() == 0) return;
    tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
}

void FrameWindow::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, kMinimumZoom, kMaximumZoom);
    fitReport();
}

void FrameWindow::zoomIn() { setZoom(zoom_ * kZoomStep); }
void FrameWindow::zoomOut() {
    // Steps below the readable scale would change nothing: the next step
    // out starts from there.
    setZoom(std::max(zoom_ / kZoomStep, std::min(zoom_, ReadableScale() / FitScale())));
}
void FrameWindow::resetZoom() { setZoom(1.0); }

QWidget* FrameWindow::createStrip(const char* name, int heightTwips, const QColor& background) {
    auto* strip = new QWidget;
    strip->setObjectName(QString::fromLatin1(name));
    strip->setFixedHeight(TwipsToPixels(heightTwips));
    SetColours(strip, kWhite, background);
    return strip;
}

void FrameWindow::placeForScreenWidth(int screenWidthTwips) {
    for (QLabel* label : {static_cast<QLabel*>(banner_), softwareName_}) label->adjustSize();
    const FrameLayout at = ComputeFrameLayout(
        screenWidthTwips, PixelsToTwips(banner_->width()), PixelsToTwips(softwareName_->width()),
        kExitButtonWidth, kBackButtonWidth, PixelsToTwips(report_->width()));

    // The offer wraps in the space left of Back; on a narrow screen the
    // strip grows to hold its lines.
    const int offerWidth = std::max(TwipsToPixels(at.backLeft - kOfferGap - kOfferLeft), 80);
    const int offerHeight = helpLink_->heightForWidth(offerWidth);
    commandStrip_->setFixedHeight(std::max(TwipsToPixels(kCommandStripHeight), offerHeight + 4));
    banner_->move(TwipsToPixels(at.bannerLeft), Middle(bannerStrip_, banner_->height()));
    softwareName_->move(TwipsToPixels(at.softwareNameLeft), Middle(nameStrip_, softwareName_->height()));
    exitButton_->move(TwipsToPixels(at.exitLeft), Middle(commandStrip_, exitButton_->height()));
    backButton_->move(TwipsToPixels(at.backLeft), Middle(commandStrip_, backButton_->height()));
    helpLink_->setGeometry(TwipsToPixels(kOfferLeft), 2, offerWidth, commandStrip_->height() - 4);
    helpLink_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QRect FrameWindow::workspaceRect() const {
    // The workspace's scroll bars are always off, so its viewport is its
    // contents rectangle: known once the frame is polished and laid out,
    // before the viewport itself has been placed (a hidden frame).
    return QRect(QPoint(0, 0), mdiArea_->contentsRect().size());
}

double FrameWindow::FitScale() const {
    const QSize workspace = workspaceRect().size();
    if (workspace.isEmpty()) return 1.0;
    return ReportScaleFor(workspace, QSize(), ReportWindow::DesignSize(), TwipsToPixels(kReportTop));
}

double FrameWindow::ReadableScale() const {
    const double smallest = std::min(report_->Design().SmallestDesignPointSize(), reading::kRunningTextPointSize);
    return smallest > 0.0 ? kSmallestTextPoints / smallest : 1.0;
}

double FrameWindow::ReportScale() const { return std::max(FitScale() * zoom_, ReadableScale()); }

void FrameWindow::fitReport() {
    const QRect workspace = workspaceRect();
    if (workspace.isEmpty()) return;
    if (reportHolder_->geometry() != workspace) reportHolder_->setGeometry(workspace);
    const QScrollBar* across = reportScroll_->horizontalScrollBar();
    const QScrollBar* down = reportScroll_->verticalScrollBar();
    // Where the reader was, as shares of the scrolled lengths, kept across a new scale.
    // Across, the report stays centred (its tabs are in the middle) until
    // the reader scrolls it that way.
    const double acrossShare = centreAcross_ || across->maximum() == 0
                                   ? 0.5
                                   : static_cast<double>(across->value()) / across->maximum();
    const double downShare = down->maximum() > 0 ? static_cast<double>(down->value()) / down->maximum() : 0.0;
    report_->setScale(ReportScale());
    report_->adjustSize();
    const auto restore = [this, acrossShare, downShare] {
        QScrollBar* nowAcross = reportScroll_->horizontalScrollBar();
        QScrollBar* nowDown = reportScroll_->verticalScrollBar();
        nowAcross->setValue(static_cast<int>(std::lround(acrossShare * nowAcross->maximum())));
        nowDown->setValue(static_cast<int>(std::lround(downShare * nowDown->maximum())));
    };
    restore();
    // Again once the scroll bars have their new lengths (a hidden report is
    // laid out when shown).
    QMetaObject::invokeMethod(this, restore, Qt::QueuedConnection);
}

void FrameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeForScreenWidth(PixelsToTwips(width()));
    fitReport();
}

bool FrameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdiArea_ && event->type() == QEvent::Resize) fitReport();
    // The report's window stays where it is put, over the whole workspace.
    if (watched == reportHolder_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        reportHolder_->geometry() != workspaceRect()) {
        QMetaObject::invokeMethod(this, &FrameWindow::fitReport, Qt::QueuedConnection);
    }
    // Tab and Shift+Tab go on from the report to Back and Exit and round:
    // the report's window would otherwise keep the focus among its own.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        const bool back =
            key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        auto* widget = qobject_cast<QWidget*>(watched);
        if (plain && (key->key() == Qt::Key_Tab || back) && widget && reportHolder_->isAncestorOf(widget)) {
            moveFocus(!back);
            return true;
        }
    }
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int notches = wheel->angleDelta().y();
            if (notches > 0) zoomIn();
            if (notches < 0) zoomOut();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrameWindow::showReading(const reading::Reading& reading) {
    reading_ = reading;
    setWindowTitle(ReadingWindowTitle(reading.birth.name));
    // Filled hidden, the report is first scaled to the frame's present
    // size, so its texts are not laid out at scale 1 and again when shown.
    if (!isVisible()) prepareToShow();
    report_->showReading(reading);
    for (QAction* action : {savePdfAction_, saveHtmlAction_, printAction_}) action->setEnabled(true);
}

void FrameWindow::prepareToShow() {
    if (isVisible()) return;
    ensurePolished();
    layout()->activate();
    fitReport();
}

void FrameWindow::setDocumentDialogs(std::unique_ptr<DocumentDialogs> dialogs) {
    if (dialogs) dialogs_ = std::move(dialogs);
}

QString FrameWindow::askSavePath(const QString& caption, const QString& suffix, const QString& filter) {
    // The folder of the last saved reading, across readings and runs; at
    // first (or when it is gone) the documents folder, else home.
    QSettings settings;
    QString folder = settings.value(kLastSaveFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(SuggestedFileName(*reading_, suffix));
    QString path = dialogs_->SaveFileName(this, caption, suggested, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
    return path;
}

void FrameWindow::rememberSaveFolder(const QString& savedPath) {
    QSettings settings;
    settings.setValue(kLastSaveFolderKey, QFileInfo(savedPath).absolutePath());
}

void FrameWindow::saveReadingAsPdf() {
    if (!reading_) return;
    const QString path = askSavePath(QStringLiteral("Save Reading as PDF"), QStringLiteral("pdf"),
                                     QStringLiteral("PDF documents (*.pdf)"));
    if (path.isEmpty()) return;
    if (const QString failure = WriteReadingPdf(*reading_, path); !failure.isEmpty()) {
        dialogs_->ShowFailure(this, failure);
    } else {
        rememberSaveFolder(path);
    }
}

void FrameWindow::saveReadingAsHtml() {
    if (!reading_) return;
    const QString path = askSavePath(QStringLiteral("Save Reading as HTML"), QStringLiteral("html"),
                                     QStringLiteral("Web pages (*.html *.htm)"));
    if (path.isEmpty()) return;
    if (const QString failure = WriteReadingHtml(*reading_, path); !failure.isEmpty()) {
        dialogs_->ShowFailure(this, failure);
    } else {
        rememberSaveFolder(path);
    }
}

void FrameWindow::printReading() {
    if (!reading_) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReadingPageLayout());
    printer.setDocName(QFileInfo(SuggestedFileName(*reading_, QStringLiteral("pdf"))).completeBaseName());
    if (!dialogs_->SetUpPrinter(this, printer)) return;
    PageSelection selection;
    if (printer.printRange() == QPrinter::PageRange) {
        selection.fromPage = printer.fromPage();
        selection.toPage = printer.toPage();
    }
    // A printing system that makes copies itself (CUPS) is given the count;
    // otherwise (a PDF file, a printer without it) the copies are painted.
    if (!printer.supportsMultipleCopies()) {
        selection.copies = printer.copyCount();
        selection.collate = printer.collateCopies();
    }
    const int pages = PaintReadingPages(*reading_, printer, selection);
    if (pages == 0) {
        dialogs_->ShowFailure(this, QStringLiteral("The reading could not be printed: the printer could not be started."));
    } else if (PagesToPaint(pages, selection).empty()) {
        dialogs_->ShowFailure(this, QStringLiteral("Nothing was printed: the reading has %1 pages, none of them in "
                                                   "pages %2 to %3.")
                                        .arg(pages)
                                        .arg(selection.fromPage)
                                        .arg(selection.toPage));
    }
}

void FrameWindow::goBack() { emit backRequested(); }

void FrameWindow::exitProgram() { emit exitRequested(); }

void FrameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!unloading_) emit exitRequested();
}

}  // namespace starwise::gui
