#include "app/message_box.h"

#include <utility>

#include "app/captions.h"
#include "app/qt_text.h"

namespace velmora {
namespace {

bool recording = false;
std::vector<ShownMessage> recorded;

}  // namespace

void MessageBox::Show(QWidget* owner, const Text& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, ToQString(captions::MessageCaption()), ToQString(text), QMessageBox::Ok,
                  owner);
  // Without an owner the box still blocks every window of the program.
  box.setWindowModality(Qt::ApplicationModal);
  if (recording) {
    recorded.push_back({owner, box.text(), box.windowTitle(), box.icon(), box.windowModality()});
    return;
  }
  box.exec();
}

void MessageBox::SetRecording(bool on) { recording = on; }

std::vector<ShownMessage> MessageBox::TakeRecorded() { return std::exchange(recorded, {}); }

}  // namespace velmora
