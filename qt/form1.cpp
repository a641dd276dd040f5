#include "qt/form1.hpp"

#include "conversion/hex_to_time.hpp"
#include "conversion/time_to_hex.hpp"
#include "qt/message_box.hpp"
#include "window/form_layout.hpp"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringView>

#include <limits>
#include <utility>
#include <variant>

namespace quennarix {

namespace {

QFont fontFor(const layout::FontChoice &choice, const QFont &inherited)
{
    QFont font = inherited;
    font.setFamily(QString::fromLatin1(choice.family));
    font.setPointSizeF(choice.pointSize);
    font.setWeight(static_cast<QFont::Weight>(choice.weight));
    return font;
}

// Linux has no "MS Sans Serif"; Liberation Sans (fonts-liberation2) stands in.
// It runs wider, so the window's 8 points become 7.5, or "Time (XX:XX)" is cut
// in its 65-pixel label. Naming it directly spares Qt a search of every font.
constexpr const char *kDesignFamilySubstitute = "Liberation Sans";
constexpr layout::FontChoice kWindowFont{kDesignFamilySubstitute, 7.5, layout::kWindowFont.weight};

void registerFontSubstitutes()
{
    static const bool registered = [] {
        QFont::insertSubstitution(QString::fromLatin1(layout::kDesignFamily),
                                  QString::fromLatin1(kDesignFamilySubstitute));
        return true;
    }();
    (void)registered;
}

// The table is in pixels at 96 dpi. Where Qt scales for the screen it reports
// 96 here; where it does not (QT_ENABLE_HIGHDPI_SCALING=0), the fonts still grow
// with the font DPI, so the geometry has to grow with them.
double tableScale(const QWidget *widget)
{
    return widget->logicalDpiY() / 96.0;
}

int scaled(int length, double scale)
{
    return qRound(length * scale);
}

QWidget *createControl(const layout::ControlLayout &entry, QWidget *parent, double scale)
{
    const QString caption = QString::fromLatin1(entry.caption);
    QWidget *control = nullptr;
    switch (entry.kind) {
    case layout::ControlKind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control = label;
        break;
    }
    case layout::ControlKind::TextBox: {
        auto *box = new QLineEdit(parent);
        box->setMaxLength(std::numeric_limits<int>::max());
        control = box;
        break;
    }
    case layout::ControlKind::PushButton: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setToolTip(QString::fromLatin1(entry.accessibleName));
        control = button;
        break;
    }
    }
    control->setObjectName(QString::fromLatin1(entry.name));
    control->setGeometry(scaled(entry.left, scale), scaled(entry.top, scale),
                         scaled(entry.width, scale), scaled(entry.height, scale));
    if (entry.font.family != nullptr)
        control->setFont(fontFor(entry.font, parent->font()));
    if (entry.accessibleName != nullptr)
        control->setAccessibleName(QString::fromLatin1(entry.accessibleName));
    return control;
}

QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

} // namespace

Form1::Form1(QWidget *parent) : Form1(runtime::showMessageBox, parent) {}

Form1::Form1(ShowMessage showMessage, QWidget *parent)
    : QWidget(parent), m_showMessage(std::move(showMessage))
{
    registerFontSubstitutes();
    setWindowTitle(QString::fromLatin1(layout::kWindowCaption));
    const double scale = tableScale(this);
    setFixedSize(scaled(layout::kClientWidth, scale), scaled(layout::kClientHeight, scale));
    setFont(fontFor(kWindowFont, font()));
    buildControls(scale);

    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2Click);
    m_text1->setFocus();
}

void Form1::buildControls(double scale)
{
    QWidget *previous = nullptr;
    for (const layout::ControlLayout &entry : layout::kControls) {
        QWidget *control = createControl(entry, this, scale);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, control);
        previous = control;
    }
    m_text1 = findChild<QLineEdit *>(QStringLiteral("Text1"));
    m_text2 = findChild<QLineEdit *>(QStringLiteral("Text2"));
    m_command1 = findChild<QPushButton *>(QStringLiteral("Command1"));
    m_command2 = findChild<QPushButton *>(QStringLiteral("Command2"));
    for (const layout::ControlLayout &entry : layout::kControls) {
        if (entry.labels != nullptr)
            findChild<QLabel *>(QString::fromLatin1(entry.name))
                ->setBuddy(findChild<QWidget *>(QString::fromLatin1(entry.labels)));
    }
}

void Form1::Command1Click()
{
    apply(ConvertHexToTime(m_text2->text().toStdU16String()), m_text1);
}

void Form1::Command2Click()
{
    apply(ConvertTimeToHex(m_text1->text().toStdU16String()), m_text2);
}

void Form1::apply(const ConversionOutcome &outcome, QLineEdit *target)
{
    if (const auto *text = std::get_if<TargetText>(&outcome)) {
        // An edit rather than setText, so that Undo in the box brings back what it held.
        target->selectAll();
        target->insert(toQString(text->text));
    } else
        m_showMessage(this, toQString(std::get<Message>(outcome).text));
}

} // namespace quennarix
