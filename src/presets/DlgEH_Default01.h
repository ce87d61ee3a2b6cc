#pragma once

#include "FieldPickers.h"

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;
class QWidget;

// Picker for the three parts of box 1 (declaration). Part C is not offered
// but passes through: a code of its list survives OK, any other text is
// emptied.
class CDlgEH_Default01 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 355;

    CDlgEH_Default01(const QString& partA, const QString& partB, const QString& partC, QWidget* parent = nullptr);

    // After OK the texts to write; otherwise what was passed in.
    const QString& PartA() const { return m_textA; }
    const QString& PartB() const { return m_textB; }
    const QString& PartC() const { return m_textC; }

    QButtonGroup* Group(FieldPickers::EPart part) const;
    QLabel* Heading() const { return m_heading; }
    QWidget* PartCBox() const { return m_partCBox; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

public Q_SLOTS:
    void accept() override;

private:
    QString m_textA;
    QString m_textB;
    QString m_textC;
    QButtonGroup* m_groups[3];
    QLabel* m_heading;
    QWidget* m_partCBox;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
