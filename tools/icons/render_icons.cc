// Renders a picture from its SVG source at build time into raw pixels: SIZE x SIZE,
// premultiplied RGBA, one byte a channel, rows top to bottom. The program turns these
// straight into pixmaps, so start-up neither parses SVG nor decodes an image format (and so
// never asks the image plugins which of them can read a file).
//   render_icons SOURCE.svg OUTPUT.rgba SIZE
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: render_icons SOURCE.svg OUTPUT.rgba SIZE\n", stderr);
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
  QImage image(size, size, QImage::Format_RGBA8888_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  QFile output(QString::fromLocal8Bit(argv[2]));
  bool written = output.open(QIODevice::WriteOnly);
  for (int y = 0; written && y < size; ++y) {
    const auto* row = reinterpret_cast<const char*>(image.constScanLine(y));
    written = output.write(row, qint64{size} * 4) == qint64{size} * 4;
  }
  if (!written || !output.flush()) {
    std::fprintf(stderr, "render_icons: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
