// The desktop's count of one file, driven on the headless platform: the
// time from the click on "Count word frequencies" to the listed words, with
// the words shown as found (one thread) and with "Don't display words as
// found" ticked (every core), and the time from a click on Stop to the
// count's end.
//   zet_desktop_bench FILE [STOP_AFTER_MS]
// Without STOP_AFTER_MS each way counts and lists FILE in the textbox; with
// it, Stop is clicked that long after the count began, and the time until
// the window asks whether to list the partial count is printed. Each way
// runs ROUNDS times (3 unless ZET_BENCH_ROUNDS says), alternating, so that
// the load of a shared machine falls on both alike.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/headless/HeadlessPlatform.h"
#include "windows/frmMain.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double ProcessorSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A window of its own for each run, so that nothing is reused between them.
void Run(const std::string& programFolder, const std::string& file, int suppress,
         long stopAfterMs) {
  zet::HeadlessPlatform hp;
  hp.failures.SetHook([](const std::string& problem) {
    std::fprintf(stderr, "unexpected: %s\n", problem.c_str());
  });
  hp.application.SetProgramFolder(programFolder);
  zet::frmMain frm(hp.platform);
  if (!frm.Form_Load()) std::exit(1);
  hp.messageBoxes.ClearShown();
  (void)frm.txbFile0.UserFocus();
  (void)frm.txbFile0.UserEdit(file);
  (void)frm.cboWordOrder.UserFocus();
  frm.chkSuppressWords.SetValue(suppress);
  hp.messageBoxes.Answer(zet::MessageAnswer::kNo);  // no output file for a large input
  Clock::time_point clicked{};
  Clock::time_point asked{};
  const Clock::time_point start = Clock::now();
  if (stopAfterMs > 0) {
    hp.messageBoxes.Answer(zet::MessageAnswer::kNo);  // the partial list is not wanted
    hp.eventPump.onEveryPump = [&] {
      if (clicked != Clock::time_point{} ||
          Clock::now() - start < std::chrono::milliseconds(stopAfterMs))
        return;
      (void)frm.cmdListWords.UserClick();
      clicked = Clock::now();
    };
    hp.messageBoxes.onShow = [&](const zet::ShownMessage&) { asked = Clock::now(); };
  }
  // The listing begins with the last change of results the window announces.
  Clock::time_point counted{};
  frm.onResultsChanging = [&] { counted = Clock::now(); };
  const double cpu = ProcessorSeconds();
  (void)frm.cmdListWords.UserClick();
  const double wall = Seconds(Clock::now() - start);
  const char* way = suppress != 0 ? "every core, words not shown" : "one thread, words shown";
  if (stopAfterMs > 0) {
    std::printf("%-28s stop clicked after %.3f s, count ended %.1f ms later\n", way,
                Seconds(clicked - start), Seconds(asked - clicked) * 1e3);
    return;
  }
  std::printf(
      "%-28s click to list %.3f s wall (count %.3f s), %.3f s processor, "
      "%zu words, textbox hash %zx\n",
      way, wall, Seconds(counted - start), ProcessorSeconds() - cpu, frm.Words().size(),
      std::hash<std::string>{}(frm.txbOutput.Text()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zet_desktop_bench FILE [STOP_AFTER_MS]\n");
    return 2;
  }
  const std::string file = std::filesystem::absolute(argv[1]).string();
  const long stopAfterMs = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 0;
  // The settings go to a scratch folder, never the user's.
  std::string config = (std::filesystem::temp_directory_path() / "zet-bench-XXXXXX").string();
  if (::mkdtemp(config.data()) == nullptr) return 1;
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  // The program's texts are read from the source tree's data folder.
  const std::string programFolder = std::string(ZET_SOURCE_DIR) + "/data";
  const char* rounds = std::getenv("ZET_BENCH_ROUNDS");
  for (long round = rounds != nullptr ? std::strtol(rounds, nullptr, 10) : 3; round > 0; --round)
    for (const int suppress : {0, 1}) Run(programFolder, file, suppress, stopAfterMs);
  std::filesystem::remove_all(config);
  return 0;
}
