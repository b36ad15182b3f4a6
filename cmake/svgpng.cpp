// Build tool: renders one SVG drawing of the program's images to a PNG of the size
// the drawing declares (or the size given), with the shared style sheet inserted
// first so that every drawing takes its colours and strokes from one place.
//   tavrex-svgpng STYLE.css DRAWING.svg OUT.png [WIDTH HEIGHT]

#include <cstdio>

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QByteArray lire(const char* chemin, bool& ok)
{
    QFile f(QString::fromLocal8Bit(chemin));
    ok = f.open(QIODevice::ReadOnly);
    return ok ? f.readAll() : QByteArray();
}

int echec(const char* quoi, const char* chemin)
{
    std::fprintf(stderr, "tavrex-svgpng: %s %s\n", quoi, chemin);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 6) {
        std::fprintf(stderr, "usage: tavrex-svgpng STYLE.css DRAWING.svg OUT.png [WIDTH HEIGHT]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bool ok = false;
    const QByteArray style = lire(argv[1], ok);
    if (!ok)
        return echec("cannot read", argv[1]);
    QByteArray svg = lire(argv[2], ok);
    if (!ok)
        return echec("cannot read", argv[2]);
    // The style goes right after the opening <svg ...> tag.
    const int debut = svg.indexOf("<svg");
    const int fin = debut < 0 ? -1 : svg.indexOf('>', debut);
    if (fin < 0)
        return echec("no <svg> element in", argv[2]);
    svg.insert(fin + 1, "<style type=\"text/css\">" + style + "</style>");

    QSvgRenderer rendu(svg);
    if (!rendu.isValid())
        return echec("invalid drawing", argv[2]);
    QSize taille = rendu.defaultSize();
    if (argc == 6)
        taille = QSize(QByteArray(argv[4]).toInt(), QByteArray(argv[5]).toInt());
    if (taille.isEmpty())
        return echec("no size for", argv[2]);
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    rendu.render(&p);
    p.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG"))
        return echec("cannot write", argv[3]);
    return 0;
}
