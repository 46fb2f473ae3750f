#pragma once
// Reads a department's intimation u/s 143(1), or its rectification order u/s
// 154, from the PDF the e-filing portal sends, and fills the rectification
// frame from it. The PDF is converted to text by the poppler converter.
#include <filesystem>
#include <optional>
#include <string>

#include "suite/returns/rectification_details.h"
#include "host/component.h"
#include "ui/dialogs.h"

namespace meridian::filing {
using returns::RectificationDetails;

// The file choice of the command.
constexpr const char* kPdfFilter = "PDF Files|*.pdf";

struct Intimation {
  char kind = 'I';  // 'I' intimation u/s 143(1), 'R' rectification order u/s 154
  std::string communicationRef, pan, dateOfOrder, assessmentYear, itrType, ackNo;
  std::string rectificationRequestDate, dueDate, filingDate;  // dd/mm/yyyy, empty when the text has none
  std::string cpcRef;
};

// The fields of the text of the intimation's first page; `error` says what is
// wrong ("Not a Valid File !", "PAN is missing." ...) when it is nullopt.
// `expectedPan` and `expectedYear` ("2016-17") are the client's and the year's.
std::optional<Intimation> parseIntimation(const std::string& text, const std::string& expectedPan,
                                          const std::string& expectedYear, host::Base& base, std::string& error);

// The readable text of an HTML page as the converter writes it.
std::string textOfHtml(const std::string& html);

// "ABC_____4D" from a file name holding "ABCXXXXX4D"; "" when it holds no masked PAN.
std::string maskedPanInFileName(const std::string& fileName);

// frmRevOrd's command: checks the file against the client in context, reads
// it and fills `out`. False, after telling the user why, when it cannot.
bool fillFromIntimation(host::Component& host, ui::Dialogs& dialogs, const std::filesystem::path& pdf,
                        RectificationDetails& out);

}  // namespace meridian::filing
