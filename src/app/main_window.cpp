#include "app/main_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "app/browser_buttons.h"
#include "app/captions.h"
#include "app/hint_picture.h"
#include "app/link_resolution.h"
#include "app/message_box.h"
#include "app/playback.h"
#include "app/png_image.h"
#include "app/qt_text.h"
#include "http/process_events.h"
#include "sys/shell_open.h"
#include "update/update_check.h"

namespace velmora {
namespace {

// The controls must fit wholly inside the client area: the picture box ends
// at 448 and the time label at 288.
constexpr int kMinClientWidth = 448;
constexpr int kMinClientHeight = 288;

template <typename Control>
Control* Place(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* control = new Control(parent);
  control->setObjectName(QString::fromUtf8(name));
  control->setGeometry(left, top, width, height);
  return control;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const Text& caption, int left, int top,
                         int width, int height) {
  auto* button = Place<QPushButton>(parent, name, left, top, width, height);
  button->setText(ToQString(caption));
  button->setAutoDefault(false);  // Enter has no special meaning
  return button;
}

QPixmap HintPixmap() {
  RgbaImage image = DecodePng(HintPicturePng());
  QImage view(image.pixels.data(), image.width, image.height, QImage::Format_RGBA8888);
  return QPixmap::fromImage(view.copy());
}

}  // namespace

MainWindow::MainWindow(AppConfig config, MediaPlayer& player)
    : config_(std::move(config)), player_(player) {
  setWindowTitle(QStringLiteral("Velmora"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kOuterWidth, kOuterHeight);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect whole = screen->geometry();
    move(whole.x() + (whole.width() - kOuterWidth) / 2,
         whole.y() + (whole.height() - kOuterHeight) / 2);
  }
  CreateControls();
  BindEvents();
  // While a request works through its answer, the window keeps handling
  // events: the timer ticks and a second click can nest.
  SetProcessEventsHook([] { QCoreApplication::processEvents(); });
}

void MainWindow::CreateControls() {
  input_ = Place<QLineEdit>(this, "编辑框1", 8, 8, 432, 32);
  input_->setText(ToQString(Text("https://") + config_.serviceHost + Text("/play_detail/215257")));
  auto* homePage = PlaceButton(this, "按钮4", captions::HomePageButton(), 224, 40, 96, 32);
  auto* parse = PlaceButton(this, "按钮1", captions::ParseButton(), 320, 40, 120, 32);
  auto* inputLabel = Place<QLabel>(this, "标签1", 8, 48, 208, 16);
  inputLabel->setText(ToQString(captions::InputLabel()));
  inputLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  auto* picture = Place<QLabel>(this, "图片框1", 8, 72, 440, 88);
  picture->setPixmap(HintPixmap());
  picture->setScaledContents(true);

  output_ = Place<QLineEdit>(this, "编辑框2", 8, 160, 432, 40);
  auto* outputLabel = Place<QLabel>(this, "标签3", 8, 200, 208, 24);
  outputLabel->setText(ToQString(captions::OutputLabel()));
  outputLabel->setWordWrap(true);
  // Two lines must fit its 24 pixels, which the default font overfills.
  QFont compact = outputLabel->font();
  compact.setPixelSize(10);
  outputLabel->setFont(compact);
  outputLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* play = PlaceButton(this, "按钮2", captions::PlayButton(), 224, 200, 112, 40);
  auto* browser = PlaceButton(this, "按钮3", captions::BrowserButton(), 336, 200, 104, 40);

  slider_ = Place<QSlider>(this, "滑块条1", 8, 256, 280, 24);
  slider_->setOrientation(Qt::Horizontal);
  slider_->setRange(1, 100);
  slider_->setValue(1);
  slider_->setPageStep(5);
  slider_->setSingleStep(1);
  slider_->setTickPosition(QSlider::TicksBelow);
  slider_->setTickInterval(1);
  slider_->setFocusPolicy(Qt::ClickFocus);  // Tab passes it by

  timeLabel_ = Place<QLabel>(this, "标签2", 296, 256, 144, 32);
  timeLabel_->setText(ToQString(captions::TimeLabel()));
  timeLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("时钟1"));
  timer_->setInterval(1000);

  setTabOrder(input_, homePage);
  setTabOrder(homePage, parse);
  setTabOrder(parse, output_);
  setTabOrder(output_, play);
  setTabOrder(play, browser);

  connect(parse, &QPushButton::clicked, this,
          [this] { ResolveMusicLink(*this, config_.serviceHost); });
  connect(play, &QPushButton::clicked, this, [this] { PlayOnline(*this, player_); });
  connect(browser, &QPushButton::clicked, this, [this] { OpenAddressInBrowser(*this); });
  connect(homePage, &QPushButton::clicked, this,
          [this] { OpenServiceHomePage(*this, config_.serviceHost); });
}

void MainWindow::BindEvents() {
  connect(timer_, &QTimer::timeout, this, [this] { UpdateProgress(*this, player_); });
  timer_->start();

  // Only the user's moves seek: actionTriggered covers drag steps, clicks on
  // the track and keys, sliderReleased the release of the thumb. Positions
  // written by code raise neither.
  connect(slider_, &QSlider::actionTriggered, this, [this](int action) {
    if (action != QAbstractSlider::SliderNoAction) SeekToSlider(*this, player_);
  });
  connect(slider_, &QSlider::sliderReleased, this, [this] { SeekToSlider(*this, player_); });

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  connect(this, &MainWindow::created, this, [this] { CheckForUpdate(config_.updateUrl, *this); });
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (createdRaised_) return;
  createdRaised_ = true;
  // Queued, so the window is drawn before the update check blocks the thread.
  QTimer::singleShot(0, this, [this] {
    FitFrameToOuterSize();
    if (!painted_) repaint();
    emit created();
  });
}

void MainWindow::paintEvent(QPaintEvent* event) {
  painted_ = true;
  QWidget::paintEvent(event);
}

// A window manager's frame makes the outer size: shrink the client area by
// it, never below what the controls need.
void MainWindow::FitFrameToOuterSize() {
  QSize frame = frameGeometry().size() - geometry().size();
  if (frame.isEmpty()) return;
  setFixedSize(std::max(kMinClientWidth, kOuterWidth - frame.width()),
               std::max(kMinClientHeight, kOuterHeight - frame.height()));
}

Text MainWindow::InputText() const { return FromQString(input_->text()); }
Text MainWindow::OutputText() const { return FromQString(output_->text()); }
void MainWindow::SetOutputText(const Text& text) { output_->setText(ToQString(text)); }
int MainWindow::SliderPosition() const { return slider_->sliderPosition(); }
void MainWindow::SetSliderPosition(int position) { slider_->setValue(position); }
void MainWindow::SetTimeCaption(const Text& caption) { timeLabel_->setText(ToQString(caption)); }
void MainWindow::ShowNotice(const Text& message) {
  MessageBox::Show(nullptr, message, QMessageBox::NoIcon);
}
void MainWindow::ShellOpen(const Text& address) { velmora::ShellOpen(address); }

void MainWindow::ShowUpdateNotice(const Text& message) {
  MessageBox::Show(this, message, QMessageBox::Information);
}

void MainWindow::ExitProgram() { std::exit(0); }  // the registered exit clean-up runs

}  // namespace velmora
