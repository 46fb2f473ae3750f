#pragma once
// The statement of shares of income as a member of AOPs and BOIs, printed at
// the computation's marker row ##MEMSHARESTATEMENT## under the business head:
// each AOP or BOI with its PAN, the member's share, how it is taxed and so
// what s.86 does with the share (exempt, or included in total income).
#include <vector>

#include "host/report_writer.h"
#include "suite/heads/member_shares.h"

namespace meridian::suite::computation {

// "STATEMENT OF SHARE OF INCOME AS MEMBER OF AOP/BOI", when there are shares.
void printMemberShareStatement(host::ReportWriter& rep, const std::vector<heads::member_shares::Row>& shares,
                               bool borders);

}  // namespace meridian::suite::computation
