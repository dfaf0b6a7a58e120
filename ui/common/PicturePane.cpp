#include "ui/common/PicturePane.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/common/HelpPage.h"

using namespace Qt::StringLiterals;

namespace {

// The picture read at no more than size (aspect kept, never enlarged), turned as
// its EXIF orientation says.
QImage ReadScaled(const QString& path, const QSize& size) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize full = reader.size();
    if (full.isValid() && (full.width() > size.width() || full.height() > size.height())) {
        // The reader's size is before the EXIF turn: a portrait photo stored on its
        // side must be fitted the other way round.
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize box = turned ? size.transposed() : size;
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio));
    }
    return reader.read();
}

} // namespace

CPicturePane::CPicturePane(QWidget* parent)
    : QWidget(parent), m_picture(new QLabel(this)), m_caption(new QLabel(this)),
      m_resized(new QTimer(this)) {
    help::SetHelpPage(this, QStringLiteral("comments-pictures.html#picture-pane"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(64, 64);
    m_picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_caption->setWordWrap(true);
    m_caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 1);
    layout->addWidget(m_caption);
    // A resize decodes again at the new size, once the user has stopped dragging.
    m_resized->setSingleShot(true);
    m_resized->setInterval(150);
    connect(m_resized, &QTimer::timeout, this, &CPicturePane::Decode);
    ShowPicture({});
}

CPicturePane::~CPicturePane() = default;

void CPicturePane::ShowPicture(const QString& path) {
    if (m_request > 0 && path == m_path)
        return;
    m_path = path;
    m_full = {};
    ++m_request;
    if (path.isEmpty()) {
        Show({});
        m_caption->setText(tr("No picture"));
        return;
    }
    m_caption->setText(QFileInfo(path).fileName());
    Show(m_quickImage ? m_quickImage(path) : QImage());
    Decode();
}

void CPicturePane::OfferQuickImage(const QString& path, const QImage& image) {
    if (path == m_path && m_full.isNull() && !image.isNull())
        Show(image);
}

void CPicturePane::Decode() {
    if (m_path.isEmpty())
        return;
    const quint64 request = ++m_request;
    const QString path = m_path;
    const QSize size = m_picture->size().expandedTo(QSize(64, 64)) * devicePixelRatio();
    QPointer<CPicturePane> pane(this);
    QThreadPool::globalInstance()->start([pane, request, path, size] {
        const QImage image = ReadScaled(path, size);
        // Handed to the UI thread, which alone may look whether the pane still exists.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [pane, request, image] {
                if (pane)
                    pane->OnDecoded(request, image);
            },
            Qt::QueuedConnection);
    });
}

void CPicturePane::OnDecoded(quint64 request, const QImage& image) {
    if (request != m_request)
        return;
    m_full = image;
    if (image.isNull()) {
        Show({});
        m_caption->setText(
            tr("%1\n(the picture cannot be read)").arg(QFileInfo(m_path).fileName()));
    } else {
        Show(image);
    }
    emit PictureDecoded();
}

void CPicturePane::Show(const QImage& image) {
    if (image.isNull()) {
        m_picture->clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image.scaled(
        m_picture->size() * devicePixelRatio(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio());
    m_picture->setPixmap(pixmap);
}

QImage CPicturePane::ShownImage() const {
    return m_picture->pixmap().toImage();
}

QString CPicturePane::Caption() const {
    return m_caption->text();
}

void CPicturePane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_path.isEmpty())
        m_resized->start();
}

void CPicturePane::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (!m_path.isEmpty())
        emit Activated(m_path);
}
