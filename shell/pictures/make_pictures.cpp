// Draws the shell's pictures into the directory given as the only argument. Run once when a
// picture changes; the PNGs are kept in the repository.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace {

QString g_dir;

void save(const QImage& image, const char* name)
{
    image.save(QDir(g_dir).filePath(QLatin1String(name)));
}

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A 100 x 100 tile: rounded square in colour, a white glyph drawn on a 100-unit grid.
void icon(const char* name, QColor colour, const std::function<void(QPainter&)>& glyph)
{
    QImage image = canvas(100, 100);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, 100);
    shade.setColorAt(0, colour.lighter(125));
    shade.setColorAt(1, colour.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(4, 4, 92, 92), 18, 18);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    glyph(p);
    p.end();
    save(image, name);
}

void person(QPainter& p, QPointF head, double scale)
{
    p.save();
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(head, 8 * scale, 8 * scale);
    QPainterPath body;
    body.moveTo(head + QPointF(-15 * scale, 32 * scale));
    body.cubicTo(head + QPointF(-15 * scale, 12 * scale), head + QPointF(15 * scale, 12 * scale),
                 head + QPointF(15 * scale, 32 * scale));
    body.closeSubpath();
    p.drawPath(body);
    p.restore();
}

void sheet(QPainter& p, QRectF r)
{
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - 12, r.top());
    page.lineTo(r.right(), r.top() + 12);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.drawPath(page);
}

void drawIcons()
{
    icon("encaminhamento.png", QColor(0x2F, 0x6E, 0xB5), [](QPainter& p) {
        sheet(p, QRectF(22, 18, 40, 60));
        p.drawLine(QPointF(30, 36), QPointF(50, 36));
        p.drawLine(QPointF(30, 48), QPointF(50, 48));
        p.drawLine(QPointF(52, 64), QPointF(80, 64));
        p.drawLine(QPointF(70, 54), QPointF(80, 64));
        p.drawLine(QPointF(70, 74), QPointF(80, 64));
    });
    icon("pesquisar.png", QColor(0x1E, 0x88, 0x7E), [](QPainter& p) {
        p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
        p.drawEllipse(QPointF(44, 44), 20, 20);
        p.drawLine(QPointF(59, 59), QPointF(78, 78));
    });
    icon("escolas.png", QColor(0xC0, 0x5A, 0x2B), [](QPainter& p) {
        p.drawRect(QRectF(22, 48, 56, 30));
        QPainterPath roof;
        roof.moveTo(16, 50);
        roof.lineTo(50, 28);
        roof.lineTo(84, 50);
        p.drawPath(roof);
        p.drawLine(QPointF(50, 28), QPointF(50, 12));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(50, 12), QPointF(64, 16), QPointF(50, 20)}));
        p.drawRect(QRectF(44, 62, 12, 16));
    });
    icon("vagas.png", QColor(0x6A, 0x4C, 0x9C), [](QPainter& p) {
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                const QRectF seat(22 + col * 20, 22 + row * 20, 14, 14);
                p.setBrush((row + col) % 3 == 0 ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
                p.setPen(QPen(Qt::white, 3));
                p.drawRoundedRect(seat, 3, 3);
            }
        }
    });
    icon("atendimento.png", QColor(0xD4, 0x8A, 0x1C), [](QPainter& p) {
        p.drawRoundedRect(QRectF(16, 20, 46, 30), 10, 10);
        p.drawLine(QPointF(28, 50), QPointF(24, 60));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(44, 48, 40, 26), 10, 10);
        p.drawPolygon(QPolygonF({QPointF(72, 74), QPointF(78, 84), QPointF(64, 74)}));
    });
    icon("sair.png", QColor(0xB3, 0x26, 0x2E), [](QPainter& p) {
        p.drawLine(QPointF(46, 20), QPointF(24, 20));
        p.drawLine(QPointF(24, 20), QPointF(24, 80));
        p.drawLine(QPointF(24, 80), QPointF(46, 80));
        p.drawLine(QPointF(40, 50), QPointF(80, 50));
        p.drawLine(QPointF(66, 36), QPointF(80, 50));
        p.drawLine(QPointF(66, 64), QPointF(80, 50));
    });
    icon("alunos.png", QColor(0x3C, 0x8D, 0x40), [](QPainter& p) { person(p, QPointF(50, 34), 1.5); });
    icon("matricular.png", QColor(0x2E, 0x7D, 0x9A), [](QPainter& p) {
        p.drawRoundedRect(QRectF(26, 20, 48, 62), 5, 5);
        p.drawLine(QPointF(40, 18), QPointF(60, 18));
        p.drawLine(QPointF(36, 54), QPointF(46, 64));
        p.drawLine(QPointF(46, 64), QPointF(66, 40));
    });
    icon("funcionarios.png", QColor(0x45, 0x5A, 0x64), [](QPainter& p) {
        p.drawRoundedRect(QRectF(20, 22, 60, 56), 6, 6);
        person(p, QPointF(40, 40), 0.9);
        p.drawLine(QPointF(56, 40), QPointF(70, 40));
        p.drawLine(QPointF(56, 52), QPointF(70, 52));
    });
    icon("folha.png", QColor(0x79, 0x55, 0x48), [](QPainter& p) {
        sheet(p, QRectF(26, 16, 48, 68));
        for (int y = 34; y <= 70; y += 12)
            p.drawLine(QPointF(34, y), QPointF(66, y));
    });
    icon("agendamento.png", QColor(0x00, 0x89, 0x7B), [](QPainter& p) {
        p.drawRoundedRect(QRectF(18, 24, 64, 56), 6, 6);
        p.drawLine(QPointF(18, 40), QPointF(82, 40));
        p.drawLine(QPointF(34, 16), QPointF(34, 30));
        p.drawLine(QPointF(66, 16), QPointF(66, 30));
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i)
            p.drawRect(QRectF(28 + (i % 3) * 16, 48 + (i / 3) * 14, 9, 8));
    });
    icon("administracao.png", QColor(0x5C, 0x6B, 0xC0), [](QPainter& p) {
        QPainterPath gear;
        const int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            const double a = i * M_PI / teeth;
            const double r = (i % 2 == 0) ? 32 : 24;
            const QPointF a1(50 + r * std::cos(a - 0.18), 50 + r * std::sin(a - 0.18));
            const QPointF a2(50 + r * std::cos(a + 0.18), 50 + r * std::sin(a + 0.18));
            i == 0 ? gear.moveTo(a1) : gear.lineTo(a1);
            gear.lineTo(a2);
        }
        gear.closeSubpath();
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        gear.addEllipse(QPointF(50, 50), 10, 10);
        gear.setFillRule(Qt::OddEvenFill);
        p.drawPath(gear);
    });
    icon("vida_escolar.png", QColor(0x1F, 0x5F, 0xA8), [](QPainter& p) {
        QPainterPath book;
        book.moveTo(50, 30);
        book.cubicTo(40, 22, 26, 22, 16, 26);
        book.lineTo(16, 74);
        book.cubicTo(26, 70, 40, 70, 50, 78);
        book.cubicTo(60, 70, 74, 70, 84, 74);
        book.lineTo(84, 26);
        book.cubicTo(74, 22, 60, 22, 50, 30);
        book.lineTo(50, 78);
        p.drawPath(book);
    });
    icon("rh.png", QColor(0x8E, 0x24, 0xAA), [](QPainter& p) {
        person(p, QPointF(32, 36), 0.9);
        person(p, QPointF(68, 36), 0.9);
        person(p, QPointF(50, 50), 1.1);
    });
}

// Small pictures for the login form's buttons.
void buttonIcon(const char* name, QColor colour, const std::function<void(QPainter&)>& glyph)
{
    QImage image = canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(2, 2, 44, 44));
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    glyph(p);
    p.end();
    save(image, name);
}

void drawButtonIcons()
{
    buttonIcon("btn_acessar.png", QColor(0x2E, 0x7D, 0x32), [](QPainter& p) {
        p.drawLine(QPointF(13, 25), QPointF(21, 33));
        p.drawLine(QPointF(21, 33), QPointF(35, 15));
    });
    buttonIcon("btn_sair.png", QColor(0xC6, 0x28, 0x28), [](QPainter& p) {
        p.drawLine(QPointF(15, 15), QPointF(33, 33));
        p.drawLine(QPointF(33, 15), QPointF(15, 33));
    });
    buttonIcon("btn_atualizar.png", QColor(0x15, 0x65, 0xC0), [](QPainter& p) {
        p.drawArc(QRectF(12, 12, 24, 24), 30 * 16, 280 * 16);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(35, 8), QPointF(38, 22), QPointF(25, 18)}));
    });
}

// The municipality's coat of arms: a shield quartered in blue and green with a gold star,
// a white open book at its heart and a red ribbon below.
void drawCoatOfArms(QPainter& p, QRectF box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 160.0, box.height() / 190.0);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(20, 20);
    shield.lineTo(140, 20);
    shield.lineTo(140, 90);
    shield.cubicTo(140, 130, 110, 150, 80, 165);
    shield.cubicTo(50, 150, 20, 130, 20, 90);
    shield.closeSubpath();
    p.setClipPath(shield);
    p.fillRect(QRectF(0, 0, 80, 90), QColor(0x1F, 0x4E, 0x9A));
    p.fillRect(QRectF(80, 0, 80, 90), QColor(0x2E, 0x8B, 0x3E));
    p.fillRect(QRectF(0, 90, 80, 100), QColor(0x2E, 0x8B, 0x3E));
    p.fillRect(QRectF(80, 90, 80, 100), QColor(0x1F, 0x4E, 0x9A));
    p.setClipping(false);
    p.setPen(QPen(QColor(0xE0, 0xB0, 0x20), 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shield);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? 16 : 7;
        star << QPointF(80 + r * std::cos(a), 48 + r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xC2, 0x30));
    p.drawPolygon(star);
    p.setBrush(Qt::white);
    QPainterPath book;
    book.moveTo(80, 92);
    book.cubicTo(70, 84, 56, 84, 48, 88);
    book.lineTo(48, 120);
    book.cubicTo(56, 116, 70, 116, 80, 124);
    book.cubicTo(90, 116, 104, 116, 112, 120);
    book.lineTo(112, 88);
    book.cubicTo(104, 84, 90, 84, 80, 92);
    p.drawPath(book);
    p.setPen(QPen(QColor(0x1F, 0x4E, 0x9A), 2));
    p.drawLine(QPointF(80, 92), QPointF(80, 124));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB7, 0x1C, 0x1C));
    QPainterPath ribbon;
    ribbon.moveTo(8, 160);
    ribbon.cubicTo(50, 175, 110, 175, 152, 160);
    ribbon.lineTo(152, 180);
    ribbon.cubicTo(110, 195, 50, 195, 8, 180);
    ribbon.closeSubpath();
    p.drawPath(ribbon);
    p.setPen(Qt::white);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(8, 164, 144, 20), Qt::AlignCenter, QStringLiteral("CORMAVI"));
    p.restore();
}

// The department's emblem: a ring with "SME" and a pencil.
void drawEmblem(QPainter& p, QPointF centre, double radius, QColor ink)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, radius / 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.drawEllipse(centre, radius * 0.78, radius * 0.78);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(radius * 0.5));
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius * 0.55, 2 * radius, radius * 0.8),
               Qt::AlignCenter, QStringLiteral("SME"));
    p.setPen(QPen(ink, radius / 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-radius * 0.4, radius * 0.45), centre + QPointF(radius * 0.4, radius * 0.3));
    p.restore();
}

void drawPictures()
{
    QImage arms = canvas(160, 190);
    {
        QPainter p(&arms);
        drawCoatOfArms(p, QRectF(0, 0, 160, 190));
    }
    save(arms, "brasao.png");

    QImage emblem = canvas(120, 120);
    {
        QPainter p(&emblem);
        drawEmblem(p, QPointF(60, 60), 54, QColor(0x1F, 0x4E, 0x9A));
    }
    save(emblem, "emblema.png");

    QImage login(310, 283, QImage::Format_RGB32);
    {
        QPainter p(&login);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 310, 283);
        sky.setColorAt(0, QColor(0x0D, 0x3B, 0x66));
        sky.setColorAt(1, QColor(0x2C, 0x7D, 0xA0));
        p.fillRect(login.rect(), sky);
        drawEmblem(p, QPointF(155, 125), 62, QColor(255, 255, 255, 220));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 196, 310, 22), Qt::AlignCenter,
                   QStringLiteral("Secretaria Municipal de Educação"));
    }
    save(login, "fundo_login.png");

    QImage menu(960, 540, QImage::Format_RGB32);
    {
        QPainter p(&menu);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient glow(480, 250, 620);
        glow.setColorAt(0, QColor(0xF4, 0xF8, 0xFB));
        glow.setColorAt(1, QColor(0x9C, 0xB8, 0xD2));
        p.fillRect(menu.rect(), glow);
        drawCoatOfArms(p, QRectF(400, 110, 160, 190));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(30);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x1F, 0x3B, 0x5C));
        p.drawText(QRectF(0, 320, 960, 44), Qt::AlignCenter,
                   QStringLiteral("SECRETARIA MUNICIPAL DE EDUCAÇÃO"));
        font.setPixelSize(18);
        font.setBold(false);
        p.setFont(font);
        p.drawText(QRectF(0, 366, 960, 30), Qt::AlignCenter,
                   QStringLiteral("Prefeitura Municipal de Cormavi"));
    }
    save(menu, "fundo_menu.png");

    QImage sector(960, 480, QImage::Format_RGB32);
    {
        QPainter p(&sector);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient wash(0, 0, 0, 480);
        wash.setColorAt(0, QColor(0xE3, 0xEC, 0xF5));
        wash.setColorAt(1, QColor(0xB8, 0xCC, 0xE0));
        p.fillRect(sector.rect(), wash);
        p.setPen(QPen(QColor(255, 255, 255, 90), 2));
        for (int x = -480; x < 960; x += 48)
            p.drawLine(QPointF(x, 480), QPointF(x + 480, 0));
        p.setOpacity(0.35);
        drawEmblem(p, QPointF(480, 240), 120, QColor(0x1F, 0x4E, 0x9A));
    }
    save(sector, "fundo_setor.png");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    g_dir = QString::fromLocal8Bit(argv[1]);
    drawIcons();
    drawButtonIcons();
    drawPictures();
    return 0;
}
