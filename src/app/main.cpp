// Velmora: paste a song ID or song-page link, get the direct audio address.

#include <QApplication>
#include <cstdlib>

#include "app/exit_cleanup.h"
#include "app/gst_media_player.h"
#include "app/main_window.h"
#include "sys/system_globals.h"

int main(int argc, char** argv) {
  // Floating point runs without traps here by default, which the progress
  // arithmetic relies on: a zero length gives an infinity, never a fault.
  QApplication app(argc, argv);
  std::atexit(velmora::ExitCleanup);
  velmora::InitSystemGlobals();

  velmora::GstMediaPlayer player;
  velmora::MainWindow window(
      {velmora::Text(VELMORA_SERVICE_HOST), velmora::Text(VELMORA_UPDATE_URL)}, player);
  window.show();
  app.exec();
  return 0;
}
