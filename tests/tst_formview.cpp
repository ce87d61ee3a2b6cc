#include "GuiTestSupport.h"
#include "TestSupport.h"

#include "app/CommandTable.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "view/EinheitspapierView.h"
#include "presets/DlgDefaultTexte_EH.h"
#include "app/SettingsStore.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

} // namespace

class TestFormView : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    CFieldDefinitions m_defs;

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_defs.Reset();
    }
    void cleanup() { m_settings.reset(); }

    // Switching a stamp on in the presets shows its frame in the open form at once.
    void stampFrameFollowsThePresets()
    {
        SShownForm f(m_defs);
        const QRect boxA(f.view.UnitsToPixels(1410), f.view.UnitsToPixels(10), f.view.UnitsToPixels(570),
                         f.view.UnitsToPixels(260));
        auto blackInBoxA = [&] {
            const QImage image = f.view.viewport()->grab().toImage();
            int black = 0;
            for (int y = boxA.top(); y <= boxA.bottom() && y < image.height(); ++y) {
                for (int x = boxA.left(); x <= boxA.right() && x < image.width(); ++x)
                    black += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
            }
            return black;
        };
        QCOMPARE(blackInBoxA(), 0);
        CSettingsStore::Profile().WriteInt(SettingsSection::kDefaults, QStringLiteral("Stamp_A"), 1);
        CDlgDefaultTexte_EH::ShowChangedFlags(f.view);
        QVERIFY(blackInBoxA() > 0);
    }

    void editorSitsOnFieldZero()
    {
        SShownForm f(m_defs);
        QVERIFY(f.view.Editor());
        QVERIFY(f.Engine().FontsReady());
        QCOMPARE(f.Engine().GetCurrentField(), quint16(0));
        QVERIFY(f.Editor().isVisible());
        const SFieldTableRect r = f.view.GetFieldScreenRect(0, 1);
        QCOMPARE(f.Editor().geometry().left(), f.view.UnitsToPixels(r.left));
        QCOMPARE(f.Editor().palette().color(QPalette::Base), QColor(222, 255, 209));
    }

    void typingAndOverwrite_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("insert");
        QTest::addColumn<QString>("keys"); // '\b' for Backspace
        QTest::addColumn<QString>("result");
        QTest::newRow("insert") << "xyz" << 0 << true << "ab" << "abxyz";
        QTest::newRow("overwrite") << "xyz" << 0 << false << "ab" << "abz";
        QTest::newRow("overwrite backspace") << "abcd" << 2 << false << "\b" << "ad";
        QTest::newRow("overwrite at the end") << "ab" << 2 << false << "cd" << "abcd";
    }

    void typingAndOverwrite()
    {
        QFETCH(QString, stored);
        QFETCH(int, caret);
        QFETCH(bool, insert);
        QFETCH(QString, keys);
        QFETCH(QString, result);
        SShownForm f(m_defs);
        f.Engine().SetFieldText(28, stored, 1);
        f.view.GoToField(28, 1);
        f.Engine().SetInsertMode(insert ? 1 : 0);
        QTextCursor c = f.Editor().textCursor();
        c.setPosition(caret);
        f.Editor().setTextCursor(c);
        for (QChar k : keys) {
            if (k == QLatin1Char('\b'))
                QTest::keyClick(&f.Editor(), Qt::Key_Backspace);
            else
                QTest::keyClicks(&f.Editor(), QString(k));
        }
        QCOMPARE(f.Engine().GetCurrentText(), result);
        QVERIFY(f.doc.IsModified());
    }

    void insertKeyTogglesTheMode()
    {
        SShownForm f(m_defs);
        QSignalSpy status(&f.view, &CEinheitspapierView::StatusChanged);
        QCOMPARE(f.view.InsertModeText(), QStringLiteral("Einfügen"));
        QTest::keyClick(&f.Editor(), Qt::Key_Insert);
        QCOMPARE(f.view.InsertModeText(), QStringLiteral("Überschreiben"));
        QCOMPARE(f.view.UpdateCommand(Cmd::kInsertMode).text, QStringLiteral("Einfügemodus einschalten\tEinfg"));
        QVERIFY(status.count() >= 1);
    }

    void typingStopsWhereTheFieldIsFull()
    {
        SShownForm f(m_defs);
        f.view.GoToField(24, 1); // box 19, one short line
        QTest::keyClicks(&f.Editor(), QString(60, QLatin1Char('8')));
        const QString kept = f.Engine().GetCurrentText();
        QVERIFY(!kept.isEmpty());
        QVERIFY(kept.size() < 60);
        // A longer text from elsewhere is kept whole.
        f.Engine().SetCurrentText(QString(200, QLatin1Char('9')));
        QCOMPARE(f.Engine().GetCurrentText().size(), 200);
    }

    void pasteNormalisation_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("stored");
        QTest::newRow("quoted cell") << "\"Hamburg\"" << "Hamburg";
        QTest::newRow("LF breaks") << "Zeile 1\nZeile 2\n" << "Zeile 1\r\nZeile 2";
        QTest::newRow("opening quote only") << "\"Hamburg" << "\"Hamburg";
        QTest::newRow("a lone quote") << "\"" << "";
        QTest::newRow("CR LF kept") << "a\r\nb" << "a\r\nb";
    }

    void pasteNormalisation()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, stored);
        QCOMPARE(CFieldEditor::NormalizePastedText(clipboard), stored);
    }

    void pasteFromTheClipboard()
    {
        SShownForm f(m_defs);
        f.view.GoToField(10, 1);
        QApplication::clipboard()->setText(QStringLiteral("\"Hafenstraße 5\n20457 Hamburg\""));
        f.view.ExecuteCommand(Cmd::kPaste);
        QCOMPARE(f.Engine().GetCurrentText(), QStringLiteral("Hafenstraße 5\r\n20457 Hamburg"));
        QVERIFY(f.doc.IsModified());
    }

    void alignmentChangesTheEditorStyle()
    {
        SShownForm f(m_defs);
        f.Engine().AlignCentre(10, 1);
        f.view.GoToField(9, 1);
        const int changes = f.Editor().StyleChanges();
        f.view.GoToField(28, 1); // left after left: only moved
        QCOMPARE(f.Editor().StyleChanges(), changes);
        QCOMPARE(f.Editor().Style(), 0x50001004u);
        f.view.GoToField(10, 1); // centred after left: a new style
        QCOMPARE(f.Editor().StyleChanges(), changes + 1);
        QCOMPARE(f.Editor().Style(), 0x50001005u);
        QCOMPARE(f.Editor().document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        f.view.ExecuteCommand(Cmd::kAlignRight);
        QCOMPARE(f.Editor().Style(), 0x50001006u);
        QVERIFY(f.view.UpdateCommand(Cmd::kAlignRight).radio);
        QVERIFY(!f.view.UpdateCommand(Cmd::kAlignLeft).checked);
    }

    void sizeAndBoldCommands()
    {
        SShownForm f(m_defs);
        f.view.GoToField(28, 1);
        QCOMPARE(f.Engine().GetFieldSize(28, 1), 3);
        f.view.ExecuteCommand(Cmd::kFontLarger);
        QCOMPARE(f.Engine().GetFieldSize(28, 1), 4);
        QVERIFY(!f.view.UpdateCommand(Cmd::kFontLarger).enabled);
        f.view.ExecuteCommand(Cmd::kFontLarger);
        QCOMPARE(f.Engine().GetFieldSize(28, 1), 4);
        f.view.ExecuteCommand(Cmd::kFontBold);
        QVERIFY(f.view.UpdateCommand(Cmd::kFontBold).checked);
        for (int i = 0; i < 6; ++i)
            f.view.ExecuteCommand(Cmd::kFontSmaller);
        QCOMPARE(f.Engine().GetFieldSize(28, 1), 0);
        QVERIFY(!f.view.UpdateCommand(Cmd::kFontSmaller).enabled);
        QVERIFY(f.doc.IsModified());
    }

    void tabWalksEditableFields_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<int>("to");
        QTest::newRow("Tab over field 77") << 76 << false << 78;
        QTest::newRow("Tab wraps") << 79 << false << 0;
        QTest::newRow("Tab over the stamp lines") << 2 << false << 9;
        QTest::newRow("Shift+Tab passes the signature") << 71 << true << 69;
        QTest::newRow("Shift+Tab stays on field 0") << 0 << true << 0;
        QTest::newRow("Shift+Tab over the stamp lines") << 9 << true << 2;
    }

    void tabWalksEditableFields()
    {
        QFETCH(int, from);
        QFETCH(bool, backwards);
        QFETCH(int, to);
        SShownForm f(m_defs);
        f.view.GoToField(from, 1);
        QCOMPARE(int(f.Engine().GetCurrentField()), from);
        QTest::keyClick(&f.Editor(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(int(f.Engine().GetCurrentField()), to);
    }

    void navigationEndsWithoutEditableFields()
    {
        CFieldDefinitions locked;
        for (int i = 0; i < 80; ++i)
            locked.SetFlags(i, kMainSheet, 0, CFieldDefinitions::kNotEditable);
        SShownForm f(locked);
        f.view.GoToField(5, 1);
        QTest::keyClick(&f.Editor(), Qt::Key_Tab);
        QTest::keyClick(&f.Editor(), Qt::Key_Tab, Qt::ShiftModifier);
        f.view.GoToField(90, 1);
        QVERIFY(f.Engine().GetCurrentField() < 80);
    }

    void typedTextReachesTheStoreOnTab()
    {
        SShownForm f(m_defs);
        f.view.GoToField(10, 1);
        QTest::keyClicks(&f.Editor(), QStringLiteral("Hamburg"));
        QTest::keyClick(&f.Editor(), Qt::Key_Return);
        QTest::keyClicks(&f.Editor(), QStringLiteral("Hafen"));
        QTest::keyClick(&f.Editor(), Qt::Key_Tab);
        QCOMPARE(f.Engine().GetFieldText(10, 1), QStringLiteral("Hamburg\r\nHafen"));
    }

    void clickSelectsFields()
    {
        SShownForm f(m_defs);
        auto clickAt = [&](int x, int y) {
            const QPoint px(f.view.UnitsToPixels(x), f.view.UnitsToPixels(y));
            QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, px - f.view.ScrollPixels());
        };
        const int z = f.view.ZoomFactor();
        auto at = [z](int v) { return v * z / 10 + 3; };
        clickAt(at(630), at(104)); // box 2, number
        QCOMPARE(f.Engine().GetCurrentField(), quint16(9));
        clickAt(at(1425), at(40)); // stamp A: not editable, nothing happens
        QCOMPARE(f.Engine().GetCurrentField(), quint16(9));
        // The cursor tells an editable field from the rest of the form.
        QTest::mouseMove(f.view.viewport(), QPoint(f.view.UnitsToPixels(at(300)), f.view.UnitsToPixels(at(450))) - f.view.ScrollPixels());
        QCOMPARE(f.view.CursorKind(), 2); // box 8
        QTest::mouseMove(f.view.viewport(), QPoint(f.view.UnitsToPixels(at(1425)), f.view.UnitsToPixels(at(40))) - f.view.ScrollPixels());
        QCOMPARE(f.view.CursorKind(), 0);
        const QPoint form = f.view.ViewportToForm(QPoint(f.view.UnitsToPixels(1000), f.view.UnitsToPixels(500)) - f.view.ScrollPixels());
        QVERIFY(qAbs(form.x() - 1000) <= 3 && qAbs(form.y() - 500) <= 3);
    }

    void zoomCommands()
    {
        SShownForm f(m_defs);
        f.view.SetZoom(24);
        f.view.PrepareForDisplay();
        f.view.ScrollToPixels(QPoint(50, 300));
        f.view.ExecuteCommand(Cmd::kZoomIn);
        QCOMPARE(f.view.ZoomFactor(), 25);
        QCOMPARE(f.view.ScrollPixels(), QPoint(0, 0));
        QVERIFY(!f.view.UpdateCommand(Cmd::kZoomIn).enabled);
        QCOMPARE(f.view.Profile().ReadInt(SettingsSection::kDefaults, QStringLiteral("ZoomFactor"), 0), 25);
        f.view.ExecuteCommand(Cmd::kZoomIn);
        QCOMPARE(f.view.ZoomFactor(), 25);
        f.view.SetZoom(10);
        QVERIFY(!f.view.UpdateCommand(Cmd::kZoomOut).enabled);
        f.view.ExecuteCommand(Cmd::kZoomOut);
        QCOMPARE(f.view.ZoomFactor(), 10);
    }

    void ensureVisibleScrollsToTheField()
    {
        SShownForm f(m_defs);
        f.view.resize(500, 300);
        f.view.SetZoom(20);
        f.view.PrepareForDisplay();
        f.view.GoToField(70, 1); // box 54, far down
        const QRect e = f.Editor().geometry();
        QVERIFY(f.view.ScrollPixels().y() > 0);
        QVERIFY2(e.top() >= 0 && e.top() < f.view.viewport()->height(), qPrintable(QStringLiteral("top %1").arg(e.top())));
        f.view.GoToField(0, 1); // back up to the top
        QVERIFY(f.Editor().geometry().top() >= 0);
        QVERIFY(f.Editor().geometry().bottom() <= f.view.viewport()->height());
    }

    void pageKeysScroll70mm()
    {
        SShownForm f(m_defs);
        f.view.resize(500, 300);
        f.view.PrepareForDisplay();
        const int before = f.view.ScrollPixels().y();
        QTest::keyClick(&f.Editor(), Qt::Key_PageDown);
        QCOMPARE(f.view.ScrollPixels().y() - before, f.view.UnitsToPixels(700));
    }

    void contextMenuEntries()
    {
        SShownForm f(m_defs);
        std::unique_ptr<QMenu> menu(f.view.CreateEditorContextMenu(nullptr));
        QStringList texts;
        for (QAction* a : menu->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts, (QStringList{"Vor&gaben einfügen...", "-", "&Rückgängig", "&Ausschneiden", "&Kopieren", "&Einfügen",
                                     "Alles &markieren", "Einfügemodus ausschalten\tEinfg", "-", "&Nächstes Eingabefeld",
                                     "&Voheriges Eingabefeld", "-", "Schrift &größer", "Schrift k&leiner", "Schrift &fett", "-",
                                     "Text linksbündig", "Text zentriert", "Text rechtsbündig"}));
        // Undo only while there is something to undo.
        QVERIFY(!menu->actions().at(2)->isEnabled());
    }
};

QTEST_MAIN(TestFormView)
#include "tst_formview.moc"
