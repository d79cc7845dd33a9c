#include "ui/dialogs/PrintPreviewForm.h"

#include "ui/dialogs/OffThreadWork.h"
#include "ui/dialogs/PreviewPages.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kDefaultSize(1000, 700);

QPushButton* Button(const QString& text, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(hint);
    button->setAutoDefault(false); // Enter in the page box only goes to the page
    return button;
}

QToolButton* ToolButton(QStyle::StandardPixmap picture, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    return button;
}

bool AskSystemPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TPrintPreviewForm::TPrintPreviewForm(TListPrintout& printout, QPrinter& printer, QWidget* parent)
    : TPrintPreviewForm(printout, printer, printout.Layout(printer), parent) {}

TPrintPreviewForm::TPrintPreviewForm(TListPrintout& printout, QPrinter& printer, TPrintoutPages layout, QWidget* parent)
    : QDialog(parent), m_printout(printout), m_printer(printer), m_layout(std::move(layout)) {
    setWindowTitle(QStringLiteral("Print preview"));
    // Larger than a small main window, as large as the screen allows.
    QSize size = (parent ? parent->size() * 9 / 10 : kDefaultSize).expandedTo(kDefaultSize);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
    AskPrinter = [this](QPrinter& target) { return AskSystemPrinter(target, this); };
    CreateControls();
    Wire();
    const int resolution = printer.resolution();
    const QPageLayout page = printer.pageLayout();
    m_pages->SetDocument(m_layout.PageCount(), page.fullRectPixels(resolution), page.paintRectPixels(resolution),
                         resolution,
                         [this](QPainter& painter, size_t number) { m_printout.PaintPage(painter, m_layout, number); });
    m_pages->setFocus();
}

void TPrintPreviewForm::CreateControls() {
    auto* rows = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    m_print = Button(QStringLiteral("&Print\u2026"), QStringLiteral("Choose a printer and print (Ctrl+P)"), this);
    m_pdf = Button(QStringLiteral("Export to P&DF\u2026"), QStringLiteral("Write the pages to a PDF file"), this);
    tools->addWidget(m_print);
    tools->addWidget(m_pdf);
    tools->addSpacing(16);

    m_first = ToolButton(QStyle::SP_MediaSkipBackward, QStringLiteral("First page (Home)"), this);
    m_previous = ToolButton(QStyle::SP_MediaSeekBackward, QStringLiteral("Previous page (Page Up)"), this);
    auto* pageLabel = new QLabel(QStringLiteral("P&age"), this);
    m_pageBox = new QSpinBox(this);
    m_pageBox->setKeyboardTracking(false); // typed numbers count once Enter is pressed
    m_pageBox->setRange(1, static_cast<int>(m_layout.PageCount()));
    m_pageBox->setAccessibleName(QStringLiteral("Page"));
    pageLabel->setBuddy(m_pageBox);
    m_pageCount = new QLabel(QStringLiteral("of %1").arg(m_layout.PageCount()), this);
    m_next = ToolButton(QStyle::SP_MediaSeekForward, QStringLiteral("Next page (Page Down)"), this);
    m_last = ToolButton(QStyle::SP_MediaSkipForward, QStringLiteral("Last page (End)"), this);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_first, m_previous, pageLabel, m_pageBox, m_pageCount, m_next, m_last})
        tools->addWidget(widget);
    tools->addSpacing(16);

    m_fitWidth = Button(QStringLiteral("Fit &width"), QStringLiteral("Pages as wide as the window"), this);
    m_fitPage = Button(QStringLiteral("Fit pa&ge"), QStringLiteral("A whole page in the window"), this);
    m_fitWidth->setCheckable(true);
    m_fitPage->setCheckable(true);
    m_zoomOut = ToolButton(QStyle::SP_ArrowDown, QStringLiteral("Smaller (Ctrl+Minus)"), this);
    m_zoomOut->setText(QStringLiteral("\u2212"));
    m_zoomOut->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_zoom = new QLabel(this);
    m_zoom->setMinimumWidth(m_zoom->fontMetrics().horizontalAdvance(QStringLiteral("0000 %")));
    m_zoom->setAlignment(Qt::AlignCenter);
    m_zoomIn = ToolButton(QStyle::SP_ArrowUp, QStringLiteral("Larger (Ctrl+Plus)"), this);
    m_zoomIn->setText(QStringLiteral("+"));
    m_zoomIn->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_fitWidth, m_fitPage, m_zoomOut, m_zoom, m_zoomIn})
        tools->addWidget(widget);
    tools->addStretch(1);
    m_close = Button(QStringLiteral("&Close"), QStringLiteral("Close the preview (Esc)"), this);
    tools->addWidget(m_close);
    rows->addLayout(tools);

    m_pages = new TPreviewPages(this);
    m_pages->setAccessibleName(QStringLiteral("Pages"));
    rows->addWidget(m_pages, 1);
}

void TPrintPreviewForm::Wire() {
    auto change = [this](void (TPrintPreview::*step)()) {
        return [this, step] {
            m_pages->Change([step](TPrintPreview& view) { (view.*step)(); });
            m_pages->setFocus();
        };
    };
    connect(m_first, &QToolButton::clicked, this, change(&TPrintPreview::FirstPage));
    connect(m_previous, &QToolButton::clicked, this, change(&TPrintPreview::PreviousPage));
    connect(m_next, &QToolButton::clicked, this, change(&TPrintPreview::NextPage));
    connect(m_last, &QToolButton::clicked, this, change(&TPrintPreview::LastPage));
    connect(m_fitWidth, &QPushButton::clicked, this, change(&TPrintPreview::FitWidth));
    connect(m_fitPage, &QPushButton::clicked, this, change(&TPrintPreview::FitPage));
    connect(m_zoomIn, &QToolButton::clicked, this, change(&TPrintPreview::ZoomIn));
    connect(m_zoomOut, &QToolButton::clicked, this, change(&TPrintPreview::ZoomOut));
    for (const char* key : {"Ctrl++", "Ctrl+="})
        connect(new QShortcut(QKeySequence(QString::fromLatin1(key)), this), &QShortcut::activated, this,
                change(&TPrintPreview::ZoomIn));
    connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+-")), this), &QShortcut::activated, this,
            change(&TPrintPreview::ZoomOut));
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, [this] { PrintClick(); });
    connect(m_pageBox, qOverload<int>(&QSpinBox::valueChanged), this, [this](int page) {
        if (static_cast<size_t>(page) != m_pages->View().CurrentPage() + 1)
            m_pages->Change([page](TPrintPreview& view) { view.GoToPage(static_cast<size_t>(page - 1)); });
    });
    connect(m_pages, &TPreviewPages::Changed, this, [this] { ShowState(); });
    connect(m_print, &QPushButton::clicked, this, [this] { PrintClick(); });
    connect(m_pdf, &QPushButton::clicked, this, [this] {
        if (ExportPdf)
            ExportPdf();
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintPreviewForm::ShowState() {
    const TPrintPreview& view = m_pages->View();
    const int page = static_cast<int>(view.CurrentPage()) + 1;
    {
        const QSignalBlocker quiet(m_pageBox);
        m_pageBox->setValue(page);
    }
    m_zoom->setText(QStringLiteral("%1 %").arg(view.ZoomPercent()));
    m_fitWidth->setChecked(view.ZoomMode() == TPreviewZoom::FitWidth);
    m_fitPage->setChecked(view.ZoomMode() == TPreviewZoom::FitPage);
    m_first->setEnabled(page > 1);
    m_previous->setEnabled(page > 1);
    m_next->setEnabled(static_cast<size_t>(page) < view.PageCount());
    m_last->setEnabled(static_cast<size_t>(page) < view.PageCount());
}

void TPrintPreviewForm::PrintClick() {
    if (!AskPrinter || !AskPrinter(m_printer))
        return;
    // The preview keeps its own layout, so the pages may be laid out anew
    // for the printer chosen while the preview still paints.
    const bool printed = RunOffThread(this, QStringLiteral("Print"), QStringLiteral("Printing..."),
                                      [this] { return m_printout.Paint(m_printer); });
    if (printed)
        accept();
    else if (Tell)
        Tell("The list could not be printed.");
}
