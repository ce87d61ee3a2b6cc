#include "KivScrollViewBase.h"

#include "Zoom.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>

CKivScrollViewBase::CKivScrollViewBase(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

qreal CKivScrollViewBase::Dpi() const
{
    const int dpi = logicalDpiX();
    return dpi > 0 ? dpi : 96;
}

void CKivScrollViewBase::InitZoom()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int height = screen ? screen->geometry().height() : 768;
    const qreal dpi = screen ? screen->logicalDotsPerInchX() : 96;
    SetZoom(Zoom::InitZoom(m_profile, m_settingsSection, height, dpi));
}

void CKivScrollViewBase::SetZoom(int zoom)
{
    m_zoom = zoom;
    m_layoutPrepared = false;
}

bool CKivScrollViewBase::CanZoomIn() const
{
    return m_zoom < Zoom::kMax;
}

bool CKivScrollViewBase::CanZoomOut() const
{
    return m_zoom > Zoom::kMin;
}

void CKivScrollViewBase::ZoomIn()
{
    if (CanZoomIn())
        ApplyZoomCommand(m_zoom + 1);
}

void CKivScrollViewBase::ZoomOut()
{
    if (CanZoomOut())
        ApplyZoomCommand(m_zoom - 1);
}

void CKivScrollViewBase::ApplyZoomCommand(int zoom)
{
    SetZoom(zoom);
    m_profile.WriteInt(m_settingsSection, QStringLiteral("ZoomFactor"), zoom);
    ScrollToPixels(QPoint(0, 0));
    viewport()->update();
    Q_EMIT ZoomChanged(zoom);
}

void CKivScrollViewBase::SetScrollSizes(int totalWidth, int totalHeight, int pageWidth, int pageHeight)
{
    m_totalUnits = QSize(totalWidth, totalHeight);
    m_pageUnits = QSize(pageWidth, pageHeight);
    UpdateScrollBars();
}

void CKivScrollViewBase::UpdateScrollBars()
{
    const QSize view = viewport()->size();
    const int w = UnitsToPixels(m_totalUnits.width());
    const int h = UnitsToPixels(m_totalUnits.height());
    horizontalScrollBar()->setRange(0, qMax(0, w - view.width()));
    verticalScrollBar()->setRange(0, qMax(0, h - view.height()));
    const int pageX = qMax(1, UnitsToPixels(m_pageUnits.width()));
    const int pageY = qMax(1, UnitsToPixels(m_pageUnits.height()));
    horizontalScrollBar()->setPageStep(pageX);
    verticalScrollBar()->setPageStep(pageY);
    horizontalScrollBar()->setSingleStep(qMax(1, pageX / 10));
    verticalScrollBar()->setSingleStep(qMax(1, pageY / 10));
}

QPoint CKivScrollViewBase::ScrollPixels() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CKivScrollViewBase::ScrollToPixels(QPoint p)
{
    horizontalScrollBar()->setValue(p.x());
    verticalScrollBar()->setValue(p.y());
}

void CKivScrollViewBase::ScrollByUnits(int dx, int dy)
{
    ScrollToPixels(ScrollPixels() + QPoint(UnitsToPixels(dx), UnitsToPixels(dy)));
}

void CKivScrollViewBase::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollBars();
}

void CKivScrollViewBase::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_PageDown) {
        ScrollByUnits(0, 700);
        return;
    }
    if (e->key() == Qt::Key_PageUp) {
        ScrollByUnits(0, -700);
        return;
    }
    QAbstractScrollArea::keyPressEvent(e);
}

void CKivScrollViewBase::scrollContentsBy(int, int)
{
    viewport()->update();
    OnScrolled();
}
