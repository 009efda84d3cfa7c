#pragma once
// The window's message boxes, behind one wrapper so that tests can answer
// them: in recording mode a box is noted and closed at once, never shown.

#include <QMessageBox>
#include <QString>
#include <vector>

#include "text/text.h"

namespace velmora {

struct ShownMessage {
  QWidget* owner;
  QString text;
  QString caption;
  QMessageBox::Icon icon;
  Qt::WindowModality modality;
};

class MessageBox {
 public:
  // A task-modal box with the caption "信息：" and the OK button only.
  static void Show(QWidget* owner, const Text& text, QMessageBox::Icon icon);

  static void SetRecording(bool recording);
  static std::vector<ShownMessage> TakeRecorded();
};

}  // namespace velmora
