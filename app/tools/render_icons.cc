// Renders the button pictures from their SVG sources into PNG files at build time, so that
// the program decodes small bitmaps at start-up instead of parsing and drawing SVG.
//   render_icons SOURCE.svg OUTPUT.png SIZE
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: render_icons SOURCE.svg OUTPUT.png SIZE\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int size = std::atoi(argv[3]);
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid() || size <= 0) {
    std::fprintf(stderr, "render_icons: cannot render %s\n", argv[1]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "render_icons: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
