#pragma once

#include "PrintPreview.h"

#include <QDialog>

class CFormPrinter;
class QComboBox;
class QPushButton;
class QScrollArea;
class QWidget;

// "Seitenansicht": one page as it will come out of the printer, over the
// faint form, before a pre-printed sheet is used up.
class CDlgSeitenansicht : public QDialog
{
    Q_OBJECT
public:
    CDlgSeitenansicht(CFormPrinter& printer, const PrintPreview::SSheet& sheet, int pageCount, const QString& printerName,
                      QWidget* parent = nullptr);

    int Page() const { return m_sheet.page; }
    // The dialog was left through "Drucken...".
    bool PrintRequested() const { return m_printRequested; }

    QComboBox* PageList() const { return m_pages; }
    QComboBox* ZoomList() const { return m_zoom; }
    QPushButton* PrintButton() const { return m_print; }
    // The sheet as it is shown now.
    QImage Picture() const;

private:
    void ShowSheet();

    CFormPrinter& m_printer;
    PrintPreview::SSheet m_sheet;
    QComboBox* m_pages;
    QComboBox* m_zoom;
    QPushButton* m_print;
    QScrollArea* m_area;
    QWidget* m_canvas;
    bool m_printRequested = false;
};
