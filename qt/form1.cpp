#include "qt/form1.hpp"

#include "form/clicks.hpp"
#include "form/layout.hpp"
#include "qt/accessibility.hpp"
#include "qt/message_box.hpp"

#include <QAccessible>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringView>

#include <limits>
#include <utility>

namespace quennarix::qt {

namespace {

QFont fontFor(const form::FontChoice &choice, const QFont &inherited)
{
    QFont font = inherited;
    font.setFamily(QString::fromLatin1(choice.family));
    font.setPointSizeF(choice.pointSize);
    font.setWeight(static_cast<QFont::Weight>(choice.weight));
    return font;
}

QWidget *createControl(const form::ControlLayout &entry, QWidget *parent, int dpi)
{
    const QString caption = QString::fromLatin1(entry.caption);
    QWidget *control = nullptr;
    switch (entry.kind) {
    case form::ControlKind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control = label;
        break;
    }
    case form::ControlKind::TextBox: {
        auto *box = new QLineEdit(parent);
        if (form::kBoxesTakeAnyLength) // QLineEdit's own limit is 32767
            box->setMaxLength(std::numeric_limits<int>::max());
        control = box;
        break;
    }
    case form::ControlKind::PushButton:
        control = new QPushButton(caption, parent);
        break;
    }
    control->setObjectName(QString::fromLatin1(entry.name));
    const form::Rect place = form::placeAt(entry, dpi);
    control->setGeometry(place.left, place.top, place.width, place.height);
    if (form::hasOwnFont(entry))
        control->setFont(fontFor(form::fontOutsideWindows(entry), parent->font()));
    if (entry.accessibleName != nullptr)
        control->setAccessibleName(QString::fromLatin1(entry.accessibleName));
    if (const char *tip = form::toolTipOf(entry))
        control->setToolTip(QString::fromLatin1(tip));
    return control;
}

QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

} // namespace

Form1::Form1(QWidget *parent) : Form1(showMessageBox, {}, parent) {}

Form1::Form1(ShowMessage showMessage, Announce announce, QWidget *parent)
    : QWidget(parent), m_showMessage(std::move(showMessage)), m_announce(std::move(announce))
{
    // Before the title is set, whose change makes Qt look the interface up and keep it.
    static const bool accessible = (QAccessible::installFactory(form1Accessible), true);
    (void)accessible;
    setWindowTitle(QString::fromLatin1(form::kWindowCaption));
    // Where Qt scales for the screen it reports 96 dpi here; where it does not
    // (QT_ENABLE_HIGHDPI_SCALING=0), the fonts still grow with the font DPI, so
    // the geometry has to grow with them.
    const int dpi = logicalDpiY();
    const form::Size client = form::clientSizeAt(dpi);
    setFixedSize(client.width, client.height);
    setFont(fontFor(form::kSubstituteWindowFont, font()));
    buildControls(dpi);

    for (const form::ControlId button : {form::Command1, form::Command2}) {
        connect(static_cast<QPushButton *>(control(button)), &QPushButton::clicked, this,
                [this, button] { form::click(button, *this); });
    }
    control(form::Text1)->setFocus();
}

QWidget *Form1::control(form::ControlId id) const
{
    return m_controls[form::indexOf(id)];
}

void Form1::buildControls(int dpi)
{
    QWidget *previous = nullptr;
    for (const form::ControlLayout &entry : form::kControls) {
        QWidget *control = createControl(entry, this, dpi);
        m_controls[form::indexOf(entry.id)] = control;
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, control);
        previous = control;
    }
    for (const form::ControlLayout &entry : form::kControls) {
        if (entry.labels)
            static_cast<QLabel *>(control(entry.id))->setBuddy(control(*entry.labels));
    }
}

QLineEdit *Form1::box(form::ControlId id) const
{
    return static_cast<QLineEdit *>(control(id));
}

std::u16string Form1::textOf(form::ControlId id) const
{
    return box(id)->text().toStdU16String();
}

void Form1::replaceText(form::ControlId id, std::u16string_view text)
{
    // An edit rather than setText, so that Undo in the box brings back what it held.
    box(id)->selectAll();
    box(id)->insert(toQString(text));
}

void Form1::announce(std::u16string_view text)
{
    if (m_announce)
        m_announce(toQString(text));
    else
        m_announcer.announce(toQString(text));
}

void Form1::showMessage(std::u16string_view message)
{
    m_showMessage(this, toQString(message));
}

} // namespace quennarix::qt
