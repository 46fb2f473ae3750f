#include "suite/client_register.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "client/client_info_form.h"
#include "client/identifier_rules.h"
#include "common/paths.h"
#include "common/text.h"
#include "db/connection.h"
#include "host/states.h"
#include "suite/client_list_table.h"
#include "suite/data_folder.h"

namespace meridian::suite {

using ui::ControlKind;
using ui::EventType;

namespace {

struct RegisterField {
  const char* name;
  const char* label;
  int validateData;
  int maxLength;
  const char* column;       // in owner1 (persons) or main_info1 (others)
  bool person, other;       // which kind of client has the box
};

// The boxes of the register, the column each fills, and for whom.
const std::vector<RegisterField>& registerFields() {
  static const std::vector<RegisterField> fields = {
      {"txtcode", "Client Code", 0, 20, nullptr, true, true},
      {"txtlinkedto", "Partner / Proprietor of (client code)", 0, 20, nullptr, true, false},
      {"txtfnm", "First Name", 0, 75, "f_nm", true, false},
      {"txtmnm", "Middle Name", 0, 75, "m_nm", true, false},
      {"txtlnm", "Last Name", 0, 75, "l_nm", true, false},
      {"txtfatfnm", "Father's First Name", 0, 75, "fat_f_nm", true, false},
      {"txtfatmnm", "Father's Middle Name", 0, 75, "fat_m_nm", true, false},
      {"txtfatlnm", "Father's Last Name", 0, 75, "fat_l_nm", true, false},
      {"txtnm", "Name", 0, 125, "nm", false, true},
      {"txtpan", "PAN", 3, 10, "pan", true, true},
      {"txtphone1", "Telephone", 0, 20, "phone1", true, true},
      {"txtmobile", "Mobile No.", 1, 10, nullptr, true, true},
      {"txtemail", "E-mail", 0, 100, "email", true, true},
      {"txthno", "Flat / Door No.", 0, 50, "h_no", true, true},
      {"txthnm", "Name of Premises", 0, 100, "h_nm", true, true},
      {"txtstreet", "Road / Street", 0, 100, "street", true, true},
      {"txtarea", "Area / Locality", 0, 100, "area", true, true},
      {"txtcity", "Town / City / District", 0, 50, "city", true, true},
      {"cbostate", "State", 0, 50, "state", true, true},
      {"txtpin", "PIN", 1, 6, nullptr, true, true},
  };
  return fields;
}

bool allDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Statuses a person may be linked under: the firm's partners, the proprietor.
std::string linkedStatusFor(const std::string& parentStatus) {
  const std::string s = upperCase(parentStatus);
  if (s == "FIRM" || s == "FIRM (LIMITED LIABILITY)") return "PARTNER";
  if (s == "PROPRIETORSHIP") return "PROPRIETOR";
  return "";
}

std::string clientName(db::Connection& conn, const std::string& code) {
  auto m = conn.query("SELECT nm FROM main_info1 WHERE code_no = ?", {code});
  if (!m.empty()) return m.front().text(0);
  auto o = conn.query("SELECT f_nm, m_nm, l_nm FROM owner1 WHERE code = ?", {code});
  if (o.empty()) return "";
  std::string name;
  for (size_t i = 0; i < 3; ++i)
    if (!trimmed(o.front().text(i), kBlanksAndTabs).empty()) name += (name.empty() ? "" : " ") + trimmed(o.front().text(i), kBlanksAndTabs);
  return name;
}

// Column names of a table, lower case.
std::vector<std::string> columnsOf(db::Connection& conn, const std::string& table) {
  auto rs = conn.engine() == db::Engine::sqlite
                ? conn.query("SELECT name FROM pragma_table_info(?)", {table})
                : conn.query("SELECT column_name FROM information_schema.columns WHERE table_schema = DATABASE() "
                             "AND table_name = ?",
                             {table});
  std::vector<std::string> out;
  for (const auto& r : rs) {
    std::string c = r.text(0);
    std::transform(c.begin(), c.end(), c.begin(), [](unsigned char ch) { return std::tolower(ch); });
    out.push_back(c);
  }
  return out;
}

// The column that names the client in a table, "" when the table holds no
// client rows. Most tables key the client (or its return-table code) by
// code_no; a few say otherwise.
std::string clientColumnOf(const std::string& table, const std::vector<std::string>& columns) {
  static const std::set<std::string> notClientTables = {"schema_migrations", "users", "user_rights", "user_settings",
                                                        "grp_m" /* group codes, not client codes */};
  static const std::vector<std::pair<std::string, std::string>> special = {
      {"owner1", "code"},       // code_no there is the client the person belongs to
      {"grp_trans", "c_code"},  // code_no there is the group
      {"tempcltbl", "codeno"},
  };
  std::string t = table;
  std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::tolower(c); });
  if (notClientTables.count(t)) return "";
  for (const auto& [name, column] : special)
    if (name == t) return column;
  for (const char* key : {"code_no", "codeno", "code"})
    if (std::find(columns.begin(), columns.end(), key) != columns.end()) return key;
  return "";
}

}  // namespace

const std::vector<std::string>& clientStatuses() {
  static const std::vector<std::string> list = {"INDIVIDUAL",
                                                "HUF",
                                                "FIRM",
                                                "FIRM (LIMITED LIABILITY)",
                                                "PROPRIETORSHIP",
                                                "AOP",
                                                "AOP (TRUST)",
                                                "BOI",
                                                "CO-OPERATIVE SOCIETY",
                                                "CO-OPERATIVE BANK",
                                                "PRIVATE LTD.",
                                                "PUBLIC LTD.",
                                                "FOREIGN COMPANY",
                                                "LOCAL AUTHORITY",
                                                "ARTIFICIAL JURIDICAL PERSON"};
  return list;
}

bool isPersonStatus(const std::string& status) {
  const std::string s = upperCase(trimmed(status, kBlanksAndTabs));
  return s == "INDIVIDUAL" || s == "PARTNER" || s == "PROPRIETOR";
}

std::string nextClientCode(db::Connection& conn) {
  unsigned long long highest = 0;
  for (const auto& r : conn.query("SELECT code_no FROM main_info1 UNION ALL SELECT code FROM owner1")) {
    const std::string c = r.text(0);
    if (allDigits(c) && c.size() < 18) highest = std::max(highest, std::stoull(c));
  }
  return std::to_string(highest + 1);
}

ClientRegisterForm::ClientRegisterForm(host::Component& host, std::string code)
    : ui::Form("frmclreg", "Client Register"), host_(host), code_(std::move(code)) {
  auto& status = add(ControlKind::comboBox, "cbostatus", "Status");
  status.items = clientStatuses();
  for (const auto& f : registerFields()) {
    auto& c = add(f.name[0] == 'c' ? ControlKind::comboBox : ControlKind::textBox, f.name, f.label);
    c.validateData = f.validateData;
    c.maxLength = f.maxLength;
  }
  for (const char* n : {"txtpin", "txtmobile"}) (*this)[n].exclude = "+-";
  add(ControlKind::label, "lbldob", "DATE OF BIRTH");
  add(ControlKind::dateBox, "txtdob").mask = "__/__/____";
  add(ControlKind::comboBox, "cbosex", "Sex").items = {"MALE", "FEMALE"};
  add(ControlKind::button, "cmdsave", "&Save");
  add(ControlKind::button, "cmddelete", "&Delete");
  add(ControlKind::button, "cmdback", "&Back");

  on("cmdsave", EventType::click, [this](ui::Event&) {
    if (save() && desktop()) desktop()->statusLine = "Client " + code_ + " saved.";
  });
  on("cmddelete", EventType::click, [this](ui::Event&) {
    if (!code_.empty() && deleteClient(host_, code_) && desktop()) desktop()->close(*this);
  });
  on("cmdback", EventType::click, [this](ui::Event&) {
    if (desktop()) desktop()->close(*this);
  });
  // Identifiers are checked as the user leaves them; a refusal keeps the focus there.
  on("txtpan", EventType::lostFocus, [this](ui::Event&) {
    if (client::refuse(dialogs(), client::checkClientPan(text("txtpan")))) focus = "txtpan";
  });
  on("txtemail", EventType::lostFocus, [this](ui::Event&) {
    if (client::refuse(dialogs(), client::checkEmail(text("txtemail")))) focus = "txtemail";
  });
  on("cbostatus", EventType::change, [this](ui::Event&) {
    person_ = isPersonStatus(text("cbostatus"));
    for (const auto& f : registerFields()) (*this)[f.name].visible = person_ ? f.person : f.other;
    (*this)["cbosex"].visible = person_;
    (*this)["lbldob"].caption = person_ ? "DATE OF BIRTH" : "DATE OF INCORPORATION";
  });
}

std::string ClientRegisterForm::text(const std::string& name) { return trimmed((*this)[name].text, kBlanksAndTabs); }

bool ClientRegisterForm::refuse(const std::string& control, const std::string& message, ui::Icon icon) {
  dialogs().show({message, "", icon});
  focus = control;
  return false;
}

void ClientRegisterForm::load() {
  auto& conn = host_.base().DbObj();
  host_.base().loadstatelist((*this)["cbostate"]);
  (*this)["txtdob"].text = "__/__/____";
  ui::Event e;
  e.control = "cbostatus";
  e.type = EventType::change;
  if (code_.empty()) {
    caption = "Client Register: new client";
    (*this)["cbostatus"].selectText("INDIVIDUAL");
    dispatch(e);
    return;
  }
  caption = "Client Register: " + code_;
  auto& codeBox = (*this)["txtcode"];
  codeBox.text = code_;
  codeBox.locked = true;
  auto o = conn.query("SELECT * FROM owner1 WHERE code = ?", {code_});
  auto m = conn.query("SELECT * FROM main_info1 WHERE code_no = ?", {code_});
  const db::Row* row = !o.empty() ? &o.front() : !m.empty() ? &m.front() : nullptr;
  if (!row) return;
  std::string status = row->text("status");
  if (!o.empty() && status.empty()) status = "INDIVIDUAL";
  // A linked person shows as an individual of the client it belongs to.
  auto& statusBox = (*this)["cbostatus"];
  statusBox.selectText(isPersonStatus(status) ? "INDIVIDUAL" : status);
  dispatch(e);
  for (const auto& f : registerFields())
    if (f.column && row->has(f.column)) (*this)[f.name].text = row->text(f.column);
  if (!o.empty()) {
    (*this)["txtlinkedto"].text = row->text("code_no");
    (*this)["txtmobile"].text = row->text("mobile");
    (*this)["cbosex"].selectText(row->text("sex"));
    if (!row->text("dob").empty()) (*this)["txtdob"].text = row->text("dob");
  } else {
    (*this)["txtmobile"].text = row->text("phone4");
    if (!row->text("doi").empty()) (*this)["txtdob"].text = row->text("doi");
  }
  (*this)["cbostate"].selectText(row->text("state"));
  (*this)["txtpin"].text = row->text("pin") == "0" ? "" : row->text("pin");
  loadedPan_ = row->text("pan");
}

bool ClientRegisterForm::save() {
  auto& base = host_.base();
  auto& conn = base.DbObj();
  auto& d = dialogs();
  const std::string status = text("cbostatus");
  if (status.empty() || (!isPersonStatus(status) && std::find(clientStatuses().begin(), clientStatuses().end(), status) ==
                                                        clientStatuses().end()))
    return refuse("cbostatus", "Please select the 'Status'.");
  const bool person = isPersonStatus(status);

  std::map<std::string, std::string> v;
  for (const auto& f : registerFields()) {
    const auto& c = (*this)[f.name];
    if (!(person ? f.person : f.other)) continue;
    auto r = client::recheckBox(c, f.label);
    if (!r.accepted) return refuse(f.name, r.message, r.icon);
    v[f.name] = r.text;
  }
  if (client::refuse(d, client::checkEmail(v["txtemail"]))) return (focus = "txtemail", false);

  const bool isNew = code_.empty();
  std::string code = isNew ? v["txtcode"] : code_;
  if (isNew) {
    if (code.empty()) code = nextClientCode(conn);
    // Client codes name folders under the document folder.
    if (!safePathComponent(code))
      return refuse("txtcode", "A client code can not contain \\ / : .. or control characters.");
    if (conn.exists("SELECT 1 FROM main_info1 WHERE code_no = ?", {code}) ||
        conn.exists("SELECT 1 FROM owner1 WHERE code = ?", {code}))
      return refuse("txtcode", "Client code " + code + " is already given to another client.");
  } else {
    const bool wasPerson = conn.exists("SELECT 1 FROM owner1 WHERE code = ?", {code});
    if (wasPerson != person)
      return refuse("cbostatus", "The status of client " + code + " can not change between an individual and other statuses.");
  }
  if (person) {
    if (v["txtfnm"].empty() && v["txtlnm"].empty())
      return refuse("txtfnm", "Please specify 'First Name' or 'Last Name'.");
  } else if (v["txtnm"].empty()) {
    return refuse("txtnm", "Please specify 'Name'.");
  }
  if (client::refuse(d, client::checkClientPan(v["txtpan"]))) return (focus = "txtpan", false);
  std::string date = text("txtdob");
  if (date == "__/__/____") date.clear();
  if (!date.empty()) {
    try {
      date = base.ConvertDate(date);
    } catch (const std::exception&) {  // letters where digits belong
      date.clear();
    }
    if (date.empty()) return refuse("txtdob", "Invalid date. Enter date in dd/mm/yyyy.");
  }
  std::string personStatus = "INDIVIDUAL";
  const std::string linkedTo = person ? v["txtlinkedto"] : "";
  if (!linkedTo.empty()) {
    if (linkedTo == code) return refuse("txtlinkedto", "A client can not be linked to itself.");
    personStatus = linkedStatusFor(conn.scalar("SELECT status FROM main_info1 WHERE code_no = ?", {linkedTo}));
    if (personStatus.empty())
      return refuse("txtlinkedto", "Client " + linkedTo + " is not a firm or a proprietorship.");
  }
  const std::string pan = v["txtpan"];
  if (pan.size() == 10 && pan != loadedPan_ && base.CheckForDupClWithPAN(code, pan) == "N")
    return (focus = "txtpan", false);

  const std::string pin = host::isStateOutsideIndia(v["cbostate"]) ? "999999" : v["txtpin"];
  db::Params values;
  std::string columns;
  for (const auto& f : registerFields()) {
    if (!f.column || !(person ? f.person : f.other)) continue;
    columns += std::string(columns.empty() ? "" : ", ") + f.column;
    values.push_back(v[f.name]);
  }
  columns += person ? ", mobile, dob, sex, pin, code_no, status" : ", phone4, doi, pin, status";
  values.push_back(v["txtmobile"]);
  values.push_back(date);
  if (person) values.push_back(text("cbosex"));
  values.push_back(pin.empty() ? 0LL : std::stoll(pin));
  if (person) values.push_back(linkedTo);
  values.push_back(person ? personStatus : status);

  const std::string table = person ? "owner1" : "main_info1";
  const std::string key = person ? "code" : "code_no";
  {
    auto tx = conn.begin();
    if (isNew) {
      values.push_back(code);
      std::string marks;
      for (size_t i = 0; i < values.size(); ++i) marks += i ? ", ?" : "?";
      conn.execute("INSERT INTO " + table + " (" + columns + ", " + key + ") VALUES (" + marks + ")", values);
    } else {
      std::string set = columns;
      // "a, b, c" -> "a = ?, b = ?, c = ?"
      std::string out;
      size_t start = 0;
      while (start < set.size()) {
        size_t end = set.find(", ", start);
        if (end == std::string::npos) end = set.size();
        out += (out.empty() ? "" : ", ") + set.substr(start, end - start) + " = ?";
        start = end + 2;
      }
      values.push_back(code);
      conn.execute("UPDATE " + table + " SET " + out + " WHERE " + key + " = ?", values);
    }
    refreshClientListRow(conn, code);
    tx.commit();
  }
  code_ = code;
  loadedPan_ = pan;
  caption = "Client Register: " + code_;
  (*this)["txtcode"].text = code_;
  (*this)["txtcode"].locked = true;
  return true;
}

std::shared_ptr<ui::Form> openClientRegister(host::Component& host, const std::string& code) {
  auto form = std::make_shared<ClientRegisterForm>(host, code);
  host.showMaximised(form);
  return form;
}

bool deleteClient(host::Component& host, const std::string& code) {
  auto& conn = host.base().DbObj();
  auto& d = host.desktop().dialogs();
  const bool known = conn.exists("SELECT 1 FROM main_info1 WHERE code_no = ?", {code}) ||
                     conn.exists("SELECT 1 FROM owner1 WHERE code = ?", {code});
  if (!known) {
    d.info("Client " + code + " not found.");
    return false;
  }
  if (!d.yesNo("Do you want to delete client " + code + " " + clientName(conn, code) + " ?", "", ui::Answer::no))
    return false;

  auto tx = conn.begin();
  std::vector<std::string> linked;
  for (const auto& r : conn.query("SELECT code FROM owner1 WHERE code_no = ? AND code <> ?", {code, code}))
    linked.push_back(r.text(0));
  conn.execute("UPDATE owner1 SET code_no = '' WHERE code_no = ? AND code <> ?", {code, code});
  // The client's own rows and those of its revised returns, rectifications
  // and orders (code^R-1 ...), in every table that keys rows by client.
  const std::string returnPrefix = code + "^";
  long long prefixChars = 0;  // SUBSTR counts characters on both engines
  for (unsigned char c : returnPrefix) prefixChars += (c & 0xC0) != 0x80;
  for (const auto& table : conn.tables()) {
    const std::string column = clientColumnOf(table, columnsOf(conn, table));
    if (column.empty()) continue;
    conn.execute("DELETE FROM " + table + " WHERE " + column + " = ? OR SUBSTR(" + column + ", 1, ?) = ?",
                 {code, prefixChars, returnPrefix});
  }
  for (const auto& person : linked) refreshClientListRow(conn, person);
  tx.commit();
  if (host.base().vLstSelClCode.get() == code) host.base().vLstSelClCode = "";
  return true;
}

}  // namespace meridian::suite
