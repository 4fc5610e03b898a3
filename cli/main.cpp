// orvantis-cli: ORVANTIS's flights, charts, data and parameter sweeps from a shell.
#include "cli/app.h"
#include "cli/interrupt.h"
#include "cli/output_files.h"

int main(int argc, char** argv) {
  orv::cli::GuardClosedStandardStreams();
  orv::cli::InstallInterruptHandler();
  return orv::cli::RunCommandLine(argc, argv);
}
