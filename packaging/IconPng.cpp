// Writes the window icon as the icon theme's PNG files, one per size:
// <folder>/<N>x<N>/apps/velmora.png. Usage: velmora_icon_png <icon> <folder> <size>...

#include <QDir>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <icon> <folder> <size>...\n", argv[0]);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        // The icon is pixel art: whole multiples keep its pixels sharp, other
        // sizes are smoothed rather than unevenly repeated.
        const auto mode = size % icon.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (size <= 0 || !QDir().mkpath(folder)
            || !icon.scaled(size, size, Qt::IgnoreAspectRatio, mode).save(folder + QStringLiteral("/velmora.png"))) {
            std::fprintf(stderr, "%s: cannot write the %s pixel icon\n", argv[0], argv[i]);
            return 1;
        }
    }
    return 0;
}
