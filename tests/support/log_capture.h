#pragma once
// Catches what the program logs while it lives, for tests that check what a
// log line says (and what it must not say).
#include <spdlog/sinks/ostream_sink.h>
#include <spdlog/spdlog.h>

#include <memory>
#include <sstream>
#include <string>

namespace meridian::testsupport {

class LogCapture {
 public:
  LogCapture() : sink_(std::make_shared<spdlog::sinks::ostream_sink_mt>(out_)) {
    sink_->set_pattern("%v");
    spdlog::default_logger()->sinks().push_back(sink_);
    level_ = spdlog::get_level();
    spdlog::set_level(spdlog::level::info);
  }
  ~LogCapture() {
    auto& sinks = spdlog::default_logger()->sinks();
    sinks.erase(std::remove(sinks.begin(), sinks.end(), sink_), sinks.end());
    spdlog::set_level(level_);
  }
  std::string text() const { return out_.str(); }

 private:
  std::ostringstream out_;
  std::shared_ptr<spdlog::sinks::ostream_sink_mt> sink_;
  spdlog::level::level_enum level_;
};

}  // namespace meridian::testsupport
