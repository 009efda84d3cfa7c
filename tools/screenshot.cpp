// Saves a picture of the real main window: screenshot <output.png>.
// Run offscreen (QT_QPA_PLATFORM=offscreen); scripts/screenshot.sh does.

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include "app/gst_media_player.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  velmora::GstMediaPlayer player;
  // An empty update address fails at once, so the check stays silent.
  velmora::MainWindow window({velmora::Text("www.kuwo.cn"), velmora::Text()}, player);
  window.show();
  bool saved = false;
  // After the first timer tick, so the time read-out shows.
  QTimer::singleShot(1500, &window, [&] {
    saved = window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
    app.quit();
  });
  app.exec();
  return saved ? 0 : 1;
}
