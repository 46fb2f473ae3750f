#include "filing/intimation_reader.h"

#include <fstream>
#include <random>
#include <regex>
#include <sstream>

#include "db/connection.h"
#include "common/text.h"
#include "common/years.h"
#include "suite/external_program.h"

namespace meridian::filing {
namespace fs = std::filesystem;
namespace {

// The converter reads one page; a busy machine gets time to finish it.
constexpr auto kConverterLimit = std::chrono::seconds(20);

std::string collapsedSpaces(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r' || c == '\t') c = ' ';
    if (c == ' ' && !out.empty() && (out.back() == ' ' || out.back() == '\n')) continue;
    if (c == '\n' && !out.empty() && out.back() == ' ') out.pop_back();
    out.push_back(c);
  }
  return out;
}

// The first match of `pattern` within the few characters after `label`
// (any of its occurrences); "" when none.
std::string after(const std::string& text, const std::string& label, const std::regex& pattern, size_t window = 40) {
  const std::string upper = upperCase(text);
  const std::string key = upperCase(label);
  for (size_t at = upper.find(key); at != std::string::npos; at = upper.find(key, at + 1)) {
    const std::string following = text.substr(at + key.size(), window);
    std::smatch m;
    if (std::regex_search(following, m, pattern)) return m.str(1);
  }
  return "";
}

std::string maskedPan(const std::string& pan) {
  return pan.size() == 10 ? pan.substr(0, 3) + "XXXXX" + pan.substr(8) : pan;
}

struct ClientKey {
  std::string pan, date;  // date dd/mm/yyyy: of birth, or of incorporation or formation
};

ClientKey clientKey(db::Connection& conn, const std::string& code) {
  auto person = conn.query("SELECT pan, dob FROM owner1 WHERE code = ?", {code});
  if (!person.empty()) return {upperCase(person.front().text(0)), person.front().text(1)};
  auto entity = conn.query("SELECT pan, doi FROM main_info1 WHERE code_no = ?", {code});
  if (!entity.empty()) return {upperCase(entity.front().text(0)), entity.front().text(1)};
  return {};
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

fs::path freshFolder(const fs::path& under) {
  std::random_device rd;
  for (;;) {
    fs::path p = under / ("intimation_" + std::to_string(rd()));
    if (fs::create_directories(p)) return p;
  }
}

}  // namespace

std::string textOfHtml(const std::string& html) {
  size_t start = html.find("<body");
  start = start == std::string::npos ? 0 : html.find('>', start) + 1;
  std::string text;
  for (size_t i = start; i < html.size(); ++i) {
    if (html[i] == '<') {
      const size_t close = html.find('>', i);
      if (close == std::string::npos) break;
      const std::string tag = upperCase(html.substr(i, close - i + 1));
      if (tag.rfind("<BR", 0) == 0 || tag.rfind("<P", 0) == 0 || tag.rfind("</P", 0) == 0 || tag.rfind("<HR", 0) == 0)
        text += '\n';
      i = close;
    } else if (html[i] == '&') {
      const size_t semi = html.find(';', i);
      const std::string entity = semi == std::string::npos ? "" : html.substr(i, semi - i + 1);
      static const std::pair<const char*, const char*> known[] = {
          {"&nbsp;", " "}, {"&#160;", " "}, {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}};
      bool replaced = false;
      for (auto [name, value] : known)
        if (entity == name) {
          text += value;
          i = semi;
          replaced = true;
          break;
        }
      if (!replaced) text += '&';
    } else {
      text += html[i];
    }
  }
  return collapsedSpaces(text);
}

std::string maskedPanInFileName(const std::string& fileName) {
  const std::string upper = upperCase(fileName);
  const size_t at = upper.find("XXXXX");
  if (at == std::string::npos || at < 3 || at + 7 > upper.size()) return "";
  std::string masked = upper.substr(at - 3, 10);
  masked.replace(3, 5, "_____");
  static const std::regex shape("[A-Z][A-Z][A-Z][_][_][_][_][_][0-9][A-Z]");
  return std::regex_match(masked, shape) ? masked : "";
}

std::optional<Intimation> parseIntimation(const std::string& text, const std::string& expectedPan,
                                          const std::string& expectedYear, host::Base& base, std::string& error) {
  auto fail = [&](std::string why) -> std::optional<Intimation> {
    error = std::move(why);
    return std::nullopt;
  };
  const std::string upper = upperCase(text);
  Intimation n;
  if (upper.find("INTIMATION U/S 143(1) OF THE INCOME TAX ACT, 1961") != std::string::npos)
    n.kind = 'I';
  else if (upper.find("RECTIFICATION ORDER UNDER SEC.154 OF INCOME TAX ACT, 1961") != std::string::npos)
    n.kind = 'R';
  else
    return fail("Not a Valid File !");
  static const std::regex pan("([A-Z][A-Z][A-Z][A-Z][A-Z][0-9][0-9][0-9][0-9][A-Z])");
  static const std::regex year("((20[01][0-9])-[0-9][0-9])");
  // A date follows its label after a colon at most: "Date of Filing" must not
  // take the date of "Date of Filing Rectification Request".
  static const std::regex date("^[^0-9A-Za-z]{0,6}([0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9])");
  static const std::regex ack("([0-9]{15})");
  static const std::regex itr("(ITR-2A|ITR-4S|ITR-[1-7])");
  static const std::regex token("^\\s*:?\\s*(\\S+)");
  static const std::regex cpc("(CPC/\\S+)");

  n.pan = after(text, "PAN:", pan, 20);
  if (n.pan.empty()) n.pan = after(text, "PAN :", pan, 20);
  if (n.pan.empty()) return fail("PAN is missing.");
  if (n.pan != expectedPan) return fail("PAN [" + n.pan + "] mismatch.");

  n.assessmentYear = after(text, "A.Y.", year, 20);
  const int first = n.assessmentYear.empty() ? 0 : std::stoi(n.assessmentYear.substr(0, 4));
  // The portal's intimations cover A.Y. 2006-07 onward; this program's years end at 2017-18.
  if (first < 2006 || first > years::kLatest) return fail("Assessment Year is missing.");
  if (n.assessmentYear != expectedYear)
    return fail("Assessment Year [" + n.assessmentYear + "] mismatch.");

  n.communicationRef = after(text, "Communication Reference No", token, 60);
  if (n.communicationRef == ":") n.communicationRef.clear();
  if (n.communicationRef.empty()) return fail("Communication Reference No. is missing.");

  auto dateAfter = [&](const char* label) {
    const std::string d = after(text, label, date);
    return d.empty() ? d : base.ConvertDate(d);
  };
  n.dateOfOrder = dateAfter("Date of Order:");
  if (n.dateOfOrder.empty()) n.dateOfOrder = dateAfter("Date of Order :");
  if (n.dateOfOrder.empty()) return fail("Date of Order is missing.");

  n.itrType = after(text, "ITR Type:", itr, 20);
  n.ackNo = after(text, "E-Filing Acknowledgement No:", ack);
  n.rectificationRequestDate = dateAfter("Date of Filing Rectification Request :");
  n.dueDate = dateAfter("Due Date for Filing");
  n.filingDate = dateAfter("Date of Filing");
  std::smatch m;
  if (std::regex_search(text, m, cpc)) n.cpcRef = m.str(1);
  return n;
}

bool fillFromIntimation(host::Component& host, ui::Dialogs& dialogs, const fs::path& pdf, RectificationDetails& out) {
  auto refuse = [&](const std::string& text) {
    dialogs.info(text);
    return false;
  };
  std::error_code ec;
  if (!fs::is_regular_file(pdf, ec)) return refuse("File [" + pdf.string() + "] not found.");
  const std::string name = pdf.filename().string();
  const std::string masked = maskedPanInFileName(name);
  if (masked.empty()) return refuse("Invalid File [" + name + "].");

  const std::string client = host.clientCtx().vT_Code_No.get();
  const ClientKey key = clientKey(host.base().DbObj(), client);
  if (key.pan.size() != 10 || key.pan.substr(0, 3) != masked.substr(0, 3) || key.pan.substr(8) != masked.substr(8)) {
    std::string shown = masked;
    shown.replace(3, 5, "XXXXX");
    return refuse("PAN in Selected PDF File is : " + shown + ", which is not matching with Client's PAN : " +
                  maskedPan(key.pan));
  }

  const std::string bytes = readFile(pdf);
  std::vector<std::string> argv = {"pdftohtml", "-f", "1", "-l", "1", "-i", "-noframes", "-nomerge", "-q"};
  if (bytes.find("/Encrypt ") != std::string::npos) {
    // The portal locks the file with the PAN in lower case and the date of
    // birth (or incorporation) as ddmmyyyy. It is the file's open password,
    // which the converter takes as -upw.
    std::string date;
    for (char c : key.date)
      if (c >= '0' && c <= '9') date += c;
    std::string password = key.pan + date;
    for (auto& c : password) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (password.size() != 18) return refuse("Correct Password could not be retrieved.");
    argv.insert(argv.end(), {"-upw", password});
  }
  argv.insert(argv.end(), {"F0.pdf", "F0"});

  std::string html;
  fs::path work;
  try {
    work = freshFolder(fs::path(host.base().vTmpPath.get()));
    fs::copy_file(pdf, work / "F0.pdf");
    const suite::ProgramOutcome run = suite::runProgram(argv, work, kConverterLimit);
    if (run.started && !run.timedOut && run.exitCode == 0) html = readFile(work / "F0.html");
  } catch (const fs::filesystem_error&) {
    html.clear();
  }
  if (!work.empty()) fs::remove_all(work, ec);
  const std::string text = textOfHtml(html);
  if (trimmed(text, kWhitespace).empty()) return refuse("Could not read from the PDF File.");

  std::string error;
  auto intimation = parseIntimation(text, key.pan, host.returnCtx().Vt_ASS_YEAR.get(), host.base(), error);
  if (!intimation) return refuse(error);
  out.cpcOrderDate = intimation->dateOfOrder;
  out.referenceNo = intimation->communicationRef;
  if (intimation->kind == 'R') out.secondDate = intimation->rectificationRequestDate;
  return true;
}

}  // namespace meridian::filing
