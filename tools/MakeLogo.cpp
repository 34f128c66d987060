// Draws the demo program's logo, a 223 x 134 picture: a printer with a sheet coming out of it
// and the library's name.
//   MakeLogo OUT.png
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) return 2;
  QImage image(223, 134, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // The sheet, with lines of text on it.
  p.setPen(QPen(QColor(40, 60, 110), 1.5));
  p.setBrush(QColor(250, 250, 245));
  p.drawRect(QRectF(28, 8, 58, 70));
  p.setPen(QPen(QColor(120, 130, 150), 2));
  for (int y = 18; y <= 48; y += 7) p.drawLine(QPointF(35, y), QPointF(y % 2 ? 70 : 78, y));

  // The printer.
  QLinearGradient body(0, 50, 0, 110);
  body.setColorAt(0, QColor(70, 100, 170));
  body.setColorAt(1, QColor(25, 45, 100));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  QPainterPath shape;
  shape.addRoundedRect(QRectF(8, 50, 98, 52), 8, 8);
  p.drawPath(shape);
  p.setBrush(QColor(15, 25, 60));
  p.drawRect(QRectF(24, 58, 66, 6));
  p.setBrush(QColor(250, 250, 245));
  p.drawRect(QRectF(26, 84, 62, 30));
  p.setBrush(QColor(120, 220, 120));
  p.drawEllipse(QPointF(94, 92), 3.5, 3.5);

  // The name and the line under it.
  QFont name("DejaVu Sans", 20, QFont::Bold);
  p.setFont(name);
  p.setPen(QColor(25, 45, 100));
  p.drawText(QRectF(108, 34, 115, 34), Qt::AlignLeft | Qt::AlignVCenter, "Qor");
  p.setPen(QColor(200, 60, 40));
  p.drawText(QRectF(108, 62, 115, 34), Qt::AlignLeft | Qt::AlignVCenter, "Print");
  p.setPen(QPen(QColor(25, 45, 100), 2));
  p.drawLine(QPointF(8, 124), QPointF(215, 124));
  p.end();
  return image.save(argv[1]) ? 0 : 1;
}
