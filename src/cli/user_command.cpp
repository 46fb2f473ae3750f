#include <iostream>

#include "cli/command.h"
#include "common/rights.h"
#include "suite/application.h"

namespace meridian::cli {
namespace {

// A password comes from --password or, so that it stays out of the shell's
// history, from the first line of standard input.
std::string passwordFrom(const std::string& given) {
  if (!given.empty()) return given;
  std::string line;
  std::getline(std::cin, line);
  if (line.empty()) throw std::runtime_error("no password given (use --password or one line on standard input)");
  return line;
}

}  // namespace

void addUserCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* user = app.add_subcommand("user", "manage the practice's users and their rights");
  user->require_subcommand(1);
  struct Options {
    std::string name, password, oldPassword;
    int right = 0;
    bool admin = false;
  };
  auto o = std::make_shared<Options>();
  auto& [name, password, oldPassword, right, admin] = *o;

  auto* add = user->add_subcommand("add", "add a user");
  add->add_option("name", name)->required();
  add->add_option("--password", password, "the new password (else read from standard input)");
  add->add_flag("--admin", admin, "the user holds every right");
  addGlobalOptions(*add, g);
  add->callback([&, o] {
    chosen = [&, o] {
      suite::Application a({g.dataDir, g.dbUrl});
      auto u = a.users().add(name, passwordFrom(password), admin);
      std::cout << "user " << u.username << " added" << (u.admin ? " (administrator)" : "") << "\n";
      return 0;
    };
  });

  auto* passwd = user->add_subcommand("passwd", "set a user's password");
  passwd->add_option("name", name)->required();
  passwd->add_option("--password", password, "the new password (else read from standard input)");
  passwd->add_option("--old", oldPassword, "the user's present password; refused when wrong");
  addGlobalOptions(*passwd, g);
  passwd->callback([&, o] {
    chosen = [&, o] {
      suite::Application a({g.dataDir, g.dbUrl});
      auto users = a.users();
      if (!oldPassword.empty() && !users.authenticate(name, oldPassword)) throw std::runtime_error("wrong password for " + name);
      users.setPassword(name, passwordFrom(password));
      std::cout << "password of " << name << " changed\n";
      return 0;
    };
  });

  for (const char* verb : {"grant", "revoke"}) {
    auto* sub = user->add_subcommand(verb, std::string(verb) + " a numbered right (100 module, 121 unlock filed returns, 199 administer)");
    sub->add_option("name", name)->required();
    sub->add_option("right", right)->required()->check(CLI::IsMember({rights::useIncomeTax, rights::unlockReturn, rights::administer}));
    addGlobalOptions(*sub, g);
    const bool granting = std::string(verb) == "grant";
    sub->callback([&, o, granting] {
      chosen = [&, o, granting] {
        suite::Application a({g.dataDir, g.dbUrl});
        auto users = a.users();
        granting ? users.grant(name, right) : users.revoke(name, right);
        std::cout << (granting ? "granted " : "revoked ") << right << (granting ? " to " : " from ") << name << "\n";
        return 0;
      };
    });
  }
}

}  // namespace meridian::cli
