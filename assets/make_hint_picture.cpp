// Draws hint.png: a browser address bar holding a song-page link, with a red
// arrow at the song number and a red caption naming it the music ID.
// Build the target make_hint_picture and run it with the output path.

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  QImage image(418, 84, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // The address bar.
  p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
  p.setBrush(QColor(0xF1, 0xF3, 0xF4));
  p.drawRoundedRect(QRectF(1.5, 2.5, 415, 28), 14, 14);
  p.setPen(QPen(QColor(0x5F, 0x63, 0x68), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(14, 12, 9, 8), 1.5, 1.5);  // padlock body
  p.drawArc(QRectF(15.5, 7, 6, 9), 0, 180 * 16);      // padlock shackle

  QFont font(QStringLiteral("WenQuanYi Micro Hei"));
  font.setPixelSize(15);
  p.setFont(font);
  const QString prefix = QStringLiteral("https://www.kuwo.cn/play_detail/");
  const QString number = QStringLiteral("215257");
  QFontMetrics metrics(font);
  const int textX = 32, baseline = 22;
  p.setPen(QColor(0x20, 0x21, 0x24));
  p.drawText(textX, baseline, prefix);
  const int numberX = textX + metrics.horizontalAdvance(prefix);
  const int numberWidth = metrics.horizontalAdvance(number);
  const QColor red(0xE0, 0x1B, 0x1B);
  p.setPen(red);
  p.drawText(numberX, baseline, number);
  p.setPen(QPen(red, 1.5));
  p.drawLine(numberX, baseline + 4, numberX + numberWidth, baseline + 4);  // underline the ID

  // The arrow: from the caption up to the number.
  const double tipX = numberX + numberWidth / 2.0, tipY = 32;
  p.setPen(QPen(red, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(tipX, 62), QPointF(tipX, tipY + 8));
  QPainterPath head;
  head.moveTo(tipX, tipY);
  head.lineTo(tipX - 7, tipY + 11);
  head.lineTo(tipX + 7, tipY + 11);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(red);
  p.drawPath(head);

  // The caption, ending at the arrow's foot.
  QFont captionFont = font;
  captionFont.setPixelSize(16);
  captionFont.setBold(true);
  p.setFont(captionFont);
  p.setPen(red);
  const QString caption = QStringLiteral("这串数字就是音乐ID");
  const int captionWidth = QFontMetrics(captionFont).horizontalAdvance(caption);
  p.drawText(QPointF(tipX - captionWidth - 10, 78), caption);
  p.drawLine(QPointF(tipX - 10, 73), QPointF(tipX, 73));
  p.drawLine(QPointF(tipX, 73), QPointF(tipX, 62));
  p.end();
  return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
