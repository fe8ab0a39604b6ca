// What `make bench` reads a returned card against: a card of pictures made here (a few distinct
// pictures, hard-linked many times over, as a camera's DCIM folders hold them), and the floor,
// a program that does no more than open each file and read its first 64 KiB.
//   bench_card make DIR COUNT   a card in DIR with a camera menu and COUNT pictures
//   bench_card floor DIR        opens every file below DIR and reads its first 64 KiB
#include "support/test_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

using namespace kestrova;

// Distinct pictures, one a day; the rest are links to them.
constexpr int distinct = 40;
// Pictures to a folder, as cameras number them.
constexpr int perFolder = 5000;

int make(const QString& card, int count) {
    if (!test::writeTimeLapseMenu(card, 1, 1))
        return 1;
    // Pictures the size a camera writes: a detailed scene compresses poorly.
    QStringList sources;
    QRandomGenerator random(7);
    for (int n = 0; n < distinct; ++n) {
        test::PictureTags tags;
        tags.taken = QDateTime(QDate(2026, 5, 4).addDays(n), QTime(12, 30, 0));
        tags.width = 1280;
        tags.height = 960;
        QByteArray jpeg = test::jpegPicture(tags, {false, false, true, 0});
        // Noise in place of the picture's data, to a camera's size.
        QByteArray noise(900000, '\0');
        for (char& byte : noise)
            byte = static_cast<char>(random.bounded(0xFF));
        jpeg.insert(jpeg.size() - 2, noise);
        const QString path = QDir(card).filePath(QStringLiteral("source-%1.jpg").arg(n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) < 0)
            return 1;
        sources << path;
    }
    for (int n = 0; n < count; ++n) {
        const QString folder =
            QDir(card).filePath(QStringLiteral("DCIM/%1MEDIA").arg(100 + n / perFolder));
        QDir().mkpath(folder);
        const QString name = QDir(folder).filePath(
            QStringLiteral("IMG_%1.JPG").arg(n % perFolder + 1, 4, 10, QLatin1Char('0')));
        if (::link(QFile::encodeName(sources[n % distinct]).constData(),
                   QFile::encodeName(name).constData()) != 0)
            return 1;
    }
    for (const QString& source : std::as_const(sources))
        QFile::remove(source);
    return 0;
}

long floorRead(const std::string& folder) {
    long files = 0;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    static char buffer[64 * 1024];
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + '/' + name;
        if (entry->d_type == DT_DIR) {
            files += floorRead(path);
            continue;
        }
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0)
            continue;
        if (::read(fd, buffer, sizeof buffer) >= 0)
            ++files;
        ::close(fd);
    }
    ::closedir(dir);
    return files;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "make")
        return make(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    if (argc == 3 && std::string(argv[1]) == "floor") {
        std::printf("%ld\n", floorRead(argv[2]));
        return 0;
    }
    std::fprintf(stderr, "usage: bench_card make DIR COUNT | floor DIR\n");
    return 2;
}
