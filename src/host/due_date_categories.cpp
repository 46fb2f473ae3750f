#include "host/due_date_categories.h"

#include <algorithm>
#include <climits>

namespace meridian::host {
namespace {

using K = CategoryKind;

struct ListRow {
  int statc;
  K kind;
  const char* text;
  int offeredFrom = INT_MIN;  // first A.Y. that shows the row
};

struct YearList {
  int from, to;
  std::vector<ListRow> rows;
};

const char* const kWorkingPartner = "Working Partner of a Firm Whose accounts are required to be Audited";
const char* const kFirmAudited = "Partnership Firm Whose accounts are required to be Audited";
const char* const kOtherAudited = "Other than Company and Partnership Firm Whose accounts are required to be Audited";
const char* const kCompanyAnyOther = "Assessee being a Company (Any Other)";
const char* const k92E = "Assessee required to furnish a report under section 92E";

// The category lists by A.Y., as the due-date masters have always shown them.
const std::vector<YearList>& yearLists() {
  static const std::vector<YearList> lists = {
      {INT_MIN, 2000,
       {{1, K::company, "Assessee being a Company"},
        {2, K::auditedNonCompany, "Other than Company Whose accounts are required to be Audited"},
        {3, K::workingPartner, kWorkingPartner},
        {4, K::otherWithBusiness, "Any Other Assessee having Business"},
        {5, K::anyOther, "Any Other Assessee"}}},
      {2001, 2005,
       {{1, K::company, "Assessee being a Company"},
        {2, K::auditedNonCompany, "Other than Company Whose accounts are required to be Audited"},
        {3, K::workingPartner, kWorkingPartner},
        {4, K::anyOther, "Any Other Assessee"}}},
      {2006, 2010,
       {{1, K::company, "Assessee being a Company"},
        {2, K::firmAudited, kFirmAudited},
        {3, K::workingPartner, kWorkingPartner},
        {4, K::auditedOther, kOtherAudited},
        {5, K::indHufNoBusiness, "Individual or HUF not having Income from Business or Profession", 2007},
        {6, K::anyOther, "Any Other Assessee"}}},
      {2011, 2011,
       {{1, K::company92E, "Assessee being a Company required to furnish a report under section 92E"},
        {2, K::company, kCompanyAnyOther},
        {3, K::firmAudited, kFirmAudited},
        {4, K::workingPartner, kWorkingPartner},
        {5, K::auditedOther, kOtherAudited},
        {6, K::anyOther, "Any Other Assessee"}}},
      {2013, 2013,
       {{1, K::report92E, k92E},
        {2, K::companyAudited, "Assessee being a Company Whose accounts are required to be Audited"},
        {3, K::companyNotAudited, kCompanyAnyOther},
        {4, K::firmAudited, kFirmAudited},
        {5, K::workingPartner, kWorkingPartner},
        {6, K::auditedOther, kOtherAudited},
        {7, K::gujaratLate,
         "Assessees in the State of Gujarat, who are liable to file their Income tax returns by 30th September, 2013"},
        {8, K::otherNotUttarakhand,
         "Any Other Assessee (Other than those residing or assessed in the State of Uttarakhand)"},
        {9, K::uttarakhandOther, "Any Other Assessee (Residing or assessed in the State of Uttarakhand)"}}},
      {2014, 2014,
       {{1, K::report92E, k92E},
        {2, K::companyAudited, "Assessee being a Company Whose accounts are required to be Audited u/s 44AB"},
        {3, K::companyNotAudited, kCompanyAnyOther},
        {4, K::firmAudited, "Partnership Firm Whose accounts are required to be Audited u/s 44AB"},
        {5, K::workingPartner, "Working Partner of a Firm Whose accounts are required to be Audited u/s 44AB"},
        {6, K::auditedOther,
         "Other than Company and Partnership Firm Whose accounts are required to be Audited u/s 44AB"},
        {7, K::jkLate,
         "Assessees in the State of Jammu & Kashmir, who are liable to file their Income tax returns by 30th "
         "September, 2014"},
        {8, K::jk92E,
         "Assessees in the State of Jammu & Kashmir, who are required to furnish a report under section 92E"},
        {9, K::anyOther, "Any Other Assessee"}}},
      {2015, 2015,
       {{1, K::report92E, k92E},
        {2, K::company, kCompanyAnyOther},
        {3, K::firmAudited, kFirmAudited},
        {4, K::workingPartner, kWorkingPartner},
        {5, K::auditedOther, kOtherAudited},
        {6, K::gujaratOther,
         "Assessees in the State of Gujarat, who are liable to file their Income tax returns by 31st August, 2015"},
        {7, K::eFilerOther,
         "Any Other Assessee (Other than those in the State of Gujarat) were required to E-File their returns by "
         "31st August, 2015"},
        {8, K::anyOther, "Any Other Assessee"}}},
      {2016, 2016,
       {{1, K::report92E, k92E},
        {2, K::company, kCompanyAnyOther},
        {3, K::firmAudited, kFirmAudited},
        {4, K::workingPartner, kWorkingPartner},
        {5, K::auditedOther, kOtherAudited},
        {6, K::jkOther,
         "Assessees in the State of Jammu & Kashmir, who are liable to file their Income tax returns by 31st July, "
         "2016"},
        {7, K::jkLate,
         "Assessees in the State of Jammu & Kashmir, who are liable to file their Income tax returns by 30th "
         "September, 2016"},
        {8, K::jk92E,
         "Assessees in the State of Jammu & Kashmir, who are liable to file their Income tax returns by 30th "
         "November, 2016"},
        {9, K::anyOther, "Any Other Assessee"}}},
      // 2012 and every year from 2017: the 2011 list with the report u/s 92E open to any assessee.
      {2012, 2012,
       {{1, K::report92E, k92E},
        {2, K::company, kCompanyAnyOther},
        {3, K::firmAudited, kFirmAudited},
        {4, K::workingPartner, kWorkingPartner},
        {5, K::auditedOther, kOtherAudited},
        {6, K::anyOther, "Any Other Assessee"}}},
      {2017, INT_MAX,
       {{1, K::report92E, k92E},
        {2, K::company, kCompanyAnyOther},
        {3, K::firmAudited, kFirmAudited},
        {4, K::workingPartner, kWorkingPartner},
        {5, K::auditedOther, kOtherAudited},
        {6, K::anyOther, "Any Other Assessee"}}},
  };
  return lists;
}

// Layouts stored by earlier versions for A.Y.s whose list grew later. A
// saved year always holds every row of its list, so the highest StatC stored
// tells the layout apart. Each stored row stands for the current rows listed
// for it (an old category that the new list splits fills every part of it).
//
//   A.Y.        stored rows  old StatC -> current StatC
//   2006-2010   4 (the 2001-05 list)   1->1  2->2,4  3->3  4->5,6
//   2006-2010   5 (before the individual/HUF row; "Any Other Assessee" was 5)
//                                      1..4 unchanged  5->5,6
//   2013        6 (the 2012 list)      1->1  2->2,3  3->4  4->5  5->6,7  6->8,9
//   2013        8 (before the Uttarakhand split)  1..7 unchanged  8->8,9
//
// A current row the year does not offer (row 5 of 2006-07) is dropped.
struct LegacyLayout {
  int from, to;
  int storedMax;
  std::vector<std::vector<int>> targets;  // index: stored StatC - 1
};

const std::vector<LegacyLayout>& legacyLayouts() {
  static const std::vector<LegacyLayout> layouts = {
      {2006, 2010, 4, {{1}, {2, 4}, {3}, {5, 6}}},
      {2006, 2010, 5, {{1}, {2}, {3}, {4}, {5, 6}}},
      {2013, 2013, 6, {{1}, {2, 3}, {4}, {5}, {6, 7}, {8, 9}}},
      {2013, 2013, 8, {{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8, 9}}},
  };
  return layouts;
}

const LegacyLayout* legacyLayout(int year, int storedMax) {
  for (const auto& l : legacyLayouts())
    if (year >= l.from && year <= l.to && storedMax == l.storedMax) return &l;
  return nullptr;
}

}  // namespace

std::vector<CategoryRow> categoriesOf(int year) {
  for (const auto& list : yearLists()) {
    if (year < list.from || year > list.to) continue;
    std::vector<CategoryRow> out;
    for (const auto& r : list.rows)
      if (year >= r.offeredFrom) out.push_back({r.statc, r.kind, r.text});
    return out;
  }
  return {};
}

bool isLegacyLayout(int year, int storedMax) { return legacyLayout(year, storedMax) != nullptr; }

std::vector<int> currentStatcsFor(int year, int storedMax, int storedStatc) {
  const LegacyLayout* l = legacyLayout(year, storedMax);
  if (!l || storedStatc < 1 || storedStatc > static_cast<int>(l->targets.size())) return {};
  const auto offered = categoriesOf(year);
  std::vector<int> out;
  for (int t : l->targets[static_cast<size_t>(storedStatc - 1)])
    if (std::any_of(offered.begin(), offered.end(), [t](const CategoryRow& r) { return r.statc == t; }))
      out.push_back(t);
  return out;
}

std::array<std::string, 4> defaultInstalments(int year) {
  const std::string prev = std::to_string(year - 1), cur = std::to_string(year);
  return {"15/06/" + prev, "15/09/" + prev, "15/12/" + prev, "15/03/" + cur};
}

const std::array<std::string, 4>& instalmentNames() {
  static const std::array<std::string, 4> names = {"Ist", "IInd", "IIIrd", "IVth"};
  return names;
}

std::string instalmentExtensionNote(int year) {
  switch (year) {
    case 2015:
      return "Press Release dated 18-09-2014: Date of payment of the September installment of advance tax is "
             "extended from 15-09-2014 to 15-12-2014 for the taxpayers in State of Jammu & Kashmir.";
    case 2016:
      return "Press Release dated 15-12-2015: Date of payment of the December installment of advance tax is "
             "extended from 15-12-2015 to 31-12-2015 for the taxpayers in the State of Tamil Nadu or Union "
             "territory of Puducherry.";
    default:
      return "";
  }
}

}  // namespace meridian::host
