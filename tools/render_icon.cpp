// Renders the program icon for installation: render_icon <icon> <png-32> <png-256> <ico>.
// The large rendering scales each icon pixel to an 8x8 block, so menus show it sharp.
#include <QCoreApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv); // finds the image format plugins (ICO)
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_icon <icon> <png-32> <png-256> <ico>\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || icon.size() != QSize(32, 32)) {
        std::fprintf(stderr, "render_icon: %s is not a 32x32 icon\n", argv[1]);
        return 1;
    }
    const QImage large = icon.scaled(256, 256, Qt::KeepAspectRatio, Qt::FastTransformation);
    const bool written = icon.save(QString::fromLocal8Bit(argv[2]), "png") &&
                         large.save(QString::fromLocal8Bit(argv[3]), "png") &&
                         icon.save(QString::fromLocal8Bit(argv[4]), "ico");
    return written ? 0 : 1;
}
