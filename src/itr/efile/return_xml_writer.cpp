#include "itr/efile/return_xml_writer.h"

#include <fcntl.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlwriter.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "host/xml_values.h"
#include "itr/efile/root_layout.h"

namespace meridian::itr::efile {
namespace {

constexpr std::string_view kSharedPrefix = "ITRForm:";

std::string qualified(std::string_view name) {
  return name.find(':') == std::string_view::npos ? std::string(kSharedPrefix) + std::string(name) : std::string(name);
}

const xmlChar* x(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

xmlTextWriterPtr w(void* p) { return static_cast<xmlTextWriterPtr>(p); }

}  // namespace

// The file under libxml2's output buffer: plain writes to a descriptor, so
// that finish() can sync it and a failed write is seen with its reason.
struct ReturnXmlWriter::Output {
  int fd = -1;
  std::string* memory = nullptr;
  int error = 0;

  static int write(void* context, const char* bytes, int length) {
    auto* out = static_cast<Output*>(context);
    if (out->memory) {
      out->memory->append(bytes, static_cast<size_t>(length));
      return length;
    }
    int done = 0;
    while (done < length) {
      const ssize_t n = ::write(out->fd, bytes + done, static_cast<size_t>(length - done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        out->error = errno;
        return -1;
      }
      done += static_cast<int>(n);
    }
    return length;
  }
  static int close(void*) { return 0; }  // the descriptor is the writer's to close
};

ReturnXmlWriter::ReturnXmlWriter(const std::filesystem::path& file) : file_(file), output_(std::make_unique<Output>()) {
  output_->fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (output_->fd < 0)
    throw std::runtime_error("cannot create the e-return file " + file.string() + ": " + std::strerror(errno));
  start(file.string());
}

ReturnXmlWriter::ReturnXmlWriter(std::string& bytes) : file_("(in memory)"), output_(std::make_unique<Output>()) {
  bytes.clear();
  output_->memory = &bytes;
  start("in memory");
}

void ReturnXmlWriter::start(const std::string& what) {
  xmlOutputBufferPtr buffer = xmlOutputBufferCreateIO(Output::write, Output::close, output_.get(), nullptr);
  writer_ = buffer ? xmlNewTextWriter(buffer) : nullptr;
  if (!writer_) {
    if (buffer) xmlOutputBufferClose(buffer);
    if (output_->fd >= 0) ::close(output_->fd);
    output_->fd = -1;
    throw std::runtime_error("cannot start the e-return file " + what);
  }
  xmlTextWriterSetIndent(w(writer_), 1);
  xmlTextWriterSetIndentString(w(writer_), reinterpret_cast<const xmlChar*>("  "));
  check(xmlTextWriterStartDocument(w(writer_), "1.0", "UTF-8", "no"), "write the declaration of");
}

ReturnXmlWriter::~ReturnXmlWriter() {
  if (writer_) {
    xmlTextWriterFlush(w(writer_));
    xmlFreeTextWriter(w(writer_));
  }
  if (output_ && output_->fd >= 0) ::close(output_->fd);
}

void ReturnXmlWriter::check(int result, const char* step) {
  if (result >= 0) return;
  std::string reason = output_->error ? std::strerror(output_->error) : "the XML writer refused the step";
  throw std::runtime_error(std::string("cannot ") + step + " the e-return file " + file_.string() + ": " + reason);
}

void ReturnXmlWriter::openRoot(int year, std::string_view formCode) {
  const auto attributes = rootAttributes(year, formCode);
  open("ITRETURN:ITR");
  for (const XmlAttribute& a : attributes)
    check(xmlTextWriterWriteAttribute(w(writer_), x(a.name), x(a.value)), "write the root of");
  open(formElementName(formCode));
}

void ReturnXmlWriter::open(std::string_view name) {
  if (finished_) throw std::logic_error("the e-return file is already finished");
  check(xmlTextWriterStartElement(w(writer_), x(qualified(name))), "write");
  ++depth_;
}

void ReturnXmlWriter::close() {
  if (depth_ == 0) throw std::logic_error("no open element to close in the e-return file");
  check(xmlTextWriterEndElement(w(writer_)), "write");
  --depth_;
}

void ReturnXmlWriter::element(std::string_view name, std::string_view value) {
  if (finished_) throw std::logic_error("the e-return file is already finished");
  check(xmlTextWriterWriteElement(w(writer_), x(qualified(name)), x(std::string(value))), "write");
}

void ReturnXmlWriter::text(std::string_view name, std::string_view value) { element(name, host::XmlTextOut(value)); }
void ReturnXmlWriter::code(std::string_view name, std::string_view value) { element(name, value); }
void ReturnXmlWriter::amount(std::string_view name, Money value) { element(name, value.rupeesText()); }
void ReturnXmlWriter::date(std::string_view name, std::string_view ddmmyyyy) {
  element(name, host::XmlDateOut(ddmmyyyy));
}
void ReturnXmlWriter::flag(std::string_view name, bool yes) { element(name, yes ? "Y" : "N"); }
void ReturnXmlWriter::number(std::string_view name, long long value) { element(name, std::to_string(value)); }

void ReturnXmlWriter::textIfAny(std::string_view name, std::string_view value) {
  const std::string cleaned = host::XmlTextOut(value);
  if (!cleaned.empty()) element(name, cleaned);
}
void ReturnXmlWriter::codeIfAny(std::string_view name, std::string_view value) {
  if (!value.empty()) element(name, value);
}
void ReturnXmlWriter::amountIfNotZero(std::string_view name, Money value) {
  if (value.wholeRupees() != 0) amount(name, value);
}

void ReturnXmlWriter::finish() {
  if (finished_) return;
  check(xmlTextWriterEndDocument(w(writer_)), "complete");
  check(xmlTextWriterFlush(w(writer_)), "complete");
  finished_ = true;
  depth_ = 0;
  if (output_->fd >= 0 && ::fsync(output_->fd) != 0)
    throw std::runtime_error("cannot sync the e-return file " + file_.string() + ": " + std::strerror(errno));
}

}  // namespace meridian::itr::efile
