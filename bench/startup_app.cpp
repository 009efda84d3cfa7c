// Velmora's start-up up to the shown window, then exit: the measured side.

#include <QApplication>

#include "app/gst_media_player.h"
#include "app/main_window.h"
#include "sys/system_globals.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::InitSystemGlobals();
  velmora::GstMediaPlayer player;
  velmora::MainWindow window({velmora::Text("www.kuwo.cn"), velmora::Text()}, player);
  window.show();
  QApplication::processEvents();
  return 0;
}
