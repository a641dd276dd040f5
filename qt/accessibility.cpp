#include "qt/accessibility.hpp"

#include "qt/form1.hpp"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace quennarix::qt {

namespace {

class AccessibleBox : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleBox(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(QString)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->displayText() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // The rest is what Qt's own line edit interface, which is not public, gives.
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        const bool selected = index == 0 && box()->hasSelectedText();
        *startOffset = selected ? box()->selectionStart() : 0;
        *endOffset = selected ? box()->selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return start > end ? QString() : box()->displayText().mid(start, end - start);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                             int *end) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(resolved(offset), type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                            int *end) const override
    {
        return QAccessibleTextInterface::textAfterOffset(resolved(offset), type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                         int *end) const override
    {
        return QAccessibleTextInterface::textAtOffset(resolved(offset), type, start, end);
    }
    int characterCount() const override { return static_cast<int>(box()->displayText().size()); }
    // Measured from the cursor, whose rectangle Qt gives with the box's scrolling
    // and margins already applied.
    QRect characterRect(int offset) const override
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
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override
    {
        box()->setText(box()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString &text) override
    {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString &text) override
    {
        box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    // AT-SPI's offset -2 stands for the cursor.
    int resolved(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

} // namespace

QAccessibleInterface *form1Accessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(Form1::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (auto *box = qobject_cast<QLineEdit *>(object);
        box != nullptr && qobject_cast<Form1 *>(box->parent()) != nullptr)
        return new AccessibleBox(box);
    return nullptr;
}

} // namespace quennarix::qt
