#pragma once
// Numbered user rights.
namespace meridian::rights {
constexpr int useIncomeTax = 100;   // open the income-tax module and its clients
constexpr int unlockReturn = 121;   // unlock a return that is locked after filing
constexpr int administer = 199;     // manage users, rights and client passwords
constexpr int all[] = {useIncomeTax, unlockReturn, administer};
}  // namespace meridian::rights
