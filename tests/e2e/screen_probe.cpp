// The eyes of the end-to-end run: grabs what the X screen shows into a PNG image and tells the
// colour of chosen pixels, so that the run can check what a person would see.
//
//   screen_probe grab FILE.png               saves the whole screen
//   screen_probe pixels FILE.png X,Y ...     prints RRGGBB of each pixel of the image, one a line
//   screen_probe dark FILE.png               prints how many pixels of the image are dark (ink)
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const char *message)
{
    std::fprintf(stderr, "screen_probe: %s\n", message);
    return 2;
}

QString hexColour(QRgb rgb)
{
    return QStringLiteral("%1").arg(rgb & 0xFFFFFFU, 6, 16, QLatin1Char('0')).toUpper();
}

int grab(const QString &file)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return fail("no screen");
    return screen->grabWindow(0).save(file, "PNG") ? 0 : fail("cannot save the image");
}

int pixels(const QImage &image, const QStringList &points)
{
    for (const QString &point : points) {
        const QStringList xy = point.split(QLatin1Char(','));
        bool xOk = false;
        bool yOk = false;
        const int x = xy.value(0).toInt(&xOk);
        const int y = xy.value(1).toInt(&yOk);
        if (xy.size() != 2 || !xOk || !yOk || !image.valid(x, y))
            return fail("a point is not X,Y inside the image");
        std::printf("%s\n", qPrintable(hexColour(image.pixel(x, y))));
    }
    return 0;
}

int dark(const QImage &image)
{
    long long found = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            found += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
    }
    std::printf("%lld\n", found);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = [&] {
        QStringList all;
        for (int i = 1; i < argc; ++i)
            all << QString::fromLocal8Bit(argv[i]);
        return all;
    }();
    if (arguments.size() < 2)
        return fail("usage: screen_probe grab|pixels|dark FILE.png ...");
    const QString &command = arguments[0];
    const QString &file = arguments[1];

    // Reading an image needs no display; grabbing one needs the X screen.
    if (command != QLatin1String("grab"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    if (command == QLatin1String("grab"))
        return grab(file);
    const QImage image(file);
    if (image.isNull())
        return fail("cannot read the image");
    if (command == QLatin1String("pixels"))
        return pixels(image, arguments.mid(2));
    if (command == QLatin1String("dark"))
        return dark(image);
    return fail("usage: screen_probe grab|pixels|dark FILE.png ...");
}
