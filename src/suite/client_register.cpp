#include "suite/client_register.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "common/dates.h"
#include "common/paths.h"
#include "common/text.h"
#include "db/conflict_retry.h"
#include "host/save_conflict.h"
#include "db/connection.h"
#include "db/rows.h"
#include "host/client_list_changes.h"
#include "host/client_particulars.h"
#include "host/control_columns.h"
#include "host/identifier_rules.h"
#include "host/list_choice.h"
#include "host/screen_registry.h"
#include "host/states.h"
#include "host/status.h"
#include "host/versioned_row.h"
#include "suite/client_codes.h"
#include "suite/client_list_table.h"
#include "suite/data_folder.h"
#include "suite/dataset/data_set_code.h"

namespace meridian::suite {

using ui::ControlKind;
using ui::EventType;

namespace {

struct RegisterField {
  const char* name;
  const char* label;
  int validateData;
  int maxLength;
  bool person, other;  // which kind of client has the box
};

// The boxes of the register and for whom.
const std::vector<RegisterField>& registerFields() {
  static const std::vector<RegisterField> fields = {
      {"txtcode", "Client Code", 0, 20, true, true},
      {"txtlinkedto", "Partner / Proprietor of (client code)", 0, 20, true, false},
      {"txtfnm", "First Name", 0, 75, true, false},
      {"txtmnm", "Middle Name", 0, 75, true, false},
      {"txtlnm", "Last Name", 0, 75, true, false},
      {"txtfatfnm", "Father's First Name", 0, 75, true, false},
      {"txtfatmnm", "Father's Middle Name", 0, 75, true, false},
      {"txtfatlnm", "Father's Last Name", 0, 75, true, false},
      {"txtnm", "Name", 0, 125, false, true},
      {"txtpan", "PAN", 3, 10, true, true},
      {"txtphone1", "Telephone", 0, 20, true, true},
      {"txtmobile", "Mobile No.", 1, 10, true, true},
      {"txtemail", "E-mail", 0, 100, true, true},
      {"txthno", "Flat / Door No.", 0, 50, true, true},
      {"txthnm", "Name of Premises", 0, 100, true, true},
      {"txtstreet", "Road / Street", 0, 100, true, true},
      {"txtarea", "Area / Locality", 0, 100, true, true},
      {"txtcity", "Town / City / District", 0, 50, true, true},
      {"cbostate", "State", 0, 50, true, true},
      {"txtpin", "PIN", 1, 6, true, true},
  };
  return fields;
}

using host::Shown;

// Where the register keeps each control: a person in owner1, any other
// client in main_info1 (nullptr where that table does not keep it). Load and
// save both read this table.
struct KeptIn {
  const char* control;
  Shown shown;
  const char* person;
  const char* other;
  bool keepWhenBlank = false;
};

const std::vector<KeptIn>& keptIn() {
  static const std::vector<KeptIn> table = {
      // control        shown          owner1      main_info1
      {"txtlinkedto",   Shown::text,   "code_no",  nullptr},
      {"txtfnm",        Shown::text,   "f_nm",     nullptr},
      {"txtmnm",        Shown::text,   "m_nm",     nullptr},
      {"txtlnm",        Shown::text,   "l_nm",     nullptr},
      {"txtfatfnm",     Shown::text,   "fat_f_nm", nullptr},
      {"txtfatmnm",     Shown::text,   "fat_m_nm", nullptr},
      {"txtfatlnm",     Shown::text,   "fat_l_nm", nullptr},
      {"txtnm",         Shown::text,   nullptr,    "nm"},
      {"txtpan",        Shown::text,   "pan",      "pan"},
      {"txtphone1",     Shown::text,   "phone1",   "phone1"},
      {"txtmobile",     Shown::text,   "mobile",   "phone4"},
      {"txtemail",      Shown::text,   "email",    "email"},
      {"txthno",        Shown::text,   "h_no",     "h_no"},
      {"txthnm",        Shown::text,   "h_nm",     "h_nm"},
      {"txtstreet",     Shown::text,   "street",   "street"},
      {"txtarea",       Shown::text,   "area",     "area"},
      {"txtcity",       Shown::text,   "city",     "city"},
      {"cbostate",      Shown::choice, "state",    "state"},
      {"txtpin",        Shown::pin,    "pin",      "pin"},
      {"txtdob",        Shown::date,   "dob",      "doi"},
      {"cbosex",        Shown::choice, "sex",      nullptr},
  };
  return table;
}

const host::ColumnMap& columnsFor(bool person) {
  static const host::ColumnMap persons = host::columnsOf(keptIn(), &KeptIn::person);
  static const host::ColumnMap others = host::columnsOf(keptIn(), &KeptIn::other);
  return person ? persons : others;
}

// Statuses a person may be linked under: the firm's partners, the proprietor.
std::string linkedStatusFor(const std::string& parentStatus) {
  const std::string s = upperCase(parentStatus);
  if (s == "FIRM" || s == "FIRM (LIMITED LIABILITY)") return "PARTNER";
  if (s == "PROPRIETORSHIP") return "PROPRIETOR";
  return "";
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

// Deletes the rows of the client's own data set and of its revised returns,
// rectifications and orders (code^R-1, code^Z-2, code^A-1 ...), matched
// exactly: a code that only begins with the client's code and "^" (a code
// kept from before "^" was refused in client codes) is another client's.
void deleteDataSets(db::Connection& conn, const std::string& table, const std::string& column, const std::string& code) {
  const std::string prefix = code + "^";
  long long prefixChars = 0;  // SUBSTR counts characters on both engines
  for (unsigned char c : prefix) prefixChars += (c & 0xC0) != 0x80;
  conn.execute("DELETE FROM " + table + " WHERE " + column + " = ?", {code});
  const auto candidates = conn.query(
      "SELECT DISTINCT " + column + " FROM " + table + " WHERE SUBSTR(" + column + ", 1, ?) = ?", {prefixChars, prefix});
  for (const auto& r : candidates)
    if (dataset::belongsToClient(r.text(0), code))
      conn.execute("DELETE FROM " + table + " WHERE " + column + " = ?", {r.text(0)});
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

ClientRegisterForm::ClientRegisterForm(host::Component& host)
    : host::Screen(host.base(), "frmclreg", "Client Register"), host_(host) {
  auto& status = add(ControlKind::comboBox, "cbostatus", "Status");
  status.items = clientStatuses();
  for (const auto& f : registerFields()) {
    auto& c = add(f.name[0] == 'c' ? ControlKind::comboBox : ControlKind::textBox, f.name, f.label);
    c.validateData = f.validateData;
    c.maxLength = f.maxLength;
  }
  for (const char* n : {"txtpin", "txtmobile"}) (*this)[n].exclude = "+-";
  add(ControlKind::label, "lbldob", "DATE OF BIRTH");
  addDateBox("txtdob");
  add(ControlKind::comboBox, "cbosex", "Sex").items = {"MALE", "FEMALE"};
  add(ControlKind::button, "cmdsave", "&Save");
  add(ControlKind::button, "cmddelete", "&Delete");
  add(ControlKind::button, "cmdback", "&Back");

  on("cmdsave", EventType::click, [this](ui::Event&) { save(); });
  on("cmddelete", EventType::click, [this](ui::Event&) {
    if (!code_.empty() && deleteClient(host_, code_)) close();
  });
  on("cmdback", EventType::click, [this](ui::Event&) { closeAskingToSave(); });
  // Each box is checked as the user leaves it; a refusal keeps the focus there.
  checkOnLeaving("txtpan", [this] { return host::checkClientPan(text("txtpan")); });
  checkOnLeaving("txtemail", [this] { return host::checkEmail(text("txtemail")); });
  checkOnLeaving("txtmobile", [this] { return host::checkMobile(text("txtmobile")); });
  checkOnLeaving("txtpin", [this] { return host::checkPin(text("txtpin")); });
  checkOnLeaving("txtdob", [this] {
    return host::checkDateOfBirthOnLeaving((*this)["txtdob"].text, formatDmy(today()), !person_);
  });
  on("cbostatus", EventType::change, [this](ui::Event&) { showFieldsForStatus(); });
}

void ClientRegisterForm::showFieldsForStatus() {
  person_ = host::isPersonStatus(text("cbostatus"));
  for (const auto& f : registerFields()) (*this)[f.name].visible = person_ ? f.person : f.other;
  (*this)["cbosex"].visible = person_;
  (*this)["lbldob"].caption = person_ ? "DATE OF BIRTH" : "DATE OF INCORPORATION";
}

void ClientRegisterForm::load() {
  auto& conn = host_.base().DbObj();
  host_.base().loadstatelist((*this)["cbostate"]);
  showDate("txtdob", "");
  if (code_.empty()) {
    caption = "Client Register: new client";
    (*this)["cbostatus"].selectText("INDIVIDUAL");
    showFieldsForStatus();
    markUnchanged();
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
  host::chooseStored((*this)["cbostatus"], host::isPersonStatus(status) ? "INDIVIDUAL" : status);
  showFieldsForStatus();
  host::showRow(*this, *row, columnsFor(!o.empty()));
  loadedPan_ = row->text("pan");
  versionRead_ = host::rowVersion(*row);
  markUnchanged();
}

bool ClientRegisterForm::save() {
  auto& base = host_.base();
  auto& conn = base.DbObj();
  const std::string status = text("cbostatus");
  if (status.empty() || (!host::isPersonStatus(status) && std::find(clientStatuses().begin(), clientStatuses().end(), status) ==
                                                        clientStatuses().end()))
    return refuse("Please select the 'Status'.", "cbostatus");
  const bool person = host::isPersonStatus(status);

  std::map<std::string, std::string> v;
  for (const auto& f : registerFields()) {
    if (!(person ? f.person : f.other)) continue;
    auto checked = checkedText(f.name, f.label);
    if (!checked) return false;
    v[f.name] = *checked;
  }

  const bool isNew = code_.empty();
  const std::string typedCode = isNew ? v["txtcode"] : code_;
  if (isNew && !typedCode.empty()) {
    // Client codes name folders under the document folder.
    if (!safePathComponent(typedCode))
      return refuse("A client code can not contain \\ / : .. or control characters.", "txtcode");
    // "^" joins a client's code to the codes of its revised returns, rectifications and orders.
    if (typedCode.find('^') != std::string::npos)
      return refuse("A client code can not contain ^: it marks the data of revised returns, rectifications and orders.",
                    "txtcode");
  }
  if (!isNew && !conn.exists("SELECT 1 FROM owner1 WHERE code = ?", {code_}) &&
      !conn.exists("SELECT 1 FROM main_info1 WHERE code_no = ?", {code_}))
    return settleConflict(host::RowChange::gone);
  if (!isNew && conn.exists("SELECT 1 FROM owner1 WHERE code = ?", {code_}) != person)
    return refuse("The status of client " + code_ + " can not change between an individual and other statuses.", "cbostatus");
  // The identifiers in the order General Information checks them.
  if (refused(host::checkClientPan(v["txtpan"]), "txtpan")) return false;
  const auto typedDob = typedDate("txtdob");
  if (!typedDob) return false;
  if (refused(host::checkDateOfBirthOnLeaving(*typedDob, formatDmy(today()), !person), "txtdob")) return false;
  if (person) {
    if (v["txtfnm"].empty() && v["txtlnm"].empty())
      return refuse("Please specify 'First Name' or 'Last Name'.", "txtfnm");
  } else if (v["txtnm"].empty()) {
    return refuse("Please specify 'Name'.", "txtnm");
  }
  if (refused(host::checkEmail(v["txtemail"]), "txtemail") || refused(host::checkPin(v["txtpin"]), "txtpin") ||
      refused(host::checkMobile(v["txtmobile"]), "txtmobile"))
    return false;
  std::string personStatus = "INDIVIDUAL";
  const std::string linkedTo = person ? v["txtlinkedto"] : "";
  if (!linkedTo.empty()) {
    if (linkedTo == typedCode) return refuse("A client can not be linked to itself.", "txtlinkedto");
    personStatus = linkedStatusFor(conn.scalar("SELECT status FROM main_info1 WHERE code_no = ?", {linkedTo}));
    if (personStatus.empty())
      return refuse("Client " + linkedTo + " is not a firm or a proprietorship.", "txtlinkedto");
  }
  const std::string pan = v["txtpan"];
  if (pan.size() == 10 && pan != loadedPan_ && base.CheckForDupClWithPAN(isNew ? typedCode : code_, pan) == "N")
    return (focus = "txtpan", false);

  // What is written: an address abroad carries its PIN, the date as completed.
  if (host::isStateOutsideIndia(v["cbostate"])) v["txtpin"] = host::pinOutsideIndia;
  v["txtdob"] = *typedDob;
  v["cbosex"] = text("cbosex");
  v["txtlinkedto"] = linkedTo;
  const auto valueOf = [&v](const std::string& c) { return v[c]; };
  const std::string table = person ? "owner1" : "main_info1";
  const std::string key = person ? "code" : "code_no";

  std::string code, refusal;
  host::RowChange change = host::RowChange::none;
  bool written = false;
  // Numbered and written in one transaction, tried again when another user's
  // new client took the number meanwhile.
  db::inTransactionRetrying(conn, [&] {
    refusal.clear();
    change = host::RowChange::none;
    written = false;
    if (isNew) {
      code = typedCode.empty() ? assignClientCode(conn) : typedCode;
      if (conn.exists("SELECT 1 FROM main_info1 WHERE code_no = ?", {code}) ||
          conn.exists("SELECT 1 FROM owner1 WHERE code = ?", {code})) {
        refusal = "Client code " + code + " is already given to another client.";
        return;
      }
      db::Pairs values = host::columnValues(columnsFor(person), valueOf);
      values.emplace_back("status", person ? personStatus : status);
      values.emplace_back(key, code);
      db::insertRow(conn, table, values);
    } else {
      code = code_;
      // Only what the user changed: a value nobody touched is never rewritten.
      // A PIN goes with its state: an address abroad forces its PIN.
      db::Pairs values = host::columnValues(columnsFor(person), valueOf, [this](const std::string& c) {
        return changed(c) || (c == "txtpin" && changed("cbostate"));
      });
      if (changed("cbostatus") || changed("txtlinkedto")) values.emplace_back("status", person ? personStatus : status);
      if (values.empty()) return;
      change = host::updateIfUnchanged(conn, table, values, {{key, code}}, versionRead_);
      if (change != host::RowChange::none) return;
    }
    refreshClientListRow(conn, code);
    written = true;
  });
  if (!refusal.empty()) return refuse(refusal, "txtcode");
  if (change != host::RowChange::none) return settleConflict(change);

  // The version this save gave the row: a new row starts at 0.
  if (written) versionRead_ = isNew ? 0 : versionRead_ + 1;
  code_ = code;
  loadedPan_ = pan;
  caption = "Client Register: " + code_;
  (*this)["txtcode"].text = code_;
  (*this)["txtcode"].locked = true;
  markUnchanged();
  // The dashboard's list shows the saved client selected.
  base.vLstSelClCode = code_;
  if (desktop()) desktop()->statusLine = "Client " + code_ + " saved.";
  return true;
}

bool ClientRegisterForm::settleConflict(host::RowChange change) {
  switch (host::askAboutConflict(dialogs(), code_, change)) {
    case host::ConflictChoice::saveOver: {
      const bool person = conn().exists("SELECT 1 FROM owner1 WHERE code = ?", {code_});
      const auto version = host::currentVersion(conn(), person ? "owner1" : "main_info1", {{person ? "code" : "code_no", code_}});
      if (!version) return settleConflict(host::RowChange::gone);
      versionRead_ = *version;
      if (!save()) return false;
      // The row as it now stands: the other user's entries where this one changed nothing.
      load();
      return true;
    }
    case host::ConflictChoice::reload:
      load();
      return false;
    default:
      return false;
  }
}

db::Connection& ClientRegisterForm::conn() { return host_.base().DbObj(); }

bool deleteClient(host::Component& host, const std::string& code) {
  auto& conn = host.base().DbObj();
  auto& d = host.desktop().dialogs();
  const auto client = host::ClientParticulars::load(host.base(), code, 0);
  if (!client) {
    d.info("Client " + code + " not found.");
    return false;
  }
  if (!d.yesNo("Do you want to delete client " + code + " " + client->name() + " ?", "", ui::Answer::no)) return false;

  auto tx = conn.begin();
  std::vector<std::string> linked;
  for (const auto& r : conn.query("SELECT code FROM owner1 WHERE code_no = ? AND code <> ?", {code, code}))
    linked.push_back(r.text(0));
  conn.execute("UPDATE owner1 SET code_no = '' WHERE code_no = ? AND code <> ?", {code, code});
  for (const auto& table : conn.tables()) {
    const std::string column = clientColumnOf(table, columnsOf(conn, table));
    if (!column.empty()) deleteDataSets(conn, table, column, code);
  }
  for (const auto& person : linked) refreshClientListRow(conn, person);
  host::markClientListChanged(conn);
  tx.commit();
  if (host.base().vLstSelClCode.get() == code) host.base().vLstSelClCode = "";
  return true;
}

namespace {

const host::ScreenRegistration registered{
    {.name = "frmclreg", .make = [](host::Component& c) { return std::make_shared<ClientRegisterForm>(c); }}};

}  // namespace

}  // namespace meridian::suite
