#include "suite/dataset/data_set_code.h"

namespace meridian::suite::dataset {

std::string dataSetCode(const std::string& client, char letter, int srNo) {
  return client + "^" + letter + "-" + std::to_string(srNo);
}

bool belongsToClient(const std::string& code, const std::string& client) {
  if (client.empty()) return false;
  if (code == client) return true;
  if (code.size() < client.size() + 4 || code.compare(0, client.size(), client) != 0) return false;
  const std::string rest = code.substr(client.size());
  if (rest[0] != '^' || (rest[1] != 'R' && rest[1] != 'Z' && rest[1] != 'A') || rest[2] != '-') return false;
  if (rest[3] == '0') return false;
  for (size_t i = 3; i < rest.size(); ++i)
    if (rest[i] < '0' || rest[i] > '9') return false;
  return rest.size() <= 9;
}

}  // namespace meridian::suite::dataset
