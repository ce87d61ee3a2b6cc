#include "Common_DlgMargin02_Page.h"

#include "PrintCalibration.h"
#include "resources/ResourceNames.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// A picture button in three looks: normal, pressed and focused.
class CArrowButton : public QAbstractButton
{
public:
    CArrowButton(const QString& letter, const QString& direction, QWidget* parent)
        : QAbstractButton(parent)
        , m_normal(ResourceNames::ArrowPicture(direction, QStringLiteral("normal")))
        , m_pressed(ResourceNames::ArrowPicture(direction, QStringLiteral("pressed")))
        , m_focused(ResourceNames::ArrowPicture(direction, QStringLiteral("focused")))
    {
        // The letter is not painted; it names the button for the keyboard
        // reader and for whoever looks for it.
        setText(letter);
        setAccessibleName(letter);
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(sizeHint());
    }

    QSize sizeHint() const override { return {ResourceNames::kArrowSize, ResourceNames::kArrowSize}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QIcon& look = isDown() ? m_pressed : hasFocus() ? m_focused : m_normal;
        look.paint(&p, rect());
    }

private:
    QIcon m_normal;
    QIcon m_pressed;
    QIcon m_focused;
};

QLineEdit* Description(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

} // namespace

Common_DlgMargin02_Page::Common_DlgMargin02_Page(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_left(new CArrowButton(QStringLiteral("L"), QStringLiteral("left"), this))
    , m_right(new CArrowButton(QStringLiteral("R"), QStringLiteral("right"), this))
    , m_up(new CArrowButton(QStringLiteral("O"), QStringLiteral("up"), this))
    , m_down(new CArrowButton(QStringLiteral("U"), QStringLiteral("down"), this))
    , m_horizontalText(Description(this))
    , m_verticalText(Description(this))
    , m_dontShow(new QCheckBox(QStringLiteral("Vor dem Druck diesen Dialog nicht anzeigen"), this))
{
    using namespace PrintCalibration;
    auto* intro = new QLabel(
        QStringLiteral("Durch Verschieben der gedruckten Markierung (oben links) können Sie den Text auf dem Formular positionieren."),
        this);
    intro->setWordWrap(true);
    intro->setMinimumWidth(intro->fontMetrics().averageCharWidth() * 60); // two lines, not four

    // Room for the longest description, "20.0 mm nach rechts" and a little more.
    const int descriptionWidth = m_horizontalText->fontMetrics().horizontalAdvance(QStringLiteral("-20.0 mm nach rechts__"));
    m_horizontalText->setMinimumWidth(descriptionWidth);
    m_verticalText->setMinimumWidth(descriptionWidth);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("horizontal"), this), 0, 0);
    grid->addWidget(m_left, 0, 1);
    grid->addWidget(m_right, 0, 2);
    grid->addWidget(m_horizontalText, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("vertikal"), this), 1, 0);
    grid->addWidget(m_up, 1, 1);
    grid->addWidget(m_down, 1, 2);
    grid->addWidget(m_verticalText, 1, 3);
    grid->setColumnStretch(3, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(line);
    layout->addWidget(m_dontShow);
    layout->addStretch(1);

    connect(m_left, &QAbstractButton::clicked, this, [this] { m_horizontal = StepLeft(m_horizontal); Changed(); });
    connect(m_right, &QAbstractButton::clicked, this, [this] { m_horizontal = StepRight(m_horizontal); Changed(); });
    connect(m_up, &QAbstractButton::clicked, this, [this] { m_vertical = StepLeft(m_vertical); Changed(); });
    connect(m_down, &QAbstractButton::clicked, this, [this] { m_vertical = StepRight(m_vertical); Changed(); });
    connect(m_dontShow, &QCheckBox::toggled, this, [this] { SetModified(true); });

    ShowDescriptions();
}

void Common_DlgMargin02_Page::SetHorizontal(float h)
{
    m_horizontal = h;
    ShowDescriptions();
}

void Common_DlgMargin02_Page::SetVertical(float v)
{
    m_vertical = v;
    ShowDescriptions();
}

bool Common_DlgMargin02_Page::Checked() const
{
    return m_dontShow->isChecked();
}

void Common_DlgMargin02_Page::SetChecked(bool checked)
{
    // Taking the sheet's state over is no change by the user.
    const QSignalBlocker block(m_dontShow);
    m_dontShow->setChecked(checked);
}

void Common_DlgMargin02_Page::SetModified(bool modified)
{
    m_modified = modified;
    if (modified)
        Q_EMIT Modified();
}

void Common_DlgMargin02_Page::ShowDescriptions()
{
    m_horizontalText->setText(PrintCalibration::HorizontalText(m_horizontal));
    m_verticalText->setText(PrintCalibration::VerticalText(m_vertical));
}

void Common_DlgMargin02_Page::Changed()
{
    ShowDescriptions();
    SetModified(true);
}
