#include "AboutDlg.h"

#include "AppConstants.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Tip(const QString& title, const QString& description)
{
    return QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), description.toHtmlEscaped());
}

} // namespace

CAboutDlg::CAboutDlg(const QString& versionString, QWidget* parent)
    : QDialog(parent)
    , m_web(new QPushButton(QStringLiteral(T2L_HOMEPAGE), this))
    , m_systemInfo(new QPushButton(QStringLiteral("Systeminfo"), this))
{
    setWindowTitle(QStringLiteral("Info über Velmora-T2L"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/app.svg")).pixmap(48, 48));
    auto* text = new QVBoxLayout;
    text->addWidget(new QLabel(QStringLiteral("Velmora-T2L für Windows - Version %1").arg(versionString), this));
    text->addWidget(new QLabel(QStringLiteral("Alle Rechte vorbehalten."), this));
    text->addWidget(new QLabel(QStringLiteral("Brennik"), this));
    text->addWidget(new QLabel(QStringLiteral("info@velmora-t2l.de"), this));
    text->addWidget(new QLabel(QString(), this));

    m_web->setFlat(true);
    m_web->setCursor(Qt::PointingHandCursor);
    m_web->setStyleSheet(QStringLiteral("QPushButton { color: blue; text-decoration: underline; border: none; }"));
    m_web->setToolTip(Tip(QStringLiteral("Schaltfläche \"%1\"").arg(QStringLiteral(T2L_HOMEPAGE)),
                          QStringLiteral("Aufruf der Webseite %1 für weitere Informationen oder Programmupdates").arg(QStringLiteral(T2L_HOMEPAGE))));
    text->addWidget(m_web, 0, Qt::AlignLeft);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setToolTip(Tip(QStringLiteral("Schaltfläche \"OK\""), QStringLiteral("Dialog beenden")));
    m_systemInfo->setToolTip(Tip(QStringLiteral("Schaltfläche \"Systeminfo\""),
                                 QStringLiteral("Aufruf eines Dialogfeldes mit Programm- und Systeminformationen.")));
    m_systemInfo->setEnabled(false);
    buttons->addButton(m_systemInfo, QDialogButtonBox::ActionRole);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_web, &QPushButton::clicked, this, [this] {
        m_webRequested = true;
        accept();
    });
    connect(m_systemInfo, &QPushButton::clicked, this, [this] {
        if (!m_systemInfoFunction)
            return;
        m_systemInfoFunction(this);
        accept();
    });
}

void CAboutDlg::SetSystemInfoFunction(std::function<void(QWidget* parent)> f)
{
    m_systemInfoFunction = std::move(f);
    m_systemInfo->setEnabled(bool(m_systemInfoFunction));
}
