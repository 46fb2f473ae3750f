#pragma once
// The three context objects that carry the working context between screens:
// the client context ("PrjClientCtx.Forms"), the result context
// ("PrjResultCtx.Forms") and the return context ("PrjReturnCtx.Forms").
#include <map>
#include <optional>
#include <string>

#include "common/money.h"
#include "host/property.h"

namespace meridian::host {

class ClientContext {
 public:
  explicit ClientContext(ContextJournal& j)
      : vT_Code_No(j, "ClientCtx", "vT_Code_No"),
        vT_Year(j, "ClientCtx", "vT_Year", 0),
        vt_RTCode_No(j, "ClientCtx", "vt_RTCode_No"),
        vt_RTFlag(j, "ClientCtx", "vt_RTFlag"),
        vT_RTType(j, "ClientCtx", "vT_RTType"),
        vTotEmpNos(j, "ClientCtx", "vTotEmpNos", 0),
        vTotHouNos(j, "ClientCtx", "vTotHouNos", 0),
        vTotBusNos(j, "ClientCtx", "vTotBusNos", 0),
        vTotCapNos(j, "ClientCtx", "vTotCapNos", 0) {}
  virtual ~ClientContext() = default;

  Property<std::string> vT_Code_No;
  Property<int> vT_Year;
  Property<std::string> vt_RTCode_No;
  Property<std::string> vt_RTFlag;
  Property<std::string> vT_RTType;
  Property<int> vTotEmpNos, vTotHouNos, vTotBusNos, vTotCapNos;

  // Rewrites the open year's result tables after a recomputation.
  virtual void UpdateTbl() = 0;
  // Counts again the entries of one head of the data set in use: "S"
  // employers (vTotEmpNos), "H" houses (vTotHouNos), "B" businesses (vTotBusNos).
  virtual void SetSHBCnos(const std::string& which) = 0;
};

// The computation engine of the suite, reached as PrjResultCtx.NModule1.
class ComputationEngine {
 public:
  virtual ~ComputationEngine() = default;
  virtual void ITCalcProc() = 0;
};

class ResultContext {
 public:
  virtual ~ResultContext() = default;
  // Computed figures of the open year by name ("Tax", "Surcharge", "TDS" ...).
  std::map<std::string, Money> figures;
  virtual ComputationEngine& NModule1() = 0;
};

class ReturnContext {
 public:
  explicit ReturnContext(ContextJournal& j)
      : Vt_ASS_YEAR(j, "ReturnCtx", "Vt_ASS_YEAR"),
        vITname(j, "ReturnCtx", "vITname"),
        vT_StaT(j, "ReturnCtx", "vT_StaT"),
        vStatus_Read(j, "ReturnCtx", "vStatus_Read", 0),
        vMRR(j, "ReturnCtx", "vMRR", false),
        vPDT(j, "ReturnCtx", "vPDT", false),
        vRev_Dt(j, "ReturnCtx", "vRev_Dt"),
        vrev_srno(j, "ReturnCtx", "vrev_srno", 0),
        vrev_Return(j, "ReturnCtx", "vrev_Return"),
        VDue_Dt(j, "ReturnCtx", "VDue_Dt"),
        VODue_Dt(j, "ReturnCtx", "VODue_Dt"),
        VRefDD(j, "ReturnCtx", "VRefDD"),
        vaskfldt(j, "ReturnCtx", "vaskfldt", false) {}
  virtual ~ReturnContext() = default;

  Property<std::string> Vt_ASS_YEAR;
  Property<std::string> vITname;
  Property<std::string> vT_StaT;
  Property<int> vStatus_Read;
  Property<bool> vMRR;
  Property<bool> vPDT;
  Property<Date> vRev_Dt;
  Property<int> vrev_srno;
  Property<std::string> vrev_Return;
  Property<Date> VDue_Dt, VODue_Dt, VRefDD;
  Property<bool> vaskfldt;

  // Sets VDue_Dt and VODue_Dt to the due dates of the open (or given) year.
  virtual void GetDueDt(std::optional<int> year = std::nullopt) = 0;
};

}  // namespace meridian::host
