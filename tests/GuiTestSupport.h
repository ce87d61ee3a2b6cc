#pragma once

// What the tests of windows share: a form shown in a view, answered
// messages, and the view's dialogs worked without waiting for a click.

#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "platform/Prompts.h"
#include "view/EinheitspapierView.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTest>

#include <functional>

// A document with `sheets` continuation sheets (or read from `file`) shown
// in a form view, painted once so the editor exists.
struct SShownForm
{
    explicit SShownForm(const CFieldDefinitions& defs, int sheets = 1, const QByteArray& file = {})
        : view(doc, defs)
    {
        if (!file.isEmpty())
            status = doc.LoadFromBytes(file);
        if (sheets != 1)
            doc.SetContinuationCount(quint16(sheets));
        view.resize(900, 700);
        view.OnInitialUpdate();
        view.show();
        view.PrepareForDisplay();
    }
    CKivEditWindow& Engine() { return doc.Engine(); }
    CFieldEditor& Editor() { return *view.Editor(); }
    QString Text(int field, int page) { return Engine().GetFieldText(quint16(field), quint16(page)); }
    void SetText(int field, int page, const QString& text) { Engine().SetFieldText(quint16(field), text, quint16(page)); }
    int Current() { return Engine().GetCurrentField(); }
    // What a clerk types into the field the caret stands on.
    void Type(const QString& text) { view.Editor()->SetWindowText(text); }
    void Click(int field, int sheetKind)
    {
        const SFieldTableRect r = CFieldTable::ScreenRect(field, sheetKind, view.ZoomFactor());
        ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void ClickAt(int x, int y)
    {
        const QPoint px(view.UnitsToPixels(x), view.UnitsToPixels(y));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, px - view.ScrollPixels());
    }

    CEinheitspapierDoc doc;
    CEinheitspapierView view;
    CEinheitspapierDoc::ELoadStatus status = CEinheitspapierDoc::ELoadStatus::kLoaded;
};

// Answers every message and keeps what was asked.
struct SMessages
{
    explicit SMessages(QMessageBox::StandardButton reply = QMessageBox::Ok)
        : answer(reply)
    {
        Prompts::SetAskFunction([this](QWidget*, QMessageBox::Icon icon, const QString& text,
                                       QMessageBox::StandardButtons b, QMessageBox::StandardButton) {
            texts << text;
            icons << icon;
            buttons = b;
            return answer;
        });
    }
    ~SMessages() { Prompts::SetAskFunction(nullptr); }

    QMessageBox::StandardButton answer;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QMessageBox::StandardButtons buttons; // of the last message
};

// Works every dialog of the view with `act` instead of waiting for a click,
// and reports how it ended.
struct SDialogDriver
{
    explicit SDialogDriver(std::function<void(QDialog&)> a)
        : act(std::move(a))
    {
        CEinheitspapierView::SetDialogFunction([this](QDialog& d) {
            ++runs;
            d.show();
            act(d);
            return d.result();
        });
    }
    ~SDialogDriver() { CEinheitspapierView::SetDialogFunction(nullptr); }

    std::function<void(QDialog&)> act;
    int runs = 0;
};
