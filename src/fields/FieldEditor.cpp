#include "FieldEditor.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSet>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

const QColor CFieldEditor::kBackground(222, 255, 209);

namespace {

QSet<int>& ReservedKeys()
{
    static QSet<int> keys;
    return keys;
}

QString ToEditor(const QString& stored)
{
    QString t = stored;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QString ToStore(const QString& shown)
{
    QString t = shown;
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

// Keys that the original edit control delivers as characters.
bool IsCharacterKey(const QKeyEvent* e)
{
    if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return true;
    const QString t = e->text();
    return !t.isEmpty() && t.at(0).isPrint() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

CFieldEditor::CFieldEditor(CKivEditWindow& engine, IFieldEditorHost& host, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_engine(engine)
    , m_host(host)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setContentsMargins(0, 0, 0, 0);
    setViewportMargins(0, 0, 0, 0);
    document()->setDocumentMargin(0);
    setTabChangesFocus(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    SetColours(Qt::blue, kBackground);
    setGeometry(10, 10, 10, 10);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            m_host.EditorModified();
    });
}

void CFieldEditor::SetColours(const QColor& text, const QColor& background)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Text, text);
    setPalette(p);
}

QString CFieldEditor::WindowText() const
{
    return ToStore(toPlainText());
}

void CFieldEditor::SetWindowText(const QString& text)
{
    const QScopedValueRollback<bool> loading(m_loading, true);
    setPlainText(ToEditor(text));
}

void CFieldEditor::ShowField(const SFieldRect& rect, quint16 attributes, const QString& text, const SLogFont* font)
{
    const int alignment = attributes & CKivEditWindow::kAlignMask;
    quint32 style = kStyleLeft;
    Qt::Alignment qtAlign = Qt::AlignLeft;
    if (alignment == CKivEditWindow::kAlignCentre) {
        style = kStyleLeft + 1;
        qtAlign = Qt::AlignHCenter;
    } else if (alignment == CKivEditWindow::kAlignRight) {
        style = kStyleLeft + 2;
        qtAlign = Qt::AlignRight;
    }
    if (style != m_style) {
        m_style = style;
        ++m_styleChanges;
    }
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(qtAlign);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
    if (font)
        setFont(LogFont::MakeFont(font->height, font->weight, logicalDpiY()));
    m_fieldRect = rect;
    Reposition();
    SetWindowText(text);
    moveCursor(QTextCursor::Start);
    show();
}

void CFieldEditor::Reposition()
{
    const QPoint scroll = m_host.ScrollOffsetPixels();
    setGeometry(QRect(QPoint(m_fieldRect.left - scroll.x(), m_fieldRect.top - scroll.y()),
                      QPoint(m_fieldRect.right - scroll.x() - 1, m_fieldRect.bottom - scroll.y() - 1)));
}

bool CFieldEditor::TextFits(const QString& text) const
{
    const QFontMetrics m(font());
    const int width = qMax(1, viewport()->width());
    const int height = m.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap | Qt::TextWrapAnywhere, text.isEmpty() ? QStringLiteral(" ") : text).height();
    return height <= qMax(viewport()->height(), m.lineSpacing());
}

void CFieldEditor::SetReservedKeys(const QList<QKeySequence>& keys)
{
    ReservedKeys().clear();
    for (const QKeySequence& k : keys)
        if (k.count() == 1)
            ReservedKeys().insert(k[0].toCombined());
}

bool CFieldEditor::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (ReservedKeys().contains(k->keyCombination().toCombined())) {
            e->ignore(); // let the command's shortcut fire
            return true;
        }
    }
    // Tab and Shift+Tab walk the form's fields, not the dialog's focus chain.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (k->modifiers() & Qt::ShiftModifier)
                m_host.EditorPreviousField();
            else
                m_host.EditorNextField();
            return true;
        }
        if (k->key() == Qt::Key_Backtab) {
            m_host.EditorPreviousField();
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

void CFieldEditor::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
        m_engine.SetInsertMode(m_engine.GetInsertMode() ? 0 : 1);
        m_host.EditorInsertModeChanged();
        return;
    }
    if (e->key() == Qt::Key_PageDown || e->key() == Qt::Key_PageUp) {
        QPlainTextEdit::keyPressEvent(e);
        m_host.EditorScrollPage(e->key() == Qt::Key_PageDown ? 700 : -700);
        return;
    }
    if (!IsCharacterKey(e)) {
        QPlainTextEdit::keyPressEvent(e);
        return;
    }

    const QString before = toPlainText();
    const int position = textCursor().position();
    const int anchor = textCursor().anchor();
    const bool hadSelection = textCursor().hasSelection();
    QPlainTextEdit::keyPressEvent(e);
    if (!hadSelection && m_engine.GetInsertMode() == 0) {
        QTextCursor c = textCursor();
        c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        if (c.hasSelection()) {
            c.removeSelectedText();
            setTextCursor(c);
        }
        ensureCursorVisible();
    }
    // Typing stops where the field is full, as on the paper form.
    const QString after = toPlainText();
    if (after.size() > before.size() && !TextFits(after) && TextFits(before)) {
        SetWindowText(ToStore(before));
        QTextCursor c = textCursor();
        c.setPosition(anchor);
        c.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(c);
        QApplication::beep();
    }
}

QString CFieldEditor::NormalizePastedText(QString text)
{
    // LF alone becomes CR LF.
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n') && (i == 0 || text.at(i - 1) != QLatin1Char('\r')))
            out += QLatin1Char('\r');
        out += text.at(i);
    }
    CKivEditWindow::TrimTrailingWhiteSpace(out);
    // A spreadsheet cell copied with its quotes arrives without them.
    if (out.startsWith(QLatin1Char('"')) && out.endsWith(QLatin1Char('"')))
        out = out.size() >= 2 ? out.mid(1, out.size() - 2) : QString();
    return out;
}

void CFieldEditor::insertFromMimeData(const QMimeData* source)
{
    QPlainTextEdit::insertFromMimeData(source);
    const QString normalized = NormalizePastedText(m_engine.GetCurrentText());
    m_engine.SetCurrentText(normalized);
    moveCursor(QTextCursor::End);
    m_host.EditorModified();
}

void CFieldEditor::PasteFromClipboard()
{
    paste();
}

void CFieldEditor::SelectAllText()
{
    selectAll();
    ensureCursorVisible();
}

void CFieldEditor::wheelEvent(QWheelEvent* e)
{
    m_host.EditorWheel(e);
}

void CFieldEditor::contextMenuEvent(QContextMenuEvent* e)
{
    m_host.EditorContextMenu(e->globalPos());
}
