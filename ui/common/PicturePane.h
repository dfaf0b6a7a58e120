#pragma once

#include <functional>

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

// Shows one picture file scaled to fit, with its file name below. The picture is
// decoded off the UI thread at the size shown, so a large photo never holds up a
// click; until it is ready a quick image (a thumbnail) stands in when there is
// one. Only the newest request is shown.
class CPicturePane : public QWidget {
    Q_OBJECT

public:
    // quickImage gives a small image of a file at once, or a null image.
    using QuickImage = std::function<QImage(const QString& path)>;

    explicit CPicturePane(QWidget* parent = nullptr);
    ~CPicturePane() override;

    void SetQuickImage(QuickImage quickImage) { m_quickImage = std::move(quickImage); }
    // The picture to show; empty: none.
    void ShowPicture(const QString& path);
    // A small image of path that became ready: it stands in while the picture shown
    // is still being decoded.
    void OfferQuickImage(const QString& path, const QImage& image);
    const QString& Path() const { return m_path; }
    // The picture as it is shown now (null while there is none).
    QImage ShownImage() const;
    // The text under the picture: the file name, or why there is no picture.
    QString Caption() const;

signals:
    // The user double-clicked the picture.
    void Activated(const QString& path);
    // The full picture replaced the quick one (or could not be read).
    void PictureDecoded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Decode();
    void OnDecoded(quint64 request, const QImage& image);
    void Show(const QImage& image);

    QLabel* m_picture;
    QLabel* m_caption;
    QTimer* m_resized;
    QuickImage m_quickImage;
    QString m_path;
    QImage m_full;
    quint64 m_request = 0;
};
