#pragma once
// The one main window: thirteen controls at fixed places, bound to the
// handlers. Everything runs on the window's thread.

#include <QWidget>

#include "app/media_player.h"
#include "app/window_view.h"
#include "update/update_ui.h"

class QLabel;
class QLineEdit;
class QSlider;
class QTimer;

namespace velmora {

struct AppConfig {
  Text serviceHost;  // the music service's web host
  Text updateUrl;    // the published-version page
};

class MainWindow : public QWidget, public WindowView, public UpdateUi {
  Q_OBJECT

 public:
  static constexpr int kOuterWidth = 459;
  static constexpr int kOuterHeight = 326;

  MainWindow(AppConfig config, MediaPlayer& player);

  Text InputText() const override;
  Text OutputText() const override;
  void SetOutputText(const Text& text) override;
  int SliderPosition() const override;
  void SetSliderPosition(int position) override;
  void SetTimeCaption(const Text& caption) override;
  void ShowNotice(const Text& message) override;
  void ShellOpen(const Text& address) override;

  void ShowUpdateNotice(const Text& message) override;
  [[noreturn]] void ExitProgram() override;

 signals:
  // Raised once the window and its controls exist and it has been shown.
  void created();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void CreateControls();
  void BindEvents();
  void FitFrameToOuterSize();

  AppConfig config_;
  MediaPlayer& player_;
  bool createdRaised_ = false;
  bool painted_ = false;
  QLineEdit* input_ = nullptr;
  QLineEdit* output_ = nullptr;
  QSlider* slider_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace velmora
