// Velmora's start-up up to the shown window, then exit: the measured side.

#include <QApplication>
#include <QSignalBlocker>

#include "app/gst_media_player.h"
#include "app/main_window.h"
#include "sys/system_globals.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::InitSystemGlobals();
  velmora::GstMediaPlayer player;
  velmora::MainWindow window({velmora::Text("www.kuwo.cn"), velmora::Text()}, player);
  // The update check runs once the window is up, so it is not start-up;
  // blocking the created signal leaves it out.
  QSignalBlocker noUpdateCheck(&window);
  window.show();
  QApplication::processEvents();
  return 0;
}
