#include <iostream>

#include "cli/command.h"
#include "common/rights.h"
#include "suite/application.h"
#include "suite/signin_throttle.h"

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

struct Options {
  std::string name, password, oldPassword, code;
  int right = 0;
  bool admin = false;
};

// A sub-command of "user" that names one user and does one thing to them.
void userStep(CLI::App* user, GlobalOptions& g, Action& chosen, std::shared_ptr<Options> o, const char* verb,
              const char* what, std::function<std::string(suite::Application&, Options&)> step) {
  auto* sub = user->add_subcommand(verb, what);
  sub->add_option("name", o->name)->required();
  addGlobalOptions(*sub, g);
  sub->callback([&g, &chosen, o, step] {
    chosen = [&g, o, step] {
      suite::Application a(g.app());
      std::cout << step(a, *o) << "\n";
      return 0;
    };
  });
}

}  // namespace

void addUserCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* user = app.add_subcommand("user", "manage the practice's users, their rights and client passwords");
  user->require_subcommand(1);
  auto o = std::make_shared<Options>();

  auto* add = user->add_subcommand("add", "add a user");
  add->add_option("name", o->name)->required();
  add->add_option("--password", o->password, "the new password (else read from standard input)");
  add->add_flag("--admin", o->admin, "the user holds every right");
  addGlobalOptions(*add, g);
  add->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      suite::Application a(g.app());
      auto u = a.users().add(o->name, passwordFrom(o->password), o->admin);
      std::cout << "user " << u.username << " added" << (o->admin ? " (administrator)" : "") << "\n";
      return 0;
    };
  });

  auto* passwd = user->add_subcommand("passwd", "set a user's password (their sessions end)");
  passwd->add_option("name", o->name)->required();
  passwd->add_option("--password", o->password, "the new password (else read from standard input)");
  passwd->add_option("--old", o->oldPassword, "the user's present password; refused when wrong");
  addGlobalOptions(*passwd, g);
  passwd->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      suite::Application a(g.app());
      auto users = a.users();
      if (!o->oldPassword.empty() && !users.authenticate(o->name, o->oldPassword))
        throw std::runtime_error("wrong password for " + o->name);
      users.setPassword(o->name, passwordFrom(o->password));
      std::cout << "password of " << o->name << " changed\n";
      return 0;
    };
  });

  userStep(user, g, chosen, o, "reset", "give a user a one-time password to replace at the next sign-in",
           [](suite::Application& a, Options& op) {
             const std::string oneTime = a.users().resetPassword(op.name);
             suite::SignInThrottle(a.conn()).lift(op.name);
             return "one-time password of " + op.name + ": " + oneTime;
           });
  userStep(user, g, chosen, o, "disable", "stop a user from signing in (their sessions end)",
           [](suite::Application& a, Options& op) {
             a.users().setDisabled(op.name, true);
             return "user " + op.name + " disabled";
           });
  userStep(user, g, chosen, o, "enable", "let a disabled user sign in again", [](suite::Application& a, Options& op) {
    a.users().setDisabled(op.name, false);
    return "user " + op.name + " enabled";
  });
  userStep(user, g, chosen, o, "unlock", "lift the lock that failed sign-ins put on a user name",
           [](suite::Application& a, Options& op) {
             suite::SignInThrottle(a.conn()).lift(op.name);
             return "sign-in of " + op.name + " unlocked";
           });

  for (const char* verb : {"grant", "revoke"}) {
    auto* sub = user->add_subcommand(verb, std::string(verb) + " a numbered right (100 module, 121 unlock filed returns, 199 administer)");
    sub->add_option("name", o->name)->required();
    sub->add_option("right", o->right)->required()->check(CLI::IsMember({rights::useIncomeTax, rights::unlockReturn, rights::administer}));
    addGlobalOptions(*sub, g);
    const bool granting = std::string(verb) == "grant";
    sub->callback([&g, &chosen, o, granting] {
      chosen = [&g, o, granting] {
        suite::Application a(g.app());
        auto users = a.users();
        granting ? users.grant(o->name, o->right) : users.revoke(o->name, o->right);
        std::cout << (granting ? "granted " : "revoked ") << o->right << (granting ? " to " : " from ") << o->name << "\n";
        return 0;
      };
    });
  }

  auto* clientPassword = user->add_subcommand("client-password", "protect a client by a password (or --clear it)");
  clientPassword->add_option("code", o->code, "the client's code")->required();
  clientPassword->add_option("--password", o->password, "the client's password (else read from standard input)");
  auto clearing = std::make_shared<bool>(false);
  clientPassword->add_flag("--clear", *clearing, "take the client's password away");
  addGlobalOptions(*clientPassword, g);
  clientPassword->callback([&g, &chosen, o, clearing] {
    chosen = [&g, o, clearing = *clearing] {
      suite::Application a(g.app());
      auto users = a.users();
      if (clearing) {
        users.clearClientPassword(o->code);
        std::cout << "client " << o->code << " has no password now\n";
        return 0;
      }
      if (!a.conn().exists("SELECT 1 FROM main_info1 WHERE code_no = ? UNION ALL SELECT 1 FROM owner1 WHERE code = ?",
                           {o->code, o->code}))
        throw std::runtime_error("there is no client " + o->code);
      users.setClientPassword(o->code, passwordFrom(o->password));
      std::cout << "client " << o->code << " is protected by the new password\n";
      return 0;
    };
  });

  auto* list = user->add_subcommand("list", "list the users, their rights and standing");
  addGlobalOptions(*list, g);
  list->callback([&g, &chosen] {
    chosen = [&g] {
      suite::Application a(g.app());
      const auto locked = suite::SignInThrottle(a.conn()).lockedNames();
      for (const auto& u : a.users().all()) {
        std::string rights;
        for (int r : u.rights) rights += (rights.empty() ? "" : ",") + std::to_string(r);
        std::cout << u.username << "\t" << (rights.empty() ? "-" : rights) << "\t"
                  << (u.disabled ? "disabled" : u.mustChangePassword ? "one-time password" : "active") << "\n";
      }
      for (const auto& name : locked) std::cout << "sign-in locked: " << name << "\n";
      return 0;
    };
  });
}

}  // namespace meridian::cli
