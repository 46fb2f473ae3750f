#pragma once
// The dialogs of one browser session. A screen event runs on its own thread;
// when its handler asks something, the question goes to the page and the
// handler waits for the answer. A session that goes away answers No/Cancel,
// so nothing half-done is written.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "ui/dialogs.h"

namespace meridian::web {

struct PendingDialog {
  long long id = 0;
  ui::Message message;
  bool isPrompt = false;
  bool secret = false;
};

struct EventOutcome {
  enum class State { done, dialog, busy, closed } state = State::done;
  std::optional<PendingDialog> dialog;
  std::vector<std::string> progress;
};

class WebDialogs : public ui::Dialogs {
 public:
  ~WebDialogs() override;

  ui::Answer show(const ui::Message& m) override;
  std::optional<std::string> prompt(const std::string& text, const std::string& title, bool secret) override;
  void progress(const std::string& text, int done, int total) override;

  // Runs work on an event thread and returns when it ends or asks something.
  EventOutcome run(std::function<void()> work);
  // Answers the pending question and returns when the handler ends or asks again.
  EventOutcome answer(long long dialogId, ui::Answer a, std::optional<std::string> typed);
  // The session ended: every waiting question is answered No/Cancel.
  void close();
  // Closes and waits for a running handler to give up (it sees No/Cancel).
  void shutdown();
  bool busy();
  // The question a handler waits on, if any (a reloaded page shows it again).
  std::optional<PendingDialog> pending();

  // How long a request waits for a handler before it reports "busy".
  std::chrono::milliseconds waitLimit{std::chrono::minutes(5)};

 private:
  EventOutcome waitForHandler(std::unique_lock<std::mutex>& lock);
  void joinFinished();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::thread worker_;
  bool running_ = false;
  bool closed_ = false;
  std::optional<PendingDialog> pending_;
  std::optional<ui::Answer> answer_;
  std::optional<std::string> typed_;
  long long nextId_ = 1;
  std::string lastProgress_;
};

}  // namespace meridian::web
