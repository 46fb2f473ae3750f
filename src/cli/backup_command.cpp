#include <iostream>

#include "cli/command.h"
#include "suite/backup.h"
#include "suite/folder_lock.h"

namespace meridian::cli {

void addBackupCommands(CLI::App& app, GlobalOptions& g, Action& chosen) {
  struct Options {
    std::string to, file;
    bool dump = false;
  };
  auto o = std::make_shared<Options>();

  auto* backup = app.add_subcommand("backup", "write a backup of the practice's database into a folder");
  backup->add_option("--to", o->to, "folder to write the backup into (default: the data folder's backups)");
  backup->add_flag("--dump", o->dump, "write a dump that restores into either engine (MariaDB always writes one)");
  addGlobalOptions(*backup, g);
  backup->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      suite::Application a(g.app());
      const auto dir = o->to.empty() ? a.data().backups() : std::filesystem::path(o->to);
      const auto file = suite::takeBackup(a.conn(), dir, o->dump);
      std::cout << "backup written to " << file.string() << "\n";
      return 0;
    };
  });

  auto* restore = app.add_subcommand("restore", "restore a backup into an empty database (a fresh data folder, say)");
  restore->add_option("file", o->file, "the backup: a .db copy or a .mdump.gz dump")->required();
  addGlobalOptions(*restore, g);
  restore->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      const auto data = suite::DataFolder::open(g.dataDir);
      if (suite::FolderLock::heldByAnother(data.root))
        throw std::runtime_error("a Meridian server is serving " + data.root.string() + ": stop it before restoring");
      const std::string url = suite::resolveDatabaseUrl(g.dbUrl, data);
      const auto counts = suite::restoreBackup(o->file, url);
      std::cout << "restored " << counts.rows << " rows into " << counts.tables << " tables of "
                << db::ConnectionUrl::parse(url).redacted() << "\n";
      return 0;
    };
  });
}

}  // namespace meridian::cli
