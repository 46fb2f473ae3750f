#include "client/client_info_form.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "client/field_rules.h"
#include "client/identifier_rules.h"
#include "client/year_options.h"
#include "common/text.h"
#include "common/years.h"
#include "db/connection.h"
#include "host/countries.h"
#include "host/states.h"
#include "host/status.h"
#include "suite/client_list_table.h"

namespace meridian::client {

using ui::ControlKind;
using ui::EventType;
using ui::Icon;

const std::vector<FieldDef>& clientInfoFields() {
  static const std::vector<FieldDef> fields = {
      {"txtfnm", "First Name", ControlKind::textBox, 0, 75, "fraPersonal"},
      {"txtmnm", "Middle Name", ControlKind::textBox, 0, 75, "fraPersonal"},
      {"txtlnm", "Last Name", ControlKind::textBox, 0, 75, "fraPersonal"},
      {"txtnm", "Name", ControlKind::textBox, 0, 125, "fraPersonal"},
      {"txtfatfnm", "Father's First Name", ControlKind::textBox, 0, 75, "fraPersonal"},
      {"txtfatmnm", "Father's Middle Name", ControlKind::textBox, 0, 75, "fraPersonal"},
      {"txtfatlnm", "Father's Last Name", ControlKind::textBox, 0, 75, "fraPersonal"},
      {"txtpan", "PAN", ControlKind::textBox, 3, 10, "fraPersonal"},
      {"txtaadhaar", "Aadhaar No.", ControlKind::textBox, 1, 12, "fraPersonal"},
      {"txtpassport", "Passport No.", ControlKind::textBox, 3, 20, "fraPersonal"},
      {"txtregnosebi", "Registration No. with the securities regulator", ControlKind::textBox, 0, 50, "fraPersonal"},
      {"txtregno", "Registration No.", ControlKind::textBox, 0, 21, "fraPersonal"},
      {"txtphone1", "Telephone", ControlKind::textBox, 0, 20, "fraPersonal"},
      {"txtmobile", "Mobile No.", ControlKind::textBox, 1, 10, "fraPersonal"},
      {"txtemail", "E-mail", ControlKind::textBox, 0, 100, "fraPersonal"},
      {"txtindnot", "Note", ControlKind::textBox, 0, 100, "fraPersonal"},
      {"txthno", "Flat / Door No.", ControlKind::textBox, 0, 50, "fraAddress"},
      {"txthnm", "Name of Premises", ControlKind::textBox, 0, 100, "fraAddress"},
      {"txtstreet", "Road / Street", ControlKind::textBox, 0, 100, "fraAddress"},
      {"txtarea", "Area / Locality", ControlKind::textBox, 0, 100, "fraAddress"},
      {"txtcity", "Town / City / District", ControlKind::textBox, 0, 50, "fraAddress"},
      {"cbostate", "State", ControlKind::comboBox, 0, 50, "fraAddress"},
      {"txtpin", "PIN", ControlKind::textBox, 1, 6, "fraAddress"},
      {"txtoffnm", "Name of Office", ControlKind::textBox, 0, 125, "fraOffice"},
      {"txtoffhno", "Office Flat / Door No.", ControlKind::textBox, 0, 50, "fraOffice"},
      {"txtoffhnm", "Office Premises", ControlKind::textBox, 0, 100, "fraOffice"},
      {"txtoffstreet", "Office Road / Street", ControlKind::textBox, 0, 100, "fraOffice"},
      {"txtoffarea", "Office Area / Locality", ControlKind::textBox, 0, 100, "fraOffice"},
      {"txtoffcity", "Office Town / City", ControlKind::textBox, 0, 50, "fraOffice"},
      {"cbooffstate", "Office State", ControlKind::comboBox, 0, 50, "fraOffice"},
      {"txtoffpin", "Office PIN", ControlKind::textBox, 1, 6, "fraOffice"},
      {"txtgir", "GIR No.", ControlKind::textBox, 0, 20, "fraAO"},
      {"txtward", "Ward / Circle", ControlKind::textBox, 0, 100, "fraAO"},
      {"txtrange", "Range", ControlKind::textBox, 0, 100, "fraAO"},
      {"txtwardno", "Ward No.", ControlKind::textBox, 0, 20, "fraAO"},
      {"txtareacd", "Area Code", ControlKind::textBox, 3, 3, "fraAO"},
      {"txtareatyp", "AO Type", ControlKind::textBox, 3, 2, "fraAO"},
      {"txtaorng", "Range Code", ControlKind::textBox, 3, 3, "fraAO"},
      {"txtaono", "AO No.", ControlKind::textBox, 3, 3, "fraAO"},
  };
  return fields;
}

BoxCheck recheckBox(const ui::Control& box, const std::string& label) {
  BoxCheck out;
  const FieldProps props = FieldProps::of(box);
  auto r = validateWholeText(props, box.text);
  if (r.accepted) {
    const auto b = r.text.find_first_not_of(' ');
    out.text = b == std::string::npos ? "" : r.text.substr(b, r.text.find_last_not_of(' ') - b + 1);
    return out;
  }
  out.accepted = false;
  if (r.message) {
    out.message = *r.message;  // the box's own words, in its plain message box
    return out;
  }
  out.icon = ui::Icon::information;
  const auto chars = decodeUtf8(box.text);
  if (r.refusedAt < chars.size() && chars[r.refusedAt] < U' ')
    out.message = "'" + label + "' can not hold line breaks, tabs or other control characters.";
  else  // the box takes one character past its MaxLength, as the desktop box did
    out.message = "'" + label + "' can not be longer than " + std::to_string(props.maxLength + 1) + " characters.";
  return out;
}

namespace {

const char* const masterQuestion = "Do you also want to Update Client's Master Information ?";
const char* const emptyDate = "__/__/____";

std::string joinNames(std::initializer_list<std::string> parts) {
  std::string out;
  for (const auto& p : parts) {
    if (p.empty()) continue;
    if (!out.empty()) out += " ";
    out += p;
  }
  return out;
}

long long pinValue(const std::string& pin) { return pin.empty() ? 0 : std::stoll(pin); }
std::string pinText(const std::string& stored) { return stored == "0" ? "" : stored; }

// Writes one row by key: an UPDATE when the row is there, else an INSERT.
// Column names come from this file only; every value is bound.
void upsert(db::Connection& conn, const std::string& table, const std::vector<std::pair<std::string, db::Value>>& keys,
            const std::vector<std::pair<std::string, db::Value>>& cols) {
  std::string where;
  db::Params keyValues;
  for (const auto& [k, v] : keys) {
    where += (where.empty() ? "" : " AND ") + k + " = ?";
    keyValues.push_back(v);
  }
  if (conn.exists("SELECT 1 FROM " + table + " WHERE " + where, keyValues)) {
    std::string set;
    db::Params values;
    for (const auto& [c, v] : cols) {
      set += (set.empty() ? "" : ", ") + c + " = ?";
      values.push_back(v);
    }
    values.insert(values.end(), keyValues.begin(), keyValues.end());
    conn.execute("UPDATE " + table + " SET " + set + " WHERE " + where, values);
    return;
  }
  std::string names, marks;
  db::Params values;
  for (const auto* list : {&keys, &cols})
    for (const auto& [c, v] : *list) {
      names += (names.empty() ? "" : ", ") + c;
      marks += marks.empty() ? "?" : ", ?";
      values.push_back(v);
    }
  conn.execute("INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")", values);
}

}  // namespace

ClientInfoForm::ClientInfoForm(host::Component& host) : ui::Form("frmsetup2", "General Information"), host_(host) {
  build();
  wireEvents();
}

void ClientInfoForm::build() {
  for (const char* frame : {"fraPersonal", "fraAddress", "fraOffice", "fraAO", "fraYear"}) add(ControlKind::frame, frame);
  for (const auto& f : clientInfoFields()) {
    auto& c = add(f.kind, f.name, f.label, f.frame);
    c.validateData = f.validateData;
    c.maxLength = f.maxLength;
  }
  // Numbers that are identifiers take digits only, no signs.
  for (const char* n : {"txtpin", "txtoffpin", "txtmobile", "txtaadhaar"}) (*this)[n].exclude = "+-";
  add(ControlKind::label, "lbldob", "DATE OF BIRTH", "fraPersonal");
  add(ControlKind::dateBox, "txtdob", "", "fraPersonal").mask = emptyDate;
  add(ControlKind::label, "lblregno", "Registration No.", "fraPersonal");
  auto& sex = add(ControlKind::comboBox, "cbosex", "Sex", "fraPersonal");
  sex.items = {"MALE", "FEMALE"};
  auto& mat = add(ControlKind::comboBox, "cbomatst", "Marital Status", "fraPersonal");
  mat.items = {"", "MARRIED", "UNMARRIED"};
  auto& nat = add(ControlKind::comboBox, "cmbnat", "Residential Status", "fraPersonal");
  nat.items = {"RESIDENT", "NON RESIDENT", "NOT ORDINARY"};
  add(ControlKind::comboBox, "cbocountry", "Country", "fraAddress");
  auto& addo = add(ControlKind::comboBox, "cboAddO", "Address for Communication", "fraAddress");
  addo.items = {"RESIDENCE", "OFFICE"};

  add(ControlKind::checkBox, "chkResAssInState1", "", "fraYear");
  add(ControlKind::checkBox, "chkResAssInState2", "", "fraYear");
  for (const char* cbo : {"cboREQEFL", "cboDomCompTO"}) {
    add(ControlKind::label, std::string("lbl") + (cbo + 3), "", "fraYear");
    add(ControlKind::comboBox, cbo, "", "fraYear").items = {"NO", "YES"};
  }
  add(ControlKind::checkBox, "chk92E", "LIABLE TO FURNISH REPORT U/S 92E", "fraYear");
  add(ControlKind::checkBox, "chkaudit", "COVERED UNDER AUDIT", "fraYear");
  add(ControlKind::checkBox, "chkmmr", "Whether taxable at Maximum Marginal Rate ?", "fraYear");
  add(ControlKind::checkBox, "chkPvtTrust", "Private Discretionary Trust", "fraYear");
  add(ControlKind::checkBox, "chkOpt44AA", "Books of account maintained u/s 44AA", "fraYear");

  add(ControlKind::button, "cmdSaveClInfo", "&Save");
  add(ControlKind::button, "cmdprevdata", "&Load Last Year Information");
  add(ControlKind::button, "cmdaddr1", "...", "fraAddress");
  add(ControlKind::button, "cmdaddr2", "...", "fraOffice");
  add(ControlKind::button, "cmdpanV", "Verify PAN", "fraPersonal");
  add(ControlKind::button, "cmdaadhaarV", "Verify Aadhaar", "fraPersonal");
  add(ControlKind::button, "cmdLLPIN_CIN", "Verify Name", "fraPersonal");
  add(ControlKind::button, "cmdNameLoginITD", "Name as per ITD Login", "fraPersonal");
  add(ControlKind::button, "cmdPrefillITD", "Prefill as per ITD Login", "fraPersonal");
  add(ControlKind::button, "cmdWard", "&Know Your Jurisdiction", "fraAO");
  add(ControlKind::button, "cmdgwcr", "GWCR", "fraYear");
  add(ControlKind::button, "cmdResUs6", "Residential Status u/s 6", "fraPersonal");
  add(ControlKind::button, "cmdback", "&Back");

  add(ControlKind::frame, "fraAddrList").visible = false;
  auto& g = addGrid("vsAddr", "fraAddrList").grid;
  g->setColumns({"Code", "Name", "Flat / Door No.", "Premises", "Road / Street", "Area", "City", "State", "PIN"});
}

void ClientInfoForm::wireEvents() {
  on("cmdSaveClInfo", EventType::click, [this](ui::Event&) {
    if (save() && desktop())
      desktop()->statusLine = "General information of client " + code_ + " for A.Y. " + assessmentYearText(year_) + " saved.";
  });
  on("cmdprevdata", EventType::click, [this](ui::Event&) { loadPreviousYear(); });
  on("cmdaddr1", EventType::click, [this](ui::Event&) { listAddresses(1); });
  on("cmdaddr2", EventType::click, [this](ui::Event&) { listAddresses(2); });
  on("vsAddr", EventType::dblClick, [this](ui::Event& e) { takeAddress(e.row); });
  on("cmdback", EventType::click, [this](ui::Event&) {
    if (desktop()) desktop()->close(*this);
  });
  on("cbostate", EventType::change, [this](ui::Event&) { stateChanged("cbostate", "txtpin", "cbocountry"); });
  on("cbooffstate", EventType::change, [this](ui::Event&) { stateChanged("cbooffstate", "txtoffpin", ""); });

  auto& base = host_.base();
  on("cmdpanV", EventType::click, [this, &base](ui::Event&) {
    base.VerifyAndUpdatePANTAN(code_, text("txtpan"), clientName(), text("txtdob"));
  });
  on("cmdaadhaarV", EventType::click, [this, &base](ui::Event&) {
    if (text("txtaadhaar").empty() || checkAadhaar(text("txtaadhaar"))) {
      refuse("txtaadhaar", std::string(messages::aadhaar), Icon::information);
      return;
    }
    base.VerifyAadhaar(code_, text("txtaadhaar"));
  });
  on("cmdLLPIN_CIN", EventType::click, [this, &base](ui::Event&) {
    if (text("txtregno").empty()) {
      refuse("txtregno", "Please specify '" + (*this)["lblregno"].caption + "'", Icon::information);
      return;
    }
    base.VerifyNameAsPerMCA(text("txtregno"), clientName());
  });
  on("cmdNameLoginITD", EventType::click, [this, &base](ui::Event&) {
    if (text("txtpan").empty()) {
      refuse("txtpan", "Please specify PAN !", Icon::information);
      return;
    }
    base.VerifyNameAsPerLoginITD(code_, text("txtpan"), text("txtdob"));
  });
  on("cmdPrefillITD", EventType::click, [this, &base](ui::Event&) {
    if (text("txtpan").empty()) {
      refuse("txtpan", "Please specify PAN !", Icon::information);
      return;
    }
    if (text("txtdob").empty() || text("txtdob") == emptyDate) {
      refuse("txtdob", "Please specify Date of Birth !", Icon::information);
      return;
    }
    for (const auto& [field, value] : base.PrefillAsPerLoginITD(code_, text("txtpan"), text("txtdob"))) {
      if (field == "SEX") (*this)["cbosex"].selectText(value);
      else if (auto* c = find(field)) c->text = value;
    }
  });
  on("cmdWard", EventType::click, [this, &base](ui::Event&) {
    if (client::refuse(dialogs(), checkPanForAssessingOfficer(text("txtpan")))) {
      focus = "txtpan";
      return;
    }
    auto ao = base.KnowYourAO(code_, text("txtpan"));
    if (ao.size() == 4) {
      (*this)["txtareacd"].text = ao[0];
      (*this)["txtareatyp"].text = ao[1];
      (*this)["txtaorng"].text = ao[2];
      (*this)["txtaono"].text = ao[3];
    }
  });
  on("cmdgwcr", EventType::click, [this, &base](ui::Event&) { base.GetGWCR(year_); });
  on("cmdResUs6", EventType::click, [this, &base](ui::Event&) {
    const std::string st = base.CheckResStatus(code_, year_);
    if (!st.empty()) (*this)["cmbnat"].selectText(st);
  });
}

std::string ClientInfoForm::text(const std::string& name) { return trimmed((*this)[name].text, kBlanksAndTabs); }
bool ClientInfoForm::ticked(const std::string& name) {
  const auto& c = (*this)[name];
  return c.visible && c.value == 1;
}

std::string ClientInfoForm::clientName() {
  if (individual_) return joinNames({text("txtfnm"), text("txtmnm"), text("txtlnm")});
  return text("txtnm");
}

bool ClientInfoForm::refuse(const std::string& control, const std::string& message, Icon icon) {
  dialogs().show({message, "", icon});
  focus = control;
  return false;
}

void ClientInfoForm::stateChanged(const std::string& stateBox, const std::string& pinBox, const std::string& countryBox) {
  if (!host::isStateOutsideIndia((*this)[stateBox].text)) return;
  (*this)[pinBox].text = host::pinOutsideIndia;
  if (!countryBox.empty() && upperCase(text(countryBox)) == "INDIA") (*this)[countryBox].clear();
}

void ClientInfoForm::load() {
  auto& base = host_.base();
  auto& conn = base.DbObj();
  base.Resize_For_Resolution(*this);
  code_ = host_.clientCtx().vT_Code_No.get();
  rtCode_ = host_.clientCtx().vt_RTCode_No.get();
  if (rtCode_.empty()) rtCode_ = code_;
  year_ = host_.clientCtx().vT_Year.get();

  auto owner = conn.query("SELECT * FROM owner1 WHERE code = ?", {code_});
  auto master = conn.query("SELECT * FROM main_info1 WHERE code_no = ?", {code_});
  individual_ = !owner.empty();
  status_ = individual_ ? owner.front().text("status") : (master.empty() ? base.STATUSR.get() : master.front().text("status"));
  if (individual_ && status_.empty()) status_ = "INDIVIDUAL";
  const int cls = host::statusClass(upperCase(status_));
  firm_ = cls == 2;
  company_ = cls == 3 || cls == 4;

  // 1. The year options and their stored values.
  for (int box : {1, 2}) {
    auto& chk = (*this)["chkResAssInState" + std::to_string(box)];
    auto opt = yearOption(box, year_);
    chk.visible = opt.has_value();
    chk.caption = opt ? opt->caption : "";
    chk.value = opt && base.GetMiscOthInf(rtCode_, year_, opt->key) == "1" ? 1 : 0;
  }
  for (const char* cbo : {"cboREQEFL", "cboDomCompTO"}) {
    auto choice = yearChoice(cbo, year_);
    const bool shown = choice && (std::string(cbo) != "cboDomCompTO" || company_);
    auto& box = (*this)[cbo];
    box.visible = shown;
    (*this)[std::string("lbl") + (cbo + 3)].visible = shown;
    (*this)[std::string("lbl") + (cbo + 3)].caption = choice ? choice->caption : "";
    box.caption = choice ? choice->caption : "";
    box.selectText(shown && base.GetMiscOthInf(rtCode_, year_, choice->key) == "Y" ? "YES" : "NO");
  }
  (*this)["chkPvtTrust"].visible = year_ >= 2014 && !individual_ && !firm_ && !company_;
  (*this)["chkPvtTrust"].value = base.GetMiscOthInf(rtCode_, year_, "PVTDESCTRUST") == "1" ? 1 : 0;

  // 2. The state and country lists.
  base.loadstatelist((*this)["cbostate"]);
  base.loadstatelist((*this)["cbooffstate"]);
  host::countryList((*this)["cbocountry"], "FILL_CNT");
  (*this)["cbocountry"].selectText("INDIA");

  // 3. The master row.
  for (const char* n : {"txtfnm", "txtmnm", "txtlnm", "txtfatfnm", "txtfatmnm", "txtfatlnm", "cbosex", "cbomatst"})
    (*this)[n].visible = individual_;
  (*this)["txtnm"].visible = !individual_;
  (*this)["lbldob"].caption = individual_ ? "DATE OF BIRTH" : "DATE OF INCORPORATION";
  auto& mmr = (*this)["chkmmr"];
  mmrIsLlp_ = firm_;
  llpMarker_.clear();
  if (individual_) {
    fillFromRow(owner.front(), true);
    loadedAudit_ = owner.front().text("auditc") == "1" ? "1" : "0";
  } else if (!master.empty()) {
    const auto& m = master.front();
    fillFromRow(m, true);
    (*this)["txtregno"].text = m.text("reg_no");
    if (firm_) {
      const bool llp = m.text("llp") == "LLP_Y" || upperCase(m.text("status")).find("LIMITED LIABILITY") != std::string::npos ||
                       (m.text("llp").empty() && !trimmed(m.text("reg_no"), kBlanksAndTabs).empty());
      llpMarker_ = llp ? "LLP_Y" : "LLP_N";
      mmr.caption = "Whether LLP ?";
      mmr.value = llp ? 1 : 0;
      (*this)["lblregno"].caption = "LLPIN issued by MCA";
    } else {
      mmr.value = m.integer("mrr") == 1 ? 1 : 0;
      if (company_) (*this)["lblregno"].caption = "CIN issued by MCA";
    }
  }
  const bool hasRegNo = firm_ || company_;
  (*this)["txtregno"].visible = hasRegNo;
  (*this)["lblregno"].visible = hasRegNo;
  (*this)["cmdLLPIN_CIN"].visible = hasRegNo;
  if ((*this)["txtdob"].text.empty()) (*this)["txtdob"].text = emptyDate;

  // 4. The year row, or the master's address and officer fields without one; the office.
  auto yearRow = conn.query("SELECT * FROM new_tab WHERE code_no = ? AND ass_year = ?", {rtCode_, std::to_string(year_)});
  if (!yearRow.empty()) {
    fillYearRow(yearRow.front());
    loadedAudit_ = yearRow.front().text("auditc") == "1" ? "1" : "0";
  } else {
    auto office = conn.query("SELECT * FROM off_info WHERE code_no = ?", {code_});
    if (!office.empty()) fillOffice(office.front());
  }
  if (loadedAudit_.empty()) loadedAudit_ = "0";
  (*this)["chkaudit"].value = loadedAudit_ == "1" ? 1 : 0;
  loadedPan_ = text("txtpan");

  // 5. The year tables and the client's other values.
  (*this)["chkOpt44AA"].value =
      conn.scalar("SELECT opt44aa FROM geninfo_miscinf WHERE code_no = ? AND ass_year = ?", {rtCode_, year_}) == "1";
  if (!mmrIsLlp_) {
    auto minm = conn.query("SELECT minmrate FROM form3a_geninfo WHERE code_no = ? AND ass_year = ?", {rtCode_, year_});
    if (!minm.empty()) mmr.value = minm.front().text(0) == "1" ? 1 : 0;
  }
  (*this)["txtaadhaar"].text = base.GetClOthVars(code_, "AADHAAR");
  (*this)["txtpassport"].text = base.GetClOthVars(code_, "PASSPORT");
  (*this)["txtregnosebi"].text = base.GetClOthVars(code_, "REGNOSEBI");
  fillAddressOffers();
}

void ClientInfoForm::fillFromRow(const db::Row& r, bool withNames) {
  auto set = [&](const char* control, const char* column) {
    if (r.has(column)) (*this)[control].text = r.text(column);
  };
  if (withNames) {
    set("txtfnm", "f_nm");
    set("txtmnm", "m_nm");
    set("txtlnm", "l_nm");
    set("txtfatfnm", "fat_f_nm");
    set("txtfatmnm", "fat_m_nm");
    set("txtfatlnm", "fat_l_nm");
    set("txtnm", "nm");
    set("txtdob", r.has("dob") ? "dob" : "doi");
    if (r.has("sex")) (*this)["cbosex"].selectText(r.text("sex"));
    set("txtphone1", "phone1");
    set("txtmobile", r.has("mobile") ? "mobile" : "phone4");
    set("txtemail", "email");
    if (r.has("mat_st")) (*this)["cbomatst"].selectText(r.text("mat_st"));
    if (r.has("nation") && !r.text("nation").empty()) (*this)["cmbnat"].selectText(r.text("nation"));
  }
  set("txthno", "h_no");
  set("txthnm", "h_nm");
  set("txtstreet", "street");
  set("txtarea", "area");
  set("txtcity", "city");
  (*this)["cbostate"].selectText(r.text("state"));
  (*this)["txtpin"].text = pinText(r.text("pin"));
  set("txtgir", "gir");
  set("txtward", "ward");
  set("txtrange", "range");
  set("txtwardno", "ward_no");
  set("txtpan", "pan");
  set("txtareacd", "areacd");
  set("txtareatyp", "areatyp");
  set("txtaorng", "aorng");
  set("txtaono", "aono");
}

// The office address as a year row of new_tab holds it.
void ClientInfoForm::fillOfficeFromYearRow(const db::Row& r) {
  (*this)["txtoffnm"].text = r.text("off_nm");
  (*this)["txtoffhno"].text = r.text("off_h_no");
  (*this)["txtoffhnm"].text = r.text("off_h_nm");
  (*this)["txtoffstreet"].text = r.text("off_street");
  (*this)["txtoffarea"].text = r.text("off_area");
  (*this)["txtoffcity"].text = r.text("off_city");
  (*this)["cbooffstate"].selectText(r.text("off_state"));
  (*this)["txtoffpin"].text = pinText(r.text("off_pin"));
}

void ClientInfoForm::fillYearRow(const db::Row& r) {
  fillFromRow(r, false);
  if (!r.text("dob").empty()) (*this)["txtdob"].text = r.text("dob");
  if (!r.text("country").empty()) (*this)["cbocountry"].selectText(r.text("country"));
  fillOfficeFromYearRow(r);
  (*this)["cbomatst"].selectText(r.text("mat_st"));
  if (!r.text("nation").empty()) (*this)["cmbnat"].selectText(r.text("nation"));
  (*this)["txtindnot"].text = r.text("ind_not");
  (*this)["cboAddO"].selectText(r.text("addo") == "O" ? "OFFICE" : "RESIDENCE");
  (*this)["chk92E"].value = r.text("rep92e") == "1" ? 1 : 0;
}

void ClientInfoForm::fillOffice(const db::Row& r) {
  (*this)["txtoffnm"].text = r.text("nm");
  (*this)["txtoffhno"].text = r.text("h_no");
  (*this)["txtoffhnm"].text = r.text("h_nm");
  (*this)["txtoffstreet"].text = r.text("street");
  (*this)["txtoffarea"].text = r.text("area");
  (*this)["txtoffcity"].text = r.text("city");
  (*this)["cbooffstate"].selectText(r.text("state"));
  (*this)["txtoffpin"].text = pinText(r.text("pin"));
}

void ClientInfoForm::fillAddressOffers() {
  // TempAddList is one scratch table for the whole practice: it is rebuilt
  // and read inside one transaction so that two users never see each other's half.
  auto& conn = host_.base().DbObj();
  auto tx = conn.begin();
  conn.execute("DELETE FROM tempaddlist");
  for (const char* table : {"main_info1", "owner1", "off_info"})
    conn.execute(std::string("INSERT INTO tempaddlist (street, area, city, state) SELECT DISTINCT "
                             "COALESCE(street, ''), COALESCE(area, ''), COALESCE(city, ''), COALESCE(state, '') FROM ") +
                 table);
  for (const auto& [control, column] :
       std::vector<std::pair<std::string, std::string>>{{"txtstreet", "street"}, {"txtarea", "area"}, {"txtcity", "city"}}) {
    auto& box = (*this)[control];
    box.items.clear();
    for (const auto& r :
         conn.query("SELECT DISTINCT " + column + " FROM tempaddlist WHERE " + column + " <> '' ORDER BY " + column))
      box.items.push_back(r.text(0));
  }
  tx.commit();
}

// The texts of the screen after the checks of their boxes.
struct ClientInfoForm::Checked {
  std::map<std::string, std::string> t;
  const std::string& operator[](const std::string& n) const {
    static const std::string none;
    auto it = t.find(n);
    return it == t.end() ? none : it->second;
  }
};

bool ClientInfoForm::save() {
  auto& base = host_.base();
  auto& conn = base.DbObj();
  auto& d = dialogs();
  const std::string yearText = std::to_string(year_);

  // What leaving each box would have refused is refused here too: a request
  // may bring texts the page never let through.
  Checked v;
  for (const auto& f : clientInfoFields()) {
    const auto& c = (*this)[f.name];
    if (!c.visible) continue;
    auto r = recheckBox(c, f.label);
    if (!r.accepted) return refuse(f.name, r.message, r.icon);
    v.t[f.name] = r.text;
  }
  for (const char* combo : {"cbosex", "cbomatst", "cmbnat", "cbocountry", "cboAddO"}) v.t[combo] = text(combo);
  if (client::refuse(d, checkEmail(v["txtemail"]))) return (focus = "txtemail", false);
  if (client::refuse(d, checkAadhaar(v["txtaadhaar"]))) return (focus = "txtaadhaar", false);

  // 1. PAN.
  if (client::refuse(d, checkClientPan(v["txtpan"]))) return (focus = "txtpan", false);
  // 2. Date of birth or incorporation.
  std::string date = text("txtdob");
  if (date == emptyDate) date.clear();
  if (!date.empty()) {
    try {
      date = base.ConvertDate(date);
    } catch (const std::exception&) {  // letters where digits belong
      date.clear();
    }
    if (date.empty()) return refuse("txtdob", "Invalid date. Enter date in dd/mm/yyyy.", Icon::information);
  }
  // 3. Name.
  if (individual_) {
    if (v["txtfnm"].empty() && v["txtlnm"].empty())
      return refuse("txtfnm", "Please specify 'First Name' or 'Last Name'.", Icon::information);
  } else if (v["txtnm"].empty()) {
    return refuse("txtnm", "Please specify 'Name'.", Icon::information);
  }
  // 4. LLPIN or CIN.
  if ((*this)["txtregno"].visible &&
      client::refuse(d, checkRegistrationNo(registrationKindForLabel((*this)["lblregno"].caption), v["txtregno"])))
    return (focus = "txtregno", false);
  // 5. A PAN that another client holds.
  const std::string pan = v["txtpan"];
  if (pan != loadedPan_ && pan.size() == 10) {
    const std::string answer = base.CheckForDupClWithPAN(code_, pan);
    if (answer == "N") return (focus = "txtpan", false);
    if (answer != "Y") loadedPan_ = pan;
  }
  // 6. The year options against the state of the address.
  const std::string state = v["cbostate"];
  auto opt1 = yearOption(1, year_);
  auto opt2 = yearOption(2, year_);
  if (opt1 && opt2 && ticked("chkResAssInState1") && ticked("chkResAssInState2"))
    return refuse("chkResAssInState1", "Both '" + opt1->caption + "' & '" + opt2->caption + "' can not be selected.",
                  Icon::exclamation);
  for (const auto& [opt, box] : {std::pair{opt1, "chkResAssInState1"}, std::pair{opt2, "chkResAssInState2"}}) {
    if (!opt) continue;
    const bool applies = optionAppliesFor(*opt, state);
    const bool isTicked = ticked(box);
    if (applies == isTicked) continue;
    const std::string q = "For state [" + state + "], you have " + (isTicked ? "" : "not ") + "selected the option '" +
                          opt->caption + "'\n\nDo you really want to Continue?";
    if (d.yesNoCancel(q, "", ui::Answer::no) != ui::Answer::yes) return (focus = box, false);
  }
  // 7. Filing by the due date of the state's extension excludes three other options.
  const bool reqEfl = (*this)["cboREQEFL"].visible && text("cboREQEFL") == "YES";
  if (reqEfl) {
    const std::string caption = (*this)["cboREQEFL"].caption;
    for (const char* other : {"chk92E", "chkaudit", "chkResAssInState2"}) {
      if (!ticked(other)) continue;
      return refuse("cboREQEFL",
                    "'" + caption + "' should not be selected where '" + (*this)[other].caption + "' is selected.",
                    Icon::exclamation);
    }
  }
  // 8. The domestic company's turnover option against the previous year's turnover.
  if ((*this)["cboDomCompTO"].visible) {
    const std::string option = text("cboDomCompTO");
    // The profit and loss account of the previous year is kept by the business
    // module, which this installation does not have yet: the turnover counts
    // as not filled, so only a "YES" is questioned.
    if (option == "YES") {
      const std::string q = "Total Turnover / Gross Receipts in the Previous Year 2014-15 as per General Information -> "
                            "Profit & Loss A/c is 'NIL' or 'NOT FILLED', you have opted '" + option + "'\n\nContinue ?";
      if (!d.yesNo(q, "", ui::Answer::no)) return (focus = "cboDomCompTO", false);
    }
  }
  // 9. Whether the client master is written too.
  const bool updateMaster = d.yesNo(masterQuestion, "", ui::Answer::yes);
  // 13 (asked here so that no answer comes after the first write). The
  // persons linked to the client follow its audit flag on request.
  const std::string audit = ticked("chkaudit") ? "1" : "0";
  bool updateLinked = false;
  if (audit != loadedAudit_ && conn.exists("SELECT 1 FROM owner1 WHERE code_no = ? AND code <> ?", {code_, code_}))
    updateLinked = d.yesNo(std::string("Do you want to Update Covered under Audit for ") + (firm_ ? "Partners" : "Proprietor"),
                           "", ui::Answer::yes);

  const bool outside = host::isStateOutsideIndia(state);
  const std::string pin = outside ? host::pinOutsideIndia : v["txtpin"];
  const std::string offPin = host::isStateOutsideIndia(v["cbooffstate"]) ? host::pinOutsideIndia : v["txtoffpin"];
  const bool llp = mmrIsLlp_ && ticked("chkmmr");

  auto tx = conn.begin();
  // 10. The year options.
  for (const auto& [opt, box] : {std::pair{opt1, "chkResAssInState1"}, std::pair{opt2, "chkResAssInState2"}})
    if (opt) base.SetMiscOthInf(rtCode_, year_, opt->key, ticked(box) ? "1" : "0");
  for (const char* cbo : {"cboREQEFL", "cboDomCompTO"})
    if ((*this)[cbo].visible) base.SetMiscOthInf(rtCode_, year_, yearChoice(cbo, year_)->key, text(cbo) == "YES" ? "Y" : "N");
  // 11. The year row.
  upsert(conn, "new_tab", {{"code_no", rtCode_}, {"ass_year", yearText}},
         {{"h_no", v["txthno"]},          {"h_nm", v["txthnm"]},           {"street", v["txtstreet"]},
          {"area", v["txtarea"]},         {"city", v["txtcity"]},          {"state", state},
          {"pin", pinValue(pin)},         {"country", v["cbocountry"]},    {"off_nm", v["txtoffnm"]},
          {"off_h_no", v["txtoffhno"]},   {"off_h_nm", v["txtoffhnm"]},    {"off_street", v["txtoffstreet"]},
          {"off_area", v["txtoffarea"]},  {"off_city", v["txtoffcity"]},   {"off_state", v["cbooffstate"]},
          {"off_pin", pinValue(offPin)},  {"mat_st", v["cbomatst"]},       {"nation", v["cmbnat"]},
          {"gir", v["txtgir"]},           {"ward", v["txtward"]},          {"`range`", v["txtrange"]},
          {"ward_no", v["txtwardno"]},    {"pan", pan},                    {"d_d", "0"},
          {"ind_not", v["txtindnot"]},    {"dob", date},                   {"addo", v["cboAddO"] == "OFFICE" ? "O" : "R"},
          {"auditc", audit},              {"referdd", ""},                 {"dd_d", 0},
          {"areacd", v["txtareacd"]},     {"areatyp", v["txtareatyp"]},    {"aorng", v["txtaorng"]},
          {"aono", v["txtaono"]},         {"rep92e", ticked("chk92E") ? "1" : "0"}});
  // 12. Books of account option of the year.
  upsert(conn, "geninfo_miscinf", {{"code_no", rtCode_}, {"ass_year", year_}},
         {{"opt44aa", ticked("chkOpt44AA") ? "1" : "0"}});
  // 13. Linked persons' audit flag, the maximum marginal rate, the private trust.
  if (updateLinked) {
    conn.execute("UPDATE new_tab SET auditc = ? WHERE ass_year = ? AND code_no IN (SELECT code FROM owner1 WHERE code_no = ?)",
                 {audit, yearText, code_});
    conn.execute("UPDATE owner1 SET auditc = ? WHERE code_no = ?", {audit, code_});
  }
  if (!mmrIsLlp_)
    upsert(conn, "form3a_geninfo", {{"code_no", rtCode_}, {"ass_year", year_}}, {{"minmrate", ticked("chkmmr") ? "1" : "0"}});
  if ((*this)["chkPvtTrust"].visible) base.SetMiscOthInf(rtCode_, year_, "PVTDESCTRUST", ticked("chkPvtTrust") ? "1" : "0");

  if (updateMaster) {
    // 14. The master row.
    std::vector<std::pair<std::string, db::Value>> address = {
        {"h_no", v["txthno"]},      {"h_nm", v["txthnm"]},   {"street", v["txtstreet"]}, {"area", v["txtarea"]},
        {"city", v["txtcity"]},     {"state", state},        {"pin", pinValue(pin)},     {"gir", v["txtgir"]},
        {"ward", v["txtward"]},     {"`range`", v["txtrange"]}, {"ward_no", v["txtwardno"]}, {"pan", pan},
        {"areacd", v["txtareacd"]}, {"areatyp", v["txtareatyp"]}, {"aorng", v["txtaorng"]}, {"aono", v["txtaono"]},
        {"phone1", v["txtphone1"]}, {"email", v["txtemail"]}};
    if (individual_) {
      address.insert(address.end(), {{"f_nm", v["txtfnm"]},
                                     {"m_nm", v["txtmnm"]},
                                     {"l_nm", v["txtlnm"]},
                                     {"fat_f_nm", v["txtfatfnm"]},
                                     {"fat_m_nm", v["txtfatmnm"]},
                                     {"fat_l_nm", v["txtfatlnm"]},
                                     {"dob", date},
                                     {"sex", v["cbosex"]},
                                     {"mobile", v["txtmobile"]},
                                     {"mat_st", v["cbomatst"]},
                                     {"nation", v["cmbnat"]},
                                     {"auditc", audit}});
      upsert(conn, "owner1", {{"code", code_}}, address);
    } else {
      address.insert(address.end(),
                     {{"nm", v["txtnm"]}, {"doi", date}, {"phone4", v["txtmobile"]}, {"reg_no", v["txtregno"]}});
      if (firm_) address.emplace_back("llp", llp ? "LLP_Y" : "LLP_N");
      else address.emplace_back("mrr", ticked("chkmmr") ? 1 : 0);
      upsert(conn, "main_info1", {{"code_no", code_}}, address);
    }
    // 15. The office.
    upsert(conn, "off_info", {{"code_no", code_}},
           {{"nm", v["txtoffnm"]},
            {"h_no", v["txtoffhno"]},
            {"h_nm", v["txtoffhnm"]},
            {"street", v["txtoffstreet"]},
            {"area", v["txtoffarea"]},
            {"city", v["txtoffcity"]},
            {"state", v["cbooffstate"]},
            {"pin", pinValue(offPin)}});
    // 16. The client's other values.
    base.SetClOthVars(code_, "AADHAAR", v["txtaadhaar"]);
    base.SetClOthVars(code_, "PASSPORT", v["txtpassport"]);
    base.SetClOthVars(code_, "REGNOSEBI", v["txtregnosebi"]);
    // 17. The client list row, and the company name of the linked persons.
    suite::refreshClientListRow(conn, code_);
  }
  tx.commit();
  if (updateMaster && firm_) llpMarker_ = llp ? "LLP_Y" : "LLP_N";
  loadedAudit_ = audit;
  loadedPan_ = pan;

  // 18. The working context.
  const std::string name = clientName();
  host_.returnCtx().vITname = name;
  if (auto* ws = host_.base().ObjSubForm.get())
    ws->caption = "Income Tax calculation for Assessment Year " + host_.returnCtx().Vt_ASS_YEAR.get() + " of " + name;
  if (firm_) {
    const std::string st = llp ? std::string("FIRM") + " (Limited Liability)" : "FIRM";
    host_.base().STATUSR = st;
    host_.returnCtx().vT_StaT = st;
  } else {
    host_.returnCtx().vMRR = ticked("chkmmr");
  }
  host_.returnCtx().vPDT = ticked("chkPvtTrust");
  return true;
}

bool ClientInfoForm::loadPreviousYear() {
  auto& d = dialogs();
  if (!d.yesNo("Do you want to Load Previous Year Information?", "", ui::Answer::yes)) return false;
  auto& conn = host_.base().DbObj();
  auto rows = conn.query("SELECT * FROM new_tab WHERE code_no = ? AND ass_year = ?", {code_, std::to_string(year_ - 1)});
  if (rows.empty()) {
    d.info("Previous Year Information Not Found?");
    return false;
  }
  const auto& r = rows.front();
  (*this)["txthno"].text = r.text("h_no");
  (*this)["txthnm"].text = r.text("h_nm");
  (*this)["txtstreet"].text = r.text("street");
  (*this)["txtarea"].text = r.text("area");
  (*this)["txtcity"].text = r.text("city");
  (*this)["cbostate"].selectText(r.text("state"));
  (*this)["txtindnot"].text = r.text("ind_not");
  (*this)["cbomatst"].selectText(r.text("mat_st"));
  if (!r.text("nation").empty()) (*this)["cmbnat"].selectText(r.text("nation"));
  (*this)["chkaudit"].value = r.text("auditc") == "1" ? 1 : 0;
  (*this)["txtward"].text = r.text("ward");
  (*this)["txtrange"].text = r.text("range");
  (*this)["txtwardno"].text = r.text("ward_no");
  (*this)["txtareacd"].text = r.text("areacd");
  (*this)["txtareatyp"].text = r.text("areatyp");
  (*this)["txtaorng"].text = r.text("aorng");
  (*this)["txtaono"].text = r.text("aono");
  fillOfficeFromYearRow(r);
  (*this)["cboAddO"].selectText(r.text("addo") == "O" ? "OFFICE" : "RESIDENCE");
  (*this)["chkOpt44AA"].value =
      conn.scalar("SELECT opt44aa FROM geninfo_miscinf WHERE code_no = ? AND ass_year = ?", {code_, year_ - 1}) == "1";
  return true;
}

bool ClientInfoForm::listAddresses(int target) {
  auto& conn = host_.base().DbObj();
  addressRows_.clear();
  const char* cols = "h_no, h_nm, street, area, city, state, pin";
  auto collect = [&](const std::string& sql) {
    for (const auto& r : conn.query(sql)) {
      std::vector<std::string> row;
      for (size_t i = 0; i < r.size(); ++i) row.push_back(r.text(i));
      if (row[8] == "0") row[8].clear();
      bool empty = true;
      for (size_t i = 2; i < row.size(); ++i) empty = empty && trimmed(row[i], kBlanksAndTabs).empty();
      if (!empty) addressRows_.push_back(std::move(row));
    }
  };
  collect(std::string("SELECT code_no, nm, ") + cols + " FROM main_info1 ORDER BY code_no");
  collect(std::string("SELECT code, TRIM(COALESCE(f_nm, '') || ' ' || COALESCE(l_nm, '')), ") + cols +
          " FROM owner1 ORDER BY code");
  collect(std::string("SELECT code_no, nm, ") + cols + " FROM off_info ORDER BY code_no");
  if (addressRows_.empty()) {
    dialogs().info("No records");
    return false;
  }
  addressTarget_ = target;
  auto& g = grid("vsAddr");
  g.clearRows();
  g.rows = addressRows_;
  (*this)["fraAddrList"].visible = true;
  focus = "vsAddr";
  return true;
}

void ClientInfoForm::takeAddress(int row) {
  if (row < 0 || row >= static_cast<int>(addressRows_.size()) || addressTarget_ == 0) return;
  const auto& r = addressRows_[static_cast<size_t>(row)];
  const std::string prefix = addressTarget_ == 1 ? "txt" : "txtoff";
  (*this)[prefix + "hno"].text = r[2];
  (*this)[prefix + "hnm"].text = r[3];
  (*this)[prefix + "street"].text = r[4];
  (*this)[prefix + "area"].text = r[5];
  (*this)[prefix + "city"].text = r[6];
  (*this)[addressTarget_ == 1 ? "cbostate" : "cbooffstate"].selectText(r[7]);
  (*this)[prefix + "pin"].text = r[8];
  (*this)["fraAddrList"].visible = false;
  addressTarget_ = 0;
}

}  // namespace meridian::client
