#include "SplashWnd.h"

#include "AppConstants.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

CSplashWnd::CSplashWnd(const QString& versionString, int seconds, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_version(versionString)
    , m_timer(new QTimer(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kSize);
    setCursor(Qt::WaitCursor);
    // Centred over the main window.
    const QRect area = owner ? owner->geometry() : QApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &CSplashWnd::HideSplash);
    m_timer->start(seconds * 1000);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
}

void CSplashWnd::HideSplash()
{
    qApp->removeEventFilter(this);
    hide();
    if (QWidget* owner = parentWidget())
        owner->repaint();
    close();
}

bool CSplashWnd::eventFilter(QObject*, QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::KeyPress:
        // The press only ends the splash; it does not reach the form.
        HideSplash();
        return true;
    default:
        return false;
    }
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap picture(QStringLiteral(":/splash/splash.svg"));
    if (!picture.isNull()) {
        p.drawPixmap(0, 0, picture);
    } else {
        p.fillRect(rect(), Qt::white);
        p.setPen(QPen(QColor(0, 128, 0), 4));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
        p.fillRect(QRect(0, 160, width(), 24), QColor(0, 100, 0));
    }
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 18, 480, 14), Qt::AlignRight | Qt::AlignTop, QStringLiteral("Alle Rechte vorbehalten."));
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QPoint(60, 100 + 16), QStringLiteral("Brennik"));
    p.setPen(Qt::red);
    f.setPixelSize(14);
    p.setFont(f);
    p.drawText(QRect(0, 312, 500, 16), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral(T2L_HOMEPAGE));
    p.setPen(Qt::white);
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QRect(361 - 150, 175, 300, 18), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Version: %1").arg(m_version));
}
