#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>
#include <optional>

#include "core/files/SafeWrite.h"
#include "core/text/TextFinder.h"
#include "core/rtf/Rtf.h"

class QTextDocumentFragment;

// The rich text box: a QTextEdit with the operations and notifications the program's windows use.
//
// Positions and lengths count characters from 0. A paragraph break counts as one character, so
// positions agree between Text(), the selection and Find().
//
// Find hands its match to the editor once control returns to the event loop, or at once when a member of
// this class needs it; QTextEdit's own functions, called in between, still see the previous cursor.
//
// Reading a format attribute of a selection that mixes formats gives the attribute of the selection's
// first character. Without a selection, reading and setting concern the text typed next at the caret.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    // Find options.
    static constexpr int FindWholeWord = 2;

    explicit RichTextBox(QWidget *parent = nullptr);

    // Replaces the whole content with the file's RTF. A missing, unreadable or non-RTF file returns false
    // with the reason in `error` and leaves the box as it was. A file whose formatting had to be
    // simplified (see Rtf::ReadResult) is loaded whole, and the user is told so once. Loading gives the
    // box a new QTextDocument (as does setTextRTF): take document() afresh after it. A file larger than
    // `maxBytes` (when not 0) is not read.
    bool LoadFile(const QString &path, QString *error = nullptr, qint64 maxBytes = 0);
    // Writes the whole content as RTF, replacing the file; refuses, writing nothing, when the RTF would be
    // larger than `maxBytes` (when not 0). A file another program changed since it was loaded is replaced
    // only as replaceReadFile allows.
    WriteResult SaveFile(const QString &path, qint64 maxBytes = 0) const;

    // Plain text. Assigning replaces the content with unformatted text in the base font, one paragraph
    // per line (CR LF, LF or CR); "" empties the box.
    QString Text() const;
    void setText(const QString &text);

    // Formatted content as RTF, of the whole box and of the selection. Assigning input that is not RTF
    // changes nothing and returns false.
    QByteArray TextRTF() const;
    bool setTextRTF(const QByteArray &rtf);
    QByteArray SelRTF() const;
    bool setSelRTF(const QByteArray &rtf);

    // The editor's cursor, with the match of the last Find.
    QTextCursor textCursor() const;
    void setTextCursor(const QTextCursor &cursor);

    // Setting SelStart places the caret (no selection); SelLength then selects from SelStart on.
    // Setting SelText replaces the selection and leaves the caret after the new text.
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;
    void setSelText(const QString &text);

    QString SelFontName() const;
    void setSelFontName(const QString &name);
    qreal SelFontSize() const;
    void setSelFontSize(qreal points);
    bool SelBold() const;
    void setSelBold(bool on);
    bool SelItalic() const;
    void setSelItalic(bool on);
    bool SelUnderline() const;
    void setSelUnderline(bool on);
    bool SelStrikeThru() const;
    void setSelStrikeThru(bool on);
    QColor SelColor() const;
    void setSelColor(const QColor &colour);

    // Paragraph alignment of the selection's paragraphs: 0 left, 1 right, 2 centre (other codes are
    // ignored). Reading gives the alignment of the first of them.
    int SelAlignment() const;
    void setSelAlignment(int code);

    // The font of text that carries no font of its own.
    QFont baseFont() const { return font(); }
    void setBaseFont(const QFont &base) { setFont(base); }

    // Searches `text` from `start` to `end` (-1: the end of the text), letter case ignored; with
    // FindWholeWord only where it stands as a whole word (see TextFinder). Selects the match and returns
    // its position, or returns -1 and leaves the selection alone.
    int Find(const QString &text, int start = 0, int end = -1, int options = 0);

    // True (the default): the selection shows only while the box has the focus.
    // False: it stays highlighted while another control or a dialog has the focus.
    bool HideSelection() const { return m_hideSelection; }
    void setHideSelection(bool hide);

    // The user cannot change a locked box but can still select and copy; the program still can.
    bool Locked() const { return isReadOnly(); }
    void setLocked(bool locked);

    // The most characters the user can bring the text to by typing or pasting; 0: no limit.
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = std::max(length, 0); }

    // Called by a KeyDown handler: the key is not handled any further.
    void swallowKey() { m_keySwallowed = true; }

signals:
    // After every change of content or format, by the user or by the program.
    void Change();
    // After a click with the left button has placed the caret.
    void Click();
    void GotFocus();
    void LostFocus();
    // Before the box handles a key press; a handler may call swallowKey().
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    int length() const;
    int clampPosition(int position) const;
    void select(int start, int length);
    void selectLater(int start, int length);
    void showPendingSelection() const;
    void movePendingSelection(int position, int removed, int added);
    void mergeFormat(const QTextCharFormat &format);
    const TextFinder &finder() const;
    void watchDocument();
    void noteContentsChange(int position, int removed, int added);
    Rtf::ReadResult replaceWithRtf(const QByteArray &rtf);
    static void tellSimplified(const QString &path);

    QTextCharFormat selectionFormat() const;
    QFont selectionFont() const;
    void applySelectionPalette();

    // Characters the user may still add in place of the selection.
    int roomForInput() const;
    int typedLength(const QKeyEvent &event) const;
    void insertLimited(const QTextDocumentFragment &fragment);

    // A selection not yet handed to the editor, and the editor's cursor when it was made.
    struct PendingSelection
    {
        int anchor = 0;
        int position = 0;
        int editorAnchor = 0;
        int editorPosition = 0;
    };
    mutable std::optional<PendingSelection> m_pending;
    QTimer m_showPending;

    mutable TextFinder m_finder;
    mutable bool m_textStale = true;
    QPointer<QTextDocument> m_watched;
    bool m_hideSelection = true;
    int m_maxLength = 0;
    bool m_keySwallowed = false;
    bool m_leftPressed = false;
};
