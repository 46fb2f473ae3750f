#pragma once
// Writes an e-return element by element in the layout the department's
// utilities read and the digest covers: the XML declaration on the first line,
// then one element per line, indented two blanks per level (the form element
// 2, its blocks 4, their children 6 ...). libxml2's writer does all escaping.
//
//   ReturnXmlWriter w(path);
//   w.openRoot(2016, "ITR-1");          // root and form element
//   w.open("CreationInfo");             // names without a prefix are ITRForm's
//   w.text("IntermediaryCity", city);
//   w.close();
//   ...
//   w.finish();
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "common/money.h"

namespace meridian::itr::efile {

class ReturnXmlWriter {
 public:
  // Creates or empties the file and writes the declaration line; throws
  // std::runtime_error naming the file when it cannot be created.
  explicit ReturnXmlWriter(const std::filesystem::path& file);
  // Writes into the string instead (cleared first): a return checked and
  // digested in memory and then written to disk once.
  explicit ReturnXmlWriter(std::string& bytes);
  // A writer dropped before finish() leaves the file as far as it was written.
  ~ReturnXmlWriter();
  ReturnXmlWriter(const ReturnXmlWriter&) = delete;
  ReturnXmlWriter& operator=(const ReturnXmlWriter&) = delete;

  // The root element with the namespaces of the year and form, and inside it
  // the form element ("<ITR1FORM:ITR1>"); both stay open until finish().
  void openRoot(int year, std::string_view formCode);

  // A block: its start tag on a line of its own; close() writes the end tag
  // of the innermost open block.
  void open(std::string_view name);
  void close();

  // One element on one line. Names without a prefix get "ITRForm:".
  void text(std::string_view name, std::string_view value);   // through XmlTextOut
  void code(std::string_view name, std::string_view value);   // codes, PAN, numbers: as given
  void amount(std::string_view name, Money value);            // whole rupees, half to even
  void date(std::string_view name, std::string_view ddmmyyyy);  // through XmlDateOut
  void flag(std::string_view name, bool yes);                   // "Y" / "N"
  void number(std::string_view name, long long value);         // counts such as months

  // The elements a return writes only when there is something to say.
  void textIfAny(std::string_view name, std::string_view value);
  void codeIfAny(std::string_view name, std::string_view value);
  void amountIfNotZero(std::string_view name, Money value);  // left out when it rounds to 0

  // Closes every open element, then flushes and syncs the file (a string is
  // complete when this returns); throws
  // std::runtime_error when the file cannot be completed.
  void finish();

  int depth() const { return depth_; }

 private:
  struct Output;
  void element(std::string_view name, std::string_view value);
  void check(int result, const char* step);

  void start(const std::string& what);

  std::filesystem::path file_;
  std::unique_ptr<Output> output_;
  void* writer_ = nullptr;  // xmlTextWriterPtr
  int depth_ = 0;
  bool finished_ = false;
};

}  // namespace meridian::itr::efile
