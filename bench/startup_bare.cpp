// The baseline: a bare Qt window of the same size with the same widgets.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(459, 326);
  new QLineEdit(&window);
  new QLineEdit(&window);
  for (int i = 0; i < 4; ++i) new QPushButton(QStringLiteral("按钮"), &window);
  for (int i = 0; i < 3; ++i) new QLabel(QStringLiteral("标签"), &window);
  auto* picture = new QLabel(&window);
  QImage image(418, 84, QImage::Format_RGBA8888);
  image.fill(Qt::white);
  picture->setPixmap(QPixmap::fromImage(image));
  auto* slider = new QSlider(Qt::Horizontal, &window);
  slider->setTickPosition(QSlider::TicksBelow);
  QTimer timer;
  timer.start(1000);
  window.show();
  QApplication::processEvents();
  return 0;
}
