#include "CoverForm.h"

#include "controls/markup/MarkupLiteral.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/TextCodec.h"
#include "platform/FileSystem.h"
#include "program/CoverNames.h"
#include "program/Program.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr int kListHeight = 36;
constexpr int kLineHeight = 16;
constexpr int kClientHeight = 553;

} // namespace

TCoverForm::TCoverForm(std::string coversDir, QWidget* parent) : QDialog(parent), m_coversDir(std::move(coversDir)) {
    setWindowTitle(QStringLiteral("Cover"));
    setFont(MarkupFont("Arial", -11));
    setFixedSize(kBoxWidth, kClientHeight);
    m_openDialog.Filter = "*.jpg; *.jpeg; *.bmp|*.jpg;*.jpeg;*.bmp;*.JPG;*.JPEG;*.BMP";
    m_openDialog.MustExist = true;
    BuildControls();
    WireControls();
}

void TCoverForm::BuildControls() {
    m_fileLB = new QListWidget(this);
    m_fileLB->setGeometry(0, 0, kBoxWidth, kListHeight);
    m_fileLB->setUniformItemSizes(true);
    m_fileLB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fileLB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int slot = 0; slot < 2; ++slot) {
        auto* line = new QListWidgetItem(m_fileLB);
        line->setSizeHint(QSize(kBoxWidth, kLineHeight));
    }
    m_fileLB->setContextMenuPolicy(Qt::ActionsContextMenu);

    m_paintBox = new QWidget(this);
    m_paintBox->setGeometry(0, kListHeight, kBoxWidth, kBoxHeight);
    m_paintBox->setAttribute(Qt::WA_OpaquePaintEvent);
    m_paintBox->setContextMenuPolicy(Qt::ActionsContextMenu);

    m_okButton = new QPushButton(QStringLiteral("Ok"), this);
    m_okButton->setGeometry(239, 515, 75, 25);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setGeometry(319, 515, 75, 25);
}

void TCoverForm::WireControls() {
    struct TMenuCommand {
        const char* Caption;
        QKeySequence Shortcut;
        std::function<void()> Run;
    };
    const TMenuCommand commands[] = {
        {"&Front", QKeySequence(Qt::CTRL | Qt::Key_F), [this] { ChoosePicture(0); }},
        {"&Back", QKeySequence(Qt::CTRL | Qt::Key_B), [this] { ChoosePicture(1); }},
        {nullptr, {}, nullptr},
        {"C&lear", QKeySequence(Qt::CTRL | Qt::Key_L), [this] { ClearSelected(); }},
    };
    for (const TMenuCommand& command : commands) {
        auto* action = new QAction(this);
        if (!command.Caption) {
            action->setSeparator(true);
        } else {
            action->setText(QString::fromLatin1(command.Caption));
            action->setShortcut(command.Shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this, command.Run);
            addAction(action);
        }
        m_fileLB->addAction(action);
        m_paintBox->addAction(action);
    }
    connect(m_fileLB, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    connect(m_okButton, &QPushButton::clicked, this, [this] { done(1); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { done(2); });
    m_paintBox->installEventFilter(this);
    m_fileLB->viewport()->installEventFilter(this);
}

void TCoverForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (int slot = 0; slot < 2; ++slot)
        SetLine(slot, CoverNames[static_cast<size_t>(slot)]);
    if (m_fileLB->currentRow() == 0)
        ShowSelected();
    else
        m_fileLB->setCurrentRow(0); // shows it
}

void TCoverForm::SetLine(int slot, const std::string& name) {
    m_lines[static_cast<size_t>(slot)] = name;
    m_fileLB->item(slot)->setText(BytesToQString(name));
}

void TCoverForm::ShowSelected() {
    const int slot = m_fileLB->currentRow();
    if (slot < 0 || slot > 1) {
        EmptyPicture();
        return;
    }
    const std::string path = ResolveCoverName(m_lines[static_cast<size_t>(slot)], m_coversDir);
    if (!IsPictureName(path) || !FileSystem().IsFile(path)) {
        EmptyPicture();
        return;
    }
    if (path == m_loadedName)
        return;
    // Two large pictures at once could take gigabytes: the old one goes first.
    EmptyPicture();
    TPicture picture;
    std::string error;
    if (!ReadPicture(path, picture, error)) {
        if (ShowError)
            ShowError("The picture |b " + MarkupLiteral(path) + "|f  cannot be shown.||" + MarkupLiteral(error));
        return;
    }
    m_picture = std::move(picture);
    m_image = QImage(reinterpret_cast<const uchar*>(m_picture.Pixels.data()), m_picture.Width, m_picture.Height,
                     static_cast<qsizetype>(m_picture.Width) * 4, QImage::Format_RGB32);
    m_view.Fit(kBoxWidth, kBoxHeight, m_picture.Width, m_picture.Height);
    m_loadedName = path;
    m_paintBox->update();
}

void TCoverForm::EmptyPicture() {
    m_image = QImage();
    m_picture = TPicture();
    m_loadedName.clear();
    m_paintBox->update();
}

void TCoverForm::ChoosePicture(int slot) {
    m_openDialog.Title.clear();
    m_openDialog.InitialDir = m_coversDir;
    const std::string& name = m_lines[static_cast<size_t>(slot)];
    m_openDialog.FileName = name.empty() ? std::string() : ResolveCoverName(name, m_coversDir);
    if (!RunOpenDialog || !RunOpenDialog(m_openDialog))
        return;
    SetLine(slot, CoverNameFor(m_openDialog.FileName, m_coversDir));
    m_fileLB->setCurrentRow(slot);
    ShowSelected();
}

void TCoverForm::ClearSelected() {
    const int slot = m_fileLB->currentRow();
    if (slot < 0 || slot > 1)
        return;
    SetLine(slot, {});
    ShowSelected();
}

void TCoverForm::done(int result) {
    if (result == 1)
        CoverNames = m_lines;
    EmptyPicture();
    QDialog::done(result);
}

void TCoverForm::wheelEvent(QWheelEvent* event) {
    m_view.Wheel(event->angleDelta().y());
    m_paintBox->update();
    event->accept();
}

bool TCoverForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched != m_paintBox)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        PaintPicture();
        return true;
    case QEvent::MouseButtonPress: {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        m_view.Press(at.x(), at.y());
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        const Qt::MouseButtons buttons = mouse->buttons();
        if (m_view.Move(at.x(), at.y(), buttons & Qt::LeftButton, buttons & Qt::MiddleButton, buttons & Qt::RightButton,
                        mouse->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
            m_paintBox->update();
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

// The view's rectangle of the picture is stretched onto the whole box; where
// it reaches outside the picture the box shows the window colour.
void TCoverForm::PaintPicture() {
    QPainter painter(m_paintBox);
    const QRect box = m_paintBox->rect();
    painter.fillRect(box, palette().color(QPalette::Window));
    if (m_picture.Empty())
        return;
    const TPictureRect source = m_view.Source(box.width(), box.height(), m_picture.Width, m_picture.Height);
    if (source.Width <= 0 || source.Height <= 0)
        return;
    const QRect shown = QRect(source.Left, source.Top, source.Width, source.Height) & m_image.rect();
    if (shown.isEmpty())
        return;
    const double scaleX = static_cast<double>(box.width()) / source.Width;
    const double scaleY = static_cast<double>(box.height()) / source.Height;
    const QRectF target((shown.left() - source.Left) * scaleX, (shown.top() - source.Top) * scaleY,
                        shown.width() * scaleX, shown.height() * scaleY);
    painter.drawImage(target, m_image, QRectF(shown));
}
