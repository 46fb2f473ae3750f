#include "client/client_info_form.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "client/company_turnover.h"
#include "client/year_options.h"
#include "common/text.h"
#include "common/years.h"
#include "common/dates.h"
#include "db/conflict_retry.h"
#include "db/connection.h"
#include "db/rows.h"
#include "host/client_particulars.h"
#include "host/control_columns.h"
#include "host/countries.h"
#include "host/identifier_rules.h"
#include "host/save_conflict.h"
#include "host/screen_registry.h"
#include "host/states.h"
#include "host/status.h"
#include "host/versioned_row.h"
#include "suite/client_list_table.h"
#include "suite/client_register.h"
#include "suite/geninfo/key_persons.h"

namespace meridian::client {

using host::checkAadhaar;
using host::checkClientPan;
using host::checkEmail;
using host::checkPanForAssessingOfficer;
using host::checkRegistrationNo;
using host::registrationKindForLabel;
using ui::ControlKind;
using ui::EventType;
using ui::Icon;
namespace messages = host::messages;

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
      {"txtdpin", "Designated Partner Identification No. (DPIN)", ControlKind::textBox, 1, 8, "fraPersonal"},
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

namespace {

const char* const masterQuestion = "Do you also want to Update Client's Master Information ?";

using host::Shown;

// Where each control of the screen is kept: the year row (new_tab), the
// person (owner1), any other client (main_info1) and the office (off_info);
// nullptr where that table does not keep it. Load, save and "Load Last Year
// Information" (the `carried` controls of last year's new_tab row) all read
// this one table.
struct KeptIn {
  const char* control;
  Shown shown;
  const char* year;
  const char* person;
  const char* other;
  const char* office;
  bool carried;
  // A blank year value does not override what the master said.
  bool keepWhenBlank = false;
};

const std::vector<KeptIn>& keptIn() {
  static const std::vector<KeptIn> table = {
      // control        shown           new_tab       owner1      main_info1  off_info  carried  keep blank
      {"txtfnm",        Shown::text,    nullptr,      "f_nm",     nullptr,    nullptr,  false},
      {"txtmnm",        Shown::text,    nullptr,      "m_nm",     nullptr,    nullptr,  false},
      {"txtlnm",        Shown::text,    nullptr,      "l_nm",     nullptr,    nullptr,  false},
      {"txtfatfnm",     Shown::text,    nullptr,      "fat_f_nm", nullptr,    nullptr,  false},
      {"txtfatmnm",     Shown::text,    nullptr,      "fat_m_nm", nullptr,    nullptr,  false},
      {"txtfatlnm",     Shown::text,    nullptr,      "fat_l_nm", nullptr,    nullptr,  false},
      {"txtnm",         Shown::text,    nullptr,      nullptr,    "nm",       nullptr,  false},
      {"txtdob",        Shown::date,    "dob",        "dob",      "doi",      nullptr,  false, true},
      {"cbosex",        Shown::choice,  nullptr,      "sex",      nullptr,    nullptr,  false},
      {"txtphone1",     Shown::text,    nullptr,      "phone1",   "phone1",   nullptr,  false},
      {"txtmobile",     Shown::text,    nullptr,      "mobile",   "phone4",   nullptr,  false},
      {"txtemail",      Shown::text,    nullptr,      "email",    "email",    nullptr,  false},
      {"txtregno",      Shown::text,    nullptr,      nullptr,    "reg_no",   nullptr,  false},
      {"cbomatst",      Shown::choice,  "mat_st",     "mat_st",   nullptr,    nullptr,  true},
      {"cmbnat",        Shown::choice,  "nation",     "nation",   nullptr,    nullptr,  true,  true},
      {"txthno",        Shown::text,    "h_no",       "h_no",     "h_no",     nullptr,  true},
      {"txthnm",        Shown::text,    "h_nm",       "h_nm",     "h_nm",     nullptr,  true},
      {"txtstreet",     Shown::text,    "street",     "street",   "street",   nullptr,  true},
      {"txtarea",       Shown::text,    "area",       "area",     "area",     nullptr,  true},
      {"txtcity",       Shown::text,    "city",       "city",     "city",     nullptr,  true},
      {"cbostate",      Shown::choice,  "state",      "state",    "state",    nullptr,  true},
      {"txtpin",        Shown::pin,     "pin",        "pin",      "pin",      nullptr,  false},
      {"cbocountry",    Shown::choice,  "country",    nullptr,    nullptr,    nullptr,  false, true},
      {"txtgir",        Shown::text,    "gir",        "gir",      "gir",      nullptr,  false},
      {"txtward",       Shown::text,    "ward",       "ward",     "ward",     nullptr,  true},
      {"txtrange",      Shown::text,    "range",      "range",    "range",    nullptr,  true},
      {"txtwardno",     Shown::text,    "ward_no",    "ward_no",  "ward_no",  nullptr,  true},
      {"txtpan",        Shown::text,    "pan",        "pan",      "pan",      nullptr,  false},
      {"txtdpin",       Shown::text,    nullptr,      "dpin",     nullptr,    nullptr,  false},
      {"txtareacd",     Shown::text,    "areacd",     "areacd",   "areacd",   nullptr,  true},
      {"txtareatyp",    Shown::text,    "areatyp",    "areatyp",  "areatyp",  nullptr,  true},
      {"txtaorng",      Shown::text,    "aorng",      "aorng",    "aorng",    nullptr,  true},
      {"txtaono",       Shown::text,    "aono",       "aono",     "aono",     nullptr,  true},
      {"txtoffnm",      Shown::text,    "off_nm",     nullptr,    nullptr,    "nm",     true},
      {"txtoffhno",     Shown::text,    "off_h_no",   nullptr,    nullptr,    "h_no",   true},
      {"txtoffhnm",     Shown::text,    "off_h_nm",   nullptr,    nullptr,    "h_nm",   true},
      {"txtoffstreet",  Shown::text,    "off_street", nullptr,    nullptr,    "street", true},
      {"txtoffarea",    Shown::text,    "off_area",   nullptr,    nullptr,    "area",   true},
      {"txtoffcity",    Shown::text,    "off_city",   nullptr,    nullptr,    "city",   true},
      {"cbooffstate",   Shown::choice,  "off_state",  nullptr,    nullptr,    "state",  true},
      {"txtoffpin",     Shown::pin,     "off_pin",    nullptr,    nullptr,    "pin",    true},
      {"txtindnot",     Shown::text,    "ind_not",    nullptr,    nullptr,    nullptr,  true},
      {"chkaudit",      Shown::tick,    "auditc",     "auditc",   nullptr,    nullptr,  true},
      {"chk92E",        Shown::tick,    "rep92e",     nullptr,    nullptr,    nullptr,  false},
  };
  return table;
}

const host::ColumnMap& yearColumns() {
  static const host::ColumnMap map = host::columnsOf(keptIn(), &KeptIn::year);
  return map;
}
const host::ColumnMap& personColumns() {
  static const host::ColumnMap map = host::columnsOf(keptIn(), &KeptIn::person);
  return map;
}
const host::ColumnMap& otherColumns() {
  static const host::ColumnMap map = host::columnsOf(keptIn(), &KeptIn::other);
  return map;
}
const host::ColumnMap& officeColumns() {
  static const host::ColumnMap map = host::columnsOf(keptIn(), &KeptIn::office);
  return map;
}
const host::ColumnMap& carriedColumns() {
  static const host::ColumnMap map = host::columnsOf(keptIn(), &KeptIn::year, &KeptIn::carried);
  return map;
}

// An LLP's designated partner's number from the corporate registry.
host::Verdict checkDpin(const std::string& typed) {
  return suite::geninfo::checkIdentificationNo(typed, "Designated Partner Identification No. (DPIN)");
}

// The address of communication, kept as "O" (office) or "R" (residence).
void showAddressChoice(ui::Form& f, const db::Row& yearRow) {
  f["cboAddO"].selectText(yearRow.text("addo") == "O" ? "OFFICE" : "RESIDENCE");
}

}  // namespace

ClientInfoForm::ClientInfoForm(host::Component& host)
    : host::Screen(host.base(), "frmsetup2", "General Information"), host_(host) {
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
  for (const char* n : {"txtpin", "txtoffpin", "txtmobile", "txtaadhaar", "txtdpin"}) (*this)[n].exclude = "+-";
  add(ControlKind::label, "lbldob", "DATE OF BIRTH", "fraPersonal");
  addDateBox("txtdob", "", "fraPersonal");
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
  on("cmdSaveClInfo", EventType::click, [this](ui::Event&) { save(); });
  on("cmdprevdata", EventType::click, [this](ui::Event&) { loadPreviousYear(); });
  on("cmdaddr1", EventType::click, [this](ui::Event&) { listAddresses(1); });
  on("cmdaddr2", EventType::click, [this](ui::Event&) { listAddresses(2); });
  on("vsAddr", EventType::dblClick, [this](ui::Event& e) { takeAddress(e.row); });
  on("cmdback", EventType::click, [this](ui::Event&) { closeAskingToSave(); });
  // Each identifier is checked as the user leaves its box; a refusal keeps the focus there.
  checkOnLeaving("txtpan", [this] { return checkClientPan(text("txtpan")); });
  checkOnLeaving("txtemail", [this] { return checkEmail(text("txtemail")); });
  checkOnLeaving("txtaadhaar", [this] { return checkAadhaar(text("txtaadhaar")); });
  checkOnLeaving("txtdpin", [this] { return checkDpin(text("txtdpin")); });
  checkOnLeaving("txtregno", [this] {
    return checkRegistrationNo(registrationKindForLabel((*this)["lblregno"].caption), text("txtregno"));
  });
  checkOnLeaving("txtdob", [this] {
    return host::checkDateOfBirthOnLeaving((*this)["txtdob"].text, formatDmy(today()), !individual_);
  });
  checkOnLeaving("txtpin", [this] { return host::checkPin(text("txtpin")); });
  checkOnLeaving("txtoffpin", [this] { return host::checkPin(text("txtoffpin")); });
  checkOnLeaving("txtmobile", [this] { return host::checkMobile(text("txtmobile")); });
  on("cbostate", EventType::change, [this](ui::Event&) { stateChanged("cbostate", "txtpin", "cbocountry"); });
  on("cbooffstate", EventType::change, [this](ui::Event&) { stateChanged("cbooffstate", "txtoffpin", ""); });

  auto& base = host_.base();
  on("cmdpanV", EventType::click, [this, &base](ui::Event&) {
    base.VerifyAndUpdatePANTAN(code_, text("txtpan"), clientName(), text("txtdob"));
  });
  on("cmdaadhaarV", EventType::click, [this, &base](ui::Event&) {
    if (text("txtaadhaar").empty() || checkAadhaar(text("txtaadhaar"))) {
      refuse(std::string(messages::aadhaar), "txtaadhaar");
      return;
    }
    base.VerifyAadhaar(code_, text("txtaadhaar"));
  });
  on("cmdLLPIN_CIN", EventType::click, [this, &base](ui::Event&) {
    if (text("txtregno").empty()) {
      refuse("Please specify '" + (*this)["lblregno"].caption + "'", "txtregno");
      return;
    }
    base.VerifyNameAsPerMCA(text("txtregno"), clientName());
  });
  on("cmdNameLoginITD", EventType::click, [this, &base](ui::Event&) {
    if (text("txtpan").empty()) {
      refuse("Please specify PAN !", "txtpan");
      return;
    }
    base.VerifyNameAsPerLoginITD(code_, text("txtpan"), text("txtdob"));
  });
  on("cmdPrefillITD", EventType::click, [this, &base](ui::Event&) {
    if (text("txtpan").empty()) {
      refuse("Please specify PAN !", "txtpan");
      return;
    }
    if (isBlankDateBox(text("txtdob"))) {
      refuse("Please specify Date of Birth !", "txtdob");
      return;
    }
    for (const auto& [field, value] : base.PrefillAsPerLoginITD(code_, text("txtpan"), text("txtdob"))) {
      if (field == "SEX") (*this)["cbosex"].selectText(value);
      else if (auto* c = find(field)) c->text = value;
    }
  });
  on("cmdWard", EventType::click, [this, &base](ui::Event&) {
    if (refused(checkPanForAssessingOfficer(text("txtpan")), "txtpan")) return;
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

bool ClientInfoForm::ticked(const std::string& name) {
  const auto& c = (*this)[name];
  return c.visible && c.value == 1;
}

std::string ClientInfoForm::clientName() {
  if (individual_) return host::personName(text("txtfnm"), text("txtmnm"), text("txtlnm"));
  return text("txtnm");
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
  for (const char* n :
       {"txtfnm", "txtmnm", "txtlnm", "txtfatfnm", "txtfatmnm", "txtfatlnm", "cbosex", "cbomatst", "txtdpin"})
    (*this)[n].visible = individual_;
  (*this)["txtnm"].visible = !individual_;
  (*this)["lbldob"].caption = individual_ ? "DATE OF BIRTH" : "DATE OF INCORPORATION";
  auto& mmr = (*this)["chkmmr"];
  mmrIsLlp_ = firm_;
  llpMarker_.clear();
  masterVersion_ = 0;
  if (individual_) {
    host::showRow(*this, owner.front(), personColumns());
    masterVersion_ = host::rowVersion(owner.front());
  } else if (!master.empty()) {
    const auto& m = master.front();
    host::showRow(*this, m, otherColumns());
    masterVersion_ = host::rowVersion(m);
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
  showDate("txtdob", (*this)["txtdob"].text);

  // 4. The year row, or the master's address and officer fields without one; the office.
  auto yearRow = conn.query("SELECT * FROM new_tab WHERE code_no = ? AND ass_year = ?", {rtCode_, std::to_string(year_)});
  yearVersion_.reset();
  if (!yearRow.empty()) {
    host::showRow(*this, yearRow.front(), yearColumns());
    showAddressChoice(*this, yearRow.front());
    yearVersion_ = host::rowVersion(yearRow.front());
  } else {
    auto office = conn.query("SELECT * FROM off_info WHERE code_no = ?", {code_});
    if (!office.empty()) host::showRow(*this, office.front(), officeColumns());
  }
  loadedAudit_ = (*this)["chkaudit"].value == 1 ? "1" : "0";
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
  markUnchanged();
}

void ClientInfoForm::fillAddressOffers() {
  // TempAddList is shared by every user's screens: this session's rows carry
  // its key and are gathered, read and dropped in one transaction, so they
  // never meet another user's and never outlive the load.
  auto& conn = host_.base().DbObj();
  const std::string& session = host_.sessionKey();
  db::inTransactionRetrying(conn, [&] {
    for (const char* table : {"main_info1", "owner1", "off_info"})
      conn.execute(std::string("INSERT INTO tempaddlist (session_key, street, area, city, state) SELECT DISTINCT ?, "
                               "COALESCE(street, ''), COALESCE(area, ''), COALESCE(city, ''), COALESCE(state, '') FROM ") +
                       table,
                   {session});
    for (const auto& [control, column] : std::vector<std::pair<std::string, std::string>>{
             {"txtstreet", "street"}, {"txtarea", "area"}, {"txtcity", "city"}}) {
      auto& box = (*this)[control];
      box.items.clear();
      for (const auto& r : conn.query("SELECT DISTINCT " + column + " FROM tempaddlist WHERE session_key = ? AND " +
                                          column + " <> '' ORDER BY " + column,
                                      {session}))
        box.items.push_back(r.text(0));
    }
    conn.execute("DELETE FROM tempaddlist WHERE session_key = ?", {session});
  });
}


bool ClientInfoForm::save() {
  auto plan = askBeforeSaving();
  if (!plan) return false;
  bool savedOver = false;
  for (;;) {
    const host::RowChange change = write(*plan);
    if (change == host::RowChange::none) break;
    if (!settleConflict(change)) return false;
    savedOver = true;
  }
  afterSaving(*plan);
  // Saved over another user's save: the rows as they now stand, the other
  // user's entries where this one changed nothing.
  if (savedOver) load();
  return true;
}

// Steps 1 to 9 and the question of step 13: every check and every question,
// before anything is written. Nothing when the save stops.
std::optional<ClientInfoForm::SavePlan> ClientInfoForm::askBeforeSaving() {
  auto& base = host_.base();
  auto& conn = base.DbObj();
  auto& d = dialogs();
  SavePlan plan;
  Checked& v = plan.values;

  // What leaving each box would have refused is refused here too: a request
  // may bring texts the page never let through.
  for (const auto& f : clientInfoFields()) {
    if (!(*this)[f.name].visible) continue;
    auto checked = checkedText(f.name, f.label);
    if (!checked) return std::nullopt;
    v.t[f.name] = *checked;
  }
  for (const char* combo : {"cbosex", "cbomatst", "cmbnat", "cbocountry", "cboAddO"}) v.t[combo] = text(combo);

  // 1. PAN.
  if (refused(checkClientPan(v["txtpan"]), "txtpan")) return std::nullopt;
  // 2. Date of birth or incorporation: a date, and not a future one.
  const auto typedDob = typedDate("txtdob");
  if (!typedDob) return std::nullopt;
  if (refused(host::checkDateOfBirthOnLeaving(*typedDob, formatDmy(today()), !individual_), "txtdob"))
    return std::nullopt;
  // 3. Name.
  if (individual_) {
    if (v["txtfnm"].empty() && v["txtlnm"].empty()) {
      refuse("Please specify 'First Name' or 'Last Name'.", "txtfnm");
      return std::nullopt;
    }
  } else if (v["txtnm"].empty()) {
    refuse("Please specify 'Name'.", "txtnm");
    return std::nullopt;
  }
  // 4. LLPIN or CIN.
  if ((*this)["txtregno"].visible &&
      refused(checkRegistrationNo(registrationKindForLabel((*this)["lblregno"].caption), v["txtregno"]), "txtregno"))
    return std::nullopt;
  // The other boxes checked on leaving, in the order they stand.
  if (refused(checkEmail(v["txtemail"]), "txtemail") || refused(checkAadhaar(v["txtaadhaar"]), "txtaadhaar") ||
      refused(host::checkMobile(v["txtmobile"]), "txtmobile") || refused(host::checkPin(v["txtpin"]), "txtpin") ||
      refused(host::checkPin(v["txtoffpin"]), "txtoffpin") ||
      refused(checkDpin(v["txtdpin"]), "txtdpin"))
    return std::nullopt;
  // 5. A PAN that another client holds.
  const std::string pan = v["txtpan"];
  if (pan != loadedPan_ && pan.size() == 10) {
    const std::string answer = base.CheckForDupClWithPAN(code_, pan);
    if (answer == "N") {
      focus = "txtpan";
      return std::nullopt;
    }
  }
  // 6. The year options against the state of the address.
  const std::string state = v["cbostate"];
  plan.option1 = yearOption(1, year_);
  plan.option2 = yearOption(2, year_);
  if (plan.option1 && plan.option2 && ticked("chkResAssInState1") && ticked("chkResAssInState2")) {
    refuse("Both '" + plan.option1->caption + "' & '" + plan.option2->caption + "' can not be selected.",
           "chkResAssInState1", Icon::exclamation);
    return std::nullopt;
  }
  for (const auto& [opt, box] :
       {std::pair{plan.option1, "chkResAssInState1"}, std::pair{plan.option2, "chkResAssInState2"}}) {
    if (!opt) continue;
    const bool applies = optionAppliesFor(*opt, state);
    const bool isTicked = ticked(box);
    if (applies == isTicked) continue;
    const std::string q = "For state [" + state + "], you have " + (isTicked ? "" : "not ") + "selected the option '" +
                          opt->caption + "'\n\nDo you really want to Continue?";
    if (d.yesNoCancel(q, "", ui::Answer::no) != ui::Answer::yes) {
      focus = box;
      return std::nullopt;
    }
  }
  // 7. Filing by the due date of the state's extension excludes three other options.
  const bool reqEfl = (*this)["cboREQEFL"].visible && text("cboREQEFL") == "YES";
  if (reqEfl) {
    const std::string caption = (*this)["cboREQEFL"].caption;
    for (const char* other : {"chk92E", "chkaudit", "chkResAssInState2"}) {
      if (!ticked(other)) continue;
      refuse("'" + caption + "' should not be selected where '" + (*this)[other].caption + "' is selected.", "cboREQEFL",
             Icon::exclamation);
      return std::nullopt;
    }
  }
  // 8. The company turnover option against the previous year's turnover.
  if (!turnoverAgreed()) return std::nullopt;
  // 9. Whether the client master is written too.
  plan.updateMaster = d.yesNo(masterQuestion, "", ui::Answer::yes);
  // 13 (asked here so that no answer comes after the first write). The
  // persons linked to the client follow its audit flag on request.
  plan.audit = ticked("chkaudit") ? "1" : "0";
  if (plan.audit != loadedAudit_ && conn.exists("SELECT 1 FROM owner1 WHERE code_no = ? AND code <> ?", {code_, code_}))
    plan.updateLinked = d.yesNo(
        std::string("Do you want to Update Covered under Audit for ") + (firm_ ? "Partners" : "Proprietor"), "",
        ui::Answer::yes);

  // What is written: an address abroad carries its PIN, the date as completed,
  // the boxes as ticked.
  if (host::isStateOutsideIndia(state)) v.t["txtpin"] = host::pinOutsideIndia;
  if (host::isStateOutsideIndia(v["cbooffstate"])) v.t["txtoffpin"] = host::pinOutsideIndia;
  v.t["txtdob"] = *typedDob;
  v.t["chkaudit"] = plan.audit;
  v.t["chk92E"] = ticked("chk92E") ? "1" : "0";
  plan.llp = mmrIsLlp_ && ticked("chkmmr");
  plan.pan = pan;
  return plan;
}

// Step 8. The turnover is the business tables' when they hold it; otherwise
// the user, having changed the option, is asked for it. True when the save
// may go on.
bool ClientInfoForm::turnoverAgreed() {
  auto& box = (*this)["cboDomCompTO"];
  const auto choice = yearChoice("cboDomCompTO", year_);
  if (!box.visible || !choice) return true;
  const std::string option = text("cboDomCompTO");
  auto turnover = storedTurnover(host_.base().DbObj(), code_, choice->turnoverYear);
  while (!turnover && changed("cboDomCompTO")) {
    auto typed = dialogs().prompt("Total Turnover / Gross Receipts in the Previous Year 2014-15 as per the Profit & Loss "
                                  "A/c (Rs.), or nothing if it is not known:",
                                  box.caption, false);
    if (!typed || trimmed(*typed, kBlanksAndTabs).empty()) break;
    turnover = Money::parse(*typed);
    if (!turnover || turnover->isNegative()) {
      dialogs().info("Please enter the turnover in rupees, as a number that is not negative.");
      turnover.reset();
    }
  }
  const auto question = turnoverQuestion(*choice, turnover, option);
  if (!question || dialogs().yesNo(*question, "", ui::Answer::no)) return true;
  focus = "cboDomCompTO";
  return false;
}

// Steps 10 to 17 in one transaction, writing only what the user changed.
// The year row and the master row are written first, and only while nobody
// else saved them since they were read: otherwise nothing is written and the
// answer says so.
host::RowChange ClientInfoForm::write(const SavePlan& plan) {
  auto& base = host_.base();
  auto& conn = base.DbObj();
  const Checked& v = plan.values;
  const std::string yearText = std::to_string(year_);
  const auto valueOf = [&v](const std::string& control) { return v[control]; };
  // A PIN goes with its state: an address abroad forces its PIN.
  const auto touched = [this](const std::string& control) {
    return changed(control) || (control == "txtpin" && changed("cbostate")) ||
           (control == "txtoffpin" && changed("cbooffstate"));
  };
  host::RowChange change = host::RowChange::none;
  plan.written = {};

  db::inTransactionRetrying(conn, [&] {
    change = host::RowChange::none;
    SavePlan::Written written;
    // 11. The year row.
    db::Pairs yearValues = host::columnValues(yearColumns(), valueOf, touched);
    if (changed("cboAddO")) yearValues.emplace_back("addo", v["cboAddO"] == "OFFICE" ? "O" : "R");
    if (!yearValues.empty()) {
      yearValues.insert(yearValues.end(), {{"d_d", "0"}, {"referdd", ""}, {"dd_d", 0}});
      const db::Pairs keys = {{"code_no", rtCode_}, {"ass_year", yearText}};
      if (yearVersion_) {
        change = host::updateIfUnchanged(conn, "new_tab", yearValues, keys, *yearVersion_);
      } else if (host::currentVersion(conn, "new_tab", keys)) {
        change = host::RowChange::changed;  // another user wrote the year row meanwhile
      } else {
        db::Pairs all = host::columnValues(yearColumns(), valueOf);
        all.insert(all.end(), {{"d_d", "0"}, {"referdd", ""}, {"dd_d", 0}});
        all.emplace_back("addo", v["cboAddO"] == "OFFICE" ? "O" : "R");
        all.insert(all.end(), keys.begin(), keys.end());
        db::insertRow(conn, "new_tab", all);
      }
      if (change != host::RowChange::none) return;
      written.year = true;
    }
    // 14. The master row.
    if (plan.updateMaster) {
      db::Pairs master = host::columnValues(individual_ ? personColumns() : otherColumns(), valueOf, touched);
      if (!individual_ && changed("chkmmr")) {
        if (firm_) master.emplace_back("llp", plan.llp ? "LLP_Y" : "LLP_N");
        else master.emplace_back("mrr", ticked("chkmmr") ? 1 : 0);
      }
      if (!master.empty()) {
        change = host::updateIfUnchanged(conn, individual_ ? "owner1" : "main_info1", master,
                                         {{individual_ ? "code" : "code_no", code_}}, masterVersion_);
        if (change != host::RowChange::none) return;
        written.master = true;
      }
    }
    // 10. The year options.
    for (const auto& [opt, box] :
         {std::pair{plan.option1, "chkResAssInState1"}, std::pair{plan.option2, "chkResAssInState2"}})
      if (opt && changed(box)) base.SetMiscOthInf(rtCode_, year_, opt->key, ticked(box) ? "1" : "0");
    for (const char* cbo : {"cboREQEFL", "cboDomCompTO"})
      if ((*this)[cbo].visible && changed(cbo))
        base.SetMiscOthInf(rtCode_, year_, yearChoice(cbo, year_)->key, text(cbo) == "YES" ? "Y" : "N");
    // 12. Books of account option of the year.
    if (changed("chkOpt44AA"))
      db::upsertRow(conn, "geninfo_miscinf", {{"code_no", rtCode_}, {"ass_year", year_}},
                    {{"opt44aa", ticked("chkOpt44AA") ? "1" : "0"}});
    // 13. Linked persons' audit flag, the maximum marginal rate, the private trust.
    if (plan.updateLinked) {
      conn.execute(
          "UPDATE new_tab SET auditc = ? WHERE ass_year = ? AND code_no IN (SELECT code FROM owner1 WHERE code_no = ?)",
          {plan.audit, yearText, code_});
      conn.execute("UPDATE owner1 SET auditc = ?, row_version = row_version + 1 WHERE code_no = ?", {plan.audit, code_});
    }
    if (!mmrIsLlp_ && changed("chkmmr"))
      db::upsertRow(conn, "form3a_geninfo", {{"code_no", rtCode_}, {"ass_year", year_}},
                    {{"minmrate", ticked("chkmmr") ? "1" : "0"}});
    if ((*this)["chkPvtTrust"].visible && changed("chkPvtTrust"))
      base.SetMiscOthInf(rtCode_, year_, "PVTDESCTRUST", ticked("chkPvtTrust") ? "1" : "0");

    if (plan.updateMaster) {
      // 15. The office.
      db::Pairs office = host::columnValues(officeColumns(), valueOf, touched);
      if (!office.empty()) db::upsertRow(conn, "off_info", {{"code_no", code_}}, office);
      // 16. The client's other values.
      for (const auto& [box, key] : {std::pair{"txtaadhaar", "AADHAAR"}, std::pair{"txtpassport", "PASSPORT"},
                                     std::pair{"txtregnosebi", "REGNOSEBI"}})
        if (changed(box)) base.SetClOthVars(code_, key, v[box]);
      // 17. The client list row, and the company name of the linked persons.
      if (written.master || !office.empty()) suite::refreshClientListRow(conn, code_);
    }
    plan.written = written;
  });
  return change;
}

bool ClientInfoForm::settleConflict(host::RowChange change) {
  switch (host::askAboutConflict(dialogs(), code_, change)) {
    case host::ConflictChoice::saveOver: {
      // Saved over: this save's changes go on top of the rows as they are now.
      auto& conn = host_.base().DbObj();
      yearVersion_ = host::currentVersion(conn, "new_tab", {{"code_no", rtCode_}, {"ass_year", std::to_string(year_)}});
      const auto master = host::currentVersion(conn, individual_ ? "owner1" : "main_info1",
                                               {{individual_ ? "code" : "code_no", code_}});
      if (!master) return settleConflict(host::RowChange::gone);
      masterVersion_ = *master;
      return true;
    }
    case host::ConflictChoice::reload:
      load();
      return false;
    default:
      return false;
  }
}

// Step 18 and what the screen keeps of the save.
void ClientInfoForm::afterSaving(const SavePlan& plan) {
  if (plan.written.year && yearVersion_) ++*yearVersion_;
  else if (plan.written.year) yearVersion_ = 0;
  if (plan.written.master) ++masterVersion_;
  if (plan.updateMaster && firm_ && changed("chkmmr")) llpMarker_ = plan.llp ? "LLP_Y" : "LLP_N";
  loadedAudit_ = plan.audit;
  loadedPan_ = plan.pan;
  // Answering No to the master question leaves what only the master keeps
  // (a name, the sex, the DPIN ...) as it was: the status line names it.
  std::string notSaved;
  if (!plan.updateMaster)
    for (const auto& k : keptIn())
      if (!k.year && (individual_ ? k.person : k.other) && changed(k.control))
        notSaved += (notSaved.empty() ? "" : ", ") + (*this)[k.control].caption;
  markUnchanged();

  const std::string name = clientName();
  host_.returnCtx().vITname = name;
  if (auto* ws = host_.base().ObjSubForm.get())
    ws->caption = "Income Tax calculation for Assessment Year " + host_.returnCtx().Vt_ASS_YEAR.get() + " of " + name;
  if (firm_) {
    const std::string st = plan.llp ? std::string("FIRM") + " (Limited Liability)" : "FIRM";
    host_.base().STATUSR = st;
    host_.returnCtx().vT_StaT = st;
  } else {
    host_.returnCtx().vMRR = ticked("chkmmr");
  }
  host_.returnCtx().vPDT = ticked("chkPvtTrust");
  // The dashboard's list shows this client selected when it is on top again.
  host_.base().vLstSelClCode = code_;
  if (desktop())
    desktop()->statusLine = "General information of client " + code_ + " for A.Y. " + assessmentYearText(year_) +
                            " saved." +
                            (notSaved.empty() ? "" : " Not saved, as only the client's master keeps them: " + notSaved + ".");
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
  host::showRow(*this, rows.front(), carriedColumns());
  showAddressChoice(*this, rows.front());
  (*this)["chkOpt44AA"].value =
      conn.scalar("SELECT opt44aa FROM geninfo_miscinf WHERE code_no = ? AND ass_year = ?", {code_, year_ - 1}) == "1";
  return true;
}

bool ClientInfoForm::listAddresses(int target) {
  auto& conn = host_.base().DbObj();
  addressRows_.clear();
  auto offer = [this](const std::string& code, const std::string& name, const host::Address& a) {
    if (!a.empty()) addressRows_.push_back({code, name, a.flatDoor, a.premises, a.road, a.area, a.city, a.state, a.pin});
  };
  for (bool person : {false, true})
    for (const auto& r : conn.query(person ? "SELECT * FROM owner1 ORDER BY code" : "SELECT * FROM main_info1 ORDER BY code_no")) {
      const auto client = host::ClientParticulars::fromMaster(r, person);
      offer(client.code, client.name(), client.address);
    }
  for (const auto& r : conn.query("SELECT * FROM off_info ORDER BY code_no"))
    offer(r.text("code_no"), r.text("nm"), host::Address::fromRow(r));
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

namespace {

const host::ScreenRegistration registered{
    {.name = "frmsetup2", .make = [](host::Component& c) { return std::make_shared<ClientInfoForm>(c); }}};

}  // namespace

}  // namespace meridian::client
