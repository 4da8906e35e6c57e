#include "referral/ReferralPictures.h"

#include "common/Deployment.h"

#include <QFont>
#include <QPainter>

#include <cmath>

// The resources sit in a static library: nothing would pull them in without this.
static void initPictures()
{
    Q_INIT_RESOURCE(referral_pictures);
}

namespace referral {

namespace {

QImage resource(const char* name)
{
    static const bool ready = (initPictures(), true);
    Q_UNUSED(ready);
    return QImage(QStringLiteral(":/referral/") + QString::fromLatin1(name));
}

// Pixel sizes below are in the letterhead's 96 dpi pixels; it is drawn this many times finer.
constexpr int Fineness = 3;
constexpr int LetterheadWidth = 688;
constexpr int LetterheadHeight = 125;

QFont letterFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels * Fineness);
    font.setBold(bold);
    return font;
}

QImage drawLetterhead()
{
    QImage image(LetterheadWidth * Fineness, LetterheadHeight * Fineness, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int dotsPerMeter = int(std::lround(96.0 / 0.0254 * Fineness));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int f = Fineness;
    p.drawImage(QRect(4 * f, 4 * f, 120 * f, 116 * f), coatOfArms());
    p.drawImage(QRect((LetterheadWidth - 120) * f, 4 * f, 116 * f, 116 * f), departmentEmblem());

    const QRect middle(128 * f, 0, (LetterheadWidth - 256) * f, LetterheadHeight * f);
    p.setPen(Qt::black);
    p.setFont(letterFont(19, true));
    p.drawText(QRect(middle.left(), 22 * f, middle.width(), 30 * f), Qt::AlignCenter,
               QStringLiteral("PREFEITURA MUNICIPAL DE ") + deployment::municipality().toUpper());
    p.setFont(letterFont(12, true));
    p.drawText(QRect(middle.left(), 54 * f, middle.width(), 22 * f), Qt::AlignCenter,
               deployment::departmentName().toUpper());
    p.setFont(letterFont(12, true));
    p.drawText(QRect(middle.left(), 78 * f, middle.width(), 22 * f), Qt::AlignCenter,
               QStringLiteral("CNPJ: ") + deployment::departmentTaxNumber());
    return image;
}

} // namespace

QImage coatOfArms()
{
    return resource("coat_of_arms.png");
}

QImage departmentEmblem()
{
    return resource("department_emblem.png");
}

QImage documentsBox()
{
    return resource("documents_box.png");
}

QImage documentsStrip()
{
    return resource("documents_strip.png");
}

QImage letterhead()
{
    static const QImage image = drawLetterhead();
    return image;
}

} // namespace referral
