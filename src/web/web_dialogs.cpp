#include "web/web_dialogs.h"

#include <spdlog/spdlog.h>

namespace meridian::web {
namespace {
ui::Answer refusal(const ui::Message& m) {
  switch (m.buttons) {
    case ui::Buttons::yesNo: return ui::Answer::no;
    case ui::Buttons::yesNoCancel:
    case ui::Buttons::okCancel: return ui::Answer::cancel;
    case ui::Buttons::ok: return ui::Answer::ok;
  }
  return ui::Answer::cancel;
}
}  // namespace

WebDialogs::~WebDialogs() { shutdown(); }

ui::Answer WebDialogs::show(const ui::Message& m) {
  std::unique_lock lock(mutex_);
  if (closed_) return refusal(m);
  pending_ = PendingDialog{nextId_++, m, false, false};
  answer_.reset();
  changed_.notify_all();
  changed_.wait(lock, [&] { return answer_.has_value() || closed_; });
  pending_.reset();
  if (closed_ && !answer_) return refusal(m);
  ui::Answer a = *answer_;
  answer_.reset();
  return a;
}

std::optional<std::string> WebDialogs::prompt(const std::string& text, const std::string& title, bool secret) {
  std::unique_lock lock(mutex_);
  if (closed_) return std::nullopt;
  ui::Message m{text, title, ui::Icon::question, ui::Buttons::okCancel, ui::Answer::ok};
  pending_ = PendingDialog{nextId_++, m, true, secret};
  answer_.reset();
  typed_.reset();
  changed_.notify_all();
  changed_.wait(lock, [&] { return answer_.has_value() || closed_; });
  pending_.reset();
  bool ok = answer_ && *answer_ == ui::Answer::ok && !closed_;
  answer_.reset();
  auto t = typed_;
  typed_.reset();
  return ok ? t.value_or("") : std::optional<std::string>{};
}

void WebDialogs::progress(const std::string& text, int done, int total) {
  std::lock_guard lock(mutex_);
  lastProgress_ = text + " (" + std::to_string(done) + "/" + std::to_string(total) + ")";
}

void WebDialogs::joinFinished() {
  if (!running_ && worker_.joinable()) worker_.join();
}

bool WebDialogs::busy() {
  std::lock_guard lock(mutex_);
  return running_;
}

std::optional<PendingDialog> WebDialogs::pending() {
  std::lock_guard lock(mutex_);
  return pending_;
}

EventOutcome WebDialogs::run(std::function<void()> work) {
  std::unique_lock lock(mutex_);
  if (closed_) return {EventOutcome::State::closed, std::nullopt, {}};
  if (running_) return {EventOutcome::State::busy, std::nullopt, {}};
  joinFinished();
  running_ = true;
  worker_ = std::thread([this, work = std::move(work)] {
    try {
      work();
    } catch (const std::exception& e) {
      spdlog::error("screen event ended: {}", e.what());
    }
    std::lock_guard l(mutex_);
    running_ = false;
    changed_.notify_all();
  });
  return waitForHandler(lock);
}

EventOutcome WebDialogs::answer(long long dialogId, ui::Answer a, std::optional<std::string> typed) {
  std::unique_lock lock(mutex_);
  if (!pending_ || pending_->id != dialogId) {
    // A stale or repeated answer: report where the handler stands now.
    if (running_ && pending_) return {EventOutcome::State::dialog, pending_, {}};
    return {running_ ? EventOutcome::State::busy : EventOutcome::State::done, std::nullopt, {}};
  }
  answer_ = a;
  typed_ = std::move(typed);
  const long long answered = dialogId;
  changed_.notify_all();
  // Wait until the handler has taken the answer before waiting for its next step.
  changed_.wait(lock, [&] { return !pending_ || pending_->id != answered; });
  return waitForHandler(lock);
}

EventOutcome WebDialogs::waitForHandler(std::unique_lock<std::mutex>& lock) {
  bool settled = changed_.wait_for(lock, waitLimit, [&] { return !running_ || pending_.has_value() || closed_; });
  if (!settled) return {EventOutcome::State::busy, std::nullopt, {}};
  if (pending_) return {EventOutcome::State::dialog, pending_, {}};
  if (!running_ && worker_.joinable()) {
    lock.unlock();
    worker_.join();
    lock.lock();
  }
  return {EventOutcome::State::done, std::nullopt, {}};
}

void WebDialogs::shutdown() {
  close();
  if (worker_.joinable()) worker_.join();
}

void WebDialogs::close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  changed_.notify_all();
}

}  // namespace meridian::web
