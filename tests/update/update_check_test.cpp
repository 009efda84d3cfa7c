#include "update/update_check.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "loopback_server.h"
#include "proxy_environment.h"
#include "text/charset.h"

namespace velmora {
namespace {

using test::Connection;
using test::HttpRequest;
using test::LoopbackServer;
using namespace std::string_literals;

// The fixture page with a description, as the page carries it, in its slot.
std::string PageWith(const std::string& description) {
  const std::string slot = "@DESCRIPTION@";
  std::ifstream file(UPDATE_PAGE_FIXTURE, std::ios::binary);
  std::stringstream page;
  page << file.rdbuf();
  std::string text = page.str();
  if (auto at = text.find(slot); at != std::string::npos)
    text.replace(at, slot.size(), description);
  return text;
}

// Serves the update page on loopback, one answer per read (the last one
// repeats), and tells which reads were followed by a pause. Each read queues
// a notice for the test's thread before its answer goes out; while the code
// under test runs, only a pause processes events, so a notice that runs
// during the call marks a read that a pause followed.
class UpdatePage {
 public:
  explicit UpdatePage(std::vector<std::string> answers)
      : answers_(std::move(answers)),
        server_([this](const HttpRequest&, Connection& c) { Serve(c); }) {}

  Text Address() const { return Text(server_.Url("/file/velmora#description")); }
  int Reads() const { return server_.RequestCount(); }

  template <class Call>
  std::vector<int> ReadsPausedAfter(Call call) {
    running_ = true;
    call();
    running_ = false;
    QCoreApplication::processEvents();  // the notices of reads that no pause followed
    return paused_;
  }

 private:
  void Serve(Connection& c) {
    int read = ++reads_;
    QMetaObject::invokeMethod(
        &receiver_,
        [this, read] {
          if (running_) paused_.push_back(read);
        },
        Qt::QueuedConnection);
    const std::string& body = answers_[std::min<std::size_t>(read, answers_.size()) - 1];
    c.Send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body);
  }

  std::vector<std::string> answers_;
  QObject receiver_;
  bool running_ = false;
  std::vector<int> paused_;
  std::atomic<int> reads_{0};
  LoopbackServer server_;  // last, so it stops before the members it uses go
};

std::string Hex(const Text& text) {
  std::string hex;
  char digits[3];
  for (int i = 0; i < text.size(); ++i) {
    std::snprintf(digits, sizeof digits, "%02X", text[i]);
    hex += digits;
  }
  return hex;
}

// Writes every call to stderr, where a death test can match it, and ends the
// process in ExitProgram with a code of its own.
class RecordingUi : public UpdateUi {
 public:
  static constexpr int kExitCode = 86;

  void ShowUpdateNotice(const Text& message) override { Record("notice", message); }
  void ShellOpen(const Text& address) override { Record("open", address); }
  [[noreturn]] void ExitProgram() override {
    std::fputs("exit\n", stderr);
    std::fflush(stderr);
    std::_Exit(kExitCode);
  }
  int calls() const { return calls_; }

 private:
  void Record(const char* what, const Text& text) {
    ++calls_;
    std::fprintf(stderr, "%s=%s\n", what, Hex(text).c_str());
  }
  int calls_ = 0;
};

std::string LogOfAnnouncement(const std::u8string& version, const Text& address) {
  Text notice =
      GbkText(u8"检测到新版本，版本号：" + version +
              u8"，点击确定立即更新\r\n网站目前为境外cdn节点，如果打开速度缓慢，请耐心等待");
  return "notice=" + Hex(notice) + "\nopen=" + Hex(address) + "\nexit\n";
}

// The three bytes the check drops from the end of every description.
const std::string kTail = "xyz";
const std::string kDescription = "1.1%7Chttp%3A%2F%2Fdl.velmora.invalid%2Fv1.1%7Cnote" + kTail;

class UpdateCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ClearProxyEnvironment(); }
};

TEST_F(UpdateCheckTest, ReadsUpToThreeTimesPausingAfterEveryMiss) {
  std::string endMarkerMissing = PageWith(kDescription);
  endMarkerMissing.erase(endMarkerMissing.find("</td>\n", endMarkerMissing.find(kDescription)), 6);
  struct Case {
    const char* name;
    std::vector<std::string> answers;
    int reads;
    std::vector<int> pausedAfter;
    std::string description;
  } cases[] = {
      {"marker on the first read",
       {PageWith(kDescription)},
       1,
       {},
       "1.1|http://dl.velmora.invalid/v1.1|note"},
      {"marker on the third read",
       {"<html>busy</html>", "<html>not found</html>", PageWith(kDescription)},
       3,
       {1, 2},
       "1.1|http://dl.velmora.invalid/v1.1|note"},
      {"marker never found", {"<html>changed layout</html>"}, 3, {1, 2, 3}, ""},
      {"NUL before the marker", {"<!--\0-->"s + PageWith(kDescription)}, 3, {1, 2, 3}, ""},
      {"end marker missing", {endMarkerMissing}, 1, {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UpdatePage page(c.answers);
    Text description;
    std::vector<int> pausedAfter =
        page.ReadsPausedAfter([&] { description = ReadUpdateDescription(page.Address()); });
    EXPECT_EQ(description.bytes(), c.description);
    EXPECT_EQ(page.Reads(), c.reads);
    EXPECT_EQ(pausedAfter, c.pausedAfter);
  }
}

TEST_F(UpdateCheckTest, DecodesTheDescription) {
  struct Case {
    const char* name;
    std::string onPage;
    Text description;
  } cases[] = {
      {"%7C and + decode", "1.1%7Chttp://dl.velmora.invalid/get%3Fv%3D1.1%7Cfix+notes" + kTail,
       Text("1.1|http://dl.velmora.invalid/get?v=1.1|fix notes")},
      {"UTF-8 becomes code page 936", "%E6%9B%B4%E6%96%B0" + kTail, GbkText(u8"更新")},
      {"3 bytes off the end", "1.1|addr|notes", Text("1.1|addr|no")},
      {"3 bytes of code page 936, even inside a character", "%E6%9B%B4%E6%96%B0%E5%95%8A",
       Text(GbkText(u8"更新").bytes().substr(0, 3))},
      {"3 bytes or fewer leave nothing", "abc", Text()},
      {"<br /> becomes CR LF", "a<br />b<br />c" + kTail, Text("a\r\nb\r\nc")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UpdatePage page({PageWith(c.onPage)});
    EXPECT_EQ(ReadUpdateDescription(page.Address()), c.description);
  }
}

TEST_F(UpdateCheckTest, StaysSilentUnlessAnotherVersionIsPublished) {
  struct Case {
    const char* name;
    std::string answer;
  } cases[] = {
      {"same version", PageWith("1.0|http://dl.velmora.invalid/v1.0|note" + kTail)},
      {"four items", PageWith("1.1|http://dl.velmora.invalid/v1.1|note|extra" + kTail)},
      {"two items", PageWith("1.1|http://dl.velmora.invalid/v1.1|" + kTail)},
      {"two items once cut", PageWith("1.1|addr|n")},
      {"no description", "<html>changed layout</html>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UpdatePage page({c.answer});
    RecordingUi ui;
    CheckForUpdate(page.Address(), ui);
    EXPECT_EQ(ui.calls(), 0);
    EXPECT_EQ(AppVersion, Text("1.0"));
  }
}

// The test main runs death tests "threadsafe": the child re-runs the test
// from the start, with its own server and application object.
TEST_F(UpdateCheckTest, AnnouncesAnotherVersionOpensItsPageAndEnds) {
  const Text address("http://dl.velmora.invalid/v1.1");
  struct Case {
    const char* name;
    std::string description;
    std::u8string version;
    Text address;
  } cases[] = {
      {"newer version", kDescription, u8"1.1", address},
      {"older version", "0.9|http://dl.velmora.invalid/v1.1|note" + kTail, u8"0.9", address},
      {"stray blank", "+1.0|http://dl.velmora.invalid/v1.1|note" + kTail, u8" 1.0", address},
      {"Chinese version", "2.0%E6%B5%8B%E8%AF%95%7Chttp://dl.velmora.invalid/v1.1|note" + kTail,
       u8"2.0测试", address},
      {"a trail byte 0x7C is no separator",
       "1.1%E4%BA%85|http://dl.velmora.invalid/v1.1|note" + kTail, u8"1.1亅", address},
      {"final separator", "1.1|http://dl.velmora.invalid/v1.1|note|" + kTail, u8"1.1", address},
      {"empty download address", "1.1||note" + kTail, u8"1.1", Text()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UpdatePage page({PageWith(c.description)});
    RecordingUi ui;
    EXPECT_EXIT(CheckForUpdate(page.Address(), ui),
                ::testing::ExitedWithCode(RecordingUi::kExitCode),
                LogOfAnnouncement(c.version, c.address));
  }
}

}  // namespace
}  // namespace velmora
