#include "suite/computation/settings_form.h"

#include <algorithm>
#include <array>
#include <map>

#include "common/text.h"
#include "db/rows.h"
#include "host/screen_registry.h"
#include "suite/computation/printout_options.h"
#include "suite/computation/year_options.h"

namespace meridian::suite::computation {
namespace {

using ui::ControlKind;
using ui::EventType;

// A presentation setting shown as a box (state 0/1) or a list (the index chosen).
struct PresentationControl {
  const char* control;
  const char* key;
  const char* caption;
  std::vector<const char*> items;  // empty for a box
};

const std::vector<PresentationControl>& presentationControls() {
  static const std::vector<PresentationControl> list = [] {
    std::vector<PresentationControl> l = {
        {"chkautochk", "AutoComp", "Auto Computation in Income Tax", {}},
        {"chkwtliab", "WTLiab", "Show Alert Message for Wealth Tax Liability", {}},
        {"chkprevfig", "PrevFig", "Show Previous Year Computation", {}},
        {"chk2d1", "Print2D", "Print 2D with Normal Font in (DOS Print)", {}},
        {"optcompprn", "CompPrn", "Case of the computation text",
         {"Default", "Upper Case", "Proper Case", "Lower Case", "Sentence Case"}},
        {"optnscdet1", "NSCDet", "Show NSC Details", {}},
        {"optkvpdet1", "KVPDet", "Show KVP Details", {}},
        {"optcapst1", "CapStmt", "Show Capital Gain Statement", {}},
        {"optshowslab", "ShowSlab", "Show Slabs && Tax Rates in Tax Calculation", {}},
        {"chktdstcs", "TDSTCSDET", "Show TDS/TCS Details", {}},
        {"chkdedadd", "TDSTCSDEDADD", "Show Address", {}},
        {"cbogt", "GTOPT", "Gross total income",
         {"(Default)", "After Inter-head adj. & Losses B/f", "Before Inter-head adj. & Losses B/f",
          "Before Inter-head adj. & After Losses B/f"}},
        {"chkbord", "CompBorder", "Block outside Assessee Info in Computation", {}},
        {"chkcompanx", "CompAnnex", "Show Annexure List in Computation", {}},
        {"cboBnkBrAddr", "CompBnkBrAddr", "Bank branch address", {"Yes (With Bank Name)", "Yes (Separately)"}},
        {"chkgrp0", "GroupCode", "Group Code", {}},
        {"chkgrp1", "GroupName", "Group Name", {}},
        {"cbo277A", "Dec277A", "Declaration u/s 277A", {"No", "Yes"}},
        {"chkplace", "CityAsPlace", "City of Communication Address", {}},
    };
    // The "CompOth" boxes in the order the screen shows them, each with the
    // key the printout reads: 0 and 1 the bank accounts, 2 to 5 the filing
    // particulars, 6 profit and loss, 7 balance sheet, 8 Sch-AL as a
    // separate annexure, 9 and 10 the signer's designation and name, 11 Sch-AL.
    static const char* other[][3] = {
        {"chkcompoth0", "CompOth11", "Show Sch-AL (Asset/Liability) Details"},
        {"chkcompoth1", "CompOth8", "Print as Separate Annexure"},
        {"chkcompoth2", "CompOth0", "Default Bank A/c with Client Details"},
        {"chkcompoth3", "CompOth1", "Show All Bank Accounts"},
        {"chkcompoth4", "CompOth7", "Balance Sheet"},
        {"chkcompoth5", "CompOth6", "Profit && Loss A/c"},
        {"chkcompoth6", "CompOth2", "Return Income"},
        {"chkcompoth7", "CompOth3", "Receipt No."},
        {"chkcompoth8", "CompOth4", "Ward No."},
        {"chkcompoth9", "CompOth5", "Return Date"},
        {"chkcompoth10", "CompOth9", "Designation"},
        {"chkcompoth11", "CompOth10", "Name"},
    };
    for (const auto& o : other) l.push_back({o[0], o[1], o[2], {}});
    static const char* foot[][2] = {{"FootNm", "Name"},          {"FootNmT", "Name as Title"},
                                    {"FootAdd", "Address"},       {"FootOff", "Phone (Office)"},
                                    {"FootRes", "Phone (Residence)"}, {"FootMob", "Mobile"},
                                    {"FootFP", "First Page Only"}, {"FootCd", "Client Code"},
                                    {"FootClNm", "Client Name"},  {"FootAY", "A.Y."},
                                    {"FootPG", "Page No."},        {"FootDH", "In Page Header"}};
    static const std::array<std::string, 12> footNames = [] {
      std::array<std::string, 12> k;
      for (int i = 0; i < 12; ++i) k[static_cast<std::size_t>(i)] = "chkfoot" + std::to_string(i);
      return k;
    }();
    for (std::size_t i = 0; i < 12; ++i) l.push_back({footNames[i].c_str(), foot[i][0], foot[i][1], {}});
    return l;
  }();
  return list;
}

// The year's printout options (new_tab.opts), one box each.
constexpr const char* kYearOptions[] = {"Show Code No. in Return Form",
                                        "Balance Sheet ",
                                        "Capital Account",
                                        "Profit And loss Account ",
                                        "Trading Account",
                                        "Show detail of Income U/s 80L",
                                        "Show Calculation of 234 A, 234 B, 234 C",
                                        "Print 'Losses Table' on the same page as the return",
                                        "Print 'Depreciation Chart' on the same page as return",
                                        "Show the 'Intrest caluculated upto.....'  line",
                                        "Show Due Date of Filing of Return    "};
static_assert(std::size(kYearOptions) == kYearOptionCount);
// Per loss: its rank among the losses, then a rank for each of the seven heads.
constexpr int kSlots = 1 + kTargetHeads;

struct BillColumn {
  const char* box;
  const char* column;
  const char* title;
};
constexpr BillColumn kBillColumns[] = {
    {"txtbname", "name", "Name"},     {"txtbaddress", "address", "Address"}, {"txtbarea", "area", "Area"},
    {"txtbcity", "city", "City"},     {"txtbpin", "pincode", "Pin Code"},    {"txtbphoneo", "pnoo1", "Phoen (O)"},
    {"txtbphoner", "pnor1", "Phoen (R)"}, {"txtbmobile", "mobno", "Mobile"},
};

std::string settingFallback(const std::string& key) {
  for (const auto& k : presentationKeys())
    if (key == k.key) return k.fallback;
  return "0";
}

const char* kPlaceItems[] = {"(Common)", "City of Communication Address", "(Specify)"};
const char* kRelations[] = {"Son/Daughter of", "Son of", "Daughter of"};

}  // namespace

SettingsForm::SettingsForm(host::Component& host)
    : host::Screen(host.base(), "frmsetup1", "General Information"), host_(host) {
  build();
}

std::string SettingsForm::priorityBox(YearLoss loss, int slot) {
  return "cbopriority" + std::to_string(static_cast<int>(loss) * kSlots + slot);
}

void SettingsForm::build() {
  buildInterest();
  buildPresentation();
  buildSigner();
  buildPriorityPanel();
  buildBillPanel();
  add(ControlKind::button, "cmdback", "&Back");
  on("cmdback", EventType::click, [this](ui::Event&) {
    if (save()) close();
  });
}

void SettingsForm::buildInterest() {
  add(ControlKind::frame, "fraauto", "Auto Interest Calculation U/s");
  add(ControlKind::checkBox, "Check1", "234 A", "fraauto");
  add(ControlKind::checkBox, "Check2", "234 B", "fraauto");
  add(ControlKind::checkBox, "Check3", "234 C", "fraauto");
  add(ControlKind::checkBox, "ChkDOI234C", "Calculate Interest for Installments Due before DOI Also", "fraauto");
  add(ControlKind::frame, "fraself", "Consider Self Assessment Tax for Interest Calculation U/s");
  add(ControlKind::checkBox, "Check4", "234A", "fraself");
  add(ControlKind::checkBox, "ChkTax234A", "Don't Consider Taxes Paid after Due Date", "fraself");
  add(ControlKind::checkBox, "Check5", "234B", "fraself");
  add(ControlKind::frame, "fraint", "Interest (when not computed)");
  for (const char* box : {"txtint234a", "txtint234b", "txtint234c"}) add(ControlKind::textBox, box, "", "fraint");
  (*this)["txtint234a"].caption = "234A";
  (*this)["txtint234b"].caption = "234B";
  (*this)["txtint234c"].caption = "234C";
  add(ControlKind::frame, "fradof", "Date of computation");
  add(ControlKind::option, "Option3", "Upto date", "fradof");
  add(ControlKind::option, "Option4", "Upto Input date", "fradof");
  addDateBox("txtdof", "", "fradof");
  on("Option3", EventType::click, [this](ui::Event&) { datedOptionChanged(); });
  on("Option4", EventType::click, [this](ui::Event&) { datedOptionChanged(); });
}

void SettingsForm::buildPresentation() {
  add(ControlKind::frame, "fracmpinf", "Computation Info Options");
  for (const auto& p : presentationControls()) {
    auto& c = add(p.items.empty() ? ControlKind::checkBox : ControlKind::comboBox, p.control, p.caption, "fracmpinf");
    for (const char* item : p.items) c.addItem(item);
  }
  add(ControlKind::textBox, "txtplace", "Place", "fracmpinf");
  add(ControlKind::button, "cmdselall", "&Select All", "fracmpinf");
  add(ControlKind::button, "cmddselall", "&Deselect All", "fracmpinf");
  const auto setAll = [this](int value) {
    for (const auto& p : presentationControls())
      if (p.items.empty()) (*this)[p.control].value = value;
  };
  on("cmdselall", EventType::click, [setAll](ui::Event&) { setAll(1); });
  on("cmddselall", EventType::click, [setAll](ui::Event&) { setAll(0); });
}

void SettingsForm::buildSigner() {
  add(ControlKind::frame, "frasign", "Signing Details");
  add(ControlKind::checkBox, "chktel1", "Show Telephone No.", "frasign");
  for (int i = 0; i < kYearOptionCount; ++i)
    add(ControlKind::checkBox, "opts1" + std::to_string(i), kYearOptions[i], "frasign");
  add(ControlKind::textBox, "txtpsr", "Name", "frasign");
  add(ControlKind::textBox, "txtfpsr", "Father's Name", "frasign");
  auto& relation = add(ControlKind::comboBox, "cborelat", "Relation", "frasign");
  for (const char* r : kRelations) relation.addItem(r);
  add(ControlKind::textBox, "txtcaps", "Capacity", "frasign");
  add(ControlKind::checkBox, "chkpanopt", "PAN of the Assessee", "frasign");
  add(ControlKind::textBox, "txtpan", "PAN", "frasign").maxLength = 10;
  add(ControlKind::button, "cmdpanV", "Verify PAN", "frasign");
  auto& place = add(ControlKind::comboBox, "cboplace", "Place", "frasign");
  for (const char* p : kPlaceItems) place.addItem(p);
  add(ControlKind::textBox, "txtsignplace", "Place (Specify)", "frasign");
  on("cmdpanV", EventType::click, [this](ui::Event&) {
    const std::string pan = upperCase(text("txtpan"));
    if (!base_.ValidPan(pan)) {
      refuse("Invalid PAN.", "txtpan");
      return;
    }
    base_.VerifyAndUpdatePANTAN(client_, pan, text("txtpsr"), "");
  });
}

void SettingsForm::buildPriorityPanel() {
  add(ControlKind::button, "cmdcyla", "Current Year &Losses Adjustment");
  add(ControlKind::frame, "fracyla", "Current Year Losses Adjustment Priority").visible = false;
  for (int l = 0; l < kYearLosses; ++l) {
    const auto loss = static_cast<YearLoss>(l);
    auto& rank = add(ControlKind::comboBox, priorityBox(loss, 0),
                     std::string(lossCaption(loss)) + " - Adjustment - Priority", "fracyla");
    on(rank.name, EventType::click, [this, loss](ui::Event&) { lossRankChosen(loss); });
    for (int slot = 1; slot < kSlots; ++slot) {
      auto& c = add(ControlKind::comboBox, priorityBox(loss, slot),
                    std::string(lossCaption(loss)) + " - Set-Off from Other Heads of Income -  Priority " +
                        std::to_string(slot),
                    "fracyla");
      on(c.name, EventType::click, [this, loss, slot](ui::Event&) { priorityChosen(loss, slot - 1); });
    }
  }
  add(ControlKind::button, "cmddefcyla", "&Default", "fracyla");
  on("cmdcyla", EventType::click, [this](ui::Event&) { openPriorityPanel(); });
  on("cmddefcyla", EventType::click, [this](ui::Event&) {
    if (!dialogs().yesNo("Do you want to Load Default Setting?")) return;
    priorities_ = defaultPriorities();
    showPriorities();
  });
}

void SettingsForm::buildBillPanel() {
  add(ControlKind::button, "cmdoth", "Other &Bill Clients");
  add(ControlKind::frame, "fraoth", "Other Bill Clients").visible = false;
  addGrid("vsfoth", "fraoth");
  auto& g = this->grid("vsfoth");
  std::vector<std::string> titles;
  for (const auto& c : kBillColumns) titles.push_back(c.title);
  g.setColumns(titles);
  for (const auto& c : kBillColumns) add(ControlKind::textBox, c.box, c.title, "fraoth").enabled = false;
  add(ControlKind::button, "cmdaddo", "&Add Item", "fraoth");
  add(ControlKind::button, "cmdmodifyo", "&Modify Item", "fraoth");
  add(ControlKind::button, "cmddeleteo", "&Delete Item", "fraoth");
  add(ControlKind::button, "cmdupdateo", "&Update", "fraoth");
  add(ControlKind::button, "cmdcancelo", "&Cancel", "fraoth");
  on("cmdoth", EventType::click, [this](ui::Event&) {
    (*this)["fraoth"].visible = true;
    showBillClients();
  });
  on("cmdaddo", EventType::click, [this](ui::Event&) { editBillClient(true); });
  on("cmdmodifyo", EventType::click, [this](ui::Event&) { editBillClient(false); });
  on("cmddeleteo", EventType::click, [this](ui::Event&) { deleteBillClient(); });
  on("cmdupdateo", EventType::click, [this](ui::Event&) { updateBillClient(); });
  on("cmdcancelo", EventType::click, [this](ui::Event&) {
    editingBillRow_ = -2;
    for (const auto& c : kBillColumns) (*this)[c.box].enabled = false;
  });
}

void SettingsForm::load() {
  auto& ctx = host_.clientCtx();
  client_ = ctx.vT_Code_No.get();
  key_ = {ctx.vt_RTCode_No.get().empty() ? client_ : ctx.vt_RTCode_No.get(), ctx.vT_Year.get()};
  settings_ = loadYearSettings(base_.DbObj(), key_);
  // What the lists show for a signer never saved, so that leaving without a
  // change is seen as such.
  settings_.signer = asShown(settings_.signer);
  settings_.signer.pan = upperCase(settings_.signer.pan);
  priorities_ = parsePriorities(settings_.priorities);
  show();
}

void SettingsForm::show() {
  const auto& i = settings_.interest;
  (*this)["Check1"].value = i.a234 ? 1 : 0;
  (*this)["Check2"].value = i.b234 ? 1 : 0;
  (*this)["Check3"].value = i.c234 == 0 || i.c234 == 2 ? 0 : 1;
  // 4 clear, 5 ticked, 3 the grey state; 1 (older years) clear.
  (*this)["ChkDOI234C"].value = i.c234 == 5 ? 1 : i.c234 == 3 ? 2 : 0;
  (*this)["Check4"].value = i.selfy == 2 ? 2 : i.selfy == 0 ? 0 : 1;
  (*this)["ChkTax234A"].value = i.selfy == 5 ? 1 : i.selfy == 3 ? 2 : 0;
  (*this)["Check5"].value = i.selfy1 ? 1 : 0;
  (*this)["txtint234a"].text = i.byHand234a.isZero() ? "" : i.byHand234a.text();
  (*this)["txtint234b"].text = i.byHand234b.isZero() ? "" : i.byHand234b.text();
  (*this)["txtint234c"].text = i.byHand234c.isZero() ? "" : i.byHand234c.text();
  (*this)["Option3"].value = i.uptoInputDate ? 0 : 1;
  (*this)["Option4"].value = i.uptoInputDate ? 1 : 0;
  showDate("txtdof", i.computationDate);

  for (const auto& p : presentationControls()) {
    const std::string v = base_.GetSettingINI("Settings", p.key, settingFallback(p.key));
    auto& c = (*this)[p.control];
    if (p.items.empty())
      c.value = v == "1" ? 1 : 0;
    else
      c.selectIndex(v.empty() ? 0 : std::atoi(v.c_str()));
    shownKeys_[p.key] = p.items.empty() ? std::to_string(c.value) : std::to_string(std::max(0, c.listIndex));
  }
  (*this)["txtplace"].text = base_.GetSettingINI("Settings", "PLACE", "");
  shownKeys_["PLACE"] = (*this)["txtplace"].text;

  const auto& s = settings_.signer;
  (*this)["chktel1"].value = s.showTelephone ? 1 : 0;
  for (int k = 0; k < kYearOptionCount; ++k)
    (*this)["opts1" + std::to_string(k)].value = s.options[static_cast<std::size_t>(k)] == '1';
  (*this)["txtpsr"].text = s.name;
  (*this)["txtfpsr"].text = s.fatherName;
  (*this)["txtcaps"].text = s.capacity;
  (*this)["cborelat"].selectText(s.relation.empty() ? kRelations[0] : s.relation);
  (*this)["chkpanopt"].value = s.showPan ? 1 : 0;
  (*this)["txtpan"].text = s.pan;
  const std::string place = s.place;
  (*this)["cboplace"].selectIndex(place.empty() || place == "##COMMON##" ? 0 : place == "##CITY##" ? 1 : 2);
  (*this)["txtsignplace"].text = place.rfind("##", 0) == 0 ? "" : place;
  showPriorities();
}

void SettingsForm::datedOptionChanged() {
  const bool typed = (*this)["Option4"].value == 1;
  // "Upto date" shows the empty mask; "Upto Input date" a date to type.
  if (!typed) showDate("txtdof", "");
  if (typed) focus = "txtdof";
}

bool SettingsForm::save() {
  // Every check first, so a refusal writes nothing.
  YearSettings s = settings_;
  auto& i = s.interest;
  i.uptoInputDate = (*this)["Option4"].value == 1;
  if (i.uptoInputDate) {
    const auto date = typedDate("txtdof");
    if (!date) return false;
    if (date->empty()) return refuse("Please Enter Date.", "txtdof");
    i.computationDate = *date;
  } else {
    i.computationDate.clear();
  }
  std::array<Money, 3> typed{};
  const char* boxes[] = {"txtint234a", "txtint234b", "txtint234c"};
  for (int k = 0; k < 3; ++k) {
    const std::string t = text(boxes[k]);
    if (t.empty()) continue;
    const auto m = Money::parse(t);
    if (!m || *m < Money()) return refuse("Enter a valid amount of interest.", boxes[k]);
    typed[static_cast<std::size_t>(k)] = *m;
  }
  i.byHand234a = typed[0];
  i.byHand234b = typed[1];
  i.byHand234c = typed[2];
  const std::string pan = upperCase(text("txtpan"));
  if (!pan.empty() && !base_.ValidPan(pan)) return refuse("Invalid PAN.", "txtpan");

  i.a234 = (*this)["Check1"].value ? 1 : 0;
  i.b234 = (*this)["Check2"].value ? 1 : 0;
  const int doi = (*this)["ChkDOI234C"].value;
  i.c234 = (*this)["Check3"].value == 0 ? 0 : doi == 2 ? 3 : doi == 1 ? 5 : 4;
  const int self = (*this)["Check4"].value;
  const int tax234a = (*this)["ChkTax234A"].value;
  i.selfy = self == 2 ? 2 : self == 0 ? 0 : tax234a == 2 ? 3 : tax234a == 1 ? 5 : 4;
  i.selfy1 = (*this)["Check5"].value ? 1 : 0;

  auto& g = s.signer;
  g.showTelephone = (*this)["chktel1"].value == 1;
  g.options.clear();
  for (int k = 0; k < kYearOptionCount; ++k) g.options += (*this)["opts1" + std::to_string(k)].value ? '1' : '0';
  g.name = text("txtpsr");
  g.fatherName = text("txtfpsr");
  g.capacity = text("txtcaps");
  g.relation = (*this)["cborelat"].text;
  g.showPan = (*this)["chkpanopt"].value == 1;
  g.pan = pan;
  const int place = (*this)["cboplace"].listIndex;
  g.place = place == 1 ? "##CITY##" : place == 2 ? text("txtsignplace") : "##COMMON##";
  s.priorities = priorities_ == defaultPriorities() && settings_.priorities.empty() ? "" : formatPriorities(priorities_);

  std::map<std::string, std::string> keys;
  for (const auto& p : presentationControls()) {
    const auto& c = (*this)[p.control];
    keys[p.key] = p.items.empty() ? std::to_string(c.value ? 1 : 0) : std::to_string(std::max(0, c.listIndex));
  }
  keys["PLACE"] = text("txtplace");
  // Leaving without a change writes nothing (and needs no year row).
  if (s == settings_ && keys == shownKeys_) return true;

  // The year's settings and the user's presentation settings are one
  // transaction: a failure leaves both as they were.
  auto tx = base_.DbObj().begin();
  try {
    // Only the user's settings changed: the year's rows stay as they are.
    if (!(s == settings_)) saveYearSettings(base_.DbObj(), key_, s);
  } catch (const YearNotOpened& e) {
    return refuse(e.what(), "cmdback", ui::Icon::exclamation);
  }
  for (const auto& [key, value] : keys) {
    const auto shown = shownKeys_.find(key);
    if (shown == shownKeys_.end() || shown->second != value) base_.SaveSettingINI("Settings", key, value);
  }
  tx.commit();
  settings_ = s;
  shownKeys_ = keys;
  return true;
}

void SettingsForm::escape() {
  if ((*this)["fracyla"].visible) return closePriorityPanel();
  if ((*this)["fraoth"].visible) {
    if (editingBillRow_ != -2 && !dialogs().yesNo("Do you want to cancel the Entry ?")) return;
    editingBillRow_ = -2;
    (*this)["fraoth"].visible = false;
    return;
  }
  if (save()) close();
}

// ---- loss set-off priorities ----------------------------------------------

void SettingsForm::openPriorityPanel() {
  if (!save()) return;
  (*this)["fracyla"].visible = true;
  showPriorities();
  focus = priorityBox(YearLoss::houseProperty, 0);
}

void SettingsForm::closePriorityPanel() {
  settings_.priorities = formatPriorities(priorities_);
  auto& conn = base_.DbObj();
  auto tx = conn.begin();
  const db::Pairs key{{"code_no", key_.dataSet}, {"tyear", key_.year}};
  db::deleteWhere(conn, "cylatbl", key);
  db::insertRow(conn, "cylatbl", {{"code_no", key_.dataSet}, {"tyear", key_.year}, {"priorities", settings_.priorities}});
  tx.commit();
  (*this)["fracyla"].visible = false;
  focus = "cmdcyla";
}

void SettingsForm::showPriorities() {
  for (int l = 0; l < kYearLosses; ++l) {
    const auto loss = static_cast<YearLoss>(l);
    auto& rank = (*this)[priorityBox(loss, 0)];
    rank.clear();
    for (int r = 1; r <= kYearLosses; ++r) rank.addItem(std::to_string(r));
    const auto& losses = priorities_.losses;
    rank.selectIndex(static_cast<int>(std::find(losses.begin(), losses.end(), loss) - losses.begin()));
    const auto& order = priorities_.order[static_cast<std::size_t>(l)];
    for (int slot = 1; slot < kSlots && slot <= static_cast<int>(order.size()); ++slot) {
      auto& c = (*this)[priorityBox(loss, slot)];
      c.clear();
      for (TargetHead h : order) c.addItem(targetCaption(h));
      c.selectIndex(slot - 1);
    }
  }
}

void SettingsForm::priorityChosen(YearLoss loss, int rank) {
  const std::string chosen = (*this)[priorityBox(loss, rank + 1)].text;
  for (int h = 0; h < kTargetHeads; ++h)
    if (chosen == targetCaption(static_cast<TargetHead>(h))) placeAt(priorities_, loss, static_cast<TargetHead>(h), rank);
  showPriorities();
}

void SettingsForm::lossRankChosen(YearLoss loss) {
  const int rank = (*this)[priorityBox(loss, 0)].listIndex;
  if (rank >= 0) placeLossAt(priorities_, loss, rank);
  showPriorities();
}

// ---- the practitioner's bill particulars ----------------------------------

void SettingsForm::showBillClients() {
  auto& g = grid("vsfoth");
  g.rows.clear();
  for (const auto& row : base_.DbObj().query("SELECT * FROM bill_othclient ORDER BY srno")) {
    std::vector<std::string> cells;
    for (const auto& c : kBillColumns) cells.push_back(row.text(c.column));
    g.rows.push_back(cells);
  }
  g.selectedRow = g.rows.empty() ? -1 : 0;
}

void SettingsForm::editBillClient(bool adding) {
  auto& g = grid("vsfoth");
  if (!adding && g.selectedRow < 0) return;
  editingBillRow_ = adding ? -1 : g.selectedRow;
  for (std::size_t k = 0; k < std::size(kBillColumns); ++k) {
    auto& box = (*this)[kBillColumns[k].box];
    box.enabled = true;
    box.text = adding ? "" : g.rows[static_cast<std::size_t>(g.selectedRow)][k];
  }
  focus = kBillColumns[0].box;
}

void SettingsForm::updateBillClient() {
  if (editingBillRow_ == -2) return;
  if (text(kBillColumns[0].box).empty()) {
    refuse("Please Enter Name.", kBillColumns[0].box);
    return;
  }
  auto& g = grid("vsfoth");
  std::vector<std::string> cells;
  for (const auto& c : kBillColumns) cells.push_back(text(c.box));
  auto rows = g.rows;
  if (editingBillRow_ == -1)
    rows.push_back(cells);
  else
    rows[static_cast<std::size_t>(editingBillRow_)] = cells;
  g.rows = rows;
  saveBillClients();
  editingBillRow_ = -2;
  for (const auto& c : kBillColumns) (*this)[c.box].enabled = false;
}

void SettingsForm::deleteBillClient() {
  auto& g = grid("vsfoth");
  if (g.selectedRow < 0 || g.selectedRow >= static_cast<int>(g.rows.size())) return;
  if (!dialogs().yesNo("Do you want to delete selected item?")) return;
  g.rows.erase(g.rows.begin() + g.selectedRow);
  saveBillClients();
  g.selectedRow = g.rows.empty() ? -1 : 0;
}

void SettingsForm::saveBillClients() {
  auto& conn = base_.DbObj();
  const auto& g = grid("vsfoth");
  auto tx = conn.begin();
  conn.execute("DELETE FROM bill_othclient");
  int srno = 0;
  for (const auto& cells : g.rows) {
    db::Pairs values{{"srno", ++srno}};
    for (std::size_t k = 0; k < std::size(kBillColumns); ++k) values.emplace_back(kBillColumns[k].column, cells[k]);
    db::insertRow(conn, "bill_othclient", values);
  }
  tx.commit();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "frmsetup1", .make = [](host::Component& c) { return std::make_shared<SettingsForm>(c); }}};
}  // namespace

}  // namespace meridian::suite::computation
