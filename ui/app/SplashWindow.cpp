#include "ui/app/SplashWindow.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

#include "ui/common/WindowPlacement.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kPictureSize(480, 300);

bool DismissesSplash(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
        const auto button = static_cast<const QMouseEvent*>(event)->button();
        return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    default:
        return false;
    }
}

// The picture's subtitle is a text in it, shown in the reader's language.
QPixmap Render(const QString& picture) {
    QFile file(picture);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    const QString subtitle = CSplashWindow::tr("Inventories of model railroad rolling stock");
    svg.replace(QByteArrayLiteral(">Inventories of model railroad rolling stock<"),
                '>' + subtitle.toHtmlEscaped().toUtf8() + '<');
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(kPictureSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(), QSizeF(kPictureSize)));
    return pixmap;
}

} // namespace

const QString& CSplashWindow::DefaultPicture() {
    static const QString picture = u":/icons/app/splash.svg"_s;
    return picture;
}

CSplashWindow* CSplashWindow::Show(QWidget* owner, const QString& picture) {
    const QPixmap pixmap = Render(picture);
    if (pixmap.isNull())
        return nullptr;
    auto* splash = new CSplashWindow(owner, pixmap);
    splash->show();
    splash->repaint();
    return splash;
}

CSplashWindow::CSplashWindow(QWidget* owner, QPixmap picture)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(std::move(picture)), m_timer(new QTimer(this)) {
    setObjectName(u"splash"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    const QSize size = m_picture.deviceIndependentSize().toSize();
    setFixedSize(size);
    CentreOnOwner();

    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &CSplashWindow::Dismiss);
    m_timer->start(kShowMilliseconds);
    qApp->installEventFilter(this);
}

void CSplashWindow::CentreOnOwner() {
    CentreOn(*this, parentWidget());
}

void CSplashWindow::Dismiss() {
    if (m_dismissed)
        return;
    m_dismissed = true;
    qApp->removeEventFilter(this);
    m_timer->stop();
    QWidget* owner = parentWidget();
    close();
    if (owner)
        owner->update();
    emit dismissed();
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

bool CSplashWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only the press itself removes the splash; it still reaches its window.
    if (!m_dismissed && DismissesSplash(event))
        QTimer::singleShot(0, this, &CSplashWindow::Dismiss);
    // The splash comes before the main window is shown and placed.
    if (!m_dismissed && watched == parentWidget() &&
        (event->type() == QEvent::Show || event->type() == QEvent::Move ||
         event->type() == QEvent::Resize))
        CentreOnOwner();
    return QWidget::eventFilter(watched, event);
}
