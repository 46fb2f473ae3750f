#include "efile_bench.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "itr/efile/efile_digest.h"
#include "itr/efile/produce_ereturn.h"
#include "itr/efile/itr1_writer.h"
#include "suite/efile/efile_credentials.h"
#include "suite/atomic_file.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/efile/schema_validator.h"
#include "support/sample_returns.h"

namespace meridian::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kReturns = 1000;
constexpr int kRuns = 3;
constexpr char kKey[] = "A1b2C3d4E5f6G7h";

// The returns of the benchmark: every other one with every schedule, so
// that the files vary as a practice's do. The baseline and every measured
// path check the same 1,000 documents.
std::vector<itr::efile::EReturnInput> sampleInputs() {
  std::vector<itr::efile::EReturnInput> inputs;
  for (int i = 0; i < kReturns; ++i) {
    testsupport::SampleReturn s;
    s.surname = "VERMA" + std::string(1, static_cast<char>('A' + i % 26)) + std::to_string(i);
    s.salaryRupees = 300000 + 97 * i;
    s.everySchedule = i % 2 == 0;
    inputs.push_back(testsupport::sampleEReturnInput(s));
  }
  return inputs;
}

struct Returns {
  fs::path dir;
  std::vector<fs::path> files;
  std::vector<std::string> bytes;  // as written, to put back before each run
};

// The run's own folder, new for every run, beside the benchmark rather than
// in /tmp. This machine's ext4 has no journal: creating a file there skips,
// one by one, every inode of the folder's block group freed in the last
// minutes, and /tmp's group is where every compiler on the machine makes and
// deletes its temporary files. Files created in /tmp while others build cost
// five times what they cost elsewhere, which measures the compilers, not the
// returns. MERIDIAN_BENCH_DIR names another parent folder.
fs::path runFolder() {
  const char* chosen = std::getenv("MERIDIAN_BENCH_DIR");
  const fs::path parent = chosen && *chosen ? fs::path(chosen) : fs::path(MERIDIAN_BENCH_WORK_DIR);
  return parent / ("efile_run_" + std::to_string(::getpid()));
}

Returns writeReturns(const std::vector<itr::efile::EReturnInput>& inputs) {
  Returns r;
  r.dir = runFolder();
  fs::create_directories(r.dir);
  for (size_t i = 0; i < inputs.size(); ++i) {
    r.files.push_back(r.dir / ("ITR1_" + std::to_string(i) + ".xml"));
    r.bytes.push_back(testsupport::writeEReturn(r.files.back(), inputs[i]));
  }
  return r;
}

// Untimed set-up: the files as first written, without waiting for the disk.
void restore(const Returns& r) {
  for (size_t i = 0; i < r.files.size(); ++i) suite::writeFileAtomicallyUnsynced(r.files[i], r.bytes[i]);
}

// A folder no run has used: a batch writes new files into its folder. Runs
// never delete the files of the run before: on a file system without a
// journal (this machine's ext4) the allocator passes over every inode freed
// in the last minutes one by one, so creating 1,000 files just after
// deleting 1,000 costs far more than creating them and measures the
// deletions, not the returns. Everything goes at the end of the benchmark.
fs::path freshFolder(const Returns& r) {
  static int made = 0;
  const fs::path folder = r.dir / ("batch_" + std::to_string(++made));
  fs::create_directories(folder);
  return folder;
}

std::vector<fs::path> filesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  for (int i = 0; i < kReturns; ++i) files.push_back(folder / ("ITR1_" + std::to_string(i) + ".xml"));
  return files;
}

// Best of `runs`; `before` runs untimed ahead of each run.
template <class Before, class Work>
double bestOf(Before before, Work work, int runs = kRuns) {
  double best = std::numeric_limits<double>::infinity();
  for (int run = 0; run < runs; ++run) {
    before();
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

// The baseline: libxml2 on its own, the schema compiled once from the source
// tree's files, each return read and checked.
double libxml2Alone(const Returns& r, const std::string& rootSchema) {
  const fs::path schemaFile = fs::path(MERIDIAN_SOURCE_DIR) / rootSchema;
  xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(schemaFile.c_str());
  xmlSchemaPtr schema = xmlSchemaParse(parser);
  xmlSchemaFreeParserCtxt(parser);
  if (!schema) throw std::runtime_error("cannot compile " + schemaFile.string());
  int faults = 0;
  const double ms = bestOf([] {},
                           [&] {
                             for (const fs::path& f : r.files) {
                               xmlDocPtr doc = xmlReadFile(f.c_str(), nullptr, XML_PARSE_NONET);
                               xmlSchemaValidCtxtPtr check = xmlSchemaNewValidCtxt(schema);
                               faults += xmlSchemaValidateDoc(check, doc) != 0;
                               xmlSchemaFreeValidCtxt(check);
                               xmlFreeDoc(doc);
                             }
                           });
  xmlSchemaFree(schema);
  if (faults) throw std::runtime_error("the benchmark's returns do not pass the check");
  return ms;
}

// The load averages of /proc/loadavg, to read the ratios by: the machine
// may be shared.
std::string loadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one, five, fifteen;
  in >> one >> five >> fifteen;
  return one.empty() ? "unknown\n" : one + " " + five + " " + fifteen + "\n";
}

void report(const char* what, double ms, double baseline) {
  std::printf("%s: %.2fx baseline (%.2f ms; baseline %.2f ms)\n", what, ms / baseline, ms, baseline);
}

// The whole of meridian efile --all's work for 1,000 returns, in a new
// folder (or over the files of the run before): written, checked, digested,
// each file created unsynced and the disk synced once at the end.
void wholeBatch(const std::vector<itr::efile::EReturnInput>& inputs, const Returns& r, double baseline,
                bool overPreviousRun) {
  for (const char* passes : {"0010", "9999"}) {
    const suite::efile::CredentialSet credentials{testsupport::kSampleSoftwareId, kKey, passes};
    fs::path folder = freshFolder(r);
    std::vector<fs::path> files = filesIn(folder);
    if (overPreviousRun)  // every run replaces a file already there
      for (int i = 0; i < kReturns; ++i) suite::writeFileAtomicallyUnsynced(files[i], r.bytes[i]);
    const double made = bestOf([&] { if (!overPreviousRun) folder = freshFolder(r); files = filesIn(folder); }, [&] {
      for (int i = 0; i < kReturns; ++i)
        if (itr::efile::produceEReturn(inputs[i], files[i], credentials, itr::efile::Durability::atEndOfBatch)
                .result != itr::efile::ProduceResult::written)
          throw std::runtime_error("a benchmark return was not written whole");
      suite::syncFileSystem(folder);
    });
    const std::string name = std::string("efile_write_validate_digest_1000_returns_ic_") + passes +
                             (overPreviousRun ? "_over_the_previous_runs_files" : "");
    report(name.c_str(), made, baseline);
  }
}

}  // namespace

void runEfileBenchmarks() {
  std::printf("efile: machine load %s", loadAverage().c_str());
  const std::vector<itr::efile::EReturnInput> inputs = sampleInputs();
  const Returns r = writeReturns(inputs);
  const std::string root = *suite::efile::rootSchemaFor(2016, "ITR-1");
  suite::efile::validateFileAgainst(root, r.files.front());  // the one-time schema compile is not the subject
  const double baseline = libxml2Alone(r, root);

  wholeBatch(inputs, r, baseline, false);
  {  // its parts, to see where the time goes
    std::vector<std::string> docs(kReturns);
    const double w = bestOf([] {}, [&] {
      for (int i = 0; i < kReturns; ++i) itr::efile::writeItr1OrItr4s(inputs[i], docs[i]);
    });
    report("efile_part_write_1000_documents_in_memory", w, baseline);
    const double v = bestOf([] {}, [&] {
      for (int i = 0; i < kReturns; ++i) suite::efile::validateAgainst(root, docs[i]);
    });
    report("efile_part_validate_1000_documents_in_memory", v, baseline);
    std::vector<fs::path> files;
    const double f = bestOf([&] { files = filesIn(freshFolder(r)); }, [&] {
      for (int i = 0; i < kReturns; ++i) suite::writeFileAtomicallyUnsynced(files[i], docs[i]);
    });
    report("efile_part_create_1000_files_unsynced", f, baseline);
    const double sy = bestOf([] {}, [&] { suite::syncFileSystem(r.dir); });
    report("efile_part_sync_the_disk_once", sy, baseline);
  }
  // The digest's arithmetic alone, without rewriting any file.
  for (int passes : {10, 9999}) {
    size_t keep = 0;
    const double computed = bestOf([] {}, [&] {
      for (const std::string& bytes : r.bytes) keep += itr::efile::keyedDigest(bytes, kKey, passes).size();
    });
    const std::string name = "efile_digest_computed_1000_returns_ic_" + std::to_string(passes);
    report(name.c_str(), computed, baseline);
    if (keep == 0) throw std::runtime_error("no digest computed");
  }
  wholeBatch(inputs, r, baseline, true);

  const double checked = bestOf([] {}, [&] {
    for (const fs::path& f : r.files)
      if (suite::efile::validateFileAgainst(root, f).verdict != suite::efile::Verdict::valid)
        throw std::runtime_error("a benchmark return failed the check");
  });
  report("efile_validate_1000_returns", checked, baseline);
  // meridian digest on each file alone: each rewritten through a side file
  // synced to disk, as one practitioner's file is.
  for (const char* passes : {"0010", "9999"}) {
    const double signed_ = bestOf([&] { restore(r); }, [&] {
      for (const fs::path& f : r.files) {
        if (suite::efile::validateFileAgainst(root, f).verdict != suite::efile::Verdict::valid ||
            !itr::efile::placeDigest(f, kKey, passes).succeeded)
          throw std::runtime_error("a benchmark return failed");
      }
    }, 1);  // a thousand waits for the disk: one run tells enough
    const std::string name = std::string("efile_validate_and_digest_1000_files_each_synced_ic_") + passes;
    report(name.c_str(), signed_, baseline);
  }
  std::error_code ignored;
  fs::remove_all(r.dir, ignored);
  // The freed inodes written out: ext4 without a journal passes over a
  // freed inode for minutes, longer while its table block is unwritten, so
  // that the next run pays as little as it can for this one's files.
  try {
    suite::syncFileSystem(r.dir.parent_path());
  } catch (const std::exception&) {
  }
}

}  // namespace meridian::bench
