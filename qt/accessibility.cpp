#include "qt/accessibility.hpp"

#include <QFontMetrics>
#include <QLineEdit>

namespace quennarix::qt {

AccessibleBox::AccessibleBox(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(QString)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *AccessibleBox::box() const
{
    return static_cast<QLineEdit *>(widget());
}

int AccessibleBox::resolved(int offset) const
{
    return offset == -2 ? cursorPosition() : offset;
}

QString AccessibleBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->displayText();
    return QAccessibleWidget::text(t);
}

void AccessibleBox::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        box()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State AccessibleBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
}

void *AccessibleBox::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleBox::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const bool selected = selectionIndex == 0 && box()->hasSelectedText();
    *startOffset = selected ? box()->selectionStart() : 0;
    *endOffset = selected ? box()->selectionEnd() : 0;
}

int AccessibleBox::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void AccessibleBox::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleBox::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void AccessibleBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleBox::cursorPosition() const
{
    return box()->cursorPosition();
}

void AccessibleBox::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString AccessibleBox::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return box()->displayText().mid(startOffset, endOffset - startOffset);
}

QString AccessibleBox::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int *startOffset, int *endOffset) const
{
    return QAccessibleTextInterface::textBeforeOffset(resolved(offset), boundaryType, startOffset,
                                                      endOffset);
}

QString AccessibleBox::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int *startOffset, int *endOffset) const
{
    return QAccessibleTextInterface::textAfterOffset(resolved(offset), boundaryType, startOffset,
                                                     endOffset);
}

QString AccessibleBox::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                    int *startOffset, int *endOffset) const
{
    return QAccessibleTextInterface::textAtOffset(resolved(offset), boundaryType, startOffset,
                                                  endOffset);
}

int AccessibleBox::characterCount() const
{
    return static_cast<int>(box()->displayText().size());
}

// Measured from the cursor, whose rectangle Qt gives with the box's scrolling
// and margins already applied.
QRect AccessibleBox::characterRect(int offset) const
{
    const QString shown = box()->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics(box()->font());
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int cursorAt = cursorPosition();
    const int x =
        offset >= cursorAt
            ? cursor.x() + metrics.horizontalAdvance(shown.mid(cursorAt, offset - cursorAt))
            : cursor.x() - metrics.horizontalAdvance(shown.mid(offset, cursorAt - offset));
    const QRect character(x, cursor.y(), metrics.horizontalAdvance(shown.at(offset)),
                          metrics.height());
    return character.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleBox::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void AccessibleBox::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString AccessibleBox::attributes(int offset, int *startOffset, int *endOffset) const
{
    (void)offset;
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AccessibleBox::deleteText(int startOffset, int endOffset)
{
    box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleBox::insertText(int offset, const QString &text)
{
    box()->setText(box()->text().insert(offset, text));
}

void AccessibleBox::replaceText(int startOffset, int endOffset, const QString &text)
{
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace quennarix::qt
