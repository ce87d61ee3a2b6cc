#pragma once

#include "KivEditWindow.h"

#include <QPlainTextEdit>

class QWheelEvent;

// What the editor asks of the view it sits in.
class IFieldEditorHost
{
public:
    virtual ~IFieldEditorHost() = default;
    virtual QPoint ScrollOffsetPixels() const = 0;
    virtual void EditorNextField() = 0;
    virtual void EditorPreviousField() = 0;
    virtual void EditorInsertModeChanged() = 0;
    virtual void EditorScrollPage(int units) = 0; // positive: further down the sheet
    virtual void EditorWheel(QWheelEvent* event) = 0;
    virtual void EditorContextMenu(const QPoint& globalPos) = 0;
    virtual void EditorModified() = 0;
};

// The one in-place editor of the form: a frameless multi-line editor that
// the engine puts over the active field, pale green, in the field's font and
// alignment. Texts keep CR LF in the store and LF in here.
class CFieldEditor : public QPlainTextEdit, public IFieldEditorWindow
{
    Q_OBJECT
public:
    static constexpr quint32 kStyleLeft = 0x50001004;
    static const QColor kBackground; // RGB 222, 255, 209

    CFieldEditor(CKivEditWindow& engine, IFieldEditorHost& host, QWidget* parent);

    // IFieldEditorWindow
    QString WindowText() const override;
    void SetWindowText(const QString& text) override;
    void ShowField(const SFieldRect& rect, quint16 attributes, const QString& text, const SLogFont* font) override;

    void SetColours(const QColor& text, const QColor& background);
    // Places the editor over its field again after the view scrolled.
    void Reposition();

    // The window style the field's alignment asks for, and how often the
    // editor had to change it (moving between fields of equal alignment does not).
    quint32 Style() const { return m_style; }
    int StyleChanges() const { return m_styleChanges; }

    // Keys of the program's commands: they reach the command, never the
    // editor's own handling (Ctrl+Z centres the text, it does not undo).
    static void SetReservedKeys(const QList<QKeySequence>& keys);

    void PasteFromClipboard();
    void SelectAllText();
    // Backspace, Enter and every typed character replace the character after
    // the caret while the engine is in overwrite mode.
    static QString NormalizePastedText(QString text);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void wheelEvent(QWheelEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    bool TextFits(const QString& text) const;

    CKivEditWindow& m_engine;
    IFieldEditorHost& m_host;
    SFieldRect m_fieldRect;
    quint32 m_style = kStyleLeft;
    int m_styleChanges = 0;
    bool m_loading = false;
};
