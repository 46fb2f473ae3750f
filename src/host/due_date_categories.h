#pragma once
// The year-dependent lists behind the due-date masters: the categories of
// taxpayer of each A.Y. (the row number is the StatC stored with a date), the
// layouts earlier versions stored for A.Y.s whose list changed later, the
// statutory advance-tax instalment dates and the notes shown under them.
#include <array>
#include <string>
#include <vector>

namespace meridian::host {

// Advance-tax instalments are kept from A.Y. 2000-01.
constexpr int kFirstInstalmentYear = 2000;

// Who a category row is meant for; the client lookup picks a client's row by it.
enum class CategoryKind {
  company,               // any company
  companyAudited,        // company whose accounts are audited
  companyNotAudited,     // "Assessee being a Company (Any Other)" next to an audited-company row
  company92E,            // company that must furnish the report under section 92E
  report92E,             // any assessee that must furnish the report under section 92E
  auditedNonCompany,     // anyone but a company, accounts audited
  firmAudited,           // partnership firm, accounts audited
  workingPartner,        // working partner of a firm whose accounts are audited
  auditedOther,          // neither company nor firm, accounts audited
  otherWithBusiness,     // any other assessee with business or profession
  indHufNoBusiness,      // individual or HUF without business or profession
  gujaratLate,           // Gujarat, liable to file on the later (audit) date
  gujaratOther,          // Gujarat, liable to file on the earlier date
  jkLate,                // Jammu & Kashmir, liable to file on the later (audit) date
  jk92E,                 // Jammu & Kashmir, report under section 92E
  jkOther,               // Jammu & Kashmir, liable to file on the earliest date
  eFilerOther,           // outside Gujarat, required to e-file (A.Y. 2015-16)
  otherNotUttarakhand,   // any other assessee outside Uttarakhand
  uttarakhandOther,      // any other assessee residing or assessed in Uttarakhand
  anyOther,
};

struct CategoryRow {
  int statc;
  CategoryKind kind;
  std::string text;  // shown in the "Person" column
};

// The rows of the A.Y. in grid order. StatC follows the full list of the
// period, so a row not yet offered in a year (the individual/HUF row of
// 2006-07) leaves a gap rather than renumbering the rows after it.
std::vector<CategoryRow> categoriesOf(int year);

// StatC numbers of the current list that a StatC stored by an earlier version
// stands for; empty when the year's stored rows need no mapping. `storedMax`
// is the highest StatC stored for the year: a layout is recognised by it.
std::vector<int> currentStatcsFor(int year, int storedMax, int storedStatc);
// True when rows stored with this highest StatC came from an earlier layout.
bool isLegacyLayout(int year, int storedMax);

// The statutory instalment dates of A.Y. y-(y+1), dd/mm/yyyy: 15 June,
// 15 September and 15 December of y-1 and 15 March of y.
std::array<std::string, 4> defaultInstalments(int year);
// Names of the instalments in the "Installment" column.
const std::array<std::string, 4>& instalmentNames();
// Extension of an instalment date announced for some states; "" when none.
std::string instalmentExtensionNote(int year);

}  // namespace meridian::host
