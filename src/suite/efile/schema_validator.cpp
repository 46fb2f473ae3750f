#include "suite/efile/schema_validator.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlschemas.h>

#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "suite/atomic_file.h"
#include "suite/efile/shipped_schema_input.h"

namespace meridian::suite::efile {
namespace {

// No network, no entity expansion from outside the file: an e-return is data.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_BIG_LINES;

struct DocFree {
  void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
using Doc = std::unique_ptr<xmlDoc, DocFree>;

// Compiled schemas live as long as the program: a few are ever used, and
// compiling the large ones costs far more than checking a return.
xmlSchemaPtr compiledSchema(const std::string& rootSchema) {
  static std::mutex mutex;
  static std::map<std::string, xmlSchemaPtr> compiled;
  std::lock_guard lock(mutex);
  if (auto it = compiled.find(rootSchema); it != compiled.end()) return it->second;
  useShippedSchemas();
  std::string errors;
  const std::string uri = shippedSchemaUri(rootSchema);
  xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(uri.c_str());
  xmlSchemaSetParserStructuredErrors(
      parser, [](void* into, xmlErrorPtr e) { *static_cast<std::string*>(into) += e->message ? e->message : ""; },
      &errors);
  xmlSchemaPtr schema = xmlSchemaParse(parser);
  xmlSchemaFreeParserCtxt(parser);
  if (!schema) throw std::runtime_error("the schema " + rootSchema + " cannot be read: " + errors);
  compiled.emplace(rootSchema, schema);
  return schema;
}

// Namespace names in libxml2's messages ("{http://...master}PAN") read as the
// file's own prefixes ("ITRForm:PAN").
using Prefixes = std::map<std::string, std::string>;

Prefixes prefixesOf(const xmlDoc* doc) {
  Prefixes prefixes;
  const xmlNode* root = doc ? xmlDocGetRootElement(doc) : nullptr;
  for (const xmlNs* ns = root ? root->nsDef : nullptr; ns; ns = ns->next)
    if (ns->href && ns->prefix)
      prefixes[reinterpret_cast<const char*>(ns->href)] = reinterpret_cast<const char*>(ns->prefix);
  return prefixes;
}

std::string withPrefixes(std::string text, const Prefixes& prefixes) {
  for (const auto& [uri, prefix] : prefixes) {
    const std::string braced = "{" + uri + "}";
    for (size_t at = text.find(braced); at != std::string::npos; at = text.find(braced, at))
      text.replace(at, braced.size(), prefix + ":");
  }
  return text;
}

std::string qualifiedName(const xmlNode* node) {
  std::string name = reinterpret_cast<const char*>(node->name);
  if (node->ns && node->ns->prefix) name = reinterpret_cast<const char*>(node->ns->prefix) + (":" + name);
  return name;
}

struct Collector {
  std::vector<SchemaIssue> issues;
  int count = 0;
};

void collect(void* into, xmlErrorPtr e) {
  auto* c = static_cast<Collector*>(into);
  if (!e || e->level < XML_ERR_ERROR) return;
  ++c->count;
  if (static_cast<int>(c->issues.size()) >= kIssuesKept) return;
  SchemaIssue issue;
  issue.line = e->line;
  std::string message = e->message ? e->message : "";
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
  if (e->node && static_cast<const xmlNode*>(e->node)->type == XML_ELEMENT_NODE) {
    const auto* node = static_cast<const xmlNode*>(e->node);
    issue.element = qualifiedName(node);
    if (issue.line == 0) issue.line = static_cast<int>(xmlGetLineNo(node));
    // libxml2 opens with "Element '{uri}Name': "; the element is reported apart.
    if (message.starts_with("Element '"))
      if (const size_t end = message.find("': "); end != std::string::npos) message.erase(0, end + 3);
  }
  issue.message = std::move(message);
  c->issues.push_back(std::move(issue));
}

// Routes the errors libxml2 raises on this thread (parser errors have no
// context of their own) to the collector for as long as it lives.
class ErrorsTo {
 public:
  explicit ErrorsTo(Collector& c) : previous_(xmlStructuredError), previousContext_(xmlStructuredErrorContext) {
    xmlSetStructuredErrorFunc(&c, collect);
  }
  ~ErrorsTo() { xmlSetStructuredErrorFunc(previousContext_, previous_); }

 private:
  xmlStructuredErrorFunc previous_;
  void* previousContext_;
};

Doc parse(std::string_view document) {
  if (document.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return nullptr;
  return Doc(xmlReadMemory(document.data(), static_cast<int>(document.size()), "e-return.xml", nullptr, kParseOptions));
}

}  // namespace

ValidationReport validateAgainst(const std::string& rootSchema, std::string_view document) {
  ValidationReport report;
  xmlSchemaPtr schema = nullptr;
  try {
    schema = compiledSchema(rootSchema);
  } catch (const std::exception& e) {
    report.reason = e.what();
    return report;
  }
  Collector collector;
  int result = 0;
  Doc doc;
  {
    ErrorsTo errors(collector);
    doc = parse(document);
    if (doc) {
      xmlSchemaValidCtxtPtr check = xmlSchemaNewValidCtxt(schema);
      xmlSchemaSetValidStructuredErrors(check, collect, &collector);
      result = xmlSchemaValidateDoc(check, doc.get());
      xmlSchemaFreeValidCtxt(check);
    }
  }
  const Prefixes prefixes = prefixesOf(doc.get());
  for (auto& issue : collector.issues) issue.message = withPrefixes(std::move(issue.message), prefixes);
  report.issues = std::move(collector.issues);
  report.issueCount = collector.count;
  if (!doc) {
    report.verdict = Verdict::invalid;
    if (report.issues.empty()) {
      report.issues.push_back({0, "", "the file holds no XML document"});
      report.issueCount = 1;
    }
  } else if (result < 0) {
    report.verdict = Verdict::notValidated;
    report.reason = "the XML library could not run the check";
  } else {
    report.verdict = result == 0 && report.issueCount == 0 ? Verdict::valid : Verdict::invalid;
  }
  return report;
}

ValidationReport validateFileAgainst(const std::string& rootSchema, const std::filesystem::path& file) {
  std::string bytes;
  try {
    bytes = readWholeFile(file);
  } catch (const std::exception& e) {
    ValidationReport report;
    report.reason = e.what();
    return report;
  }
  return validateAgainst(rootSchema, bytes);
}

std::string describe(const SchemaIssue& issue) {
  std::string text = issue.line > 0 ? "Line " + std::to_string(issue.line) : "The file";
  if (!issue.element.empty()) text += ", " + issue.element;
  return text + ": " + issue.message;
}

std::optional<ReturnIdentity> identifyReturn(std::string_view document) {
  Collector ignored;
  Doc doc;
  {
    ErrorsTo errors(ignored);
    doc = parse(document);
  }
  const xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
  const xmlNode* form = root ? xmlFirstElementChild(const_cast<xmlNode*>(root)) : nullptr;
  if (!form) return std::nullopt;
  const std::string tag = reinterpret_cast<const char*>(form->name);
  if (!tag.starts_with("ITR") || tag.size() < 4) return std::nullopt;
  ReturnIdentity identity{"ITR-" + tag.substr(3), 0};
  // The year sits in the form block: <ITRForm:Form_ITR1><ITRForm:AssessmentYear>.
  for (xmlNode* block = xmlFirstElementChild(const_cast<xmlNode*>(form)); block; block = xmlNextElementSibling(block))
    for (xmlNode* item = xmlFirstElementChild(block); item; item = xmlNextElementSibling(item))
      if (std::string_view(reinterpret_cast<const char*>(item->name)) == "AssessmentYear") {
        std::unique_ptr<xmlChar, decltype(xmlFree)> text(xmlNodeGetContent(item), xmlFree);
        try {
          identity.year = std::stoi(reinterpret_cast<const char*>(text.get()));
        } catch (const std::exception&) {
          return std::nullopt;
        }
        return identity;
      }
  return std::nullopt;
}

}  // namespace meridian::suite::efile
