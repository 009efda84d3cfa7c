// The real program, built with its service and update page on loopback,
// in a real X server (Xvfb), driven by xdotool as a user would drive it.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <optional>
#include <random>
#include <string>

#include "child_process.h"
#include "loopback_server.h"
#include "recording_opener.h"

namespace velmora {
namespace {

using test::ChildProcess;
using test::LoopbackServer;
using test::RecordingOpener;

constexpr int kServicePort = 39517;     // the test build's music service
constexpr int kUpdatePagePort = 39518;  // the test build's update page

// An update page whose file description publishes version.
std::string UpdatePage(const std::string& version) {
  return "<tr><td><span>\xE6\x96\x87\xE4\xBB\xB6\xE6\x8F\x8F\xE8\xBF\xB0\xEF\xBC\x9A</span><br>\n" +
         version + "%7Chttp://127.0.0.1/download%7Cnote...</td>\n";
}

class VelmoraProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Xvfb on a free display, reached over loopback TCP so that readiness
    // shows as an accepting port. Without -noreset it resets whenever its
    // last client leaves, and a program connecting just then is refused.
    for (int attempt = 0; attempt < 5 && !(xServer_ && xServer_->ready()); ++attempt) {
      display_ = std::uniform_int_distribution<int>(100, 900)(random_);
      xServer_.emplace(std::vector<std::string>{"Xvfb", ":" + std::to_string(display_), "-noreset",
                                                "-listen", "tcp", "-screen", "0", "1024x768x24"},
                       6000 + display_);
    }
    ASSERT_TRUE(xServer_->ready()) << "Xvfb did not start";
    // Its port may accept before the server answers on the local socket the
    // program uses: wait for a whole round trip there.
    bool answers = false;
    for (int i = 0; i < 100 && !(answers = XDoTool({"getdisplaygeometry"}).has_value()); ++i)
      QThread::msleep(50);
    ASSERT_TRUE(answers) << "Xvfb does not answer";
  }

  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString::fromStdString(":" + std::to_string(display_)));
    env.insert("QT_QPA_PLATFORM", "xcb");
    return env;
  }

  // Runs xdotool for at most 10 s: what it printed, or nothing when it failed.
  std::optional<std::string> XDoTool(const QStringList& args) const {
    QProcess tool;
    tool.setProcessEnvironment(Environment());
    tool.start("xdotool", args);
    if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0)
      return std::nullopt;
    return tool.readAllStandardOutput().trimmed().toStdString();
  }

  // The id of the first window with exactly this title, waiting up to 15 s.
  std::string WaitForWindow(const QString& title) const {
    for (int i = 0; i < 150; ++i) {
      std::string id =
          XDoTool({"search", "--onlyvisible", "--name", "^" + title + "$"}).value_or("");
      if (!id.empty()) return id.substr(0, id.find('\n'));
      QThread::msleep(100);
    }
    return {};
  }

  // keys: xdotool key names separated by blanks, pressed in turn.
  void PressKeyIn(const std::string& window, const QString& keys) const {
    XDoTool({"windowfocus", "--sync", QString::fromStdString(window)});
    XDoTool(QStringList{"key", "--delay", "50"} + keys.split(' '));
  }

  // Starts the test build of the program on this display.
  bool StartProgram() {
    app_.setProcessEnvironment(Environment());
    app_.start(VELMORA_LOOPBACK_EXE, QStringList());
    return app_.waitForStarted(10000);
  }

  // Waits up to 15 s for the program to end by itself, with exit code 0.
  ::testing::AssertionResult EndsWithExitCode0() {
    if (!app_.waitForFinished(15000)) return ::testing::AssertionFailure() << "it did not end";
    if (app_.exitStatus() != QProcess::NormalExit || app_.exitCode() != 0)
      return ::testing::AssertionFailure() << "it ended with code " << app_.exitCode();
    return ::testing::AssertionSuccess();
  }

  std::mt19937 random_{std::random_device{}()};
  int display_ = 0;
  std::optional<ChildProcess> xServer_;
  QProcess app_;
};

// Waits up to 5 s for a stand-in's first request.
void WaitForARequest(const LoopbackServer& server) {
  for (int i = 0; i < 100 && server.RequestCount() == 0; ++i) QThread::msleep(50);
}

TEST_F(VelmoraProcessTest, AnotherPublishedVersionIsAnnouncedOpenedAndEndsTheProgram) {
  RecordingOpener opener;
  LoopbackServer page(LoopbackServer::Reply(UpdatePage("1.1")), kUpdatePagePort);
  ASSERT_TRUE(StartProgram());  // with PATH starting at the opener

  std::string notice = WaitForWindow(QStringLiteral("信息："));
  ASSERT_FALSE(notice.empty()) << "no update notice appeared";
  EXPECT_EQ(app_.state(), QProcess::Running);  // it waits for the user
  PressKeyIn(notice, "Return");

  ASSERT_TRUE(EndsWithExitCode0());
  std::vector<std::string> opened = opener.Opened(1);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "http://127.0.0.1/download");
  EXPECT_EQ(page.RequestCount(), 1);
}

TEST_F(VelmoraProcessTest, SameVersionStaysQuietAndEscapeEndsTheProgram) {
  LoopbackServer page(LoopbackServer::Reply(UpdatePage("1.0")), kUpdatePagePort);
  ASSERT_TRUE(StartProgram());

  std::string window = WaitForWindow(QStringLiteral("Velmora"));
  ASSERT_FALSE(window.empty()) << "the window did not appear";
  WaitForARequest(page);
  EXPECT_EQ(page.RequestCount(), 1);  // checked once, found the same version
  EXPECT_EQ(app_.state(), QProcess::Running);
  PressKeyIn(window, "Escape");

  EXPECT_TRUE(EndsWithExitCode0());
}

TEST_F(VelmoraProcessTest, KeyboardUserResolvesTheExampleLinkAndOpensTheAddress) {
  RecordingOpener opener;
  LoopbackServer page(LoopbackServer::Reply(UpdatePage("1.0")), kUpdatePagePort);
  LoopbackServer service(
      LoopbackServer::Reply(
          R"({"code":200,"msg":"success","data":{"url":"http://127.0.0.1/x.mp3"}})"),
      kServicePort);
  ASSERT_TRUE(StartProgram());
  std::string window = WaitForWindow(QStringLiteral("Velmora"));
  ASSERT_FALSE(window.empty()) << "the window did not appear";

  // The input box holds the example link and has the focus: Tab, Tab and
  // Space press 解析.
  PressKeyIn(window, "Tab Tab space");
  WaitForARequest(service);
  ASSERT_EQ(service.RequestCount(), 1);
  EXPECT_EQ(service.Requests()[0].line,
            "GET /api/v1/www/music/playUrl?mid=215257&type=dabai HTTP/1.1");

  // Three more Tabs reach 浏览器打开下载, which hands the output box over.
  PressKeyIn(window, "Tab Tab Tab space");
  std::vector<std::string> opened = opener.Opened(1);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "http://127.0.0.1/x.mp3");
  PressKeyIn(window, "Escape");
  EXPECT_TRUE(EndsWithExitCode0());
}

}  // namespace
}  // namespace velmora
