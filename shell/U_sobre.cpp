#include "shell/U_sobre.h"

#include "common/Deployment.h"
#include "platform/dialogs/DialogService.h"
#include "platform/system/DesktopActions.h"
#include "shell/PictureButton.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel* linkLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setCursor(Qt::PointingHandCursor);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    return label;
}

void openMakerSite(QWidget* parent)
{
    // the default browser stands in for the two named ones
    const QUrl site(deployment::makerWebAddress());
    if (!sys::openUrl(site))
        dlg::showError(parent, QStringLiteral("Não foi possível abrir ") + site.toString());
}

} // namespace

TForm_sobre::TForm_sobre(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_sobre"));
    setFixedSize(418, 189);

    auto* group = new QGroupBox(this);
    auto* pairs = new QGridLayout(group);
    pairs->addWidget(new QLabel(QStringLiteral("Suporte Técnico: "), group), 0, 0);
    pairs->addWidget(new QLabel(deployment::makerName(), group), 0, 1);
    pairs->addWidget(new QLabel(QStringLiteral("Contato..............:"), group), 1, 0);
    pairs->addWidget(new QLabel(deployment::makerTelephone(), group), 1, 1);
    pairs->addWidget(new QLabel(QStringLiteral("E-mail................: "), group), 2, 0);
    pairs->addWidget(new QLabel(deployment::makerEmail(), group), 2, 1);
    lblCrome = linkLabel("lblCrome", QStringLiteral("Site em Crome"), group);
    lblInternet = linkLabel("lblInternet", QStringLiteral("Site em Internet"), group);
    pairs->addWidget(lblCrome, 3, 0);
    pairs->addWidget(lblInternet, 3, 1);
    for (QLabel* link : {lblCrome, lblInternet})
        link->installEventFilter(this);

    auto* picture = new QLabel(this);
    picture->setPixmap(shellPicture(QStringLiteral("brasao.png"))
                           .scaled(72, 86, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignCenter);

    BtnSair = new QPushButton(QStringLiteral("Sair"), this);
    BtnSair->setObjectName(QStringLiteral("BtnSair"));
    connect(BtnSair, &QPushButton::clicked, this, &QDialog::reject);

    pairs->setHorizontalSpacing(4);
    auto* top = new QHBoxLayout;
    top->addWidget(group, 1);
    top->addWidget(picture);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(BtnSair, 0, Qt::AlignRight);
}

void TForm_sobre::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    setWindowTitle(applicationTitle());
}

bool TForm_sobre::eventFilter(QObject* watched, QEvent* event)
{
    auto* link = qobject_cast<QLabel*>(watched);
    if (link && event->type() == QEvent::Enter) {
        // turns blue and underlined, and stays so
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        link->setPalette(palette);
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
    } else if (link && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        link == lblCrome ? lblCromeClick() : lblInternetClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_sobre::lblCromeClick()
{
    openMakerSite(this);
}

void TForm_sobre::lblInternetClick()
{
    openMakerSite(this);
}

QString applicationTitle()
{
    const QString name =
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().section(QLatin1Char('.'), 0, 0);
    return name.left(1) + name.mid(1).toLower();
}
