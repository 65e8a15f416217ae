// zet: the desktop program.
#include "desktop/ZetProgram.h"
#include "platform/qt/RunDesktop.h"

int main(int argc, char** argv) { return zet::RunDesktop(argc, argv, zet::MakeZetProgram); }
