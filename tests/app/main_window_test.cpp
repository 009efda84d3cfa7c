#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "app/message_box.h"
#include "app/qt_text.h"
#include "loopback_server.h"
#include "recording_opener.h"
#include "text/charset.h"

namespace velmora {
namespace {

using test::LoopbackServer;
using test::RecordingOpener;

// Processes events until pred holds or ms pass.
bool WaitUntil(const std::function<bool()>& pred, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!pred()) {
    if (clock.elapsed() > ms) return false;
    QTest::qWait(20);
  }
  return true;
}

class RecordingPlayer : public MediaPlayer {
 public:
  bool MediaOpen(const Text& address) override {
    opened.push_back(address);
    return true;
  }
  bool MediaPlay(int fromMs) override {
    plays.push_back(fromMs);
    return true;
  }
  int MediaLengthMs() override { return 200000; }
  int MediaPosition() override { return -1; }
  std::vector<Text> opened;
  std::vector<int> plays;
};

// Where the style draws a part of the slider, in the slider's coordinates.
QRect SliderPart(QSlider* slider, QStyle::SubControl part) {
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = option.sliderValue = slider->value();
  option.tickPosition = slider->tickPosition();
  option.tickInterval = slider->tickInterval();
  return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MessageBox::SetRecording(true);
    MessageBox::TakeRecorded();
  }

  // A window whose update page is a closed loopback port: the check fails fast.
  std::unique_ptr<MainWindow> Open(const Text& serviceHost = Text("www.kuwo.cn"),
                                   const Text& updateUrl = Text()) {
    Text update = updateUrl.empty()
                      ? Text("http://127.0.0.1:" + std::to_string(test::FreeLoopbackPort()) + "/v")
                      : updateUrl;
    auto window = std::make_unique<MainWindow>(AppConfig{serviceHost, update}, player_);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
  }

  template <typename T>
  static T* Find(MainWindow& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  RecordingPlayer player_;
};

TEST_F(MainWindowTest, WindowHasItsCaptionSizeAndFixedFrame) {
  auto window = Open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora"));
  EXPECT_EQ(window->frameGeometry().size(), QSize(459, 326));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window->frameGeometry().topLeft(),
            QPoint((screen.width() - 459) / 2, (screen.height() - 326) / 2));
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(window->rect().contains(child->geometry())) << child->objectName().toStdString();
}

TEST_F(MainWindowTest, ControlsStandAtTheirPlaces) {
  auto window = Open(Text("www.kuwo.cn"));
  struct Case {
    const char* name;
    const char* kind;
    QRect place;
    const char8_t* content;
  } cases[] = {
      {"编辑框1", "QLineEdit", {8, 8, 432, 32}, u8"https://www.kuwo.cn/play_detail/215257"},
      {"按钮4", "QPushButton", {224, 40, 96, 32}, u8"打开酷我音乐"},
      {"按钮1", "QPushButton", {320, 40, 120, 32}, u8"解析"},
      {"标签1", "QLabel", {8, 48, 208, 16}, u8"输入音乐ID或者音乐链接"},
      {"图片框1", "QLabel", {8, 72, 440, 88}, u8""},
      {"编辑框2", "QLineEdit", {8, 160, 432, 40}, u8""},
      {"标签3", "QLabel", {8, 200, 208, 24}, u8"音乐直连↑\r\n需要下载请点击浏览器打开，右键下载"},
      {"按钮2", "QPushButton", {224, 200, 112, 40}, u8"在线播放"},
      {"按钮3", "QPushButton", {336, 200, 104, 40}, u8"浏览器打开下载"},
      {"滑块条1", "QSlider", {8, 256, 280, 24}, u8""},
      {"标签2", "QLabel", {296, 256, 144, 32}, u8"标签"},
  };
  for (const auto& c : cases) {
    QWidget* control = Find<QWidget>(*window, c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), c.kind) << c.name;
    EXPECT_EQ(control->geometry(), c.place) << c.name;
    QString content;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) content = edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) content = button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) content = label->text();
    EXPECT_EQ(content, QString::fromUtf8(reinterpret_cast<const char*>(c.content))) << c.name;
  }

  auto* picture = Find<QLabel>(*window, "图片框1");
  ASSERT_FALSE(picture->pixmap().isNull());
  EXPECT_EQ(picture->pixmap().size(), QSize(418, 84));
  EXPECT_TRUE(picture->hasScaledContents());

  auto* slider = Find<QSlider>(*window, "滑块条1");
  EXPECT_EQ(slider->orientation(), Qt::Horizontal);
  EXPECT_EQ(slider->minimum(), 1);
  EXPECT_EQ(slider->maximum(), 100);
  EXPECT_EQ(slider->value(), 1);
  EXPECT_EQ(slider->pageStep(), 5);
  EXPECT_EQ(slider->singleStep(), 1);
  EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);
  EXPECT_EQ(slider->tickInterval(), 1);
  EXPECT_TRUE(Find<QLabel>(*window, "标签3")->wordWrap());

  auto* timer = window->findChild<QTimer*>(QStringLiteral("时钟1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 1000);
}

TEST_F(MainWindowTest, TabVisitsTheButtonsAndEditBoxesOnly) {
  auto window = Open();
  QApplication::setActiveWindow(window.get());
  auto* input = Find<QLineEdit>(*window, "编辑框1");
  input->setFocus();
  ASSERT_TRUE(WaitUntil([&] { return input->hasFocus(); }));
  std::vector<QString> visited;
  for (int i = 0; i < 6; ++i) {
    visited.push_back(QApplication::focusWidget()->objectName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  std::vector<QString> expected;
  for (const char* name : {"编辑框1", "按钮4", "按钮1", "编辑框2", "按钮2", "按钮3"})
    expected.push_back(QString::fromUtf8(name));
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), expected.front());  // and round again
}

TEST_F(MainWindowTest, ParseClickPutsTheAudioAddressIntoTheOutputBox) {
  LoopbackServer service(LoopbackServer::Reply(
      R"({"code":200,"msg":"success","data":{"url":"http://127.0.0.1/x.mp3"}})"));
  std::string host = "127.0.0.1:" + std::to_string(service.port());
  auto window = Open(Text(host));
  Find<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("215257"));

  // The request lets pending events run: this one runs inside the click.
  bool ranDuringRequest = false;
  QTimer::singleShot(0, window.get(), [&] { ranDuringRequest = service.RequestCount() == 1; });
  QTest::mouseClick(Find<QPushButton>(*window, "按钮1"), Qt::LeftButton);

  EXPECT_EQ(Find<QLineEdit>(*window, "编辑框2")->text(), QStringLiteral("http://127.0.0.1/x.mp3"));
  EXPECT_TRUE(ranDuringRequest);
  ASSERT_EQ(service.RequestCount(), 1);
  EXPECT_EQ(
      service.Requests()[0].raw,
      "GET /api/v1/www/music/playUrl?mid=215257&type=dabai HTTP/1.1\r\n"
      "Host: " +
          host +
          "\r\n"
          "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"
          "Accept: text/html, application/xhtml+xml, */*\r\n"
          "Accept-Encoding: identity\r\n"
          "Accept-Language: zh-cn\r\n"
          "Cache-Control: no-cache\r\n"
          "\r\n");
  EXPECT_TRUE(MessageBox::TakeRecorded().empty());
}

TEST_F(MainWindowTest, EmptyInputShowsTheNoticeOnly) {
  LoopbackServer service(LoopbackServer::Reply("{}"));
  auto window = Open(Text("127.0.0.1:" + std::to_string(service.port())));
  Find<QLineEdit>(*window, "编辑框1")->clear();
  Find<QLineEdit>(*window, "编辑框2")->setText(QStringLiteral("kept"));
  QTest::mouseClick(Find<QPushButton>(*window, "按钮1"), Qt::LeftButton);

  auto shown = MessageBox::TakeRecorded();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, QStringLiteral("请输入酷我音乐的音乐ID或音乐链接"));
  EXPECT_EQ(shown[0].caption, QStringLiteral("信息："));
  EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(shown[0].owner, nullptr);
  EXPECT_EQ(shown[0].modality, Qt::ApplicationModal);
  EXPECT_EQ(Find<QLineEdit>(*window, "编辑框2")->text(), QStringLiteral("kept"));
  EXPECT_EQ(service.RequestCount(), 0);
}

TEST_F(MainWindowTest, BrowserButtonsHandTheTextToTheOpener) {
  RecordingOpener opener;
  auto window = Open(Text("www.kuwo.cn"));
  auto* output = Find<QLineEdit>(*window, "编辑框2");
  output->setText(QStringLiteral(" http://x/歌 a%20b "));
  QTest::mouseClick(Find<QPushButton>(*window, "按钮3"), Qt::LeftButton);
  auto opened = opener.Opened(1);
  output->clear();
  QTest::mouseClick(Find<QPushButton>(*window, "按钮3"), Qt::LeftButton);
  opened = opener.Opened(2);
  QTest::mouseClick(Find<QPushButton>(*window, "按钮4"), Qt::LeftButton);
  opened = opener.Opened(3);
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0], " http://x/\xE6\xAD\x8C a%20b ");
  EXPECT_EQ(opened[1], "");
  EXPECT_EQ(opened[2], "https://www.kuwo.cn");
}

TEST_F(MainWindowTest, EscapeClosesTheWindow) {
  auto window = Open();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(WaitUntil([&] { return !window->isVisible(); }));
}

TEST_F(MainWindowTest, TimerReplacesTheTimeLabelWithinASecond) {
  auto window = Open();
  auto* label = Find<QLabel>(*window, "标签2");
  EXPECT_TRUE(WaitUntil([&] { return label->text() != QStringLiteral("标签"); }, 2500));
  EXPECT_EQ(label->text(), QStringLiteral("总时间:   -  00:00"));
}

TEST_F(MainWindowTest, OnlyTheUsersSliderMovesSeek) {
  auto window = Open();
  auto* slider = Find<QSlider>(*window, "滑块条1");
  QTest::mouseClick(Find<QPushButton>(*window, "按钮2"), Qt::LeftButton);  // length 200 s
  player_.plays.clear();

  window->SetSliderPosition(50);  // as the timer does
  EXPECT_TRUE(player_.plays.empty());

  struct Move {
    Qt::Key key;
    int position;
  } moves[] = {
      {Qt::Key_Right, 51},    {Qt::Key_Left, 50}, {Qt::Key_PageUp, 55},
      {Qt::Key_PageDown, 50}, {Qt::Key_End, 100}, {Qt::Key_Home, 1},
  };
  for (const auto& m : moves) {
    player_.plays.clear();
    QTest::keyClick(slider, m.key);
    ASSERT_EQ(player_.plays.size(), 1u) << m.key;
    EXPECT_EQ(player_.plays[0], m.position * 2000) << m.key;  // p % of 200 000 ms
  }

  // Mouse input goes through the window, as a user's does.
  QWindow* screen = window->windowHandle();
  auto at = [&](QPoint p) { return slider->mapTo(window.get(), p); };
  player_.plays.clear();
  QRect groove = SliderPart(slider, QStyle::SC_SliderGroove);
  QTest::mouseClick(screen, Qt::LeftButton, {}, at({groove.right() - 2, groove.center().y()}));
  EXPECT_EQ(player_.plays.size(), 1u);  // a click on the track: one page step
  EXPECT_EQ(slider->value(), 6);

  // A drag: every step seeks, and so does the release.
  window->SetSliderPosition(1);
  player_.plays.clear();
  QPoint handle = SliderPart(slider, QStyle::SC_SliderHandle).center();
  QTest::mousePress(screen, Qt::LeftButton, {}, at(handle));
  for (int x : {60, 120, 180}) QTest::mouseMove(screen, at({x, handle.y()}));
  QTest::mouseRelease(screen, Qt::LeftButton, {}, at({180, handle.y()}));
  EXPECT_GE(player_.plays.size(), 4u);
  EXPECT_EQ(player_.plays.back(), slider->value() * 2000);
}

TEST_F(MainWindowTest, PublishedNewVersionEndsTheProgramAfterTheNotice) {
  RecordingOpener opener;
  EXPECT_EXIT(
      {
        std::string page =
            "<td><span>\xE6\x96\x87\xE4\xBB\xB6\xE6\x8F\x8F\xE8\xBF\xB0\xEF\xBC\x9A</span><br>\n"
            "1.1%7Chttp://127.0.0.1/download%7Cnote...</td>\n";
        LoopbackServer updatePage(LoopbackServer::Reply(page));
        MessageBox::SetRecording(true);
        std::atexit([] {
          auto shown = MessageBox::TakeRecorded();
          if (shown.size() == 1 && shown[0].icon == QMessageBox::Information &&
              shown[0].owner != nullptr && shown[0].text.startsWith(QStringLiteral("检测到新版本")))
            fputs("notice shown\n", stderr);
        });
        auto window = std::make_unique<MainWindow>(
            AppConfig{Text("www.kuwo.cn"), Text(updatePage.Url("/velmora"))}, player_);
        window->show();
        QTest::qWait(10000);  // the created event ends the program long before
        fputs("still running\n", stderr);
        std::_Exit(3);
      },
      ::testing::ExitedWithCode(0), "notice shown");
  auto opened = opener.Opened(1);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "http://127.0.0.1/download");
}

}  // namespace
}  // namespace velmora
