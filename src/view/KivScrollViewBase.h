#pragma once

#include "app/SettingsStore.h"

#include <QAbstractScrollArea>

// A scroll view over a sheet measured in 0.1 mm, with a zoom in tenths
// (10 = real size) that starts from the screen and the settings.
class CKivScrollViewBase : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CKivScrollViewBase(QWidget* parent = nullptr);

    void SetSettingsSection(const QString& section) { m_settingsSection = section; }
    const QString& SettingsSection() const { return m_settingsSection; }
    void SetProfile(const CSettingsStore& profile) { m_profile = profile; }
    const CSettingsStore& Profile() const { return m_profile; }

    // The zoom from the screen height, its dpi and the settings.
    void InitZoom();
    int ZoomFactor() const { return m_zoom; }
    void SetZoom(int zoom); // clears the prepared layout

    bool CanZoomIn() const;
    bool CanZoomOut() const;
    void ZoomIn();
    void ZoomOut();

    // Device pixels per inch of the screen the view draws on.
    qreal Dpi() const;
    int UnitsToPixels(qreal units) const { return qRound(units * Dpi() / 254.0); }

    // Scrollable extent and page step in 0.1 mm.
    void SetScrollSizes(int totalWidth, int totalHeight, int pageWidth, int pageHeight);
    QPoint ScrollPixels() const;
    void ScrollToPixels(QPoint p);
    // Moves the view by logical units; positive dy goes further down the sheet.
    void ScrollByUnits(int dx, int dy);

Q_SIGNALS:
    void ZoomChanged(int zoom);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    virtual void OnScrolled() {}

    bool m_layoutPrepared = false;

private:
    void ApplyZoomCommand(int zoom);
    void UpdateScrollBars();

    CSettingsStore m_profile = CSettingsStore::Profile();
    QString m_settingsSection = QStringLiteral("Settings");
    int m_zoom = 0;
    QSize m_totalUnits;
    QSize m_pageUnits;
};
