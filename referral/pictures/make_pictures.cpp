// Draws the pictures of the referral documents into this folder. Run once after a change:
//   qn_make_referral_pictures <folder>
// The PNGs are kept in the repository and compiled in as resources; the letterhead is not made
// here because it carries the deployment's names (see ReferralPictures.cpp).
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace {

constexpr double DotsPerMm = 12.0; // about 300 dpi

QImage canvas(double widthMm, double heightMm, bool transparent = false)
{
    const double dotsPerMm = DotsPerMm;
    QImage image(int(std::lround(widthMm * dotsPerMm)), int(std::lround(heightMm * dotsPerMm)),
                 QImage::Format_ARGB32);
    image.fill(transparent ? Qt::transparent : Qt::white);
    image.setDotsPerMeterX(int(std::lround(dotsPerMm * 1000)));
    image.setDotsPerMeterY(int(std::lround(dotsPerMm * 1000)));
    return image;
}

// A font whose em is mm millimetres high on a painter scaled to millimetres. Point sizes are
// counted by the image's own dpi and then scaled again, hence the division.
QFont font(const QPainter& p, double mm, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    const double dotsPerMm = p.device()->logicalDpiY() / 25.4;
    f.setPointSizeF(mm * 72.0 / 25.4 / dotsPerMm);
    f.setBold(bold);
    return f;
}

// A shield with a mural crown: the coat of arms of a small municipality.
QImage coatOfArms()
{
    QImage image = canvas(31, 30, true);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(DotsPerMm, DotsPerMm);
    const QColor blue(22, 74, 140), green(32, 120, 64), gold(222, 176, 38), dark(40, 40, 40);

    // Crown of five towers.
    p.setPen(QPen(dark, 0.3));
    p.setBrush(gold);
    p.drawRect(QRectF(8.5, 3.5, 14, 3));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(8.5 + i * 2.9, 1.2, 2.2, 2.4));

    QPainterPath shield;
    shield.moveTo(7, 7.5);
    shield.lineTo(24, 7.5);
    shield.lineTo(24, 17);
    shield.cubicTo(24, 23, 19, 26, 15.5, 28);
    shield.cubicTo(12, 26, 7, 23, 7, 17);
    shield.closeSubpath();
    p.setClipPath(shield);
    p.fillRect(QRectF(7, 7.5, 17, 10), blue);
    p.fillRect(QRectF(7, 17.5, 17, 11), green);
    p.fillRect(QRectF(7, 16.3, 17, 1.8), gold);
    // A sun over hills and a river.
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawEllipse(QPointF(15.5, 12.5), 2.6, 2.6);
    p.setPen(QPen(gold, 0.4));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(QPointF(15.5 + 3.2 * std::cos(a), 12.5 + 3.2 * std::sin(a)),
                   QPointF(15.5 + 4.2 * std::cos(a), 12.5 + 4.2 * std::sin(a)));
    }
    p.setPen(QPen(QColor(150, 200, 240), 0.8));
    p.drawLine(QPointF(7, 22), QPointF(24, 22));
    p.drawLine(QPointF(7, 24.3), QPointF(24, 24.3));
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 0.5));
    p.drawPath(shield);

    // Branches at the sides.
    p.setPen(QPen(green, 0.6));
    for (int side : {-1, 1}) {
        const double x = 15.5 + side * 11;
        QPainterPath stem;
        stem.moveTo(15.5 + side * 4, 29.2);
        stem.quadTo(x, 26, x - side * 1, 10);
        p.drawPath(stem);
        p.setBrush(green);
        for (int k = 0; k < 6; ++k) {
            const QPointF at = stem.pointAtPercent(0.15 + k * 0.15);
            p.drawEllipse(at + QPointF(side * 0.9, 0), 0.9, 0.45);
        }
        p.setBrush(Qt::NoBrush);
    }
    return image;
}

// An open book above the letters SME, between laurel branches.
QImage departmentEmblem()
{
    QImage image = canvas(30, 30, true);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(DotsPerMm, DotsPerMm);
    const QColor blue(22, 74, 140), green(46, 130, 70);

    QPainterPath left, right;
    left.moveTo(15, 8);
    left.cubicTo(12, 6.3, 9, 6.3, 6, 7.2);
    left.lineTo(6, 15.5);
    left.cubicTo(9, 14.6, 12, 14.6, 15, 16.3);
    left.closeSubpath();
    right.moveTo(15, 8);
    right.cubicTo(18, 6.3, 21, 6.3, 24, 7.2);
    right.lineTo(24, 15.5);
    right.cubicTo(21, 14.6, 18, 14.6, 15, 16.3);
    right.closeSubpath();
    p.setPen(QPen(blue, 0.45));
    p.setBrush(QColor(235, 242, 252));
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(blue, 0.25));
    for (int i = 1; i <= 4; ++i) {
        const double y = 7.8 + i * 1.5;
        p.drawLine(QPointF(7.2, y), QPointF(13.8, y + 0.6));
        p.drawLine(QPointF(16.2, y + 0.6), QPointF(22.8, y));
    }

    p.setPen(blue);
    p.setFont(font(p, 6.5, true));
    p.drawText(QRectF(0, 16.5, 30, 7), Qt::AlignCenter, QStringLiteral("SME"));

    // Laurel branches round the lower half.
    for (int side : {-1, 1}) {
        QPainterPath stem;
        stem.moveTo(15 + side * 1.5, 28.5);
        stem.cubicTo(15 + side * 11, 27.5, 15 + side * 12.8, 18, 15 + side * 11.2, 6.5);
        p.setPen(QPen(green, 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        p.setPen(Qt::NoPen);
        p.setBrush(green);
        for (int k = 0; k < 8; ++k) {
            const double t = 0.08 + k * 0.115;
            const QPointF at = stem.pointAtPercent(t);
            const double angle = stem.angleAtPercent(t);
            for (int leaf : {-1, 1}) {
                p.save();
                p.translate(at);
                p.rotate(-angle + leaf * 40);
                p.drawEllipse(QPointF(1.1, 0), 1.1, 0.42);
                p.restore();
            }
        }
    }
    return image;
}

const QStringList DocumentLines = {
    QStringLiteral("CERTIDÃO DE NASCIMENTO E CPF (SE TIVER)"),
    QStringLiteral("NÚMERO DO NIS"),
    QStringLiteral("CARTÃO DO SUS"),
    QStringLiteral("COMPROVANTE DE RESIDÊNCIA"),
    QStringLiteral("RG E CPF DOS RESPONSÁVEIS"),
    QStringLiteral("DECLARAÇÃO DE TRANSFERÊNCIA (ALUNOS DO ENSINO FUNDAMENTAL)"),
};

// The list of documents in a box of the given size, in millimetres from the painter's origin;
// framed unless a table cell around it is the frame.
void drawDocumentsList(QPainter& p, const QRectF& box, bool framed)
{
    if (framed) {
        p.setPen(QPen(Qt::black, 0.35));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.adjusted(0.6, 0.6, -0.6, -0.6));
    }
    const double unit = box.width() / 72.0; // drawn for 72 mm, scaled to other widths
    const QRectF inner = box.adjusted(2.5 * unit, 2 * unit, -2 * unit, -1.5 * unit);
    p.setPen(Qt::black);
    p.setFont(font(p, 2.45 * unit, true));
    p.drawText(QRectF(inner.left(), inner.top(), inner.width(), 5.5 * unit),
               Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("DOCUMENTOS NECESSÁRIOS PARA MATRÍCULA:"));
    p.setPen(QPen(Qt::black, 0.3 * unit));
    p.drawLine(QPointF(inner.left(), inner.top() + 6 * unit), QPointF(inner.right(), inner.top() + 6 * unit));
    p.setPen(Qt::black);
    const double lineTop = inner.top() + 7 * unit;
    // The last line takes two rows of text.
    const double step = (inner.bottom() - lineTop) / (DocumentLines.size() + 0.6);
    p.setFont(font(p, 2.15 * unit, false));
    for (qsizetype i = 0; i < DocumentLines.size(); ++i) {
        const double y = lineTop + i * step;
        const double height = i + 1 == DocumentLines.size() ? step * 1.6 : step;
        QPainterPath arrow;                   // arrow-head bullet
        const double middle = y + 1.3 * unit; // level with the first row of text
        arrow.moveTo(inner.left(), middle - 1.0 * unit);
        arrow.lineTo(inner.left() + 2.0 * unit, middle);
        arrow.lineTo(inner.left(), middle + 1.0 * unit);
        arrow.lineTo(inner.left() + 0.6 * unit, middle);
        arrow.closeSubpath();
        p.fillPath(arrow, Qt::black);
        p.drawText(QRectF(inner.left() + 3 * unit, y, inner.width() - 3 * unit, height),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, DocumentLines[i]);
    }
}

QImage documentsBox()
{
    QImage image = canvas(72, 44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(DotsPerMm, DotsPerMm);
    drawDocumentsList(p, QRectF(0, 0, 72, 44), true);
    return image;
}

// 716 x 216 pixels at 96 dpi, drawn three times as fine.
QImage documentsStrip()
{
    const double screenDotsPerMm = 96.0 / 25.4;
    const double dotsPerMm = screenDotsPerMm * 3;
    const double widthMm = 716 / screenDotsPerMm;
    const double heightMm = 216 / screenDotsPerMm;
    QImage image(716 * 3, 216 * 3, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(std::lround(dotsPerMm * 1000)));
    image.setDotsPerMeterY(int(std::lround(dotsPerMm * 1000)));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(dotsPerMm, dotsPerMm);
    const double cell = widthMm / 3;
    p.setPen(QPen(Qt::black, 0.5));
    p.drawRect(QRectF(0.25, 0.25, widthMm - 0.5, heightMm - 0.5));
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            p.drawLine(QPointF(i * cell, 0), QPointF(i * cell, heightMm));
        drawDocumentsList(p, QRectF(i * cell + 0.5, 2, cell - 1, heightMm - 4), false);
        p.setPen(QPen(Qt::black, 0.5));
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const struct
    {
        const char* name;
        QImage image;
    } pictures[] = {
        {"coat_of_arms.png", coatOfArms()},
        {"department_emblem.png", departmentEmblem()},
        {"documents_box.png", documentsBox()},
        {"documents_strip.png", documentsStrip()},
    };
    for (const auto& picture : pictures) {
        const QString path = out.filePath(QString::fromLatin1(picture.name));
        if (!picture.image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
