#pragma once

#include <QWidget>

class QTimer;

// The splash window: the picture, the version line, gone after its seconds
// or at the first key or mouse press, which it swallows.
class CSplashWnd : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kSize{500, 330};

    CSplashWnd(const QString& versionString, int seconds, QWidget* owner);
    ~CSplashWnd() override;

    void HideSplash();

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QString m_version;
    QTimer* m_timer;
};
