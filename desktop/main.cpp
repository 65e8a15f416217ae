// zet: the desktop program.
#include "desktop/ZetProgram.h"
#include "params/AtomicFile.h"
#include "platform/qt/RunDesktop.h"

int main(int argc, char** argv) {
  // Ctrl-C or a closed session during a save leaves no temporary file.
  zet::InstallTemporaryFileCleanup();
  return zet::RunDesktop(argc, argv, zet::MakeZetProgram);
}
