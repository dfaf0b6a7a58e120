#pragma once

#include <QPixmap>
#include <QWidget>

class QTimer;

// The picture shown while the program starts: a borderless window the size of the
// picture, centred over its owner (over the screen while the owner is hidden; it
// follows the owner when that is shown, moved or resized). It goes when its time is
// up or at the first key or mouse button press anywhere in the program, and the
// owner is repainted.
class CSplashWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2750;
    static const QString& DefaultPicture();

    // Shows the splash over owner at once. Returns null, showing nothing, when the
    // picture cannot be loaded. The window deletes itself when it goes.
    static CSplashWindow* Show(QWidget* owner, const QString& picture = DefaultPicture());

    // Removes the splash now (it deletes itself).
    void Dismiss();

signals:
    // The splash went (it is deleted later).
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashWindow(QWidget* owner, QPixmap picture);
    void CentreOnOwner();

    QPixmap m_picture;
    QTimer* m_timer;
    bool m_dismissed = false;
};
